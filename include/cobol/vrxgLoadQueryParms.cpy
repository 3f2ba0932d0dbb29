      *> struct vrxgLoadQueryParms of vrxagapi/datamove.h, 28 bytes, 40
      *> on 64-bit platforms.
       01 vrxgLoadQueryParms.
          10 LQY-iValue1              PIC 9(9) COMP-5.
          10 LQY-iText1Len            PIC 9(9) COMP-5.
          10 LQY-piText1              USAGE POINTER.
          10 LQY-iValue2              PIC 9(9) COMP-5.
          10 LQY-iValue3              PIC 9(9) COMP-5.
          10 LQY-iText2Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 LQY-piText2              USAGE POINTER.
