      *> struct vrxDbDescriptor of vrxagapi/control.h, 304 bytes.
      *> Database descriptor of the create-database entry points. The
      *> library reads the eye-catcher and, for the call, terminates the
      *> comment and the collating-sequence table after their last
      *> non-blank; everything else passes through. The core API's
      *> descriptor may continue beyond these 303 bytes; the library
      *> never reads further.
       01 vrxDbDescriptor.
          10 DBD-eyeCatcher           PIC X(8).
          10 DBD-passThrough          PIC S9(9) COMP-5 OCCURS 2 TIMES.
      *>   Blank-padded.
          10 DBD-collatingTable       PIC X(256).
      *>   At most 30 significant characters, blank-padded.
          10 DBD-comment              PIC X(31).
          10 FILLER                   PIC X(1).
