      *> struct vrxTablespaceEntry of vrxagapi/recovery.h, 24 bytes.
      *> A table space name of at most 19 bytes; the byte after it is
      *> the terminator's room.
       01 vrxTablespaceEntry.
          10 TSE-length               PIC 9(9) COMP-5.
          10 TSE-text                 PIC X(20).
