      *> struct vrxgColumnDistData of vrxagapi/maintenance.h, 12 bytes,
      *> 16 on 64-bit platforms.
      *> A column whose distribution is collected: name, length, two
      *> values.
       01 vrxgColumnDistData.
          10 CDD-piColumnName         USAGE POINTER.
          10 CDD-iColumnNameLen       PIC 9(4) COMP-5.
          10 CDD-iValueA              PIC S9(4) COMP-5.
          10 CDD-iValueB              PIC S9(4) COMP-5.
          10 FILLER                   PIC X(2).
