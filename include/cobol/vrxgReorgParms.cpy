      *> struct vrxgReorgParms of vrxagapi/maintenance.h, 44 bytes, 64
      *> on 64-bit platforms.
      *> Versioned reorganisation: types 1 and 2 carry three texts,
      *> every other type two (text 3 and its length are then not read).
       01 vrxgReorgParms.
          10 RO-iReorgType            PIC 9(9) COMP-5.
          10 RO-iValues               PIC 9(9) COMP-5 OCCURS 4 TIMES.
          10 RO-iText1Len             PIC 9(9) COMP-5.
          10 RO-piText1               USAGE POINTER.
          10 RO-iText2Len             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RO-piText2               USAGE POINTER.
          10 RO-iText3Len             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RO-piText3               USAGE POINTER.
