      *> struct vrxgLoadNested2 of vrxagapi/datamove.h, 84 bytes, 112 on
      *> 64-bit platforms.
      *> The second nested record of a load: six texts; the rest is the
      *> core's.
       01 vrxgLoadNested2.
          10 LN2-piTextP1             USAGE POINTER.
          10 LN2-piTextP2             USAGE POINTER.
          10 LN2-piTextP3             USAGE POINTER.
          10 LN2-reserved1            PIC X(32).
          10 LN2-piTextP4             USAGE POINTER.
          10 LN2-piTextP5             USAGE POINTER.
          10 LN2-reserved2            PIC X(8).
          10 LN2-piTextP6             USAGE POINTER.
          10 LN2-reserved3            PIC X(8).
      *>   P1 to P6.
          10 LN2-iTextLen             PIC 9(4) COMP-5 OCCURS 6 TIMES.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
