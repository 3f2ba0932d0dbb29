      *> struct vrxgDbDirOpenScanStruct of vrxagapi/directory.h, 12
      *> bytes, 24 on 64-bit platforms.
      *> Open a scan: the caller's path (null: the system database
      *> directory), and the scan handle and entry count the call
      *> returns.
       01 vrxgDbDirOpenScanStruct.
          10 DOS-iPathLen             PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 DOS-piPath               USAGE POINTER.
          10 DOS-oHandle              PIC 9(4) COMP-5.
          10 DOS-oNumEntries          PIC 9(4) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
