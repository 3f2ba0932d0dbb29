      *> struct vrxNodeProtocol7 of vrxagapi/directory.h, 25 bytes.
      *> Protocol code 7.
       01 vrxNodeProtocol7.
          10 NP7-name1                PIC X(16).
          10 NP7-name2                PIC X(9).
