      *> struct vrxgColumnData of vrxagapi/maintenance.h, 8 bytes, 16 on
      *> 64-bit platforms.
      *> A column of the versioned statistics call: its name with the
      *> name's length, and a value passed through.
       01 vrxgColumnData.
          10 COL-piColumnName         USAGE POINTER.
          10 COL-iColumnNameLen       PIC 9(4) COMP-5.
          10 COL-iColumnValue         PIC S9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
