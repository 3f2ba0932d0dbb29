      *> struct vrxRfwdPositionalOutput of vrxagapi/rollforward.h, 12
      *> bytes, 24 on 64-bit platforms.
      *> The first three words of the versioned output record.
       01 vrxRfwdPositionalOutput.
      *>   33 bytes, blank-filled.
          10 RPO-applicationId        USAGE POINTER.
          10 RPO-value4               USAGE POINTER.
          10 RPO-value8               USAGE POINTER.
