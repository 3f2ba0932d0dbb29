      *> struct vrxgHistoryUpdateStruct of vrxagapi/history.h, 40 bytes,
      *> 56 on 64-bit platforms.
      *> The words at 12 and 28 are not read.
       01 vrxgHistoryUpdateStruct.
          10 HUS-piEntry              USAGE POINTER.
          10 HUS-piNewLocation        USAGE POINTER.
          10 HUS-piNewDeviceType      USAGE POINTER.
          10 HUS-unread12             PIC 9(9) COMP-5.
          10 HUS-iEntryLen            PIC 9(9) COMP-5.
          10 HUS-iNewLocationLen      PIC 9(9) COMP-5.
          10 HUS-iNewDeviceTypeLen    PIC 9(9) COMP-5.
          10 HUS-unread28             PIC 9(9) COMP-5.
          10 HUS-iValue32             PIC 9(9) COMP-5.
          10 HUS-iValue36             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
