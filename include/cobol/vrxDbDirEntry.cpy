      *> struct vrxDbDirEntry of the core API, 530 bytes: the scan
      *> returns its address; read it in the LINKAGE SECTION.
      *> One directory entry as the core API provides it during a scan.
      *> Texts are fixed-width and blank-padded, without terminator, so
      *> that callers read them in place. The entry stays valid until
      *> its scan is closed.
       01 vrxDbDirEntry.
          10 DE-alias                 PIC X(8).
          10 DE-dbName                PIC X(8).
      *>   Remote entries.
          10 DE-nodeName              PIC X(8).
          10 DE-comment               PIC X(30).
      *>   'I': a database of this instance; 'R': a remote database.
          10 DE-type                  PIC X.
          10 DE-reserved              PIC X.
          10 DE-authentication        PIC 9(4) COMP-5.
      *>   Where an indirect database lives.
          10 DE-path                  PIC X(216).
      *>   Server principal, for the authentication that needs one.
          10 DE-principal             PIC X(256).
