      *> struct vrxgInstanceUnquiesceStruct of vrxagapi/instance.h, 8
      *> bytes, 16 on 64-bit platforms.
      *> Unquiesce an instance: one text.
       01 vrxgInstanceUnquiesceStruct.
          10 IU-iTextLen              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 IU-piText                USAGE POINTER.
