      *> Messages: an alias that was never catalogued, so that
      *> uncataloguing it fails, and the areas the message texts come
      *> back in. The texts end in a NUL within the buffer size given;
      *> a line width of 0 asks for the text on one line.
       01 MSG-ALIAS                PIC X(9) VALUE "NOSUCHDB".
       01 MSG-ALIAS-LEN            BINARY-LONG.
       01 MSG-LINE-WIDTH           BINARY-LONG VALUE 0.
       01 MSG-BUFFER-SIZE          BINARY-LONG VALUE 80.
       01 MSG-TEXT                 PIC X(80).
       01 MSG-RESULT-SHOWN         PIC -(9)9.
