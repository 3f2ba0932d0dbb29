      *> struct vrxNodeRecord of vrxagapi/directory.h, 46 bytes.
      *> A node to catalogue. Texts are blank-padded, with room for the
      *> terminator in their last byte. The protocol code selects the
      *> layout of the protocol record that goes with it.
       01 vrxNodeRecord.
          10 NR-structId              PIC 9(4) COMP-5.
          10 NR-reserved1             PIC 9(4) COMP-5.
      *>   At most 30 significant characters.
          10 NR-comment               PIC X(31).
      *>   At most 8.
          10 NR-nodeName              PIC X(9).
          10 NR-protocol              BINARY-CHAR UNSIGNED.
          10 NR-reserved2             BINARY-CHAR UNSIGNED.
