      *> struct vrxgRecoverStruct of vrxagapi/rollforward.h, 112 bytes,
      *> 168 on 64-bit platforms.
       01 vrxgRecoverStruct.
          10 RCV-piSourceDBAlias      USAGE POINTER.
          10 RCV-iSourceDBAliasLen    PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RCV-piUserName           USAGE POINTER.
          10 RCV-iUserNameLen         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RCV-piPassword           USAGE POINTER.
          10 RCV-iPasswordLen         PIC 9(9) COMP-5.
          10 RCV-iValues24            PIC 9(9) COMP-5 OCCURS 4 TIMES.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RCV-piStopTime           USAGE POINTER.
          10 RCV-iStopTimeLen         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RCV-piOverflowLogPath    USAGE POINTER.
          10 RCV-iOverflowLogPathLen  PIC 9(9) COMP-5.
          10 RCV-iValues56            PIC 9(9) COMP-5 OCCURS 6 TIMES.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RCV-piHistoryFile        USAGE POINTER.
          10 RCV-iHistoryFileLen      PIC 9(9) COMP-5.
          10 RCV-iValues88            PIC 9(9) COMP-5 OCCURS 2 TIMES.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RCV-piComprLibrary       USAGE POINTER.
          10 RCV-iComprLibraryLen     PIC 9(9) COMP-5.
          10 RCV-iValues104           PIC 9(9) COMP-5 OCCURS 2 TIMES.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
