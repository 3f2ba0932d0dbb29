      *> struct vrxgObjectEntry of vrxagapi/monitor.h, 136 bytes.
      *> One object of an object list: two values handed on unread, then
      *> the object's name, blank-padded to 128 bytes.
       01 vrxgObjectEntry.
          10 OE-value1                PIC 9(9) COMP-5.
          10 OE-value2                PIC 9(9) COMP-5.
          10 OE-name                  PIC X(128).
