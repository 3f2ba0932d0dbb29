       IDENTIFICATION DIVISION.
       PROGRAM-ID. ADMIN-DEMO.
      *> A tour of the administrative calls, made the way a COBOL
      *> program makes them: lengths and counts BY VALUE as 32-bit
      *> binary numbers, texts and fixed-width fields BY REFERENCE,
      *> caller records BY REFERENCE after a version number BY VALUE,
      *> and an sqlca that every call fills. Each step of the tour is
      *> one paragraph that makes its calls and reports every SQLCODE;
      *> the program ends with return code 1 if any call failed.
      *>
      *> The tour: the configuration of one database (update, read
      *> back, reset); the database directory (catalogue two
      *> databases, change a comment, list the directory).

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

      *> Database directory: the entry being catalogued. Each text
      *> field has room for the byte after the text, which the library
      *> borrows during the call.
       78 DB-INDIRECT              VALUE 73.
       01 CAT-ALIAS                PIC X(9).
       01 CAT-NAME                 PIC X(9).
       01 CAT-PATH                 PIC X(41) VALUE "/srv/vrx".
       01 CAT-COMMENT              PIC X(31).
       01 CAT-ALIAS-LEN            BINARY-LONG.
       01 CAT-NAME-LEN             BINARY-LONG.
       01 CAT-PATH-LEN             BINARY-LONG.
       01 CAT-COMMENT-LEN          BINARY-LONG.
      *> No node name and no server principal: both are passed as null
      *> pointers with length 0, and the entry takes authentication 0.
       01 NO-TEXT-LEN              BINARY-LONG VALUE 0.
       01 CAT-TYPE                 BINARY-LONG VALUE DB-INDIRECT.
       01 CAT-AUTHENTICATION       BINARY-LONG VALUE 0.

      *> The versioned scan: its records, the version they are laid out
      *> for and the number of entries read so far.
       COPY "dbdirscan.cpy".
       01 API-VERSION              BINARY-LONG VALUE 9050000.
       01 ENTRIES-READ             BINARY-LONG.

      *> Reporting.
       01 API-RESULT               BINARY-LONG.
       01 API-NAME                 PIC X(24).
       01 API-ACTION               PIC X(36).
       01 LEADER                   PIC X(45).
       01 LEADER-POS               BINARY-LONG.
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

       LINKAGE SECTION.
       COPY "dbdirent.cpy".

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

           DISPLAY "Database directory"
           MOVE "SALES" TO CAT-ALIAS
           MOVE "SALESDB" TO CAT-NAME
           MOVE "Quarterly sales figures" TO CAT-COMMENT
           PERFORM DIRECTORY-CATALOGUE
           MOVE "PAYROLL" TO CAT-ALIAS
           MOVE "PAYDB" TO CAT-NAME
           MOVE "Monthly payroll" TO CAT-COMMENT
           PERFORM DIRECTORY-CATALOGUE
           MOVE "Monthly payroll, audited" TO CAT-COMMENT
           PERFORM DIRECTORY-COMMENT
           PERFORM DIRECTORY-LIST

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

      *> Catalogues the database CAT-NAME under the alias CAT-ALIAS, on
      *> the path CAT-PATH, with the comment CAT-COMMENT.
       DIRECTORY-CATALOGUE.
           COMPUTE CAT-ALIAS-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(CAT-ALIAS TRAILING))
           COMPUTE CAT-NAME-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(CAT-NAME TRAILING))
           COMPUTE CAT-PATH-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(CAT-PATH TRAILING))
           COMPUTE CAT-COMMENT-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(CAT-COMMENT TRAILING))
           CALL "sqlgcadb" USING BY VALUE NO-TEXT-LEN CAT-COMMENT-LEN
                                          CAT-PATH-LEN NO-TEXT-LEN
                                          CAT-ALIAS-LEN CAT-NAME-LEN
                                 BY REFERENCE SQLCA OMITTED
                                 BY VALUE CAT-AUTHENTICATION
                                 BY REFERENCE CAT-COMMENT CAT-PATH
                                              OMITTED
                                 BY VALUE CAT-TYPE
                                 BY REFERENCE CAT-ALIAS CAT-NAME
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGCADB" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "catalogue " FUNCTION TRIM(CAT-NAME) " as "
                  FUNCTION TRIM(CAT-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL.

      *> Gives the entry of CAT-ALIAS the comment CAT-COMMENT. A null
      *> path means the entry wherever its database lives.
       DIRECTORY-COMMENT.
           COMPUTE CAT-ALIAS-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(CAT-ALIAS TRAILING))
           COMPUTE CAT-COMMENT-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(CAT-COMMENT TRAILING))
           CALL "sqlgdcgd" USING BY VALUE CAT-COMMENT-LEN NO-TEXT-LEN
                                          CAT-ALIAS-LEN
                                 BY REFERENCE SQLCA CAT-COMMENT OMITTED
                                              CAT-ALIAS
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGDCGD" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "comment of " FUNCTION TRIM(CAT-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
           DISPLAY "         comment := """
               FUNCTION TRIM(CAT-COMMENT TRAILING) """".

      *> Lists the system database directory with the versioned scan:
      *> open it, get as many entries as the open announced, close it.
      *> Each entry is read in place through the address the scan
      *> returns: alias and name are shown at their full width, the
      *> comment up to its last non-blank.
       DIRECTORY-LIST.
           MOVE 0 TO DOS-PATH-LEN
           SET DOS-PATH TO NULL
           MOVE 0 TO DOS-HANDLE DOS-NUM-ENTRIES
           CALL "vrxgDbDirOpenScan" USING BY VALUE API-VERSION
                                BY REFERENCE DIR-OPEN-SCAN SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGDBDIROPENSCAN" TO API-NAME
           MOVE "open scan" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE DOS-NUM-ENTRIES TO COUNT-SHOWN
           DISPLAY "         " FUNCTION TRIM(COUNT-SHOWN) " entries"
           MOVE DOS-HANDLE TO DNE-HANDLE DCS-HANDLE
           MOVE 0 TO ENTRIES-READ
           PERFORM UNTIL ENTRIES-READ = DOS-NUM-ENTRIES
               ADD 1 TO ENTRIES-READ
               SET DNE-ENTRY TO NULL
               CALL "vrxgDbDirGetNextEntry" USING BY VALUE API-VERSION
                                    BY REFERENCE DIR-NEXT-ENTRY SQLCA
                              RETURNING API-RESULT
               END-CALL
               MOVE "VRXGDBDIRGETNEXTENTRY" TO API-NAME
               MOVE ENTRIES-READ TO COUNT-SHOWN
               MOVE SPACES TO API-ACTION
               STRING "entry " FUNCTION TRIM(COUNT-SHOWN)
                   DELIMITED BY SIZE INTO API-ACTION
               PERFORM REPORT-CALL
               IF SQLCODE NOT = 0
                   MOVE DOS-NUM-ENTRIES TO ENTRIES-READ
               ELSE
                   SET ADDRESS OF DIR-ENTRY TO DNE-ENTRY
                   DISPLAY "         alias " DE-ALIAS " name "
                       DE-DB-NAME " comment """
                       FUNCTION TRIM(DE-COMMENT TRAILING) """"
               END-IF
           END-PERFORM
           CALL "vrxgDbDirCloseScan" USING BY VALUE API-VERSION
                                BY REFERENCE DIR-CLOSE-SCAN SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGDBDIRCLOSESCAN" TO API-NAME
           MOVE "close scan" TO API-ACTION
           PERFORM REPORT-CALL.

      *> One transcript line per call: name, what it did, SQLCODE. The
      *> action starts in column 10, or after the name when the name
      *> is longer than eight letters; dots lead to the SQLCODE.
       REPORT-CALL.
           ADD 1 TO CALLS-MADE
           IF SQLCODE NOT = 0
               ADD 1 TO CALLS-FAILED
           END-IF
           MOVE ALL "." TO LEADER
           MOVE SPACES TO LEADER(1:9)
           MOVE 1 TO LEADER-POS
           STRING FUNCTION TRIM(API-NAME) " "
               DELIMITED BY SIZE INTO LEADER WITH POINTER LEADER-POS
           IF LEADER-POS < 10
               MOVE 10 TO LEADER-POS
           END-IF
           STRING FUNCTION TRIM(API-ACTION TRAILING) " "
               DELIMITED BY SIZE INTO LEADER WITH POINTER LEADER-POS
           MOVE SQLCODE TO CODE-SHOWN
           DISPLAY LEADER " SQLCODE " FUNCTION TRIM(CODE-SHOWN).

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
