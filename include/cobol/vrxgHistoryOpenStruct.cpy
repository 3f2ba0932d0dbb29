      *> struct vrxgHistoryOpenStruct of vrxagapi/history.h, 36 bytes,
      *> 48 on 64-bit platforms.
      *> Pointers first, then their lengths; the three outputs come back
      *> after the call whatever its result.
       01 vrxgHistoryOpenStruct.
          10 HOS-piDatabaseAlias      USAGE POINTER.
          10 HOS-piTimestamp          USAGE POINTER.
          10 HOS-piObjectName         USAGE POINTER.
          10 HOS-iAliasLen            PIC 9(9) COMP-5.
          10 HOS-iTimestampLen        PIC 9(9) COMP-5.
          10 HOS-iObjectNameLen       PIC 9(9) COMP-5.
          10 HOS-oNumRows             PIC 9(9) COMP-5.
          10 HOS-oMaxRows             PIC 9(9) COMP-5.
          10 HOS-iCallerAction        PIC 9(4) COMP-5.
          10 HOS-oHandle              PIC 9(4) COMP-5.
