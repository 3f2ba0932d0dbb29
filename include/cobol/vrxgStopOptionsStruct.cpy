      *> struct vrxgStopOptionsStruct of vrxagapi/instance.h, 8 bytes,
      *> 16 on 64-bit platforms.
      *> Stop options: one text; the core's record may continue after
      *> it, and reaches the core as the caller gave it.
       01 vrxgStopOptionsStruct.
          10 STO-iTextLen             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 STO-piText               USAGE POINTER.
