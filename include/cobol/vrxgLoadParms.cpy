      *> struct vrxgLoadParms of vrxagapi/datamove.h, 76 bytes, 128 on
      *> 64-bit platforms.
       01 vrxgLoadParms.
      *>   A media list of type 'S', may have no entries.
          10 LOD-piSourceList         USAGE POINTER.
      *>   A media list of type 'S'.
          10 LOD-piSourceList2        USAGE POINTER.
          10 LOD-iValue1              PIC 9(9) COMP-5.
          10 LOD-iValue2              PIC 9(9) COMP-5.
          10 LOD-piText1              USAGE POINTER.
          10 LOD-iValue3              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 LOD-piText2              USAGE POINTER.
          10 LOD-piText3              USAGE POINTER.
      *>   A media list of type 'L'.
          10 LOD-piPathList           USAGE POINTER.
      *>   A media list of type 'L' or 'O'; any other type is passed on
      *>   untouched.
          10 LOD-piCopyTarget         USAGE POINTER.
          10 LOD-iValue4              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 LOD-piNested1            USAGE POINTER.
          10 LOD-iValue5              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 LOD-piNested2            USAGE POINTER.
          10 LOD-iValue6              PIC 9(9) COMP-5.
          10 LOD-iValue16             PIC S9(4) COMP-5.
          10 LOD-iText1Len            PIC 9(4) COMP-5.
          10 LOD-iText2Len            PIC 9(4) COMP-5.
          10 LOD-iText3Len            PIC 9(4) COMP-5.
          10 LOD-iValue7              PIC 9(9) COMP-5.
      *>   A media list of type 'S'.
          10 LOD-piSourceList3        USAGE POINTER.
