// Restart a database, versioned form: the four texts of the caller's
// record are terminated in place and handed to the core in a core record
// built on the stack.
#include "frame/frame.h"
#include "frame/terminations.h"
#include "vrxplatform/control.h"

using namespace vrx;

namespace {

// Terminates the caller's texts in record order into `texts`.
vrxDatabaseRestartStruct restart_to_core(vrxgDatabaseRestartStruct *params, Terminations<4> &texts) {
    vrxDatabaseRestartStruct core{};
    core.piDbAlias = texts.terminate(params->piDbAlias, params->iDbAliasLen);
    core.piUserName = texts.terminate(params->piUserName, params->iUserNameLen);
    core.piPassword = texts.terminate(params->piPassword, params->iPasswordLen);
    core.piTablespaceNames = texts.terminate(params->piTablespaceNames, params->iTablespaceNamesLen);
    return core;
}

}  // namespace

VRX_API int32_t VRX_STDCALL vrxgDatabaseRestart(uint32_t version, vrxgDatabaseRestartStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    // Without a record there is nothing to convert; the core judges the null.
    Terminations<4> texts;
    vrxDatabaseRestartStruct core{};
    if (params != nullptr) core = restart_to_core(params, texts);
    const int32_t result = vrxDatabaseRestart(version, params != nullptr ? &core : nullptr, ca);

    texts.restore();
    return result;
}
