      *> Rollforward and the recovery history.
      *>
      *> The versioned rollforward takes a record of two pointers: to
      *> the input record and to the output record. The input record
      *> keeps the lengths of its seven texts together at its start;
      *> values passed on as they are stay 0 here. On 64-bit platforms
      *> pointers are 8 bytes and aligned on 8, so padding follows a
      *> value that precedes one.
       01 RFWD-PARMS.
          05 RFW-INPUT             USAGE POINTER.
          05 RFW-OUTPUT            USAGE POINTER.
       01 RFWD-INPUT.
          05 RFI-DB-ALIAS-LEN      PIC 9(9) COMP-5.
          05 RFI-STOP-TIME-LEN     PIC 9(9) COMP-5.
          05 RFI-USER-NAME-LEN     PIC 9(9) COMP-5.
          05 RFI-PASSWORD-LEN      PIC 9(9) COMP-5.
          05 RFI-OVERFLOW-LEN      PIC 9(9) COMP-5.
          05 RFI-DROPPED-LEN       PIC 9(9) COMP-5.
          05 RFI-EXPORT-DIR-LEN    PIC 9(9) COMP-5.
          05 RFI-VALUE-28          PIC 9(9) COMP-5.
          05 RFI-DB-ALIAS          USAGE POINTER.
          05 RFI-VALUE-36          PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RFI-STOP-TIME         USAGE POINTER.
          05 RFI-USER-NAME         USAGE POINTER.
          05 RFI-PASSWORD          USAGE POINTER.
          05 RFI-OVERFLOW-LOG-PATH USAGE POINTER.
          05 RFI-VALUES-56         PIC 9(9) COMP-5 OCCURS 3 TIMES.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *>  A table space list of the positional backup's form, or null.
          05 RFI-TABLESPACES       USAGE POINTER.
          05 RFI-VALUES-72         PIC 9(9) COMP-5 OCCURS 4 TIMES.
          05 RFI-DROPPED-TABLE     USAGE POINTER.
          05 RFI-EXPORT-DIR        USAGE POINTER.
          05 RFI-VALUE-96          PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *> The output record: a 33-byte area that comes back blank-filled,
      *> two values passed on, and a word the call sets (version 9000000
      *> on).
       01 RFWD-OUTPUT.
          05 RFO-AREA              USAGE POINTER.
          05 RFO-VALUE-4           USAGE POINTER.
          05 RFO-VALUE-8           USAGE POINTER.
          05 RFO-VALUE-12          PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF

      *> A history entry as the fetch writes it: fixed-width fields.
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
