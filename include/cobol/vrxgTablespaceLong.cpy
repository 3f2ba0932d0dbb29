      *> struct vrxgTablespaceLong of vrxagapi/tablespace.h, 300 bytes.
      *> The long table-space record, 300 bytes, its six-byte text at
      *> 176.
       01 vrxgTablespaceLong.
          10 TSG-core1                PIC X(176).
          10 TSG-text6                PIC X(6).
          10 TSG-core2                PIC X(118).
