      *> struct vrxNodeProtocol2 of vrxagapi/directory.h, 126 bytes.
      *> Protocol code 2.
       01 vrxNodeProtocol2.
          10 NP2-name1                PIC X(9).
          10 NP2-name2                PIC X(9).
          10 NP2-name3                PIC X(9).
          10 NP2-name4                PIC X(9).
          10 NP2-passThrough          PIC X(90).
