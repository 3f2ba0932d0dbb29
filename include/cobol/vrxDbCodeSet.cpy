      *> struct vrxDbCodeSet of vrxagapi/control.h, 16 bytes.
      *> Code set and territory of a new database, blank-padded.
       01 vrxDbCodeSet.
      *>   At most 9 significant characters.
          10 DBC-codeSet              PIC X(10).
      *>   At most 5 significant characters.
          10 DBC-territory            PIC X(6).
