      *> struct vrxgDatabaseRestartStruct of vrxagapi/control.h, 32
      *> bytes, 48 on 64-bit platforms.
      *> Restart parameters of the versioned restart: four texts with
      *> their lengths; a null pointer passes as null.
       01 vrxgDatabaseRestartStruct.
          10 RSD-iDbAliasLen          PIC 9(9) COMP-5.
          10 RSD-iUserNameLen         PIC 9(9) COMP-5.
          10 RSD-iPasswordLen         PIC 9(9) COMP-5.
          10 RSD-iTablespaceNamesLen  PIC 9(9) COMP-5.
          10 RSD-piDbAlias            USAGE POINTER.
          10 RSD-piUserName           USAGE POINTER.
          10 RSD-piPassword           USAGE POINTER.
          10 RSD-piTablespaceNames    USAGE POINTER.
