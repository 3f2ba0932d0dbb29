      *> struct vrxgHADRTakeoverStruct of vrxagapi/instance.h, 28 bytes,
      *> 48 on 64-bit platforms.
       01 vrxgHADRTakeoverStruct.
          10 HAT-piText1              USAGE POINTER.
          10 HAT-iText1Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 HAT-piText2              USAGE POINTER.
          10 HAT-iText2Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 HAT-piText3              USAGE POINTER.
          10 HAT-iText3Len            PIC 9(9) COMP-5.
          10 HAT-iValueB              PIC 9(4) COMP-5.
          10 FILLER                   PIC X(2).
