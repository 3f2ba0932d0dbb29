// Restart a database, versioned form: the four texts of the caller's
// record are terminated in place and handed to the core in a core record
// built on the stack.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "vrxplatform/control.h"

using namespace vrx;

namespace {

vrxDatabaseRestartStruct restart_to_core(const vrxgDatabaseRestartStruct &params, Borrowed &borrowed) {
    vrxDatabaseRestartStruct core{};
    core.piDbAlias = borrowed.terminate(params.piDbAlias, params.iDbAliasLen);
    core.piUserName = borrowed.terminate(params.piUserName, params.iUserNameLen);
    core.piPassword = borrowed.terminate(params.piPassword, params.iPasswordLen);
    core.piTablespaceNames = borrowed.terminate(params.piTablespaceNames, params.iTablespaceNamesLen);
    return core;
}

}  // namespace

VRX_API int32_t VRX_STDCALL vrxgDatabaseRestart(uint32_t version, vrxgDatabaseRestartStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    // Without a record there is nothing to convert; the core judges the null.
    if (params == nullptr) return vrxDatabaseRestart(version, nullptr, ca);

    Borrowed borrowed;
    vrxDatabaseRestartStruct core = restart_to_core(load(params), borrowed);
    const int32_t result = vrxDatabaseRestart(version, &core, ca);
    borrowed.restore();
    return result;
}
