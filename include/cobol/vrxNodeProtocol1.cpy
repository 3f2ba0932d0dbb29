      *> struct vrxNodeProtocol1 of vrxagapi/directory.h, 12 bytes.
      *> Protocol code 1.
       01 vrxNodeProtocol1.
          10 NP1-passThrough1         PIC X(2).
          10 NP1-name                 PIC X(9).
          10 NP1-passThrough2         BINARY-CHAR UNSIGNED.
