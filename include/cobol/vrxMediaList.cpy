      *> struct vrxMediaList of vrxagapi/media.h, 12 bytes, 16 on 64-bit
      *> platforms. The address of an array of entries, each a text
      *> with its length; the library borrows the byte after each text
      *> for the call and never writes the list itself.
       01 vrxMediaList.
      *>   'L': path entries (vrxPathEntry.cpy); 'S' and 'C': location
      *>   entries (vrxLocationEntry.cpy); 'O': vendor entries
      *>   (vrxVendorEntry.cpy); 'Q': text-pointer entries
      *>   (vrxTextPointerEntry.cpy).
          10 ML-mediaType             PIC X.
      *>   Not read.
          10 ML-reserved              PIC X(3).
          10 ML-entryCount            PIC S9(9) COMP-5.
      *>   ML-entryCount entries of the layout ML-mediaType selects.
          10 ML-entries               USAGE POINTER.
