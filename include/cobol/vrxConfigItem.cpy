      *> struct vrxConfigItem of vrxagapi/config.h, 8 bytes, 16 on
      *> 64-bit platforms.
      *> One configuration item. The library hands the caller's array to
      *> the core unchanged; for a string-valued token `value` is the
      *> caller's text (update) or output field (get), otherwise a
      *> number the core reads or writes.
       01 vrxConfigItem.
          10 CFI-token                PIC 9(4) COMP-5.
          10 CFI-reserved             PIC 9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 CFI-value                USAGE POINTER.
