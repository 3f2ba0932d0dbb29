      *> struct vrxgDbDirCloseScanStruct of vrxagapi/directory.h, 2
      *> bytes.
       01 vrxgDbDirCloseScanStruct.
          10 DCS-iHandle              PIC 9(4) COMP-5.
