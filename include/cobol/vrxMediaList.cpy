      *> struct vrxMediaList of vrxagapi/media.h, 12 bytes, 16 on 64-bit
      *> platforms.
       01 vrxMediaList.
      *>   One of the codes above.
          10 ML-mediaType             PIC X.
      *>   Not read.
          10 ML-reserved              PIC X(3).
          10 ML-entryCount            PIC S9(9) COMP-5.
      *>   EntryCount entries of the layout mediaType selects.
          10 ML-entries               USAGE POINTER.
