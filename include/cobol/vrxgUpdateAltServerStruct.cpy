      *> struct vrxgUpdateAltServerStruct of vrxagapi/directory.h, 24
      *> bytes, 48 on 64-bit platforms.
      *> The alternate server of a database: its host name and port, as
      *> texts.
       01 vrxgUpdateAltServerStruct.
          10 ALT-iDbAliasLen          PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 ALT-piDbAlias            USAGE POINTER.
          10 ALT-iHostNameLen         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 ALT-piHostName           USAGE POINTER.
          10 ALT-iPortLen             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 ALT-piPort               USAGE POINTER.
