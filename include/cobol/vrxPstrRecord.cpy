      *> struct vrxPstrRecord of vrxagapi/instance.h, 792 bytes.
      *> Start record of SQLGPSTR: four inline texts, each after its
      *> length.
       01 vrxPstrRecord.
          10 PSR-iText1Len            PIC 9(9) COMP-5.
          10 PSR-text1                PIC X(244).
          10 PSR-iText2Len            PIC 9(9) COMP-5.
          10 PSR-text2                PIC X(12).
          10 PSR-iText3Len            PIC 9(9) COMP-5.
          10 PSR-text3                PIC X(264).
          10 PSR-iText4Len            PIC 9(9) COMP-5.
          10 PSR-text4                PIC X(256).
