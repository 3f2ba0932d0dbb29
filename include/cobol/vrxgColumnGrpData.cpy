      *> struct vrxgColumnGrpData of vrxagapi/maintenance.h, 16 bytes,
      *> 24 on 64-bit platforms.
      *> A column group: iGroupSize names with their 16-bit lengths, two
      *> values.
       01 vrxgColumnGrpData.
          10 CGD-piGroupColumnNames   USAGE POINTER.
          10 CGD-piGroupColumnNamesLen USAGE POINTER.
          10 CGD-iGroupSize           PIC S9(4) COMP-5.
          10 CGD-iValueA              PIC S9(4) COMP-5.
          10 CGD-iValueB              PIC S9(4) COMP-5.
          10 FILLER                   PIC X(2).
