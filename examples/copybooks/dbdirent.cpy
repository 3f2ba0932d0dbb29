      *> One database directory entry, 530 bytes, as the database
      *> manager hands it out during a scan. The texts are fixed-width
      *> and blank-padded, without terminator; the program reads the
      *> entry in place, in the LINKAGE SECTION, through the address
      *> the scan returned.
       01 DIR-ENTRY.
          05 DE-ALIAS              PIC X(8).
          05 DE-DB-NAME            PIC X(8).
          05 DE-NODE-NAME          PIC X(8).
          05 DE-COMMENT            PIC X(30).
      *>  'I': a database of this instance; 'R': a remote database.
          05 DE-TYPE               PIC X.
          05 DE-RESERVED           PIC X.
          05 DE-AUTHENTICATION     PIC 9(4) COMP-5.
          05 DE-PATH               PIC X(216).
          05 DE-PRINCIPAL          PIC X(256).
