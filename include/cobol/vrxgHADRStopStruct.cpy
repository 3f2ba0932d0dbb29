      *> struct vrxgHADRStopStruct of vrxagapi/instance.h, 24 bytes, 48
      *> on 64-bit platforms.
       01 vrxgHADRStopStruct.
          10 HAP-piText1              USAGE POINTER.
          10 HAP-iText1Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 HAP-piText2              USAGE POINTER.
          10 HAP-iText2Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 HAP-piText3              USAGE POINTER.
          10 HAP-iText3Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
