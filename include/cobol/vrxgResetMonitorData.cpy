      *> struct vrxgResetMonitorData of vrxagapi/monitor.h, 20 bytes, 32
      *> on 64-bit platforms.
      *> The reset record. Unlike most records, the text's length
      *> follows it.
       01 vrxgResetMonitorData.
          10 RMD-iValue1              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 RMD-piText               USAGE POINTER.
          10 RMD-iTextLen             PIC 9(9) COMP-5.
          10 RMD-iValue3              PIC 9(9) COMP-5.
          10 RMD-iValue4              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
