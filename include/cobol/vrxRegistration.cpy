      *> struct vrxRegistration of vrxagapi/directory.h, 184 bytes.
      *> Registration of the server: two texts with their lengths. The
      *> NUL goes at text[length], so the caller keeps the lengths
      *> within 48 and 128.
       01 vrxRegistration.
          10 REG-userId               PIC X(49).
          10 REG-reserved1            PIC X.
          10 REG-userIdLen            PIC 9(4) COMP-5.
          10 REG-password             PIC X(129).
          10 REG-reserved2            PIC X.
          10 REG-passwordLen          PIC 9(4) COMP-5.
