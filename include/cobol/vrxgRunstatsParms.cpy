      *> struct vrxgRunstatsParms of vrxagapi/maintenance.h, 60 bytes,
      *> 88 on 64-bit platforms.
      *> The versioned statistics call's parameters; the library never
      *> writes them. A list whose count is below 1 is not looked at.
      *> Values 7 and 8 reach the core only from version 8020000.
       01 vrxgRunstatsParms.
          10 RS-iValue1               PIC 9(9) COMP-5.
          10 RS-iValue2               PIC 9(9) COMP-5.
          10 RS-piTablename           USAGE POINTER.
          10 RS-piColumnList          USAGE POINTER.
          10 RS-piColumnDistributionList USAGE POINTER.
          10 RS-piColumnGroupList     USAGE POINTER.
          10 RS-piIndexList           USAGE POINTER.
          10 RS-piIndexNamesLen       USAGE POINTER.
          10 RS-iValue3               PIC 9(9) COMP-5.
          10 RS-iTablenameLen         PIC 9(4) COMP-5.
          10 RS-iNumColumns           PIC S9(4) COMP-5.
          10 RS-iNumColdist           PIC S9(4) COMP-5.
          10 RS-iNumColGroups         PIC S9(4) COMP-5.
          10 RS-iNumIndexes           PIC S9(4) COMP-5.
          10 RS-iValue4               PIC S9(4) COMP-5.
          10 RS-iValue5               PIC S9(4) COMP-5.
          10 RS-iValue6               PIC S9(4) COMP-5.
          10 RS-iValue7               PIC 9(9) COMP-5.
          10 RS-iValue8               PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
