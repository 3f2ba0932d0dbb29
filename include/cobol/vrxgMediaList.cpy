      *> struct vrxgMediaList of vrxagapi/recovery.h, 12 bytes, 16 on
      *> 64-bit platforms.
      *> A text list with a media type code, passed on without
      *> interpretation.
       01 vrxgMediaList.
          10 GML-entries              USAGE POINTER.
          10 GML-count                PIC 9(9) COMP-5.
          10 GML-mediaType            PIC X.
          10 GML-reserved             PIC X(3).
