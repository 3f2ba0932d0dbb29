      *> The caller records of the versioned directory scan. On 64-bit
      *> platforms a pointer is 8 bytes and aligned on 8, so padding
      *> precedes it where the C declaration has it.
      *>
      *> Open a scan: the directory path and its length (a null path:
      *> the system database directory); the call returns the scan
      *> handle and the number of entries.
       01 DIR-OPEN-SCAN.
          05 DOS-PATH-LEN          PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 DOS-PATH              USAGE POINTER.
          05 DOS-HANDLE            PIC 9(4) COMP-5.
          05 DOS-NUM-ENTRIES       PIC 9(4) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *> Get the next entry of an open scan: the call returns the
      *> address of the entry, which stays valid until the scan is
      *> closed.
       01 DIR-NEXT-ENTRY.
          05 DNE-HANDLE            PIC 9(4) COMP-5.
          05 DNE-RESERVED          PIC X(2).
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 DNE-ENTRY             USAGE POINTER.
      *> Close a scan.
       01 DIR-CLOSE-SCAN.
          05 DCS-HANDLE            PIC 9(4) COMP-5.
