      *> The caller records of versioned instance control. On 64-bit
      *> platforms a pointer is 8 bytes and aligned on 8, so padding
      *> precedes it where the C declaration has it.
      *>
      *> The instance to start or stop: a one-byte remote flag (zero:
      *> the instance on this machine, whose name and communication
      *> record are then not read), the instance name and its length,
      *> the communication record and the options record, or null.
       01 INSTANCE-PARMS.
          05 INS-REMOTE            PIC X.
          05 FILLER                PIC X(3).
          05 INS-NAME-LEN          PIC 9(9) COMP-5.
          05 INS-NAME              USAGE POINTER.
          05 INS-COMM              USAGE POINTER.
          05 INS-OPTIONS           USAGE POINTER.
      *> Quiesce the instance: three texts with their lengths (null
      *> here) and two values.
       01 INSTANCE-QUIESCE.
          05 IQ-TEXT-ENTRY         OCCURS 3 TIMES.
             10 IQ-TEXT-LEN        PIC 9(9) COMP-5.
       >>IF P64 IS SET
             10 FILLER             PIC X(4).
       >>END-IF
             10 IQ-TEXT            USAGE POINTER.
          05 IQ-VALUE-A            PIC 9(9) COMP-5.
          05 IQ-VALUE-B            PIC 9(9) COMP-5.
      *> Unquiesce the instance: one text with its length (null here).
       01 INSTANCE-UNQUIESCE.
          05 IU-TEXT-LEN           PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 IU-TEXT               USAGE POINTER.
