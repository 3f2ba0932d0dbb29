// Log archiving, versioned form: the three texts terminated in place around
// the core call, without initialisation or scratch memory.
#include "frame/marshal.h"
#include "vrxplatform/recovery.h"

using namespace vrx;

namespace {

// Reads the caller's record; the texts are terminated in order.
struct ArchiveLogTexts {
    TerminationSlot dbAlias, userName, password;

    void restore() {
        password.restore();
        userName.restore();
        dbAlias.restore();
    }
};

void archive_log_to_core(vrxArchiveLogStruct &core, const vrxgArchiveLogStruct &params, ArchiveLogTexts &texts) {
    core.dbAlias = texts.dbAlias.terminate(params.piDbAlias, params.iDbAliasLen);
    core.userName = texts.userName.terminate(params.piUserName, params.iUserNameLen);
    core.password = texts.password.terminate(params.piPassword, params.iPasswordLen);
    core.value1 = params.iValue1;
    core.value2 = params.iValue2;
    core.value3 = params.iValue3;
    core.value4 = params.iValue4;
}

}  // namespace

// A null record reaches the core as a null record, for it to report.
VRX_API int32_t VRX_STDCALL vrxgArchiveLog(uint32_t version, vrxgArchiveLogStruct *params, sqlca *ca) {
    if (params == nullptr) return vrxArchiveLog(version, nullptr, ca);

    ArchiveLogTexts texts;
    vrxArchiveLogStruct core{};
    archive_log_to_core(core, *params, texts);
    const std::int32_t result = vrxArchiveLog(version, &core, ca);
    texts.restore();
    return result;
}
