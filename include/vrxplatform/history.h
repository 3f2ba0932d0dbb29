/* Core API: the recovery history, with the core records the versioned
 * entry points build in their own storage. */
#ifndef VRXPLATFORM_HISTORY_H
#define VRXPLATFORM_HISTORY_H

#include "vrxagapi/history.h"

struct vrxHistoryOpenStruct {
    char *databaseAlias;
    char *timestamp;
    char *objectName;
    uint32_t numRows;  /* output */
    uint32_t maxRows;  /* output */
    uint16_t callerAction;
    uint16_t handle;   /* output */
};

struct vrxHistoryUpdateStruct {
    char *entry;
    char *newLocation;
    char *newDeviceType;
    char *newComment; /* no caller text: always null */
    uint32_t value16;
    uint32_t value20;
};

struct vrxPruneStruct {
    char *string;
    uint32_t values[4];
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxHistoryOpenStruct) == 24, "core history open record is 24 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxHistoryUpdateStruct) == 24, "core history update record is 24 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxPruneStruct) == 20, "core prune record is 20 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxHistoryOpenStruct, numRows) == 12, "numRows");
VRX_STATIC_ASSERT(offsetof(vrxHistoryOpenStruct, maxRows) == 16, "maxRows");
VRX_STATIC_ASSERT(offsetof(vrxHistoryOpenStruct, callerAction) == 20, "callerAction");
VRX_STATIC_ASSERT(offsetof(vrxHistoryOpenStruct, handle) == 22, "handle");
VRX_STATIC_ASSERT(offsetof(vrxHistoryUpdateStruct, newComment) == 12, "newComment");
VRX_STATIC_ASSERT(offsetof(vrxHistoryUpdateStruct, value16) == 16, "value16");
VRX_STATIC_ASSERT(offsetof(vrxHistoryUpdateStruct, value20) == 20, "value20");
VRX_STATIC_ASSERT(offsetof(vrxPruneStruct, values) == 4, "values");
#  endif
#endif

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqluhops(char *alias, char *timestamp, char *objectName, void *value4, void *value5,
                                         uint32_t callerAction, void *value7, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqluhgne(uint32_t handle, void *value2, void *value3, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqluhcls(uint32_t handle, void *value2, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqluhupd(char *entry, char *newLocation, char *newDeviceType, char *newComment,
                                         void *value5, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqluhprn(char *timestamp, uint32_t action, void *value3, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL vrxHistoryOpenScan(uint32_t version, struct vrxHistoryOpenStruct *params,
                                                   struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxHistoryGetEntry(uint32_t version, struct vrxgHistoryGetEntryStruct *params,
                                                   struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxHistoryCloseScan(uint32_t version, uint16_t *handle, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxHistoryUpdate(uint32_t version, struct vrxHistoryUpdateStruct *params,
                                                 struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxPrune(uint32_t version, struct vrxPruneStruct *params, struct sqlca *ca);

VRX_END_DECLS

#endif
