      *> The table-space query: short records of 176 bytes that a fetch
      *> fills. The core's bytes hold the table space's number and its
      *> name (NUL-terminated); the six-byte text at byte 168, here the
      *> kind of storage, comes back blank-filled.
       01 TS-RECORDS.
          05 TS-RECORD             OCCURS 4 TIMES.
             10 TS-NUMBER          PIC 9(9) COMP-5.
             10 TS-NAME            PIC X(164).
             10 TS-KIND            PIC X(6).
             10 FILLER             PIC X(2).
      *> How many table spaces the open query has, how many records the
      *> array holds (passed by value) and how many a fetch returned.
       01 TS-TOTAL                 PIC 9(9) COMP-5.
       01 TS-CAPACITY              BINARY-LONG VALUE 4.
       01 TS-OPTION                BINARY-LONG VALUE 0.
       01 TS-FETCHED               PIC 9(9) COMP-5.
       01 TS-INDEX                 BINARY-LONG.
