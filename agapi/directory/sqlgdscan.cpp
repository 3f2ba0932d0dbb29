// Database directory scan, positional and versioned: open a scan, get the
// next entry, close the scan. The versioned forms and the positional close
// run the guarded frame; the core records are built on the stack and their
// outputs reach the caller's record only after a core result of 0.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/directory.h"

using namespace vrx;

namespace {

constexpr Tag kOpenTag = make_tag("SQLGDOSD");
constexpr Tag kNextTag = make_tag("SQLGDGNE");
constexpr Tag kCloseTag = make_tag("SQLGDCLS");

// The positional close has no version of its own.
constexpr uint32_t kCloseScanVersion = 8020000;

void put_open_scan_outputs(vrxgDbDirOpenScanStruct *params, const vrxDbDirOpenScanStruct &core) {
    store(params, offsetof(vrxgDbDirOpenScanStruct, oHandle), core.oHandle);
    store(params, offsetof(vrxgDbDirOpenScanStruct, oNumEntries), core.oNumEntries);
}

void put_next_entry_outputs(vrxgDbDirNextEntryStruct *params, const vrxDbDirNextEntryStruct &core) {
    store(params, offsetof(vrxgDbDirNextEntryStruct, poDbDirEntry), core.poDbDirEntry);
}

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgdosd(slot pathLen, sqlca *ca, uint16_t *numEntries, uint16_t *handle, char *path) {
    if (!app_data_ready(ca)) return 0;

    // The core writes the handle and the entry count straight into the caller's storage.
    Borrowed borrowed;
    const int32_t result = sqledosd_api(borrowed.terminate(path, widen16(pathLen)), handle, numEntries, ca);

    borrowed.restore();
    return result;
}

// Passed straight through: no initialisation, nothing converted.
VRX_API int32_t VRX_STDCALL sqlgdgne(slot handle, vrxDbDirEntry **entry, sqlca *ca) {
    return sqledgne_api(widen16(handle), entry, ca);
}

VRX_API int32_t VRX_STDCALL sqlgdcls(slot handle, sqlca *ca) {
    if (auto refused = guarded_refusal(ca, kCloseTag)) return *refused;

    vrxDbDirCloseScanStruct core{static_cast<uint16_t>(widen16(handle))};
    return vrxDbDirCloseScan(kCloseScanVersion, &core, ca);
}

VRX_API int32_t VRX_STDCALL vrxgDbDirOpenScan(uint32_t version, vrxgDbDirOpenScanStruct *params, sqlca *ca) {
    if (auto refused = guarded_refusal(ca, params, kOpenTag)) return *refused;

    const vrxgDbDirOpenScanStruct caller = load(params);
    Borrowed borrowed;
    vrxDbDirOpenScanStruct core{borrowed.terminate(caller.piPath, caller.iPathLen), 0, 0};
    const int32_t result = vrxDbDirOpenScan(version, &core, ca);
    if (result == 0) put_open_scan_outputs(params, core);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgDbDirGetNextEntry(uint32_t version, vrxgDbDirNextEntryStruct *params, sqlca *ca) {
    if (auto refused = guarded_refusal(ca, params, kNextTag)) return *refused;

    vrxDbDirNextEntryStruct core{load(params).iHandle, 0, nullptr};
    const int32_t result = vrxDbDirGetNextEntry(version, &core, ca);
    if (result == 0) put_next_entry_outputs(params, core);
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgDbDirCloseScan(uint32_t version, vrxgDbDirCloseScanStruct *params, sqlca *ca) {
    if (auto refused = guarded_refusal(ca, params, kCloseTag)) return *refused;

    vrxDbDirCloseScanStruct core{load(params).iHandle};
    return vrxDbDirCloseScan(version, &core, ca);
}
