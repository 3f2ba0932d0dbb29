      *> The caller record of the versioned backup, 120 bytes on 32-bit
      *> platforms. Every text comes with its length; output areas hold
      *> one byte more than their length says and come back
      *> blank-filled. On 64-bit platforms pointers are 8 bytes and
      *> aligned on 8, so padding follows a length that precedes one.
       01 BACKUP-PARMS.
          05 BKP-DB-ALIAS          USAGE POINTER.
          05 BKP-DB-ALIAS-LEN      PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *>  Receives the image's identifier, at most 33 bytes.
          05 BKP-IDENTIFIER        USAGE POINTER.
          05 BKP-IDENTIFIER-LEN    PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *>  Receives the image's timestamp, at most 15 bytes.
          05 BKP-TIMESTAMP         USAGE POINTER.
          05 BKP-TIMESTAMP-LEN     PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
      *>  A table space list and a media list (textlist.cpy), or null.
          05 BKP-TABLESPACES       USAGE POINTER.
          05 BKP-MEDIA             USAGE POINTER.
          05 BKP-USER-NAME         USAGE POINTER.
          05 BKP-USER-NAME-LEN     PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 BKP-PASSWORD          USAGE POINTER.
          05 BKP-PASSWORD-LEN      PIC 9(9) COMP-5.
      *>  Values passed on as they are; 0 here.
          05 BKP-VALUES            PIC 9(9) COMP-5 OCCURS 8 TIMES.
      *>  Read from version 8010200 on.
          05 BKP-VALUE-8010200     PIC 9(9) COMP-5.
      *>  Read from version 8010400 on: one more text and two values.
          05 BKP-TEXT4             USAGE POINTER.
          05 BKP-TEXT4-LEN         PIC 9(9) COMP-5.
          05 BKP-VALUES-8010400    PIC 9(9) COMP-5 OCCURS 2 TIMES.
      *>  Read from version 9050000 on.
          05 BKP-VALUES-9050000    PIC 9(9) COMP-5 OCCURS 5 TIMES.
