      *> struct vrxPathEntry of vrxagapi/media.h, 220 bytes.
      *> 'L': the text is at most 215 bytes.
       01 vrxPathEntry.
          10 PTH-length               PIC 9(9) COMP-5.
          10 PTH-text                 PIC X(216).
