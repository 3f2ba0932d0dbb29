      *> struct vrxgInstanceQuiesceStruct of vrxagapi/instance.h, 32
      *> bytes, 56 on 64-bit platforms.
      *> Quiesce an instance: three texts and two values.
       01 vrxgInstanceQuiesceStruct.
          10 IQ-iText1Len             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 IQ-piText1               USAGE POINTER.
          10 IQ-iText2Len             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 IQ-piText2               USAGE POINTER.
          10 IQ-iText3Len             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 IQ-piText3               USAGE POINTER.
          10 IQ-iValueA               PIC 9(9) COMP-5.
          10 IQ-iValueB               PIC 9(9) COMP-5.
