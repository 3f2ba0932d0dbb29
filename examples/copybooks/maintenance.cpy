      *> Statistics and reorganisation of one table. The versioned
      *> statistics record is 60 bytes on 32-bit platforms (88 on
      *> 64-bit, where pointers are 8 bytes); its lists are arrays of
      *> pointers to element records, each name with its length. A
      *> list whose count is 0 is not looked at.
       01 RUNSTATS-PARMS.
          05 RS-VALUE-1            PIC 9(9) COMP-5.
          05 RS-VALUE-2            PIC 9(9) COMP-5.
          05 RS-TABLE              USAGE POINTER.
          05 RS-COLUMNS            USAGE POINTER.
          05 RS-DISTRIBUTIONS      USAGE POINTER.
          05 RS-GROUPS             USAGE POINTER.
          05 RS-INDEXES            USAGE POINTER.
          05 RS-INDEX-LENS         USAGE POINTER.
          05 RS-VALUE-3            PIC 9(9) COMP-5.
          05 RS-TABLE-LEN          PIC 9(4) COMP-5.
          05 RS-COLUMN-COUNT       PIC S9(4) COMP-5.
          05 RS-DISTRIBUTION-COUNT PIC S9(4) COMP-5.
          05 RS-GROUP-COUNT        PIC S9(4) COMP-5.
          05 RS-INDEX-COUNT        PIC S9(4) COMP-5.
          05 RS-VALUES-4-TO-6      PIC S9(4) COMP-5 OCCURS 3 TIMES.
      *>  Read from version 8020000 on.
          05 RS-VALUES-7-AND-8     PIC 9(9) COMP-5 OCCURS 2 TIMES.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *> Two column records (8 bytes each, 16 on 64-bit) and the array
      *> of their addresses.
       01 RS-COLUMN-RECORDS.
          05 RS-COLUMN             OCCURS 2 TIMES.
             10 RSC-NAME           USAGE POINTER.
             10 RSC-NAME-LEN       PIC 9(4) COMP-5.
             10 RSC-VALUE          PIC S9(4) COMP-5.
       >>IF P64 IS SET
             10 FILLER             PIC X(4).
       >>END-IF
       01 RS-COLUMN-LIST.
          05 RS-COLUMN-ADDRESS     USAGE POINTER OCCURS 2 TIMES.
      *> One column group (16 bytes, 24 on 64-bit): the addresses and
      *> the lengths of its names, and how many there are.
       01 RS-GROUP-RECORD.
          05 RSG-NAMES             USAGE POINTER.
          05 RSG-NAME-LENS         USAGE POINTER.
          05 RSG-SIZE              PIC S9(4) COMP-5.
          05 RSG-VALUES            PIC S9(4) COMP-5 OCCURS 2 TIMES.
          05 FILLER                PIC X(2).
       01 RS-GROUP-LIST.
          05 RS-GROUP-ADDRESS      USAGE POINTER.
      *> One index: the array of name addresses and of 16-bit lengths.
       01 RS-INDEX-LIST.
          05 RS-INDEX-ADDRESS      USAGE POINTER.
       01 RS-INDEX-LENGTHS.
          05 RS-INDEX-LEN          PIC 9(4) COMP-5.
      *> The names, each in a field one byte longer than the name.
       01 RS-TABLE-NAME            PIC X(9) VALUE "EMPLOYEE".
       01 RS-COLUMN-NAME-1         PIC X(6) VALUE "EMPNO".
       01 RS-COLUMN-NAME-2         PIC X(9) VALUE "WORKDEPT".
       01 RS-INDEX-NAME            PIC X(8) VALUE "XEMP1".
      *> Versioned reorganisation, 44 bytes (64 on 64-bit): type 1
      *> carries three texts, the table's name and two that are null.
       01 REORG-PARMS.
          05 RO-TYPE               PIC 9(9) COMP-5.
          05 RO-VALUES             PIC 9(9) COMP-5 OCCURS 4 TIMES.
          05 RO-TEXT-1-LEN         PIC 9(9) COMP-5.
          05 RO-TEXT-1             USAGE POINTER.
          05 RO-TEXT-2-LEN         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RO-TEXT-2             USAGE POINTER.
          05 RO-TEXT-3-LEN         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RO-TEXT-3             USAGE POINTER.
      *> The reports: the stand-in's counts, the refusal's token.
       01 RS-COUNTS-SHOWN          PIC Z(4)9 OCCURS 4 TIMES.
       01 RS-TOKEN-LEN-SHOWN       PIC Z(4)9.
