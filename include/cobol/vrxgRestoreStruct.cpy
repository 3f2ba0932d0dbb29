      *> struct vrxgRestoreStruct of vrxagapi/recovery.h, 144 bytes, 240
      *> on 64-bit platforms.
       01 vrxgRestoreStruct.
          10 RST-piSourceDbAlias      USAGE POINTER.
          10 RST-iSourceDbAliasLen    PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RST-piTargetDbAlias      USAGE POINTER.
          10 RST-iTargetDbAliasLen    PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
      *>   Receives up to 33 bytes, blank-filled; or null.
          10 RST-poIdentifier         USAGE POINTER.
      *>   At most 33; the area holds length + 1 bytes.
          10 RST-iIdentifierLen       PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
      *>   A 15-byte field, blank-filled after the call.
          10 RST-piTimestamp          USAGE POINTER.
      *>   At most 14.
          10 RST-iTimestampLen        PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RST-piText3              USAGE POINTER.
          10 RST-iText3Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RST-piText4              USAGE POINTER.
          10 RST-iText4Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RST-piTablespaceList     USAGE POINTER.
          10 RST-piMediaList          USAGE POINTER.
          10 RST-piUserName           USAGE POINTER.
          10 RST-iUserNameLen         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RST-piPassword           USAGE POINTER.
          10 RST-iPasswordLen         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RST-piText7              USAGE POINTER.
          10 RST-iText7Len            PIC 9(9) COMP-5.
          10 RST-iValues              PIC 9(9) COMP-5 OCCURS 7 TIMES.
      *>   Read from version 8010400 on, with the next three.
          10 RST-piText8              USAGE POINTER.
          10 RST-iText8Len            PIC 9(9) COMP-5.
          10 RST-iValues8010400       PIC 9(9) COMP-5 OCCURS 2 TIMES.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
      *>   Read from version 8020000 on, with its length.
          10 RST-piText9              USAGE POINTER.
          10 RST-iText9Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
      *>   Read from version 8020200 on.
          10 RST-piTextList2          USAGE POINTER.
      *>   Not read.
          10 RST-reserved             PIC 9(9) COMP-5 OCCURS 2 TIMES.
