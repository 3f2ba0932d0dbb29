// Log archiving, versioned form: the three texts terminated in place around
// the core call, without initialisation or scratch memory.
#include "frame/caller_record.h"
#include "frame/marshal.h"
#include "vrxplatform/recovery.h"

using namespace vrx;

namespace {

vrxArchiveLogStruct archive_log_to_core(const vrxgArchiveLogStruct &params, Borrowed &borrowed) {
    vrxArchiveLogStruct core{};
    core.dbAlias = borrowed.terminate(params.piDbAlias, params.iDbAliasLen);       // text 1
    core.userName = borrowed.terminate(params.piUserName, params.iUserNameLen);    // text 2
    core.password = borrowed.terminate(params.piPassword, params.iPasswordLen);    // text 3
    core.value1 = params.iValue1;
    core.value2 = params.iValue2;
    core.value3 = params.iValue3;
    core.value4 = params.iValue4;
    return core;
}

}  // namespace

// A null record reaches the core as a null record, for it to report.
VRX_API int32_t VRX_STDCALL vrxgArchiveLog(uint32_t version, vrxgArchiveLogStruct *params, sqlca *ca) {
    if (params == nullptr) return vrxArchiveLog(version, nullptr, ca);

    Borrowed borrowed;
    vrxArchiveLogStruct core = archive_log_to_core(load(params), borrowed);
    const int32_t result = vrxArchiveLog(version, &core, ca);
    borrowed.restore();
    return result;
}
