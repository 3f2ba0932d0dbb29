      *> struct vrxgCfgStruct of vrxagapi/config.h, 20 bytes, 32 on
      *> 64-bit platforms.
      *> Versioned get and set: the parameters, and the database they
      *> belong to (a null name: the instance).
       01 vrxgCfgStruct.
          10 GCS-iNumItems            PIC 9(9) COMP-5.
       >>IF P64 IS SET
          10 FILLER                   PIC X(4).
       >>END-IF
          10 GCS-piItems              USAGE POINTER.
          10 GCS-iFlags               PIC 9(9) COMP-5.
          10 GCS-iDbNameLen           PIC 9(9) COMP-5.
          10 GCS-piDbName             USAGE POINTER.
