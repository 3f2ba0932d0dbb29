      *> struct vrxgHADRStartStruct of vrxagapi/instance.h, 32 bytes, 56
      *> on 64-bit platforms.
      *> HADR records: each text's pointer comes before its length.
       01 vrxgHADRStartStruct.
          10 HAS-piText1              USAGE POINTER.
          10 HAS-iText1Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 HAS-piText2              USAGE POINTER.
          10 HAS-iText2Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 HAS-piText3              USAGE POINTER.
          10 HAS-iText3Len            PIC 9(9) COMP-5.
          10 HAS-iValueA              PIC 9(9) COMP-5.
          10 HAS-iValueB              PIC 9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(6).
       >>ELSE
          10 FILLER                   PIC X(2).
       >>END-IF
