      *> struct vrxgInstanceCommStruct of vrxagapi/instance.h, 28 bytes,
      *> 48 on 64-bit platforms.
      *> How to reach a remote instance: a one-byte value and three
      *> texts.
       01 vrxgInstanceCommStruct.
          10 ICS-iValue               BINARY-CHAR UNSIGNED.
          10 FILLER                   PIC X(3).
          10 ICS-iText1Len            PIC 9(9) COMP-5.
          10 ICS-piText1              USAGE POINTER.
          10 ICS-iText2Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 ICS-piText2              USAGE POINTER.
          10 ICS-iText3Len            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 ICS-piText3              USAGE POINTER.
