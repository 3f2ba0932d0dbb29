      *> struct vrxVendorEntry of vrxagapi/media.h, 520 bytes.
      *> 'O': a text at the start of `data`; the rest of the entry is
      *> the core's business and is passed on unread.
       01 vrxVendorEntry.
          10 VND-length               PIC 9(9) COMP-5.
          10 VND-data                 PIC X(516).
