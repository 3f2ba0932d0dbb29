      *> struct vrxRfwdPositionalInput of vrxagapi/rollforward.h, 80
      *> bytes, 120 on 64-bit platforms.
       01 vrxRfwdPositionalInput.
          10 RPI-dbAliasLen           PIC 9(4) COMP-5.
          10 RPI-stopTimeLen          PIC 9(4) COMP-5.
          10 RPI-userNameLen          PIC 9(4) COMP-5.
          10 RPI-passwordLen          PIC 9(4) COMP-5.
          10 RPI-overflowLogPathLen   PIC 9(4) COMP-5.
          10 RPI-unused10             PIC 9(4) COMP-5.
          10 RPI-value12              PIC 9(9) COMP-5.
          10 RPI-dbAlias              USAGE POINTER.
          10 RPI-value20              PIC 9(4) COMP-5.
          10 RPI-unused22             PIC 9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RPI-stopTime             USAGE POINTER.
          10 RPI-userName             USAGE POINTER.
          10 RPI-password             USAGE POINTER.
          10 RPI-overflowLogPath      USAGE POINTER.
          10 RPI-value40              PIC 9(4) COMP-5.
          10 RPI-unused42             PIC 9(4) COMP-5.
          10 RPI-value44              PIC 9(9) COMP-5.
          10 RPI-value48              PIC 9(4) COMP-5.
          10 RPI-unused50             PIC 9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RPI-tablespaces          USAGE POINTER.
          10 RPI-value56              PIC S9(4) COMP-5.
          10 RPI-value58              PIC S9(4) COMP-5.
          10 RPI-value60              PIC 9(9) COMP-5.
          10 RPI-value64              PIC S9(4) COMP-5.
          10 RPI-unused66             PIC 9(4) COMP-5 OCCURS 3 TIMES.
          10 RPI-droppedTblID         USAGE POINTER.
          10 RPI-exportDir            USAGE POINTER.
