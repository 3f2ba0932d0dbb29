      *> struct vrxgDatabaseQuiesceStruct of vrxagapi/instance.h, 16
      *> bytes.
      *> Quiesce a database: two values after eight bytes the library
      *> does not read; the same 16 bytes on every platform.
       01 vrxgDatabaseQuiesceStruct.
          10 DQ-reserved              PIC X(8).
          10 DQ-iValueA               PIC 9(9) COMP-5.
          10 DQ-iValueB               PIC 9(9) COMP-5.
