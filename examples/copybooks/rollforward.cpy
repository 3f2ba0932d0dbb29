      *> The recovery history: an entry as the fetch writes it, in
      *> fixed-width fields.
       01 HISTORY-ENTRY.
          05 HE-TIMESTAMP          PIC X(14).
      *>  B backup, R restore, F rollforward.
          05 HE-OPERATION          PIC X.
          05 FILLER                PIC X.
          05 HE-LOCATION           PIC X(64).
          05 HE-COMMENT            PIC X(32).

      *> The rollforward's stop time, its output area, and what the
      *> history calls pass and receive: the scan's entry count and
      *> handle (the handle goes back BY VALUE as a 32-bit number), a
      *> null pointer for the texts and values not given, and the
      *> newer backup's identifier and timestamp.
       01 RFWD-STOP-TIME           PIC X(12) VALUE "END OF LOGS".
       01 RFWD-AREA                PIC X(33).
       01 HISTORY-ALIAS-LEN        BINARY-LONG.
       01 HISTORY-COUNT            BINARY-LONG.
       01 HISTORY-HANDLE           PIC 9(4) COMP-5.
       01 HISTORY-HANDLE-SLOT      BINARY-LONG.
       01 HISTORY-READ             BINARY-LONG.
       01 HISTORY-ZERO             BINARY-LONG VALUE 0.
       01 HISTORY-NO-TEXT          USAGE POINTER VALUE NULL.
       01 OPERATION-NAME           PIC X(11).
       01 NEWEST-IDENTIFIER        PIC X(34).
       01 NEWEST-TIMESTAMP         PIC X(16).
       01 PRUNE-TIMESTAMP-LEN      BINARY-LONG.
