       IDENTIFICATION DIVISION.
       PROGRAM-ID. ADMIN-DEMO.
      *> A tour of the administrative calls, made the way a COBOL
      *> program makes them: lengths and counts BY VALUE as 32-bit
      *> binary numbers, texts and fixed-width fields BY REFERENCE,
      *> caller records BY REFERENCE after a version number BY VALUE,
      *> and an sqlca that the calls fill. Each step of the tour is
      *> one paragraph that makes its calls and reports every SQLCODE;
      *> the program ends with return code 1 if any call failed.
      *>
      *> The tour: the configuration of one database (update, read
      *> back, reset); the database directory (catalogue two
      *> databases, change a comment, list the directory); a backup of
      *> one of them and its restore from the image the backup made;
      *> instance control (start, attach, the instance name, quiesce
      *> and unquiesce, detach, stop); the instance (its configuration
      *> updated, read back and reset; a node catalogued, listed and
      *> uncatalogued); a call that fails on purpose, and the texts of
      *> its SQLCODE and SQLSTATE; an export to a data file, a load
      *> from it and a query of that load; statistics and
      *> reorganisation of a table, with a statistics call the library
      *> refuses on purpose; the rollforward of the restored database and its recovery
      *> history, listed before and after pruning the entries older
      *> than a newer backup; the table spaces of the database, fetched
      *> as short records.

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
      *> An array of records: the copybook's record line becomes an
      *> OCCURS item of the array, and its prefix the array's own.
       01 CFG-ITEMS.
           COPY "vrxConfigItem.cpy" REPLACING ==01 vrxConfigItem==
               BY ==05 CFG-ITEM OCCURS 2 TIMES==
               LEADING ==CFI== BY ==CFG==.
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
       COPY "vrxgDbDirOpenScanStruct.cpy".
       COPY "vrxgDbDirNextEntryStruct.cpy".
       COPY "vrxgDbDirCloseScanStruct.cpy".
       01 API-VERSION              BINARY-LONG VALUE 9050000.
       01 ENTRIES-READ             BINARY-LONG.

      *> Backup and restore: the records, the lists they point to and
      *> the texts of the list entries. The image goes to, and comes
      *> back from, one path on the database server.
       COPY "vrxgBackupStruct.cpy".
       COPY "vrxgRestoreStruct.cpy".
       COPY "vrxgTextList.cpy".
       COPY "vrxgMediaList.cpy".
       COPY "messages.cpy".

      *> Export and load: the records, the media lists they point to
      *> (two of one kind, each under a name and a prefix of its own)
      *> with their entries, and the texts.
       COPY "vrxgExportParms.cpy".
       COPY "vrxgLoadParms.cpy".
       COPY "vrxgLoadQueryParms.cpy".
       COPY "vrxMediaList.cpy" REPLACING ==vrxMediaList==
           BY ==DM-LOB-LIST== LEADING ==ML== BY ==LOB==.
       COPY "vrxMediaList.cpy" REPLACING ==vrxMediaList==
           BY ==DM-SOURCE-LIST== LEADING ==ML== BY ==SRC==.
       COPY "vrxPathEntry.cpy".
       COPY "vrxLocationEntry.cpy".
       COPY "datamove.cpy".

      *> Statistics and reorganisation: the records, two column records
      *> in an array, and the lists and names they point to.
       COPY "vrxgRunstatsParms.cpy".
       01 RS-COLUMN-RECORDS.
           COPY "vrxgColumnData.cpy" REPLACING ==01 vrxgColumnData==
               BY ==05 RS-COLUMN OCCURS 2 TIMES==
               LEADING ==COL== BY ==RSC==.
       COPY "vrxgColumnGrpData.cpy".
       COPY "vrxgReorgParms.cpy".
       COPY "maintenance.cpy".

      *> The table-space query fetches into an array of short records.
       01 TS-RECORDS.
           COPY "vrxgTablespaceShort.cpy" REPLACING
               ==01 vrxgTablespaceShort==
               BY ==05 TS-RECORD OCCURS 4 TIMES==
               LEADING ==TSS== BY ==TS==.
       COPY "tablespace.cpy".
       01 TABLESPACE-ENTRIES.
           COPY "vrxgTextEntry.cpy" REPLACING ==01 vrxgTextEntry==
               BY ==05 TABLESPACE-ENTRY OCCURS 2 TIMES==
               LEADING ==TXT== BY ==TSE==.
       01 MEDIA-ENTRIES.
           COPY "vrxgTextEntry.cpy" REPLACING ==01 vrxgTextEntry==
               BY ==05 MEDIA-ENTRY OCCURS 1 TIMES==
               LEADING ==TXT== BY ==MDE==.
       01 BACKUP-ALIAS             PIC X(9) VALUE "SALES".
       01 TABLESPACE-NAME-1        PIC X(19) VALUE "SALESDATA".
       01 TABLESPACE-NAME-2        PIC X(19) VALUE "SALESINDEX".
       01 BACKUP-PATH              PIC X(41) VALUE "/srv/vrx/backups".
      *> What the backup returns: the image's identifier (33 bytes at
      *> most) and timestamp (15 bytes at most), each in an area one
      *> byte longer.
       01 IMAGE-IDENTIFIER         PIC X(34).
       01 IMAGE-TIMESTAMP          PIC X(16).
      *> What the restore takes: the timestamp of the image, at most 14
      *> bytes in a 15-byte field; and what it returns: the identifier
      *> of the image it restored.
       01 RESTORE-TIMESTAMP        PIC X(15).
       01 RESTORED-IDENTIFIER      PIC X(34).

      *> Instance control: the records, the name of the instance to
      *> attach to (with room for the byte after it) and the 9-byte
      *> field that receives the current instance name, blank-padded.
       COPY "vrxgInstanceStruct.cpy".
       COPY "vrxgInstanceQuiesceStruct.cpy".
       COPY "vrxgInstanceUnquiesceStruct.cpy".
       01 INSTANCE-NAME            PIC X(9) VALUE "VRXINST".
       01 INSTANCE-NAME-LEN        BINARY-LONG.
       01 CURRENT-INSTANCE         PIC X(9).

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

       COPY "instcfg.cpy".
       COPY "vrxNodeRecord.cpy".
       COPY "vrxNodeProtocolHost.cpy".
       COPY "rollforward.cpy".
       COPY "vrxgRollforwardStruct.cpy".
       COPY "vrxgRfwdInputStruct.cpy".
       COPY "vrxgRfwdOutputStruct.cpy".

      *> The entries a directory scan hands out, read in place.
       LINKAGE SECTION.
       COPY "vrxDbDirEntry.cpy".
       COPY "vrxNodeDirEntry.cpy".

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

           DISPLAY "Backup and restore of "
               FUNCTION TRIM(BACKUP-ALIAS)
           PERFORM BACKUP-DATABASE
           PERFORM RESTORE-DATABASE

           DISPLAY "Instance control"
           PERFORM INSTANCE-CONTROL

           PERFORM INSTANCE-TOUR

           DISPLAY "Messages"
           PERFORM MESSAGES-OF-A-FAILURE

           DISPLAY "Export and load"
           PERFORM EXPORT-TABLE
           PERFORM LOAD-TABLE
           PERFORM QUERY-LOAD
           DISPLAY "Statistics and reorganisation of "
               FUNCTION TRIM(RS-TABLE-NAME)
           PERFORM RUNSTATS-TABLE
           PERFORM RUNSTATS-EMPTY-GROUP
           PERFORM REORG-TABLE

           DISPLAY "Rollforward and history of "
               FUNCTION TRIM(BACKUP-ALIAS)
           PERFORM ROLLFORWARD-DATABASE
           PERFORM HISTORY-LIST
           PERFORM BACKUP-AGAIN
           PERFORM HISTORY-PRUNE
           PERFORM HISTORY-LIST

           DISPLAY "Table spaces"
           PERFORM TABLESPACE-QUERY

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
           MOVE 0 TO DOS-iPathLen
           SET DOS-piPath TO NULL
           MOVE 0 TO DOS-oHandle DOS-oNumEntries
           CALL "vrxgDbDirOpenScan" USING BY VALUE API-VERSION
                                BY REFERENCE
                                   vrxgDbDirOpenScanStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGDBDIROPENSCAN" TO API-NAME
           MOVE "open scan" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE DOS-oNumEntries TO COUNT-SHOWN
           DISPLAY "         " FUNCTION TRIM(COUNT-SHOWN) " entries"
           MOVE DOS-oHandle TO DNE-iHandle DCS-iHandle
           MOVE 0 TO ENTRIES-READ
           PERFORM UNTIL ENTRIES-READ = DOS-oNumEntries
               ADD 1 TO ENTRIES-READ
               SET DNE-poDbDirEntry TO NULL
               CALL "vrxgDbDirGetNextEntry" USING BY VALUE API-VERSION
                                    BY REFERENCE
                                       vrxgDbDirNextEntryStruct SQLCA
                              RETURNING API-RESULT
               END-CALL
               MOVE "VRXGDBDIRGETNEXTENTRY" TO API-NAME
               MOVE ENTRIES-READ TO COUNT-SHOWN
               MOVE SPACES TO API-ACTION
               STRING "entry " FUNCTION TRIM(COUNT-SHOWN)
                   DELIMITED BY SIZE INTO API-ACTION
               PERFORM REPORT-CALL
               IF SQLCODE NOT = 0
                   MOVE DOS-oNumEntries TO ENTRIES-READ
               ELSE
                   SET ADDRESS OF vrxDbDirEntry TO DNE-poDbDirEntry
                   DISPLAY "         alias " DE-ALIAS " name "
                       DE-dbName " comment """
                       FUNCTION TRIM(DE-COMMENT TRAILING) """"
               END-IF
           END-PERFORM
           CALL "vrxgDbDirCloseScan" USING BY VALUE API-VERSION
                                BY REFERENCE
                                   vrxgDbDirCloseScanStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGDBDIRCLOSESCAN" TO API-NAME
           MOVE "close scan" TO API-ACTION
           PERFORM REPORT-CALL.

      *> Backs up the database BACKUP-ALIAS (catalogued above) with the
      *> versioned call: two of its table spaces, to one path. The
      *> identifier and timestamp areas are filled with '#' first, so
      *> every blank shown after their texts was written by the call.
       BACKUP-DATABASE.
           INITIALIZE vrxgBackupStruct
           SET BKP-piDbAlias TO ADDRESS OF BACKUP-ALIAS
           COMPUTE BKP-iDbAliasLen =
               FUNCTION LENGTH(FUNCTION TRIM(BACKUP-ALIAS TRAILING))
           MOVE ALL "#" TO IMAGE-IDENTIFIER IMAGE-TIMESTAMP
           SET BKP-poIdentifier TO ADDRESS OF IMAGE-IDENTIFIER
           COMPUTE BKP-iIdentifierLen = LENGTH OF IMAGE-IDENTIFIER - 1
           SET BKP-poTimestamp TO ADDRESS OF IMAGE-TIMESTAMP
           COMPUTE BKP-iTimestampLen = LENGTH OF IMAGE-TIMESTAMP - 1
           SET TSE-TEXT(1) TO ADDRESS OF TABLESPACE-NAME-1
           COMPUTE TSE-LENGTH(1) = FUNCTION LENGTH(
               FUNCTION TRIM(TABLESPACE-NAME-1 TRAILING))
           SET TSE-TEXT(2) TO ADDRESS OF TABLESPACE-NAME-2
           COMPUTE TSE-LENGTH(2) = FUNCTION LENGTH(
               FUNCTION TRIM(TABLESPACE-NAME-2 TRAILING))
           SET TL-entries TO ADDRESS OF TABLESPACE-ENTRIES
           MOVE 2 TO TL-count
           SET BKP-piTablespaceList TO ADDRESS OF vrxgTextList
           PERFORM SET-MEDIA-LIST
           SET BKP-piMediaList TO ADDRESS OF vrxgMediaList
           SET BKP-piUserName BKP-piPassword BKP-piText4 TO NULL
           CALL "vrxgBackup" USING BY VALUE API-VERSION
                                   BY REFERENCE vrxgBackupStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGBACKUP" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "back up " FUNCTION TRIM(BACKUP-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
      *>   The library has put back the bytes it borrowed after the
      *>   list texts, so they still end where they did.
           DISPLAY "         table spaces := """
               FUNCTION TRIM(TABLESPACE-NAME-1 TRAILING) """, """
               FUNCTION TRIM(TABLESPACE-NAME-2 TRAILING) """"
           DISPLAY "         media path   := """
               FUNCTION TRIM(BACKUP-PATH TRAILING) """ (type "
               GML-mediaType ")"
           MOVE "identifier" TO FIELD-LABEL
           MOVE IMAGE-IDENTIFIER TO FIELD-TEXT
           MOVE LENGTH OF IMAGE-IDENTIFIER TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD
           MOVE "timestamp" TO FIELD-LABEL
           MOVE IMAGE-TIMESTAMP TO FIELD-TEXT
           MOVE LENGTH OF IMAGE-TIMESTAMP TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD.

      *> Restores BACKUP-ALIAS from the image the backup made, named by
      *> the timestamp the backup returned, reading it from the same
      *> path. The identifier of the image restored comes back in its
      *> area; the timestamp field comes back blank-filled after its
      *> text.
       RESTORE-DATABASE.
           INITIALIZE vrxgRestoreStruct
           SET RST-piSourceDbAlias RST-piTargetDbAlias
               TO ADDRESS OF BACKUP-ALIAS
           COMPUTE RST-iSourceDbAliasLen =
               FUNCTION LENGTH(FUNCTION TRIM(BACKUP-ALIAS TRAILING))
           MOVE RST-iSourceDbAliasLen TO RST-iTargetDbAliasLen
           MOVE ALL "#" TO RESTORED-IDENTIFIER
           SET RST-poIdentifier TO ADDRESS OF RESTORED-IDENTIFIER
           COMPUTE RST-iIdentifierLen =
               LENGTH OF RESTORED-IDENTIFIER - 1
           MOVE IMAGE-TIMESTAMP TO RESTORE-TIMESTAMP
           SET RST-piTimestamp TO ADDRESS OF RESTORE-TIMESTAMP
           COMPUTE RST-iTimestampLen = FUNCTION LENGTH(
               FUNCTION TRIM(RESTORE-TIMESTAMP TRAILING))
           SET RST-piTablespaceList TO NULL
           PERFORM SET-MEDIA-LIST
           SET RST-piMediaList TO ADDRESS OF vrxgMediaList
           SET RST-piText3 RST-piText4 RST-piUserName RST-piPassword
               RST-piText7
               RST-piText8 RST-piText9 RST-piTextList2 TO NULL
           CALL "vrxgRestore" USING BY VALUE API-VERSION
                                    BY REFERENCE vrxgRestoreStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGRESTORE" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "restore " FUNCTION TRIM(BACKUP-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
           MOVE "identifier" TO FIELD-LABEL
           MOVE RESTORED-IDENTIFIER TO FIELD-TEXT
           MOVE LENGTH OF RESTORED-IDENTIFIER TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD
           MOVE "timestamp" TO FIELD-LABEL
           MOVE RESTORE-TIMESTAMP TO FIELD-TEXT
           MOVE LENGTH OF RESTORE-TIMESTAMP TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD.

      *> The media list of the backup and the restore: one path.
       SET-MEDIA-LIST.
           SET MDE-TEXT(1) TO ADDRESS OF BACKUP-PATH
           COMPUTE MDE-LENGTH(1) =
               FUNCTION LENGTH(FUNCTION TRIM(BACKUP-PATH TRAILING))
           SET GML-entries TO ADDRESS OF MEDIA-ENTRIES
           MOVE 1 TO GML-count
           MOVE "L" TO GML-mediaType.

      *> Uncatalogues an alias that was never catalogued, which is
      *> meant to fail: only a success would count as a failed step.
      *> Then asks for the message text of the SQLCODE the failure left
      *> in the sqlca, and for the text of its SQLSTATE. Neither
      *> message call writes the sqlca; each returns the length of its
      *> text, or a negative value when it has none.
       MESSAGES-OF-A-FAILURE.
           COMPUTE MSG-ALIAS-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(MSG-ALIAS TRAILING))
           CALL "sqlguncd" USING BY VALUE MSG-ALIAS-LEN
                                 BY REFERENCE SQLCA MSG-ALIAS
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGUNCD" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "uncatalogue " FUNCTION TRIM(MSG-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL-MEANT-TO-FAIL

           MOVE LOW-VALUES TO MSG-TEXT
           CALL "sqlgintp" USING BY VALUE MSG-LINE-WIDTH MSG-BUFFER-SIZE
                                 BY REFERENCE SQLCA MSG-TEXT
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGINTP" TO API-NAME
           MOVE SQLCODE TO CODE-SHOWN
           MOVE SPACES TO API-ACTION
           STRING "text of SQLCODE " FUNCTION TRIM(CODE-SHOWN)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-RESULT

           MOVE LOW-VALUES TO MSG-TEXT
           CALL "sqlggstt" USING BY VALUE MSG-LINE-WIDTH MSG-BUFFER-SIZE
                                 BY REFERENCE SQLSTATE MSG-TEXT
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGGSTT" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "text of SQLSTATE " SQLSTATE
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-RESULT.

      *> Collects statistics on two columns and one index of the
      *> table; the stand-in reports in SQLERRD how many column,
      *> distribution, group and index names it received.
       RUNSTATS-TABLE.
           PERFORM SET-RUNSTATS-PARMS
           CALL "vrxgRunstats" USING BY VALUE API-VERSION
                                     BY REFERENCE
                                        vrxgRunstatsParms SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGRUNSTATS" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "statistics of " FUNCTION TRIM(RS-TABLE-NAME)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
           MOVE SQLERRD(1) TO RS-COUNTS-SHOWN(1)
           MOVE SQLERRD(2) TO RS-COUNTS-SHOWN(2)
           MOVE SQLERRD(3) TO RS-COUNTS-SHOWN(3)
           MOVE SQLERRD(4) TO RS-COUNTS-SHOWN(4)
           DISPLAY "         names received: "
               FUNCTION TRIM(RS-COUNTS-SHOWN(1)) " columns, "
               FUNCTION TRIM(RS-COUNTS-SHOWN(2)) " distributions, "
               FUNCTION TRIM(RS-COUNTS-SHOWN(3)) " group names, "
               FUNCTION TRIM(RS-COUNTS-SHOWN(4)) " index".

      *> The same with a column group of no names, which the library
      *> refuses on purpose before calling the database manager: it
      *> names the offending field in SQLERRMC, its length in SQLERRML.
      *> Only a success would count as a failed step.
       RUNSTATS-EMPTY-GROUP.
           PERFORM SET-RUNSTATS-PARMS
           SET CGD-piGroupColumnNames TO ADDRESS OF RS-COLUMN-LIST
           SET CGD-piGroupColumnNamesLen TO ADDRESS OF RS-INDEX-LENGTHS
           MOVE 0 TO CGD-iGroupSize
           SET RS-GROUP-ADDRESS TO ADDRESS OF vrxgColumnGrpData
           SET RS-piColumnGroupList TO ADDRESS OF RS-GROUP-LIST
           MOVE 1 TO RS-iNumColGroups
           CALL "vrxgRunstats" USING BY VALUE API-VERSION
                                     BY REFERENCE
                                        vrxgRunstatsParms SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGRUNSTATS" TO API-NAME
           MOVE "statistics, a group of none" TO API-ACTION
           PERFORM REPORT-CALL-MEANT-TO-FAIL
           MOVE SQLERRML TO RS-TOKEN-LEN-SHOWN
           DISPLAY "         token """ SQLERRMC(1:SQLERRML) """ ("
               FUNCTION TRIM(RS-TOKEN-LEN-SHOWN) " bytes)".

      *> The statistics record: the table, two columns, one index.
       SET-RUNSTATS-PARMS.
           INITIALIZE vrxgRunstatsParms RS-COLUMN-RECORDS
           SET RS-piTablename TO ADDRESS OF RS-TABLE-NAME
           COMPUTE RS-iTablenameLen =
               FUNCTION LENGTH(FUNCTION TRIM(RS-TABLE-NAME TRAILING))
           SET RSC-piColumnName(1) TO ADDRESS OF RS-COLUMN-NAME-1
           COMPUTE RSC-iColumnNameLen(1) =
               FUNCTION LENGTH(FUNCTION TRIM(RS-COLUMN-NAME-1 TRAILING))
           SET RSC-piColumnName(2) TO ADDRESS OF RS-COLUMN-NAME-2
           COMPUTE RSC-iColumnNameLen(2) =
               FUNCTION LENGTH(FUNCTION TRIM(RS-COLUMN-NAME-2 TRAILING))
           SET RS-COLUMN-ADDRESS(1) TO ADDRESS OF RS-COLUMN(1)
           SET RS-COLUMN-ADDRESS(2) TO ADDRESS OF RS-COLUMN(2)
           SET RS-piColumnList TO ADDRESS OF RS-COLUMN-LIST
           MOVE 2 TO RS-iNumColumns
           SET RS-INDEX-ADDRESS TO ADDRESS OF RS-INDEX-NAME
           COMPUTE RS-INDEX-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(RS-INDEX-NAME TRAILING))
           SET RS-piIndexList TO ADDRESS OF RS-INDEX-LIST
           SET RS-piIndexNamesLen TO ADDRESS OF RS-INDEX-LENGTHS
           MOVE 1 TO RS-iNumIndexes
           SET RS-piColumnDistributionList RS-piColumnGroupList TO NULL.

      *> Reorganises the table: type 1, the table's name and no index
      *> or table space names.
       REORG-TABLE.
           INITIALIZE vrxgReorgParms
           MOVE 1 TO RO-iReorgType
           SET RO-piText1 TO ADDRESS OF RS-TABLE-NAME
           COMPUTE RO-iText1Len =
               FUNCTION LENGTH(FUNCTION TRIM(RS-TABLE-NAME TRAILING))
           SET RO-piText2 RO-piText3 TO NULL
           CALL "vrxgReorg" USING BY VALUE API-VERSION
                                  BY REFERENCE vrxgReorgParms SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGREORG" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "reorganise " FUNCTION TRIM(RS-TABLE-NAME)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL.

      *> Opens a table-space query, fetches its records into an array
      *> of short records and closes it. The query calls take the sqlca
      *> first; the fetch blank-fills each record's six-byte text.
       TABLESPACE-QUERY.
           CALL "sqlgotsq" USING BY REFERENCE SQLCA
                                 BY VALUE TS-OPTION
                                 BY REFERENCE TS-TOTAL
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGOTSQ" TO API-NAME
           MOVE "open table-space query" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE TS-TOTAL TO COUNT-SHOWN
           DISPLAY "         " FUNCTION TRIM(COUNT-SHOWN)
               " table spaces"

           MOVE ALL "o" TO TS-RECORDS
           CALL "sqlgftsq" USING BY REFERENCE SQLCA
                                 BY VALUE TS-CAPACITY
                                 BY REFERENCE TS-RECORDS TS-FETCHED
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGFTSQ" TO API-NAME
           MOVE "fetch short records" TO API-ACTION
           PERFORM REPORT-CALL
           PERFORM VARYING TS-INDEX FROM 1 BY 1
                   UNTIL TS-INDEX > TS-FETCHED
               MOVE 0 TO TEXT-LEN
               INSPECT TS-core1(TS-INDEX)(5:) TALLYING TEXT-LEN
                   FOR CHARACTERS BEFORE INITIAL LOW-VALUE
               MOVE SPACES TO FIELD-LABEL
               STRING TS-core1(TS-INDEX)(5:TEXT-LEN) " kind"
                   DELIMITED BY SIZE INTO FIELD-LABEL
               MOVE TS-text6(TS-INDEX) TO FIELD-TEXT
               MOVE 6 TO FIELD-WIDTH
               PERFORM SHOW-TEXT-FIELD
           END-PERFORM

           CALL "sqlgctsq" USING BY REFERENCE SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGCTSQ" TO API-NAME
           MOVE "close table-space query" TO API-ACTION
           PERFORM REPORT-CALL.

      *> A message call's line: its result, counted as failed when
      *> negative; then its text, up to the NUL that ends it.
       REPORT-RESULT.
           ADD 1 TO CALLS-MADE
           IF API-RESULT < 0
               ADD 1 TO CALLS-FAILED
           END-IF
           PERFORM MAKE-LEADER
           MOVE API-RESULT TO MSG-RESULT-SHOWN
           DISPLAY LEADER " result " FUNCTION TRIM(MSG-RESULT-SHOWN)
           MOVE 0 TO TEXT-LEN
           INSPECT MSG-TEXT TALLYING TEXT-LEN
               FOR CHARACTERS BEFORE INITIAL LOW-VALUE
           IF TEXT-LEN > 0
               DISPLAY "         """ MSG-TEXT(1:TEXT-LEN) """"
           END-IF.

      *> One transcript line per call: name, what it did, SQLCODE.
       REPORT-CALL.
           ADD 1 TO CALLS-MADE
           IF SQLCODE NOT = 0
               ADD 1 TO CALLS-FAILED
           END-IF
           PERFORM MAKE-LEADER
           MOVE SQLCODE TO CODE-SHOWN
           DISPLAY LEADER " SQLCODE " FUNCTION TRIM(CODE-SHOWN).

      *> The line of a call meant to fail: it counts as failed only
      *> when it succeeds.
       REPORT-CALL-MEANT-TO-FAIL.
           PERFORM REPORT-CALL
           IF SQLCODE < 0
               SUBTRACT 1 FROM CALLS-FAILED
           ELSE
               ADD 1 TO CALLS-FAILED
           END-IF.

      *> The start of a transcript line: the action starts in column
      *> 10, or after the name when the name is longer than eight
      *> letters; dots lead to the outcome.
       MAKE-LEADER.
           MOVE ALL "." TO LEADER
           MOVE SPACES TO LEADER(1:9)
           MOVE 1 TO LEADER-POS
           STRING FUNCTION TRIM(API-NAME) " "
               DELIMITED BY SIZE INTO LEADER WITH POINTER LEADER-POS
           IF LEADER-POS < 10
               MOVE 10 TO LEADER-POS
           END-IF
           STRING FUNCTION TRIM(API-ACTION TRAILING) " "
               DELIMITED BY SIZE INTO LEADER WITH POINTER LEADER-POS.

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
               FUNCTION TRIM(COUNT-SHOWN) " blank"
               WITH NO ADVANCING
           IF FIELD-BLANKS NOT = 1
               DISPLAY "s" WITH NO ADVANCING
           END-IF
           MOVE FIELD-WIDTH TO COUNT-SHOWN
           DISPLAY " (" FUNCTION TRIM(COUNT-SHOWN) " bytes, "
               WITH NO ADVANCING
           MOVE FIELD-NULS TO COUNT-SHOWN
           DISPLAY FUNCTION TRIM(COUNT-SHOWN) " NULs)".

      *> Sums up; any failed call makes the program end with 1. A call
      *> meant to fail has not failed when it does.
       FINISH.
           MOVE CALLS-MADE TO COUNT-SHOWN
           IF CALLS-FAILED = 0
               DISPLAY "All " FUNCTION TRIM(COUNT-SHOWN)
                   " calls went as planned."
           ELSE
               DISPLAY FUNCTION TRIM(COUNT-SHOWN) " calls, "
                   WITH NO ADVANCING
               MOVE CALLS-FAILED TO COUNT-SHOWN
               DISPLAY FUNCTION TRIM(COUNT-SHOWN) " failed."
               MOVE 1 TO RETURN-CODE
           END-IF.

      *> Exports a table into the data file, with one path for its large
      *> objects; the row count comes back in the third SQLERRD word.
       EXPORT-TABLE.
           INITIALIZE vrxgExportParms
           MOVE "L" TO LOB-mediaType
           MOVE 1 TO LOB-entryCount
           MOVE "/srv/vrx/lobs" TO PTH-text
           SET EXP-piText1 TO ADDRESS OF DM-DATA-FILE
           COMPUTE EXP-iText1Len =
               FUNCTION LENGTH(FUNCTION TRIM(DM-DATA-FILE TRAILING))
           SET EXP-piText2 TO ADDRESS OF DM-FILE-TYPE
           COMPUTE EXP-iText2Len =
               FUNCTION LENGTH(FUNCTION TRIM(DM-FILE-TYPE TRAILING))
           SET EXP-piText3 TO ADDRESS OF DM-QUERY
           COMPUTE EXP-iText3Len =
               FUNCTION LENGTH(FUNCTION TRIM(DM-QUERY TRAILING))
           COMPUTE PTH-length =
               FUNCTION LENGTH(FUNCTION TRIM(PTH-text TRAILING))
           SET LOB-entries TO ADDRESS OF vrxPathEntry
           SET EXP-piPathList1 TO ADDRESS OF DM-LOB-LIST
           SET EXP-piLocationList1 EXP-piPathList2 EXP-piLocationList2
               TO NULL
           MOVE 0 TO SQLERRD(3)
           CALL "vrxgExport" USING BY VALUE API-VERSION
                                   BY REFERENCE vrxgExportParms SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGEXPORT" TO API-NAME
           MOVE "export SALES.ORDERS" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE SQLERRD(3) TO DM-ROWS-SHOWN
           DISPLAY "         rows exported := "
               FUNCTION TRIM(DM-ROWS-SHOWN) " to """
               FUNCTION TRIM(DM-DATA-FILE TRAILING) """ (lobs in """
               FUNCTION TRIM(PTH-text TRAILING) """)".

      *> Loads the data file back, named by the one entry of a source
      *> list.
       LOAD-TABLE.
           INITIALIZE vrxgLoadParms
           MOVE "S" TO SRC-mediaType
           MOVE 1 TO SRC-entryCount
           MOVE DM-DATA-FILE TO LOC-text
           COMPUTE LOC-length =
               FUNCTION LENGTH(FUNCTION TRIM(LOC-text TRAILING))
           SET SRC-entries TO ADDRESS OF vrxLocationEntry
           SET LOD-piSourceList TO ADDRESS OF DM-SOURCE-LIST
           SET LOD-piText1 TO ADDRESS OF DM-FILE-TYPE
           COMPUTE LOD-iText1Len =
               FUNCTION LENGTH(FUNCTION TRIM(DM-FILE-TYPE TRAILING))
           SET LOD-piSourceList2 LOD-piText2 LOD-piText3 LOD-piPathList
               LOD-piCopyTarget LOD-piNested1 LOD-piNested2
               LOD-piSourceList3
               TO NULL
           MOVE 0 TO SQLERRD(3)
           CALL "vrxgLoad" USING BY VALUE API-VERSION
                                 BY REFERENCE vrxgLoadParms SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGLOAD" TO API-NAME
           MOVE "load SALES.ORDERS" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE SQLERRD(3) TO DM-ROWS-SHOWN
           DISPLAY "         rows loaded   := "
               FUNCTION TRIM(DM-ROWS-SHOWN) " from """
               FUNCTION TRIM(LOC-text TRAILING) """".

      *> Asks for the state of the last load.
       QUERY-LOAD.
           INITIALIZE vrxgLoadQueryParms
           SET LQY-piText1 LQY-piText2 TO NULL
           MOVE 0 TO SQLERRD(3)
           CALL "vrxgLoadQuery" USING BY VALUE API-VERSION
                                      BY REFERENCE vrxgLoadQueryParms
                                                   SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGLOADQUERY" TO API-NAME
           MOVE "query the load" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE SQLERRD(3) TO DM-ROWS-SHOWN
           DISPLAY "         rows loaded   := "
               FUNCTION TRIM(DM-ROWS-SHOWN).
      *> Starts the instance on this machine with the versioned call,
      *> attaches to it, shows its name as the 9 bytes the caller
      *> receives, quiesces and unquiesces it, detaches and stops it.
       INSTANCE-CONTROL.
           INITIALIZE vrxgInstanceStruct vrxgInstanceQuiesceStruct
               vrxgInstanceUnquiesceStruct
           MOVE 0 TO INS-iIsRemote
           SET INS-piInstanceName INS-piComm INS-piOptions TO NULL
           SET IQ-piText1 IQ-piText2 IQ-piText3 IU-piText TO NULL
           CALL "vrxgInstanceStart" USING BY VALUE API-VERSION
                                BY REFERENCE vrxgInstanceStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGINSTANCESTART" TO API-NAME
           MOVE "start" TO API-ACTION
           PERFORM REPORT-CALL

           COMPUTE INSTANCE-NAME-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(INSTANCE-NAME TRAILING))
           CALL "sqlgatin" USING BY VALUE NO-TEXT-LEN NO-TEXT-LEN
                                          INSTANCE-NAME-LEN
                                 BY REFERENCE SQLCA OMITTED OMITTED
                                              INSTANCE-NAME
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGATIN" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "attach to " FUNCTION TRIM(INSTANCE-NAME)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL

           MOVE ALL "#" TO CURRENT-INSTANCE
           CALL "sqlggins" USING BY REFERENCE SQLCA CURRENT-INSTANCE
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGGINS" TO API-NAME
           MOVE "current instance" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE "instance name" TO FIELD-LABEL
           MOVE CURRENT-INSTANCE TO FIELD-TEXT
           MOVE LENGTH OF CURRENT-INSTANCE TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD

           CALL "vrxgInstanceQuiesce" USING BY VALUE API-VERSION
                                BY REFERENCE
                                   vrxgInstanceQuiesceStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGINSTANCEQUIESCE" TO API-NAME
           MOVE "quiesce" TO API-ACTION
           PERFORM REPORT-CALL

           CALL "vrxgInstanceUnquiesce" USING BY VALUE API-VERSION
                                BY REFERENCE
                                   vrxgInstanceUnquiesceStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGINSTANCEUNQUIESCE" TO API-NAME
           MOVE "unquiesce" TO API-ACTION
           PERFORM REPORT-CALL

           CALL "sqlgdtin" USING BY REFERENCE SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGDTIN" TO API-NAME
           MOVE "detach" TO API-ACTION
           PERFORM REPORT-CALL

           CALL "vrxgInstanceStop" USING BY VALUE API-VERSION
                                BY REFERENCE vrxgInstanceStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGINSTANCESTOP" TO API-NAME
           MOVE "stop" TO API-ACTION
           PERFORM REPORT-CALL.

      *> The instance: its configuration (a text and a number updated,
      *> read back, reset) and its node directory (a node catalogued,
      *> the directory listed, the node uncatalogued, listed again).
      *> The item list of the database tour serves again.
       INSTANCE-TOUR.
           DISPLAY "Instance configuration"
           PERFORM INSTANCE-UPDATE
           PERFORM INSTANCE-SHOW
           PERFORM INSTANCE-RESET
           PERFORM INSTANCE-SHOW
           DISPLAY "Node directory"
           PERFORM NODE-CATALOGUE
           PERFORM NODE-LIST
           PERFORM NODE-UNCATALOGUE
           PERFORM NODE-LIST.

       INSTANCE-UPDATE.
           MOVE TOKEN-INST-TEXT TO CFG-TOKEN(1)
           SET CFG-VALUE(1) TO ADDRESS OF NEW-INST-TEXT
           COMPUTE CFG-LEN(1) =
               FUNCTION LENGTH(FUNCTION TRIM(NEW-INST-TEXT TRAILING))
           MOVE TOKEN-INST-NUMBER TO CFG-TOKEN(2)
           SET CFG-VALUE(2) TO ADDRESS OF NEW-INST-NUMBER
           MOVE 0 TO CFG-LEN(2)
           CALL "sqlgusys" USING BY VALUE CFG-COUNT
                                 BY REFERENCE CFG-LENS CFG-ITEMS SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGUSYS" TO API-NAME
           MOVE "update instance" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE FUNCTION LENGTH(FUNCTION TRIM(NEW-INST-TEXT TRAILING))
               TO COUNT-SHOWN
           DISPLAY "         token  66 text   := """
               FUNCTION TRIM(NEW-INST-TEXT TRAILING) """ ("
               FUNCTION TRIM(COUNT-SHOWN) " bytes)"
           MOVE NEW-INST-NUMBER TO NUMBER-SHOWN
           DISPLAY "         token  16 number := "
               FUNCTION TRIM(NUMBER-SHOWN).

      *> Reads both values back; the text field is filled with '#'
      *> first, so every blank shown after the text was written by the
      *> call.
       INSTANCE-SHOW.
           MOVE ALL "#" TO OUT-INST-TEXT
           MOVE 0 TO OUT-INST-NUMBER
           MOVE TOKEN-INST-TEXT TO CFG-TOKEN(1)
           SET CFG-VALUE(1) TO ADDRESS OF OUT-INST-TEXT
           MOVE TOKEN-INST-NUMBER TO CFG-TOKEN(2)
           SET CFG-VALUE(2) TO ADDRESS OF OUT-INST-NUMBER
           CALL "sqlgxsys" USING BY VALUE CFG-COUNT
                                 BY REFERENCE CFG-ITEMS SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGXSYS" TO API-NAME
           MOVE "read instance" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE "token  66 text" TO FIELD-LABEL
           MOVE OUT-INST-TEXT TO FIELD-TEXT
           MOVE LENGTH OF OUT-INST-TEXT TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD
           MOVE OUT-INST-NUMBER TO NUMBER-SHOWN
           DISPLAY "         token  16 number         = "
               FUNCTION TRIM(NUMBER-SHOWN).

      *> Puts the whole instance configuration back to its defaults.
       INSTANCE-RESET.
           CALL "sqlgrsys" USING BY REFERENCE SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGRSYS" TO API-NAME
           MOVE "reset instance to defaults" TO API-ACTION
           PERFORM REPORT-CALL.

      *> Catalogues node BRANCH1, reached through protocol 3 at a host
      *> name and a service name.
       NODE-CATALOGUE.
           MOVE 512 TO NR-structId
           MOVE 3 TO NR-protocol
           MOVE "Branch office, west" TO NR-comment
           MOVE "BRANCH1" TO NR-nodeName
           MOVE "db.example.org" TO NPH-hostName
           MOVE "50000" TO NPH-serviceName
           CALL "sqlgctnd" USING BY REFERENCE SQLCA vrxNodeRecord
                                              vrxNodeProtocolHost
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGCTND" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "catalogue node " FUNCTION TRIM(NR-nodeName)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL.

      *> Lists the node directory: open a scan, get as many entries as
      *> the open announced, close it. Each entry is read in place
      *> through the address the scan returns.
       NODE-LIST.
           MOVE 0 TO NODE-HANDLE NODE-COUNT
           CALL "sqlgnops" USING BY REFERENCE NODE-HANDLE NODE-COUNT
                                              SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGNOPS" TO API-NAME
           MOVE "open node scan" TO API-ACTION
           PERFORM REPORT-CALL
           MOVE NODE-COUNT TO COUNT-SHOWN
           DISPLAY "         " FUNCTION TRIM(COUNT-SHOWN) " node"
               WITH NO ADVANCING
           IF NODE-COUNT NOT = 1
               DISPLAY "s" WITH NO ADVANCING
           END-IF
           DISPLAY " in the directory"
           MOVE NODE-HANDLE TO NODE-HANDLE-ARG
           MOVE 0 TO NODES-READ
           PERFORM UNTIL NODES-READ = NODE-COUNT
               ADD 1 TO NODES-READ
               SET NODE-ENTRY-PTR TO NULL
               CALL "sqlgngne" USING BY VALUE NODE-HANDLE-ARG
                                     BY REFERENCE NODE-ENTRY-PTR SQLCA
                              RETURNING API-RESULT
               END-CALL
               MOVE "SQLGNGNE" TO API-NAME
               MOVE NODES-READ TO COUNT-SHOWN
               MOVE SPACES TO API-ACTION
               STRING "entry " FUNCTION TRIM(COUNT-SHOWN)
                   DELIMITED BY SIZE INTO API-ACTION
               PERFORM REPORT-CALL
               IF SQLCODE NOT = 0
                   MOVE NODE-COUNT TO NODES-READ
               ELSE
                   SET ADDRESS OF vrxNodeDirEntry TO NODE-ENTRY-PTR
                   MOVE NE-PROTOCOL TO COUNT-SHOWN
                   DISPLAY "         node " NE-nodeName " protocol "
                       FUNCTION TRIM(COUNT-SHOWN) " host """
                       FUNCTION TRIM(NE-hostName TRAILING)
                       """ service """
                       FUNCTION TRIM(NE-serviceName TRAILING) """"
                   DISPLAY "         comment """
                       FUNCTION TRIM(NE-COMMENT TRAILING) """"
               END-IF
           END-PERFORM
           CALL "sqlgncls" USING BY VALUE NODE-HANDLE-ARG
                                 BY REFERENCE SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGNCLS" TO API-NAME
           MOVE "close node scan" TO API-ACTION
           PERFORM REPORT-CALL.

      *> Uncatalogues the node by its name and the name's length.
       NODE-UNCATALOGUE.
           COMPUTE NODE-NAME-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(NR-nodeName TRAILING))
           CALL "sqlguncn" USING BY VALUE NODE-NAME-LEN
                                 BY REFERENCE SQLCA NR-nodeName
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGUNCN" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "uncatalogue node " FUNCTION TRIM(NR-nodeName)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL.

      *> Rolls the restored database BACKUP-ALIAS forward to the end of
      *> its logs. The output area is filled with '#' first, so every
      *> blank shown after its text was written by the call.
       ROLLFORWARD-DATABASE.
           INITIALIZE vrxgRfwdInputStruct vrxgRfwdOutputStruct
           SET RFI-piDbAlias TO ADDRESS OF BACKUP-ALIAS
           COMPUTE RFI-iDbAliasLen =
               FUNCTION LENGTH(FUNCTION TRIM(BACKUP-ALIAS TRAILING))
           SET RFI-piStopTime TO ADDRESS OF RFWD-STOP-TIME
           COMPUTE RFI-iStopTimeLen =
               FUNCTION LENGTH(FUNCTION TRIM(RFWD-STOP-TIME TRAILING))
           SET RFI-piUserName RFI-piPassword RFI-piOverflowLogPath
               RFI-piTablespaceList RFI-piDroppedTblID RFI-piExportDir
               RFO-pvValue4 RFO-pvValue8 TO NULL
           MOVE ALL "#" TO RFWD-AREA
           SET RFO-poApplicationId TO ADDRESS OF RFWD-AREA
           SET RFW-piRfwdInput TO ADDRESS OF vrxgRfwdInputStruct
           SET RFW-poRfwdOutput TO ADDRESS OF vrxgRfwdOutputStruct
           CALL "vrxgRollforward" USING BY VALUE API-VERSION
                                  BY REFERENCE
                                     vrxgRollforwardStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGROLLFORWARD" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "roll forward " FUNCTION TRIM(BACKUP-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
           MOVE "output area" TO FIELD-LABEL
           MOVE RFWD-AREA TO FIELD-TEXT
           MOVE LENGTH OF RFWD-AREA TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD
           MOVE RFO-oValue12 TO COUNT-SHOWN
           DISPLAY "         databases rolled forward = "
               FUNCTION TRIM(COUNT-SHOWN).

      *> Lists the recovery history of BACKUP-ALIAS with the positional
      *> calls: open a scan (it returns the number of entries and a
      *> 16-bit handle), fetch each entry, close the scan.
       HISTORY-LIST.
           COMPUTE HISTORY-ALIAS-LEN =
               FUNCTION LENGTH(FUNCTION TRIM(BACKUP-ALIAS TRAILING))
           CALL "sqlghops" USING BY VALUE HISTORY-ALIAS-LEN
                                          HISTORY-ZERO HISTORY-ZERO
                                 BY REFERENCE BACKUP-ALIAS
                                 BY VALUE HISTORY-NO-TEXT
                                          HISTORY-NO-TEXT
                                 BY REFERENCE HISTORY-COUNT
                                              HISTORY-HANDLE
                                 BY VALUE HISTORY-ZERO HISTORY-NO-TEXT
                                 BY REFERENCE SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGHOPS" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "open scan of " FUNCTION TRIM(BACKUP-ALIAS)
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
           MOVE HISTORY-COUNT TO COUNT-SHOWN
           DISPLAY "         " FUNCTION TRIM(COUNT-SHOWN) " entries"
           MOVE HISTORY-HANDLE TO HISTORY-HANDLE-SLOT
           MOVE 0 TO HISTORY-READ
           PERFORM UNTIL HISTORY-READ = HISTORY-COUNT
               ADD 1 TO HISTORY-READ
               CALL "sqlghgne" USING BY VALUE HISTORY-HANDLE-SLOT
                                              HISTORY-NO-TEXT
                                     BY REFERENCE HISTORY-ENTRY SQLCA
                              RETURNING API-RESULT
               END-CALL
               MOVE "SQLGHGNE" TO API-NAME
               MOVE HISTORY-READ TO COUNT-SHOWN
               MOVE SPACES TO API-ACTION
               STRING "entry " FUNCTION TRIM(COUNT-SHOWN)
                   DELIMITED BY SIZE INTO API-ACTION
               PERFORM REPORT-CALL
               IF SQLCODE NOT = 0
                   MOVE HISTORY-COUNT TO HISTORY-READ
               ELSE
                   EVALUATE HE-OPERATION
                       WHEN "B" MOVE "backup" TO OPERATION-NAME
                       WHEN "R" MOVE "restore" TO OPERATION-NAME
                       WHEN "F" MOVE "rollforward" TO OPERATION-NAME
                       WHEN OTHER MOVE "?" TO OPERATION-NAME
                   END-EVALUATE
                   DISPLAY "         " HE-TIMESTAMP " " HE-OPERATION
                       " " FUNCTION TRIM(OPERATION-NAME)
               END-IF
           END-PERFORM
           CALL "sqlghcls" USING BY VALUE HISTORY-HANDLE-SLOT
                                          HISTORY-NO-TEXT
                                 BY REFERENCE SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGHCLS" TO API-NAME
           MOVE "close scan" TO API-ACTION
           PERFORM REPORT-CALL.

      *> Takes a newer backup of BACKUP-ALIAS, with the record of the
      *> first one and areas of its own.
       BACKUP-AGAIN.
           MOVE ALL "#" TO NEWEST-IDENTIFIER NEWEST-TIMESTAMP
           SET BKP-poIdentifier TO ADDRESS OF NEWEST-IDENTIFIER
           SET BKP-poTimestamp TO ADDRESS OF NEWEST-TIMESTAMP
           CALL "vrxgBackup" USING BY VALUE API-VERSION
                                   BY REFERENCE vrxgBackupStruct SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "VRXGBACKUP" TO API-NAME
           MOVE SPACES TO API-ACTION
           STRING "back up " FUNCTION TRIM(BACKUP-ALIAS) " again"
               DELIMITED BY SIZE INTO API-ACTION
           PERFORM REPORT-CALL
           MOVE "timestamp" TO FIELD-LABEL
           MOVE NEWEST-TIMESTAMP TO FIELD-TEXT
           MOVE LENGTH OF NEWEST-TIMESTAMP TO FIELD-WIDTH
           PERFORM SHOW-TEXT-FIELD.

      *> Prunes the history entries older than the newest backup.
       HISTORY-PRUNE.
           COMPUTE PRUNE-TIMESTAMP-LEN = FUNCTION LENGTH(
               FUNCTION TRIM(NEWEST-TIMESTAMP TRAILING))
           CALL "sqlghprn" USING BY VALUE PRUNE-TIMESTAMP-LEN
                                 BY REFERENCE NEWEST-TIMESTAMP
                                 BY VALUE HISTORY-ZERO HISTORY-NO-TEXT
                                 BY REFERENCE SQLCA
                          RETURNING API-RESULT
           END-CALL
           MOVE "SQLGHPRN" TO API-NAME
           MOVE "prune before the newest backup" TO API-ACTION
           PERFORM REPORT-CALL.
