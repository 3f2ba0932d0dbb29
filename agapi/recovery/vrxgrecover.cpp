// Recover, versioned only: its texts validated and terminated, the core
// record built, one core call. It never initialises and takes no scratch.
#include "frame/caller_record.h"
#include "frame/marshal.h"
#include "recovery/parameter_error.h"
#include "vrxplatform/rollforward.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {

vrxRecoverStruct recover_to_core(const vrxgRecoverStruct &p) {
    vrxRecoverStruct core{};
    core.sourceDbAlias = p.piSourceDBAlias;
    core.userName = p.piUserName;
    core.password = p.piPassword;
    copy_values(core.values12, p.iValues24);
    core.stopTime = p.piStopTime;
    core.overflowLogPath = p.piOverflowLogPath;
    copy_values(core.values36, p.iValues56);
    core.historyFile = p.piHistoryFile;
    copy_values(core.values64, p.iValues88);
    core.comprLibrary = p.piComprLibrary;
    copy_values(core.values76, p.iValues104);
    return core;
}

}  // namespace

// SQLCODE -1022: a null record (result 0)
// SQLCODE -83: a text the library may not read (its name in the message tokens); result -2032
//   when the sqlca may not be used
VRX_API int32_t VRX_STDCALL vrxgRecover(uint32_t version, vrxgRecoverStruct *params, sqlca *ca) {
    if (params == nullptr) {
        if (ca != nullptr) set_sqlcode(ca, kSqlInitFailed);
        return 0;
    }
    const vrxgRecoverStruct p = load(params);

    Borrowed borrowed;
    const NamedText texts[] = {
        {p.piSourceDBAlias, p.iSourceDBAliasLen, "piSourceDBAlias"},
        {p.piUserName, p.iUserNameLen, "piUserName"},
        {p.piPassword, p.iPasswordLen, "piPassword"},
        {p.piStopTime, p.iStopTimeLen, "piStopTime"},
        {p.piOverflowLogPath, p.iOverflowLogPathLen, "piOverflowLogPath"},
        {p.piHistoryFile, p.iHistoryFileLen, "piHistoryFile"},
        {p.piComprLibrary, p.iComprLibraryLen, "piComprLibrary"},
    };
    if (const char *failed = terminate_named(borrowed, texts)) {
        borrowed.restore();
        return report_parameter_error(ca, kRecoverErrors, failed);
    }
    vrxRecoverStruct core = recover_to_core(p);

    const int32_t result = vrxRecover(version, &core, ca);

    borrowed.restore();
    return result;
}
