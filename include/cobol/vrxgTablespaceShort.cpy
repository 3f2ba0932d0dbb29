      *> struct vrxgTablespaceShort of vrxagapi/tablespace.h, 176 bytes.
      *> The short table-space record, 176 bytes, its six-byte text at
      *> 168.
       01 vrxgTablespaceShort.
          10 TSS-core1                PIC X(168).
          10 TSS-text6                PIC X(6).
          10 TSS-core2                PIC X(2).
