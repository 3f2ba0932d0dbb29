/* Database monitor: snapshots, snapshot sizes, counter resets, monitor
 * switches and monitor data streams. The snapshot records name the objects
 * wanted in an object list of fixed-width, blank-padded names. */
#ifndef VRXAGAPI_MONITOR_H
#define VRXAGAPI_MONITOR_H

#include "vrxagapi/common.h"

/* One object of an object list: two values handed on unread, then the
 * object's name, blank-padded to 128 bytes. */
struct vrxgObjectEntry {
    uint32_t value1;
    uint32_t value2;
    char name[128];
};

/* An object list: the number of entries, then the entries. */
struct vrxgObjectList {
    uint32_t count;
    struct vrxgObjectEntry entries[1];
};

VRX_STATIC_ASSERT(sizeof(struct vrxgObjectEntry) == 136, "object list entry is 136 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgObjectList) == 140, "object list with one entry is 140 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgObjectEntry, name) == 8, "name");
VRX_STATIC_ASSERT(offsetof(vrxgObjectList, entries) == 4, "entries");
#endif

/* The snapshot and snapshot-size records: the object list comes first;
 * the rest of the record is the core's and is handed on by address. */
struct vrxgSnapshotData {
    struct vrxgObjectList *piObjectList;
};

/* The reset record. Unlike most records, the text's length follows it. */
struct vrxgResetMonitorData {
    uint32_t iValue1;
    char *piText;
    uint32_t iTextLen;
    uint32_t iValue3;
    uint32_t iValue4;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgSnapshotData) == 4, "snapshot record starts with its list");
VRX_STATIC_ASSERT(sizeof(struct vrxgResetMonitorData) == 20, "reset record is 20 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgResetMonitorData, piText) == 4, "piText");
VRX_STATIC_ASSERT(offsetof(vrxgResetMonitorData, iTextLen) == 8, "iTextLen");
VRX_STATIC_ASSERT(offsetof(vrxgResetMonitorData, iValue3) == 12, "iValue3");
VRX_STATIC_ASSERT(offsetof(vrxgResetMonitorData, iValue4) == 16, "iValue4");
#  endif
#endif

VRX_BEGIN_DECLS

/* Snapshots and their sizes: the object names terminated after their last
 * non-blank for the call. A null snapshot record is refused with -1601; an
 * object list of no entries gives -1603, no memory for the saved bytes -1607. */
VRX_API int32_t VRX_STDCALL vrxgGetSnapshot(uint32_t version, struct vrxgSnapshotData *data, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgmnss(vrx_slot reserved1, struct sqlca *ca, vrx_slot value2, vrx_slot value3,
                                     vrx_slot value5, struct vrxgObjectList *objects, vrx_slot reserved7,
                                     vrx_slot value4);
VRX_API int32_t VRX_STDCALL vrxgGetSnapshotSize(uint32_t version, struct vrxgSnapshotData *data,
                                                struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgmnsz(vrx_slot reserved1, struct sqlca *ca, vrx_slot value2,
                                     struct vrxgObjectList *objects, vrx_slot reserved5, vrx_slot value3);

/* Counter resets: the text terminated in place for the call. */
VRX_API int32_t VRX_STDCALL vrxgResetMonitor(uint32_t version, struct vrxgResetMonitorData *data,
                                             struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgmrst(vrx_slot textLen, vrx_slot reserved2, struct sqlca *ca, char *text,
                                     vrx_slot value1, vrx_slot reserved6, vrx_slot value3);

/* Forwards without any frame: switches and stream conversion. SQLGMON hands
 * the core its last four arguments in reverse order and ignores the first. */
VRX_API int32_t VRX_STDCALL vrxgMonitorSwitches(uint32_t version,
                                                void *data, ///< the core's record, handed on by address
                                                struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgmon(vrx_slot reserved1, void *value2, void *value3, void *value4, void *value5);
VRX_API int32_t VRX_STDCALL vrxgConvMonStream(uint32_t version,
                                              void *data, ///< the core's record, handed on by address
                                              struct sqlca *ca);

VRX_END_DECLS

#endif
