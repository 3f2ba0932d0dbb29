      *> struct vrxPstartRecord of vrxagapi/instance.h, 824 bytes.
      *> Start record of SQLGPSTART: three inline texts, terminated for
      *> the call at their length or at 235, 255 and 255 bytes,
      *> whichever is less.
       01 vrxPstartRecord.
          10 PSA-iReserved            PIC 9(9) COMP-5 OCCURS 2 TIMES.
          10 PSA-iText1Len            PIC 9(9) COMP-5.
          10 PSA-text1                PIC X(248).
          10 PSA-iText2Len            PIC 9(9) COMP-5.
          10 PSA-text2                PIC X(264).
          10 PSA-iText3Len            PIC 9(9) COMP-5.
          10 PSA-text3                PIC X(292).
