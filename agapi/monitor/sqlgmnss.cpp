// Snapshots: the versioned form hands on the caller's record, the older
// form a six-field request built from its arguments; both reach one worker
// that runs the standard frame around the object names.
#include "frame/frame.h"
#include "frame/slots.h"
#include "monitor/object_list.h"
#include "vrxplatform/monitor.h"
#include "vrxplatform/services.h"

using namespace vrx;

namespace {

constexpr std::uint32_t kOlderVersion = 6010000;
constexpr std::int32_t kSqlMissingParameter = -1601;
constexpr ScratchSite kSavedBytesSite{"sqlgmnss", 403};
constexpr char kFunctionName[] = "vrxgGetSnapshot";
constexpr char kParameterName[] = "data";

// A missing snapshot record: sqlcode, then the core names the parameter in
// the message tokens; sqlerrp is left alone and the result is 0.
std::int32_t report_missing_record(sqlca *ca) {
    if (ca != nullptr) set_sqlcode(ca, kSqlMissingParameter);
    sqlmprca(kFunctionName, sizeof kParameterName - 1, kParameterName, ca);
    return 0;
}

std::int32_t get_snapshot(std::uint32_t version, void *data, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (data == nullptr) return report_missing_record(ca);

    ObjectListNames names;
    if (const std::int32_t refusal = names.terminate(objects_of(data), ca, kSavedBytesSite)) return refusal;
    const std::int32_t result = vrxGetSnapshot(version, data, ca);

    names.put_back();
    return result;
}

}  // namespace

// SQLCODE -1601: a null snapshot record (result 0)
// SQLCODE -1603: an object list without entries
// SQLCODE -1607: the scratch request for the names' saved bytes refused
VRX_API int32_t VRX_STDCALL vrxgGetSnapshot(uint32_t version, vrxgSnapshotData *data, sqlca *ca) {
    return get_snapshot(version, data, ca);
}

// Field 4 of the request is the eighth argument, field 5 the fifth.
// SQLCODE -1603: an object list without entries
// SQLCODE -1607: the scratch request for the names' saved bytes refused
VRX_API int32_t VRX_STDCALL sqlgmnss(slot /*reserved1*/, sqlca *ca, slot value2, slot value3, slot value5,
                                     vrxgObjectList *objects, slot /*reserved7*/, slot value4) {
    vrxSnapshotRequest request{objects, value2, value3, value4, value5, 0};
    return get_snapshot(kOlderVersion, &request, ca);
}
