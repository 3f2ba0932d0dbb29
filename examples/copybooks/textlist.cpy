      *> The lists of texts that the versioned backup and restore take:
      *> the address of an array of text entries (textent.cpy) and the
      *> number of entries; a media list has a media type code after
      *> them. On 64-bit platforms the address is 8 bytes, and the
      *> table space list ends in four bytes of padding, as in the C
      *> declaration.
       01 TABLESPACE-LIST.
          05 TSL-ENTRIES           USAGE POINTER.
          05 TSL-COUNT             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
       01 MEDIA-LIST.
          05 ML-ENTRIES            USAGE POINTER.
          05 ML-COUNT              PIC 9(9) COMP-5.
      *>  'L': the texts are paths on the database server.
          05 ML-MEDIA-TYPE         PIC X.
          05 ML-RESERVED           PIC X(3).
