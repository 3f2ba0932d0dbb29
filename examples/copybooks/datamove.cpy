      *> Export and load: the versioned records, the media lists they
      *> point to, and the texts. A media list is a type code, a count
      *> and the address of its entries; a path entry ('L') and a
      *> location entry ('S') are a length and a text with room for one
      *> more byte. On 64-bit platforms pointers are 8 bytes and aligned
      *> on 8, so padding follows a value that precedes one.
       01 DM-LOB-LIST.
          05 DM-LOB-TYPE           PIC X VALUE "L".
          05 FILLER                PIC X(3).
          05 DM-LOB-COUNT          PIC S9(9) COMP-5 VALUE 1.
          05 DM-LOB-ENTRIES        USAGE POINTER.
       01 DM-LOB-ENTRY.
          05 DM-LOB-PATH-LEN       PIC 9(9) COMP-5.
          05 DM-LOB-PATH           PIC X(216) VALUE "/srv/vrx/lobs".
       01 DM-SOURCE-LIST.
          05 DM-SOURCE-TYPE        PIC X VALUE "S".
          05 FILLER                PIC X(3).
          05 DM-SOURCE-COUNT       PIC S9(9) COMP-5 VALUE 1.
          05 DM-SOURCE-ENTRIES     USAGE POINTER.
       01 DM-SOURCE-ENTRY.
          05 DM-SOURCE-FILE-LEN    PIC 9(9) COMP-5.
          05 DM-SOURCE-FILE        PIC X(256).
      *> The data file the export writes and the load reads, its
      *> format and the export's query.
       01 DM-DATA-FILE             PIC X(41) VALUE "/srv/vrx/sales.del".
       01 DM-FILE-TYPE             PIC X(4) VALUE "DEL".
       01 DM-QUERY                 PIC X(41)
                                   VALUE "SELECT * FROM SALES.ORDERS".
       01 DM-ROWS-SHOWN            PIC Z(9)9.

      *> The export record, 60 bytes on 32-bit platforms: text 1 names
      *> the data file, text 2 its format, text 3 the query. The
      *> second pair of lists is read from version 9000000 on.
       01 EXPORT-PARMS.
          05 EXP-TEXT1             USAGE POINTER.
          05 EXP-LOB-PATHS         USAGE POINTER.
          05 EXP-LOB-FILES         USAGE POINTER.
          05 EXP-VALUE1            PIC 9(9) COMP-5.
          05 EXP-VALUE2            PIC 9(9) COMP-5.
          05 EXP-TEXT2             USAGE POINTER.
          05 EXP-VALUE3            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 EXP-TEXT3             USAGE POINTER.
          05 EXP-VALUE16           PIC S9(4) COMP-5.
          05 FILLER                PIC X(2).
          05 EXP-VALUE4            PIC 9(9) COMP-5.
          05 EXP-TEXT1-LEN         PIC 9(4) COMP-5.
          05 EXP-TEXT2-LEN         PIC 9(4) COMP-5.
          05 EXP-TEXT3-LEN         PIC 9(4) COMP-5.
          05 FILLER                PIC X(2).
          05 EXP-VALUE5            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 EXP-LOB-PATHS-2       USAGE POINTER.
          05 EXP-LOB-FILES-2       USAGE POINTER.

      *> The load record, 76 bytes on 32-bit platforms: a source list,
      *> two more source lists, a path list, a copy target and two
      *> nested records, all null but the first here; text 1 is the
      *> data file's format.
       01 LOAD-PARMS.
          05 LOD-SOURCE            USAGE POINTER.
          05 LOD-SOURCE-2          USAGE POINTER.
          05 LOD-VALUE1            PIC 9(9) COMP-5.
          05 LOD-VALUE2            PIC 9(9) COMP-5.
          05 LOD-TEXT1             USAGE POINTER.
          05 LOD-VALUE3            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 LOD-TEXT2             USAGE POINTER.
          05 LOD-TEXT3             USAGE POINTER.
          05 LOD-PATHS             USAGE POINTER.
          05 LOD-COPY-TARGET       USAGE POINTER.
          05 LOD-VALUE4            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 LOD-NESTED-1          USAGE POINTER.
          05 LOD-VALUE5            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 LOD-NESTED-2          USAGE POINTER.
          05 LOD-VALUE6            PIC 9(9) COMP-5.
          05 LOD-VALUE16           PIC S9(4) COMP-5.
          05 LOD-TEXT1-LEN         PIC 9(4) COMP-5.
          05 LOD-TEXT2-LEN         PIC 9(4) COMP-5.
          05 LOD-TEXT3-LEN         PIC 9(4) COMP-5.
          05 LOD-VALUE7            PIC 9(9) COMP-5.
          05 LOD-SOURCE-3          USAGE POINTER.

      *> The load query record, 28 bytes on 32-bit platforms: two
      *> texts with 32-bit lengths, both null here.
       01 LOAD-QUERY-PARMS.
          05 LQY-VALUE1            PIC 9(9) COMP-5.
          05 LQY-TEXT1-LEN         PIC 9(9) COMP-5.
          05 LQY-TEXT1             USAGE POINTER.
          05 LQY-VALUE2            PIC 9(9) COMP-5.
          05 LQY-VALUE3            PIC 9(9) COMP-5.
          05 LQY-TEXT2-LEN         PIC 9(9) COMP-5.
       >>IF P64 IS SET
          05 FILLER                PIC X(4).
       >>END-IF
          05 LQY-TEXT2             USAGE POINTER.
