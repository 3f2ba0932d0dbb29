      *> The instance tour: the values it sets in the instance
      *> configuration, the fields its reads fill, and the node scan.
       78 TOKEN-INST-TEXT          VALUE 66.
       78 TOKEN-INST-NUMBER        VALUE 16.
      *> The text has room for the byte after it, which the library
      *> borrows during the update.
       01 NEW-INST-TEXT            PIC X(20) VALUE "REGION-WEST".
       01 NEW-INST-NUMBER          PIC 9(9) COMP-5 VALUE 8192.
      *> Token 66 comes back in a field of 20 bytes, blank-filled.
       01 OUT-INST-TEXT            PIC X(20).
       01 OUT-INST-NUMBER          PIC 9(9) COMP-5.

      *> The node scan: handle and count as the open returns them, the
      *> handle again as a 32-bit value, and the entry's address.
       01 NODE-HANDLE              PIC 9(4) COMP-5.
       01 NODE-COUNT               PIC 9(4) COMP-5.
       01 NODE-HANDLE-ARG          BINARY-LONG.
       01 NODE-ENTRY-PTR           USAGE POINTER.
       01 NODES-READ               BINARY-LONG.
       01 NODE-NAME-LEN            BINARY-LONG.
