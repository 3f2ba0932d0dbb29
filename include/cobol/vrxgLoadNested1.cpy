      *> struct vrxgLoadNested1 of vrxagapi/datamove.h, 72 bytes, 80 on
      *> 64-bit platforms.
      *> The first nested record of a load: one text; the rest is the
      *> core's.
       01 vrxgLoadNested1.
          10 LN1-reserved1            PIC X(16).
          10 LN1-piTextN1             USAGE POINTER.
          10 LN1-reserved2            PIC X(34).
          10 LN1-iTextN1Len           PIC 9(4) COMP-5.
          10 LN1-reserved3            PIC X(16).
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
