// Recovery history: open a scan, fetch, close, update, prune. Texts are
// terminated in place and 16-bit values zero-extended; fetch and close pass
// their arguments on. No record pointer is checked; a null versioned record
// reaches the core as null.
#include <cstddef>

#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/history.h"

using namespace vrx;

VRX_API int32_t VRX_STDCALL sqlghops(slot aliasLen, slot timestampLen, slot objectNameLen, char *alias,
                                     char *timestamp, char *objectName, void *value4, void *value5,
                                     slot callerAction, void *value7, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    Borrowed borrowed;
    char *text1 = borrowed.terminate(alias, widen16(aliasLen));
    char *text2 = borrowed.terminate(timestamp, widen16(timestampLen));
    char *text3 = borrowed.terminate(objectName, widen16(objectNameLen));

    const int32_t result = sqluhops(text1, text2, text3, value4, value5, widen16(callerAction), value7, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlghgne(slot handle, void *value2, void *value3, sqlca *ca) {
    return sqluhgne(widen16(handle), value2, value3, ca);
}

VRX_API int32_t VRX_STDCALL sqlghcls(slot handle, void *value2, sqlca *ca) {
    return sqluhcls(widen16(handle), value2, ca);
}

VRX_API int32_t VRX_STDCALL sqlghupd(slot entryLen, slot newLocationLen, slot newDeviceTypeLen, slot newCommentLen,
                                     char *entry, char *newLocation, char *newDeviceType, char *newComment,
                                     void *value5, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    Borrowed borrowed;
    char *text1 = borrowed.terminate(entry, widen16(entryLen));
    char *text2 = borrowed.terminate(newLocation, widen16(newLocationLen));
    char *text3 = borrowed.terminate(newDeviceType, widen16(newDeviceTypeLen));
    char *text4 = borrowed.terminate(newComment, widen16(newCommentLen));

    const int32_t result = sqluhupd(text1, text2, text3, text4, value5, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlghprn(slot timestampLen, char *timestamp, slot action, void *value3, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    Borrowed borrowed;
    char *text = borrowed.terminate(timestamp, widen16(timestampLen));

    const int32_t result = sqluhprn(text, widen16(action), value3, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgHistoryOpenScan(uint32_t version, vrxgHistoryOpenStruct *params, sqlca *ca) {
    if (params == nullptr) return vrxHistoryOpenScan(version, nullptr, ca);
    const vrxgHistoryOpenStruct p = load(params);
    Borrowed borrowed;
    vrxHistoryOpenStruct core{};
    core.databaseAlias = borrowed.terminate(p.piDatabaseAlias, p.iAliasLen);
    core.timestamp = borrowed.terminate(p.piTimestamp, p.iTimestampLen);
    core.objectName = borrowed.terminate(p.piObjectName, p.iObjectNameLen);
    core.callerAction = p.iCallerAction;

    const int32_t result = vrxHistoryOpenScan(version, &core, ca);

    store(params, offsetof(vrxgHistoryOpenStruct, oNumRows), core.numRows);
    store(params, offsetof(vrxgHistoryOpenStruct, oMaxRows), core.maxRows);
    store(params, offsetof(vrxgHistoryOpenStruct, oHandle), core.handle);
    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgHistoryGetEntry(uint32_t version, vrxgHistoryGetEntryStruct *params, sqlca *ca) {
    return vrxHistoryGetEntry(version, params, ca);
}

VRX_API int32_t VRX_STDCALL vrxgHistoryCloseScan(uint32_t version, uint16_t *handle, sqlca *ca) {
    return vrxHistoryCloseScan(version, handle, ca);
}

VRX_API int32_t VRX_STDCALL vrxgHistoryUpdate(uint32_t version, vrxgHistoryUpdateStruct *params, sqlca *ca) {
    if (params == nullptr) return vrxHistoryUpdate(version, nullptr, ca);
    const vrxgHistoryUpdateStruct p = load(params);
    Borrowed borrowed;
    vrxHistoryUpdateStruct core{};
    core.entry = borrowed.terminate(p.piEntry, p.iEntryLen);
    core.newLocation = borrowed.terminate(p.piNewLocation, p.iNewLocationLen);
    core.newDeviceType = borrowed.terminate(p.piNewDeviceType, p.iNewDeviceTypeLen);
    core.value16 = p.iValue32;
    core.value20 = p.iValue36;

    const int32_t result = vrxHistoryUpdate(version, &core, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgPrune(uint32_t version, vrxgPruneStruct *params, sqlca *ca) {
    if (params == nullptr) return vrxPrune(version, nullptr, ca);
    const vrxgPruneStruct p = load(params);
    Borrowed borrowed;
    vrxPruneStruct core{};
    core.string = borrowed.terminate(p.piString, p.iStringLen);
    copy_values(core.values, p.iValues);

    const int32_t result = vrxPrune(version, &core, ca);

    borrowed.restore();
    return result;
}
