      *> struct vrxNodeProtocol4 of vrxagapi/directory.h, 12 bytes.
      *> Protocol code 4.
       01 vrxNodeProtocol4.
          10 NP4-name                 PIC X(9).
          10 NP4-passThrough          PIC X(3).
