      *> struct vrxgTextList of vrxagapi/recovery.h, 8 bytes, 16 on
      *> 64-bit platforms.
       01 vrxgTextList.
          10 TL-entries               USAGE POINTER.
          10 TL-count                 PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
