      *> struct vrxgInstanceStruct of vrxagapi/instance.h, 20 bytes, 32
      *> on 64-bit platforms.
      *> The instance to start or stop. The instance name and the
      *> communication texts are terminated only for a remote instance
      *> (iIsRemote nonzero). piOptions is a vrxgStartOptionsStruct for
      *> start, a vrxgStopOptionsStruct for stop, or null.
       01 vrxgInstanceStruct.
          10 INS-iIsRemote            BINARY-CHAR UNSIGNED.
          10 FILLER                   PIC X(3).
          10 INS-iInstanceNameLen     PIC 9(9) COMP-5.
          10 INS-piInstanceName       USAGE POINTER.
          10 INS-piComm               USAGE POINTER.
          10 INS-piOptions            USAGE POINTER.
