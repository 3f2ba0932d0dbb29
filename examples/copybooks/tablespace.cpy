      *> The table-space query: how many table spaces the open query
      *> has, how many records the array of short records holds (passed
      *> by value) and how many a fetch returned. In each record the
      *> core's bytes hold the table space's number (4 bytes) and its
      *> name (NUL-terminated); the six-byte text, here the kind of
      *> storage, comes back blank-filled.
       01 TS-TOTAL                 PIC 9(9) COMP-5.
       01 TS-CAPACITY              BINARY-LONG VALUE 4.
       01 TS-OPTION                BINARY-LONG VALUE 0.
       01 TS-FETCHED               PIC 9(9) COMP-5.
       01 TS-INDEX                 BINARY-LONG.
