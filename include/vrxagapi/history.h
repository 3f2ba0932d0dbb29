/* Recovery history: open a scan, fetch the next entry, close the scan,
 * update an entry, prune old entries; each in a positional and a versioned
 * form.
 *
 * Positional forms take 16-bit lengths and values (the low half of the
 * slot is read, zero-extended); values named valueN reach the core as they
 * are. The fetch and close forms hand everything on untouched. */
#ifndef VRXAGAPI_HISTORY_H
#define VRXAGAPI_HISTORY_H

#include "vrxagapi/common.h"

/* Pointers first, then their lengths; the three outputs come back after
 * the call whatever its result. */
struct vrxgHistoryOpenStruct {
    char *piDatabaseAlias;
    char *piTimestamp;
    char *piObjectName;
    uint32_t iAliasLen;
    uint32_t iTimestampLen;
    uint32_t iObjectNameLen;
    uint32_t oNumRows;
    uint32_t oMaxRows;
    uint16_t iCallerAction;
    uint16_t oHandle;
};

/* The words at 12 and 28 are not read. */
struct vrxgHistoryUpdateStruct {
    char *piEntry;
    char *piNewLocation;
    char *piNewDeviceType;
    uint32_t unread12;
    uint32_t iEntryLen;
    uint32_t iNewLocationLen;
    uint32_t iNewDeviceTypeLen;
    uint32_t unread28;
    uint32_t iValue32;
    uint32_t iValue36;
};

/* The length before its pointer. */
struct vrxgPruneStruct {
    uint32_t iStringLen;
    char *piString;
    uint32_t iValues[4];
};

/* Handed to the core as the caller gave them. */
struct vrxgHistoryGetEntryStruct {
    void *pioHistData;
    uint16_t iHandle;
    uint16_t iCallerAction;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgHistoryOpenStruct) == 36, "history open record is 36 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgHistoryUpdateStruct) == 40, "history update record is 40 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgPruneStruct) == 24, "prune record is 24 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgHistoryGetEntryStruct) == 8, "history fetch record is 8 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgHistoryOpenStruct, iAliasLen) == 12, "iAliasLen");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryOpenStruct, oNumRows) == 24, "oNumRows");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryOpenStruct, oMaxRows) == 28, "oMaxRows");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryOpenStruct, iCallerAction) == 32, "iCallerAction");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryOpenStruct, oHandle) == 34, "oHandle");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryUpdateStruct, unread12) == 12, "unread12");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryUpdateStruct, iEntryLen) == 16, "iEntryLen");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryUpdateStruct, unread28) == 28, "unread28");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryUpdateStruct, iValue32) == 32, "iValue32");
VRX_STATIC_ASSERT(offsetof(vrxgPruneStruct, piString) == 4, "piString");
VRX_STATIC_ASSERT(offsetof(vrxgPruneStruct, iValues) == 8, "iValues");
VRX_STATIC_ASSERT(offsetof(vrxgHistoryGetEntryStruct, iHandle) == 4, "iHandle");
#  endif
#endif

VRX_BEGIN_DECLS

VRX_API int32_t VRX_STDCALL sqlghops(vrx_slot aliasLen, vrx_slot timestampLen, vrx_slot objectNameLen, char *alias,
                                     char *timestamp, char *objectName, void *value4, void *value5,
                                     vrx_slot callerAction, ///< caller action code
                                     void *value7, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlghgne(vrx_slot handle, ///< scan handle
                                     void *value2, void *value3, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlghcls(vrx_slot handle, ///< scan handle
                                     void *value2, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlghupd(vrx_slot entryLen, vrx_slot newLocationLen, vrx_slot newDeviceTypeLen,
                                     vrx_slot newCommentLen, char *entry, char *newLocation, char *newDeviceType,
                                     char *newComment, void *value5, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlghprn(vrx_slot timestampLen, char *timestamp,
                                     vrx_slot action, ///< action code
                                     void *value3, struct sqlca *ca);

VRX_API int32_t VRX_STDCALL vrxgHistoryOpenScan(uint32_t version, struct vrxgHistoryOpenStruct *params,
                                                struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgHistoryGetEntry(uint32_t version, struct vrxgHistoryGetEntryStruct *params,
                                                struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgHistoryCloseScan(uint32_t version,
                                                 uint16_t *handle, ///< scan handle (2 bytes), read by the core
                                                 struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgHistoryUpdate(uint32_t version, struct vrxgHistoryUpdateStruct *params,
                                              struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgPrune(uint32_t version, struct vrxgPruneStruct *params, struct sqlca *ca);

VRX_END_DECLS

#endif
