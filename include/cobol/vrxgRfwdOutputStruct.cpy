      *> struct vrxgRfwdOutputStruct of vrxagapi/rollforward.h, 16
      *> bytes, 32 on 64-bit platforms.
      *> The 33-byte area comes back blank-filled; oValue12 is written
      *> from version 9000000 on.
       01 vrxgRfwdOutputStruct.
          10 RFO-poApplicationId      USAGE POINTER.
          10 RFO-pvValue4             USAGE POINTER.
          10 RFO-pvValue8             USAGE POINTER.
          10 RFO-oValue12             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
