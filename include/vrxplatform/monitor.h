/* Core API: the database monitor, with the records the older entry points
 * build for the versioned core functions. */
#ifndef VRXPLATFORM_MONITOR_H
#define VRXPLATFORM_MONITOR_H

#include "vrxagapi/monitor.h"

/* Built by SQLGMNSS: the object list, four values, and a zero. */
struct vrxSnapshotRequest {
    struct vrxgObjectList *objects;
    uint32_t value2;
    uint32_t value3;
    uint32_t value4;
    uint32_t value5;
    uint32_t zero;
};

/* Built by SQLGMNSZ: the object list, two values, and -1. */
struct vrxSnapshotSizeRequest {
    struct vrxgObjectList *objects;
    uint32_t value2;
    uint32_t value3;
    int32_t last;
};

/* The core's reset record: caller fields 1, 2, 4 and 5 (SQLGMRST: -1 last). */
struct vrxResetMonitorRequest {
    uint32_t value1;
    char *text;
    uint32_t value3;
    uint32_t value4;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxSnapshotRequest) == 24, "snapshot request is six fields");
VRX_STATIC_ASSERT(sizeof(struct vrxSnapshotSizeRequest) == 16, "snapshot size request is four fields");
VRX_STATIC_ASSERT(sizeof(struct vrxResetMonitorRequest) == 16, "reset request is four fields");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxSnapshotRequest, value4) == 12, "value4");
VRX_STATIC_ASSERT(offsetof(vrxSnapshotRequest, zero) == 20, "zero");
VRX_STATIC_ASSERT(offsetof(vrxSnapshotSizeRequest, last) == 12, "last");
VRX_STATIC_ASSERT(offsetof(vrxResetMonitorRequest, text) == 4, "text");
VRX_STATIC_ASSERT(offsetof(vrxResetMonitorRequest, value4) == 12, "value4");
#  endif
#endif

VRX_BEGIN_DECLS

/* `data` is the caller's snapshot record or a request built from loose
 * arguments; its first field is the object list in both. */
VRXAPP_LINK int32_t VRX_STDCALL vrxGetSnapshot(uint32_t version, void *data, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxGetSnapshotSize(uint32_t version, void *data, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxResetMonitor(uint32_t version, struct vrxResetMonitorRequest *data,
                                                struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxMonitorSwitches(uint32_t version, void *data, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlmon(void *value5, void *value4, void *value3, void *value2);
VRXAPP_LINK int32_t VRX_STDCALL vrxConvMonStream(uint32_t version, void *data, struct sqlca *ca);

VRX_END_DECLS

#endif
