      *> struct vrxLocationEntry of vrxagapi/media.h, 260 bytes.
      *> 'S' and 'C': the text is at most 255 bytes, the byte after it
      *> the terminator's room.
       01 vrxLocationEntry.
          10 LOC-length               PIC 9(9) COMP-5.
          10 LOC-text                 PIC X(256).
