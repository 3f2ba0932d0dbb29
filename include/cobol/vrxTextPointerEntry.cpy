      *> struct vrxTextPointerEntry of vrxagapi/media.h, 8 bytes, 16 on
      *> 64-bit platforms.
      *> 'Q': a pointer to the text, or null for an entry without text.
       01 vrxTextPointerEntry.
          10 TPE-length               PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 TPE-text                 USAGE POINTER.
