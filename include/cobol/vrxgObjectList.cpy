      *> struct vrxgObjectList of vrxagapi/monitor.h, 140 bytes.
      *> An object list: the number of entries, then the entries.
       01 vrxgObjectList.
          10 OL-count                 PIC 9(9) COMP-5.
          10 OL-entries               OCCURS 1 TIMES.
             15 OL-value1             PIC 9(9) COMP-5.
             15 OL-value2             PIC 9(9) COMP-5.
             15 OL-name               PIC X(128).
