      *> struct vrxgHistoryGetEntryStruct of vrxagapi/history.h, 8
      *> bytes, 16 on 64-bit platforms.
      *> Handed to the core as the caller gave them.
       01 vrxgHistoryGetEntryStruct.
          10 HGE-pioHistData          USAGE POINTER.
          10 HGE-iHandle              PIC 9(4) COMP-5.
          10 HGE-iCallerAction        PIC 9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
