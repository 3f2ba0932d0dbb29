      *> struct vrxgPruneStruct of vrxagapi/history.h, 24 bytes, 32 on
      *> 64-bit platforms.
      *> The length before its pointer.
       01 vrxgPruneStruct.
          10 PRN-iStringLen           PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 PRN-piString             USAGE POINTER.
          10 PRN-iValues              PIC 9(9) COMP-5 OCCURS 4 TIMES.
