      *> struct vrxgCfgItem of vrxagapi/config.h, 16 bytes, 24 on 64-bit
      *> platforms.
      *> Versioned get and set: one parameter, with its own value buffer
      *> and the length of the value in it. The library terminates every
      *> value for the call, whatever its token.
       01 vrxgCfgItem.
          10 GCI-iToken               PIC S9(9) COMP-5.
          10 GCI-iValueLen            PIC 9(9) COMP-5.
          10 GCI-pioValue             USAGE POINTER.
          10 GCI-iFlags               PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
