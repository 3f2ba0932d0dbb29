      *> struct vrxgDbDirNextEntryStruct of vrxagapi/directory.h, 8
      *> bytes, 16 on 64-bit platforms.
      *> Get the next entry of an open scan: the address of the entry
      *> comes back in poDbDirEntry.
       01 vrxgDbDirNextEntryStruct.
          10 DNE-iHandle              PIC 9(4) COMP-5.
          10 DNE-reserved             PIC 9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 DNE-poDbDirEntry         USAGE POINTER.
