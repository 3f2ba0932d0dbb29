      *> Statistics and reorganisation of one table: the lists the
      *> statistics record points to (arrays of addresses of column and
      *> group records, of index names, and the 16-bit lengths of the
      *> index names) and the names, each in a field one byte longer
      *> than the name.
       01 RS-COLUMN-LIST.
          05 RS-COLUMN-ADDRESS     USAGE POINTER OCCURS 2 TIMES.
       01 RS-GROUP-LIST.
          05 RS-GROUP-ADDRESS      USAGE POINTER.
       01 RS-INDEX-LIST.
          05 RS-INDEX-ADDRESS      USAGE POINTER.
       01 RS-INDEX-LENGTHS.
          05 RS-INDEX-LEN          PIC 9(4) COMP-5.
       01 RS-TABLE-NAME            PIC X(9) VALUE "EMPLOYEE".
       01 RS-COLUMN-NAME-1         PIC X(6) VALUE "EMPNO".
       01 RS-COLUMN-NAME-2         PIC X(9) VALUE "WORKDEPT".
       01 RS-INDEX-NAME            PIC X(8) VALUE "XEMP1".
      *> The reports: the stand-in's counts, the refusal's token.
       01 RS-COUNTS-SHOWN          PIC Z(4)9 OCCURS 4 TIMES.
       01 RS-TOKEN-LEN-SHOWN       PIC Z(4)9.
