      *> struct vrxHostDbEntry of vrxagapi/directory.h, 588 bytes.
      *> A host database entry, keyed by its local name: read and
      *> written by the core API in the caller's storage. Texts are
      *> blank-padded, with room for the terminator in their last byte.
       01 vrxHostDbEntry.
          10 HDE-structId             PIC 9(4) COMP-5.
          10 HDE-reserved1            PIC 9(4) COMP-5.
          10 HDE-reserved2            PIC 9(4) COMP-5.
      *>   At most 30 significant characters.
          10 HDE-comment              PIC X(31).
      *>   At most 8.
          10 HDE-localName            PIC X(9).
      *>   At most 18.
          10 HDE-targetName           PIC X(19).
      *>   At most 8.
          10 HDE-requesterName        PIC X(9).
      *>   At most 512.
          10 HDE-parameters           PIC X(513).
          10 HDE-reserved3            PIC X.
