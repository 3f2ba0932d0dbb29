      *> struct vrxgBackupStruct of vrxagapi/recovery.h, 120 bytes, 168
      *> on 64-bit platforms.
       01 vrxgBackupStruct.
          10 BKP-piDbAlias            USAGE POINTER.
          10 BKP-iDbAliasLen          PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
      *>   Receives up to 33 bytes, blank-filled; or null.
          10 BKP-poIdentifier         USAGE POINTER.
      *>   At most 33; the area holds length + 1 bytes.
          10 BKP-iIdentifierLen       PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
      *>   Receives up to 15 bytes, blank-filled; or null.
          10 BKP-poTimestamp          USAGE POINTER.
      *>   At most 15; the area holds length + 1 bytes.
          10 BKP-iTimestampLen        PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 BKP-piTablespaceList     USAGE POINTER.
          10 BKP-piMediaList          USAGE POINTER.
          10 BKP-piUserName           USAGE POINTER.
          10 BKP-iUserNameLen         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 BKP-piPassword           USAGE POINTER.
          10 BKP-iPasswordLen         PIC 9(9) COMP-5.
          10 BKP-iValues              PIC 9(9) COMP-5 OCCURS 8 TIMES.
      *>   Read from version 8010200 on.
          10 BKP-iValue8010200        PIC 9(9) COMP-5.
      *>   Read from version 8010400 on, with the next three.
          10 BKP-piText4              USAGE POINTER.
          10 BKP-iText4Len            PIC 9(9) COMP-5.
          10 BKP-iValues8010400       PIC 9(9) COMP-5 OCCURS 2 TIMES.
      *>   Read from version 9050000 on.
          10 BKP-iValues9050000       PIC 9(9) COMP-5 OCCURS 5 TIMES.
