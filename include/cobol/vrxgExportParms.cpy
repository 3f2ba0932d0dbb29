      *> struct vrxgExportParms of vrxagapi/datamove.h, 60 bytes, 96 on
      *> 64-bit platforms.
       01 vrxgExportParms.
          10 EXP-piText1              USAGE POINTER.
      *>   A media list of type 'L'.
          10 EXP-piPathList1          USAGE POINTER.
      *>   A media list of type 'C'.
          10 EXP-piLocationList1      USAGE POINTER.
          10 EXP-iValue1              PIC 9(9) COMP-5.
          10 EXP-iValue2              PIC 9(9) COMP-5.
          10 EXP-piText2              USAGE POINTER.
          10 EXP-iValue3              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 EXP-piText3              USAGE POINTER.
          10 EXP-iValue16             PIC S9(4) COMP-5.
          10 EXP-reserved1            PIC X(2).
          10 EXP-iValue4              PIC 9(9) COMP-5.
          10 EXP-iText1Len            PIC 9(4) COMP-5.
          10 EXP-iText2Len            PIC 9(4) COMP-5.
          10 EXP-iText3Len            PIC 9(4) COMP-5.
          10 EXP-reserved2            PIC X(2).
          10 EXP-iValue5              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
      *>   A media list of type 'L', read from version 9000000 on.
          10 EXP-piPathList2          USAGE POINTER.
      *>   A media list of type 'C', read from version 9000000 on.
          10 EXP-piLocationList2      USAGE POINTER.
