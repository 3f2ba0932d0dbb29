      *> The caller record of the versioned restore, 144 bytes on 32-bit
      *> platforms. Every text comes with its length; the identifier
      *> area holds one byte more than its length says and comes back
      *> blank-filled. The timestamp is a 15-byte field holding at most
      *> 14 bytes of text; it too comes back blank-filled. On 64-bit
      *> platforms pointers are 8 bytes and aligned on 8, so padding
      *> follows a length or value that precedes one.
       01 RESTORE-PARMS.
          05 RST-SOURCE-ALIAS      USAGE POINTER.
          05 RST-SOURCE-ALIAS-LEN  PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RST-TARGET-ALIAS      USAGE POINTER.
          05 RST-TARGET-ALIAS-LEN  PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *>  Receives the restored image's identifier, at most 33 bytes.
          05 RST-IDENTIFIER        USAGE POINTER.
          05 RST-IDENTIFIER-LEN    PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RST-TIMESTAMP         USAGE POINTER.
          05 RST-TIMESTAMP-LEN     PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RST-TEXT3             USAGE POINTER.
          05 RST-TEXT3-LEN         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RST-TEXT4             USAGE POINTER.
          05 RST-TEXT4-LEN         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *>  A table space list and a media list (textlist.cpy), or null.
          05 RST-TABLESPACES       USAGE POINTER.
          05 RST-MEDIA             USAGE POINTER.
          05 RST-USER-NAME         USAGE POINTER.
          05 RST-USER-NAME-LEN     PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RST-PASSWORD          USAGE POINTER.
          05 RST-PASSWORD-LEN      PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 RST-TEXT7             USAGE POINTER.
          05 RST-TEXT7-LEN         PIC 9(9) COMP-5.
      *>  Values passed on as they are; 0 here.
          05 RST-VALUES            PIC 9(9) COMP-5 OCCURS 7 TIMES.
      *>  Read from version 8010400 on: one more text and two values.
          05 RST-TEXT8             USAGE POINTER.
          05 RST-TEXT8-LEN         PIC 9(9) COMP-5.
          05 RST-VALUES-8010400    PIC 9(9) COMP-5 OCCURS 2 TIMES.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *>  Read from version 8020000 on.
          05 RST-TEXT9             USAGE POINTER.
          05 RST-TEXT9-LEN         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *>  Read from version 8020200 on: a second text list, or null.
          05 RST-TEXT-LIST-2       USAGE POINTER.
          05 RST-RESERVED          PIC 9(9) COMP-5 OCCURS 2 TIMES.
