      *> One configuration item: a 16-bit token, two reserved bytes and
      *> the address of the value (a text field or a 32-bit number).
      *> On 64-bit platforms the address is 8 bytes and aligned on 8, so
      *> four bytes of padding precede it, as in the C declaration.
             10 CFG-TOKEN         PIC 9(4) COMP-5.
             10 CFG-RESERVED      PIC X(2).
       >>IF P64 IS SET
             10 FILLER            PIC X(4).
       >>END-IF
             10 CFG-VALUE         USAGE POINTER.
