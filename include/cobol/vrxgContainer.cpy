      *> struct vrxgContainer of vrxagapi/tablespace.h, 292 bytes.
      *> A container of a table space: its name, not terminated, with
      *> its length.
       01 vrxgContainer.
          10 CTR-values               PIC 9(9) COMP-5 OCCURS 3 TIMES.
          10 CTR-nameLen              PIC 9(9) COMP-5.
          10 CTR-name                 PIC X(276).
