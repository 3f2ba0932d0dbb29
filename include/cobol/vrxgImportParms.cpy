      *> struct vrxgImportParms of vrxagapi/datamove.h, 60 bytes, 88 on
      *> 64-bit platforms.
       01 vrxgImportParms.
          10 IMP-piText1              USAGE POINTER.
      *>   A media list of type 'L'.
          10 IMP-piPathList1          USAGE POINTER.
          10 IMP-iValue1              PIC 9(9) COMP-5.
          10 IMP-iValue2              PIC 9(9) COMP-5.
          10 IMP-piText2              USAGE POINTER.
          10 IMP-iValue3              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 IMP-piText3              USAGE POINTER.
          10 IMP-iValue16             PIC S9(4) COMP-5.
          10 IMP-reserved1            PIC X(2).
          10 IMP-iValue4              PIC 9(9) COMP-5.
          10 IMP-iValue5              PIC 9(9) COMP-5.
          10 IMP-iValue6              PIC 9(9) COMP-5.
          10 IMP-iText1Len            PIC 9(4) COMP-5.
          10 IMP-iText2Len            PIC 9(4) COMP-5.
          10 IMP-iText3Len            PIC 9(4) COMP-5.
          10 IMP-reserved2            PIC X(2).
      *>   A media list of type 'L'.
          10 IMP-piPathList2          USAGE POINTER.
          10 IMP-iValue7              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
