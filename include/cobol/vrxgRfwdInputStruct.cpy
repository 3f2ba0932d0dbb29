      *> struct vrxgRfwdInputStruct of vrxagapi/rollforward.h, 100
      *> bytes, 144 on 64-bit platforms.
       01 vrxgRfwdInputStruct.
          10 RFI-iDbAliasLen          PIC 9(9) COMP-5.
          10 RFI-iStopTimeLen         PIC 9(9) COMP-5.
          10 RFI-iUserNameLen         PIC 9(9) COMP-5.
          10 RFI-iPasswordLen         PIC 9(9) COMP-5.
          10 RFI-iOverflowLogPathLen  PIC 9(9) COMP-5.
          10 RFI-iDroppedTblIDLen     PIC 9(9) COMP-5.
          10 RFI-iExportDirLen        PIC 9(9) COMP-5.
          10 RFI-iValue28             PIC 9(9) COMP-5.
          10 RFI-piDbAlias            USAGE POINTER.
          10 RFI-iValue36             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RFI-piStopTime           USAGE POINTER.
          10 RFI-piUserName           USAGE POINTER.
          10 RFI-piPassword           USAGE POINTER.
          10 RFI-piOverflowLogPath    USAGE POINTER.
          10 RFI-iValues56            PIC 9(9) COMP-5 OCCURS 3 TIMES.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
      *>   Terminated as the positional backup's list.
          10 RFI-piTablespaceList     USAGE POINTER.
          10 RFI-iValues72            PIC 9(9) COMP-5 OCCURS 4 TIMES.
          10 RFI-piDroppedTblID       USAGE POINTER.
          10 RFI-piExportDir          USAGE POINTER.
          10 RFI-iValue96             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
