      *> struct vrxgArchiveLogStruct of vrxagapi/recovery.h, 36 bytes,
      *> 56 on 64-bit platforms.
       01 vrxgArchiveLogStruct.
          10 ARC-iDbAliasLen          PIC 9(9) COMP-5.
          10 ARC-iUserNameLen         PIC 9(9) COMP-5.
          10 ARC-iPasswordLen         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 ARC-piDbAlias            USAGE POINTER.
          10 ARC-piUserName           USAGE POINTER.
          10 ARC-piPassword           USAGE POINTER.
          10 ARC-iValue1              PIC 9(4) COMP-5.
          10 ARC-iValue2              PIC 9(4) COMP-5.
          10 ARC-iValue3              PIC 9(9) COMP-5.
          10 ARC-iValue4              PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
