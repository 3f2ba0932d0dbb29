      *> struct vrxgTextEntry of vrxagapi/recovery.h, 12 bytes, 16 on
      *> 64-bit platforms.
       01 vrxgTextEntry.
          10 TXT-text                 USAGE POINTER.
          10 TXT-length               PIC 9(9) COMP-5.
      *>   Not read.
          10 TXT-reserved             PIC 9(9) COMP-5.
