// Snapshot sizes: the versioned form hands on the caller's record, the
// older form a four-field request; a null record or list goes to the core.
#include "frame/frame.h"
#include "frame/slots.h"
#include "monitor/object_list.h"
#include "vrxplatform/monitor.h"

using namespace vrx;

namespace {

constexpr std::uint32_t kOlderVersion = 7010000;
constexpr ScratchSite kSavedBytesSite{"sqlgmnsz", 278};

std::int32_t get_snapshot_size(std::uint32_t version, void *data, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    ObjectListNames names;
    if (const std::int32_t refusal = names.terminate(objects_of(data), ca, kSavedBytesSite)) return refusal;
    const std::int32_t result = vrxGetSnapshotSize(version, data, ca);

    names.put_back();
    return result;
}

}  // namespace

// SQLCODE -1603: an object list without entries
// SQLCODE -1607: the scratch request for the names' saved bytes refused
VRX_API int32_t VRX_STDCALL vrxgGetSnapshotSize(uint32_t version, vrxgSnapshotData *data, sqlca *ca) {
    return get_snapshot_size(version, data, ca);
}

// SQLCODE -1603: an object list without entries
// SQLCODE -1607: the scratch request for the names' saved bytes refused
VRX_API int32_t VRX_STDCALL sqlgmnsz(slot /*reserved1*/, sqlca *ca, slot value2, vrxgObjectList *objects,
                                     slot /*reserved5*/, slot value3) {
    vrxSnapshotSizeRequest request{objects, value2, value3, -1};
    return get_snapshot_size(kOlderVersion, &request, ca);
}
