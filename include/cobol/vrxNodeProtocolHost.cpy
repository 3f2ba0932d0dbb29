      *> struct vrxNodeProtocolHost of vrxagapi/directory.h, 271 bytes.
      *> Protocol codes 3, 9 and 10.
       01 vrxNodeProtocolHost.
          10 NPH-hostName             PIC X(256).
          10 NPH-serviceName          PIC X(15).
