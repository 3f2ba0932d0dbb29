      *> struct vrxPstpRecord of vrxagapi/instance.h, 256 bytes.
      *> Stop record of SQLGPSTP: one inline text.
       01 vrxPstpRecord.
          10 PSP-iTextLen             PIC 9(9) COMP-5.
          10 PSP-text                 PIC X(252).
