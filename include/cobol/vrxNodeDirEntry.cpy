      *> struct vrxNodeDirEntry of the core API, 310 bytes: the scan
      *> returns its address; read it in the LINKAGE SECTION.
      *> One node directory entry as the core API provides it during a
      *> scan: fixed-width blank-padded texts without terminator. The
      *> host and service names are those of a node of protocol 3, 9 or
      *> 10, blank for the others.
       01 vrxNodeDirEntry.
          10 NE-nodeName              PIC X(8).
          10 NE-comment               PIC X(30).
          10 NE-protocol              BINARY-CHAR UNSIGNED.
          10 NE-reserved              PIC X.
          10 NE-hostName              PIC X(255).
          10 NE-serviceName           PIC X(14).
          10 NE-reserved2             PIC X.
