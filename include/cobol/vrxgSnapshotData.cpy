      *> struct vrxgSnapshotData of vrxagapi/monitor.h, 4 bytes, 8 on
      *> 64-bit platforms.
      *> The snapshot and snapshot-size records: the object list comes
      *> first; the rest of the record is the core's and is handed on by
      *> address.
       01 vrxgSnapshotData.
          10 SNP-piObjectList         USAGE POINTER.
