      *> Export and load: the data file the export writes and the load
      *> reads, its format and the export's query, the path for the
      *> large objects, and the row count shown.
       01 DM-DATA-FILE             PIC X(41) VALUE "/srv/vrx/sales.del".
       01 DM-FILE-TYPE             PIC X(4) VALUE "DEL".
       01 DM-QUERY                 PIC X(41)
                                   VALUE "SELECT * FROM SALES.ORDERS".
       01 DM-ROWS-SHOWN            PIC Z(9)9.
