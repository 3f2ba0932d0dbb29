      *> struct vrxNodeProtocol0 of vrxagapi/directory.h, 27 bytes.
      *> The protocol records, by protocol code. Every text is
      *> blank-padded and holds at most its width less one characters;
      *> the bytes around the texts are passed on unread. Codes 5, 6, 8
      *> and above 10 have no record the library knows: it passes theirs
      *> on unchecked. Protocol code 0.
       01 vrxNodeProtocol0.
          10 NP0-name1                PIC X(9).
          10 NP0-name2                PIC X(9).
          10 NP0-name3                PIC X(9).
