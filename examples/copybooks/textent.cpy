      *> One entry of a text list: the address of the text, its length
      *> and a word that is not read. The text needs one byte of room
      *> after it, which the library borrows during the call. Copied
      *> with REPLACING LEADING ==TXT== BY a prefix of the list's own.
             10 TXT-TEXT          USAGE POINTER.
             10 TXT-LENGTH        PIC 9(9) COMP-5.
             10 TXT-RESERVED      PIC 9(9) COMP-5.
