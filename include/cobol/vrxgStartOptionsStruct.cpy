      *> struct vrxgStartOptionsStruct of vrxagapi/instance.h, 92 bytes,
      *> 128 on 64-bit platforms.
      *> Start options. Texts 1 to 3 are terminated when their length is
      *> not 0; when iFlag is nonzero, text U or text G (as iSelector
      *> says) is terminated whatever its length. The lengths also go to
      *> the core, which takes a nonzero length as "present".
       01 vrxgStartOptionsStruct.
          10 STA-iText1Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 STA-piText1              USAGE POINTER.
          10 STA-iValue1              PIC 9(9) COMP-5.
          10 STA-iValue2              PIC 9(4) COMP-5.
          10 FILLER                   PIC X(2).
          10 STA-iValue3              PIC 9(9) COMP-5.
          10 STA-iText2Len            PIC 9(9) COMP-5.
          10 STA-piText2              USAGE POINTER.
          10 STA-iValue4              PIC 9(9) COMP-5.
          10 STA-iValue5              PIC 9(9) COMP-5.
          10 STA-iText3Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 STA-piText3              USAGE POINTER.
          10 STA-iValue6              PIC 9(9) COMP-5.
          10 STA-iValue7              PIC 9(4) COMP-5.
          10 FILLER                   PIC X(2).
          10 STA-iValue8              PIC 9(9) COMP-5.
          10 STA-iValue9              PIC 9(9) COMP-5.
          10 STA-iValue10             PIC 9(9) COMP-5.
          10 STA-iValue11             PIC 9(9) COMP-5.
          10 STA-iFlag                BINARY-CHAR UNSIGNED.
          10 FILLER                   PIC X(3).
          10 STA-iTextULen            PIC 9(9) COMP-5.
          10 STA-piTextU              USAGE POINTER.
          10 STA-iTextGLen            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 STA-piTextG              USAGE POINTER.
          10 STA-iSelector            BINARY-CHAR UNSIGNED.
       >>IF P64 IS SET
          10 FILLER                   PIC X(7).
       >>ELSE
          10 FILLER                   PIC X(3).
       >>END-IF
