      *> struct sqlca of vrxagapi/common.h, 136 bytes.
      *> The caller's SQL communication area.
       01 sqlca.
          10 sqlcaid                  PIC X(8).
          10 sqlcabc                  PIC S9(9) COMP-5.
          10 sqlcode                  PIC S9(9) COMP-5.
          10 sqlerrml                 PIC S9(4) COMP-5.
          10 sqlerrmc                 PIC X(70).
          10 sqlerrp                  PIC X(8).
          10 sqlerrd                  PIC S9(9) COMP-5 OCCURS 6 TIMES.
          10 sqlwarn                  PIC X(11).
          10 sqlstate                 PIC X(5).
