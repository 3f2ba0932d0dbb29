      *> struct vrxgRollforwardStruct of vrxagapi/rollforward.h, 8
      *> bytes, 16 on 64-bit platforms.
       01 vrxgRollforwardStruct.
          10 RFW-piRfwdInput          USAGE POINTER.
          10 RFW-poRfwdOutput         USAGE POINTER.
