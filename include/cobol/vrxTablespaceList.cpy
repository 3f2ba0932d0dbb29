      *> struct vrxTablespaceList of vrxagapi/recovery.h, 8 bytes, 16 on
      *> 64-bit platforms.
       01 vrxTablespaceList.
          10 TSL-count                PIC S9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 TSL-entries              USAGE POINTER.
