       IDENTIFICATION DIVISION.
       PROGRAM-ID. ADMIN-DEMO.
      *> A tour of the administrative calls, made the way a COBOL
      *> program makes them: lengths and counts BY VALUE as 32-bit
      *> binary numbers, texts and fixed-width fields BY REFERENCE,
      *> and an sqlca that every call fills. Each section of the tour
      *> is one paragraph that makes its calls and reports every
      *> SQLCODE; the program ends with return code 1 if any call
      *> failed.

       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY "sqlca.cpy".

      *> The database the tour works on. Its length is passed with it;
      *> the byte after the name is borrowed by the library during a
      *> call, so the field is one byte longer than the name at least.
       01 DB-ALIAS                 PIC X(8) VALUE "SAMPLE".
       01 DB-ALIAS-LEN             BINARY-LONG.

      *> Database configuration: the tokens used and an item list.
       78 TOKEN-NEWLOGPATH         VALUE 103.
       78 TOKEN-LOGFILSIZ          VALUE 4.
       01 CFG-COUNT                BINARY-LONG VALUE 2.
       01 CFG-ITEMS.
          05 CFG-ITEM              OCCURS 2 TIMES.
             COPY "cfgitem.cpy".
      *> Text lengths of the items, read for string-valued tokens only.
       01 CFG-LENS.
          05 CFG-LEN               PIC 9(4) COMP-5 OCCURS 2 TIMES.

      *> The values the update writes.
       01 NEW-LOGPATH              PIC X(243)
                                   VALUE "/srv/vrx/SAMPLE/newlogs/".
       01 NEW-LOGFILSIZ            PIC 9(9) COMP-5 VALUE 20000.

      *> The fields a read fills. A string value comes back blank-filled
      *> to the field's full width, without a terminator.
       01 OUT-LOGPATH              PIC X(243).
       01 OUT-LOGFILSIZ            PIC 9(9) COMP-5.

      *> Reporting.
       01 API-RESULT               BINARY-LONG.
       01 API-NAME                 PIC X(8).
       01 API-ACTION               PIC X(36).
       01 LEADER                   PIC X(36).
       01 CALLS-MADE               BINARY-LONG VALUE 0.
       01 CALLS-FAILED             BINARY-LONG VALUE 0.
       01 CODE-SHOWN               PIC -(9)9.
       01 NUMBER-SHOWN             PIC Z(9)9.
       01 COUNT-SHOWN              PIC Z(4)9.
       01 TEXT-LEN                 BINARY-LONG.
      *> A text field to show, its width and its label.
       01 FIELD-LABEL              PIC X(24).
       01 FIELD-TEXT               PIC X(512).
       01 FIELD-WIDTH              BINARY-LONG.
       01 FIELD-BLANKS             BINARY-LONG.
       01 FIELD-NULS               BINARY-LONG.
       01 SHOWN-LINE               PIC X(120).

       PROCEDURE DIVISION.
       MAIN.
           COMPUTE DB-ALIAS-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(DB-ALIAS TRAILING))
           DISPLAY "Database configuration of "
               FUNCTION TRIM(DB-ALIAS)
           PERFORM CONFIG-UPDATE
           PERFORM CONFIG-SHOW
           PERFORM CONFIG-RESET
           PERFORM CONFIG-SHOW
           PERFORM FINISH
           STOP RUN.

      *> Sets a new log path (a text) and the log file size (a number).
       CONFIG-UPDATE.
           MOVE TOKEN-NEWLOGPATH TO CFG-TOKEN(1)
           SET CFG-VALUE(1) TO ADDRESS OF NEW-LOGPATH
           COMPUTE CFG-LEN(1) =
               FUNCTION LENGTH(FUNCTION TRIM(NEW-LOGPATH TRAILING))
           MOVE TOKEN-LOGFILSIZ TO CFG-TOKEN(2)
           SET CFG-VALUE(2) TO ADDRESS OF NEW-LOGFILSIZ
           MOVE 0 TO CFG-LEN(2)
           CALL "sqlgudb" USING BY VALUE DB-ALIAS-LEN CFG-COUNT
                                BY REFERENCE CFG-LENS CFG-ITEMS SQLCA
                                             DB-ALIAS
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGUDB" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "update " FUNCTION TRIM(DB-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
      *>   The library has put back the byte it borrowed after the
      *>   text, so the text still ends where it did.
           MOVE FUNCTION LENGTH(FUNCTION TRIM(NEW-LOGPATH TRAILING))
               TO COUNT-SHOWN
           DISPLAY "         token 103 new log path  := """
               FUNCTION TRIM(NEW-LOGPATH TRAILING) """ ("
               FUNCTION TRIM(COUNT-SHOWN) " bytes)"
           MOVE NEW-LOGFILSIZ TO NUMBER-SHOWN
           DISPLAY "         token   4 log file size := "
               FUNCTION TRIM(NUMBER-SHOWN).

      *> Reads the log path and the log file size back. The text field
      *> is filled with '#' first, so every blank shown after the text
      *> was written by the call.
       CONFIG-SHOW.
           MOVE ALL "#" TO OUT-LOGPATH
           MOVE 0 TO OUT-LOGFILSIZ
           MOVE TOKEN-NEWLOGPATH TO CFG-TOKEN(1)
           SET CFG-VALUE(1) TO ADDRESS OF OUT-LOGPATH
           MOVE TOKEN-LOGFILSIZ TO CFG-TOKEN(2)
           SET CFG-VALUE(2) TO ADDRESS OF OUT-LOGFILSIZ
           CALL "sqlgxdb" USING BY VALUE DB-ALIAS-LEN CFG-COUNT
                                BY REFERENCE CFG-ITEMS SQLCA DB-ALIAS
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGXDB" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "read " FUNCTION TRIM(DB-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
           MOVE "token 103 new log path" TO FIELD-LABEL
           MOVE OUT-LOGPATH TO FIELD-TEXT
           MOVE LENGTH OF OUT-LOGPATH TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD
           MOVE OUT-LOGFILSIZ TO NUMBER-SHOWN
           DISPLAY "         token   4 log file size  = "
               FUNCTION TRIM(NUMBER-SHOWN).

      *> Puts the whole configuration of the database back to defaults.
       CONFIG-RESET.
           CALL "sqlgrdb" USING BY VALUE DB-ALIAS-LEN
                                BY REFERENCE SQLCA DB-ALIAS
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGRDB" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "reset " FUNCTION TRIM(DB-ALIAS) " to defaults"
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL.

      *> One transcript line per call: name, what it did, SQLCODE.
       REPORT-CALL.
           ADD 1 TO CALLS-MADE
           IF SQLCODE NOT = 0
               ADD 1 TO CALLS-FAILED
           END-IF
           MOVE ALL "." TO LEADER
           COMPUTE TEXT-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(API-ACTION TRAILING))
           MOVE API-ACTION(1:TEXT-LEN) TO LEADER(1:TEXT-LEN)
           MOVE SPACE TO LEADER(TEXT-LEN + 1:1)
           MOVE SQLCODE TO CODE-SHOWN
           DISPLAY API-NAME " " LEADER " SQLCODE "
               FUNCTION TRIM(CODE-SHOWN).

      *> Shows the first FIELD-WIDTH bytes of FIELD-TEXT as the text
      *> in quotes, the blanks that follow it up to the full width and
      *> the number of NULs (a blank-filled field has none).
       SHOW-TEXT-FIELD.
           MOVE 0 TO FIELD-BLANKS FIELD-NULS
           INSPECT FUNCTION REVERSE(FIELD-TEXT(1:FIELD-WIDTH))
               TALLYING FIELD-BLANKS FOR LEADING SPACES
           INSPECT FIELD-TEXT(1:FIELD-WIDTH)
               TALLYING FIELD-NULS FOR ALL LOW-VALUE
           COMPUTE TEXT-LEN = FIELD-WIDTH - FIELD-BLANKS
           MOVE SPACES TO SHOWN-LINE
           IF TEXT-LEN = 0
               STRING "         " FIELD-LABEL " = """""
                   DELIMITED BY SIZE INTO SHOWN-LINE
           ELSE
               STRING "         " FIELD-LABEL " = """
                      FIELD-TEXT(1:TEXT-LEN) """"
                   DELIMITED BY SIZE INTO SHOWN-LINE
           END-IF
           MOVE FIELD-BLANKS TO COUNT-SHOWN
           DISPLAY FUNCTION TRIM(SHOWN-LINE TRAILING) " + "
               FUNCTION TRIM(COUNT-SHOWN) " blanks"
               WITH NO ADVANCING
           MOVE FIELD-WIDTH TO COUNT-SHOWN
           DISPLAY " (" FUNCTION TRIM(COUNT-SHOWN) " bytes, "
               WITH NO ADVANCING
           MOVE FIELD-NULS TO COUNT-SHOWN
           DISPLAY FUNCTION TRIM(COUNT-SHOWN) " NULs)".

      *> Sums up; any failed call makes the program end with 1.
       FINISH.
           MOVE CALLS-MADE TO COUNT-SHOWN
           IF CALLS-FAILED = 0
               DISPLAY "All " FUNCTION TRIM(COUNT-SHOWN)
                   " calls returned SQLCODE 0."
           ELSE
               DISPLAY FUNCTION TRIM(COUNT-SHOWN) " calls, "
                   WITH NO ADVANCING
               MOVE CALLS-FAILED TO COUNT-SHOWN
               DISPLAY FUNCTION TRIM(COUNT-SHOWN) " failed."
               MOVE 1 TO RETURN-CODE
           END-IF.
