      *> One node directory entry, 310 bytes, as the database manager
      *> hands it out during a scan: fixed-width blank-padded texts
      *> without terminator, read in place through the address the
      *> scan returned. Host and service are those of protocol 3.
       01 NODE-ENTRY.
          05 NE-NODE-NAME          PIC X(8).
          05 NE-COMMENT            PIC X(30).
          05 NE-PROTOCOL           BINARY-CHAR UNSIGNED.
          05 NE-RESERVED           PIC X.
          05 NE-HOST-NAME          PIC X(255).
          05 NE-SERVICE-NAME       PIC X(14).
          05 NE-RESERVED-2         PIC X.
