      *> struct vrxgInspectParms of vrxagapi/maintenance.h, 104 bytes,
      *> 128 on 64-bit platforms.
      *> Versioned inspection: five texts (the lengths of texts 4 and 5
      *> come first) and plain values. Value 22 reaches the core only
      *> from version 9000000.
       01 vrxgInspectParms.
          10 INP-piTexts              USAGE POINTER OCCURS 5 TIMES.
          10 INP-iValue1              PIC 9(9) COMP-5.
          10 INP-iText4Len            PIC 9(9) COMP-5.
          10 INP-iText5Len            PIC 9(9) COMP-5.
          10 INP-iText1Len            PIC 9(9) COMP-5.
          10 INP-iText2Len            PIC 9(9) COMP-5.
          10 INP-iText3Len            PIC 9(9) COMP-5.
          10 INP-iValues2To10         PIC 9(9) COMP-5 OCCURS 9 TIMES.
          10 INP-iValues11To21        PIC 9(4) COMP-5 OCCURS 11 TIMES.
          10 INP-iValue22             PIC 9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
