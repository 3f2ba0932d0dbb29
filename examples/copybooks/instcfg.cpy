      *> The instance tour: the values it sets in the instance
      *> configuration, the fields its reads fill, and the node it
      *> catalogues, lists and uncatalogues.
       78 TOKEN-INST-TEXT          VALUE 66.
       78 TOKEN-INST-NUMBER        VALUE 16.
      *> The text has room for the byte after it, which the library
      *> borrows during the update.
       01 NEW-INST-TEXT            PIC X(20) VALUE "REGION-WEST".
       01 NEW-INST-NUMBER          PIC 9(9) COMP-5 VALUE 8192.
      *> Token 66 comes back in a field of 20 bytes, blank-filled.
       01 OUT-INST-TEXT            PIC X(20).
       01 OUT-INST-NUMBER          PIC 9(9) COMP-5.

      *> The node to catalogue. Its texts are blank-padded, one byte
      *> longer than their longest value: the library terminates them
      *> after their last non-blank for the call when the structure
      *> identifier is 512.
       01 NODE-RECORD.
          05 NR-STRUCT-ID          PIC 9(4) COMP-5 VALUE 512.
          05 NR-RESERVED           PIC X(2).
          05 NR-COMMENT            PIC X(31).
          05 NR-NODE-NAME          PIC X(9).
          05 NR-PROTOCOL           BINARY-CHAR UNSIGNED VALUE 3.
          05 NR-RESERVED-2         PIC X.
      *> Protocol 3: host name and service name, blank-padded.
       01 NODE-PROTOCOL.
          05 NP-HOST-NAME          PIC X(256).
          05 NP-SERVICE-NAME       PIC X(15).
      *> The node scan: handle and count as the open returns them, the
      *> handle again as a 32-bit value, and the entry's address.
       01 NODE-HANDLE              PIC 9(4) COMP-5.
       01 NODE-COUNT               PIC 9(4) COMP-5.
       01 NODE-HANDLE-ARG          BINARY-LONG.
       01 NODE-ENTRY-PTR           USAGE POINTER.
       01 NODES-READ               BINARY-LONG.
       01 NODE-NAME-LEN            BINARY-LONG.
