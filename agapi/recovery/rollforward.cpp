// Rollforward: the positional form widens its records into the versioned
// ones; both forms then run one conversion. Every text is validated before
// it is terminated, and a text the library may not read is reported by its
// parameter name.
#include <cstddef>
#include <optional>

#include "frame/caller_record.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "recovery/parameter_error.h"
#include "recovery/positional_lists.h"
#include "vrxplatform/rollforward.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {

constexpr std::uint32_t kPositionalVersion = 8010000;
constexpr ScratchSite kTablespaceSite{"sqlgroll", 368};
constexpr std::uint32_t kApplicationIdWidth = 33;

vrxRfwdInputStruct rollforward_input_to_core(const vrxgRfwdInputStruct &in) {
    vrxRfwdInputStruct core{};
    core.value0 = in.iValue28;
    core.dbAlias = in.piDbAlias;
    core.value8 = in.iValue36;
    core.stopTime = in.piStopTime;
    core.userName = in.piUserName;
    core.password = in.piPassword;
    core.overflowLogPath = in.piOverflowLogPath;
    copy_values(core.values28, in.iValues56);
    core.tablespaces = in.piTablespaceList;
    copy_values(core.values44, in.iValues72);
    core.droppedTblID = in.piDroppedTblID;
    core.exportDir = in.piExportDir;
    core.value68 = in.iValue96;
    return core;
}

// Zero-filled, then the caller's first three words.
vrxRfwdOutputStruct rollforward_output_to_core(const vrxgRfwdOutputStruct &out) {
    vrxRfwdOutputStruct core{};
    core.applicationId = out.poApplicationId;
    core.value4 = out.pvValue4;
    core.value8 = out.pvValue8;
    return core;
}

// The positional record widened: 16-bit lengths and values zero-extended,
// signed ones sign-extended; the dropped table and the export directory
// have no length field and get 0.
vrxgRfwdInputStruct positional_to_versioned(const vrxRfwdPositionalInput &p) {
    vrxgRfwdInputStruct in{};
    in.iDbAliasLen = p.dbAliasLen;
    in.iStopTimeLen = p.stopTimeLen;
    in.iUserNameLen = p.userNameLen;
    in.iPasswordLen = p.passwordLen;
    in.iOverflowLogPathLen = p.overflowLogPathLen;
    in.iValue28 = p.value12;
    in.piDbAlias = p.dbAlias;
    in.iValue36 = p.value20;
    in.piStopTime = p.stopTime;
    in.piUserName = p.userName;
    in.piPassword = p.password;
    in.piOverflowLogPath = p.overflowLogPath;
    in.iValues56[0] = p.value40;
    in.iValues56[1] = p.value44;
    in.iValues56[2] = p.value48;
    in.piTablespaceList = p.tablespaces;
    in.iValues72[0] = static_cast<std::uint32_t>(std::int32_t{p.value56});
    in.iValues72[1] = static_cast<std::uint32_t>(std::int32_t{p.value58});
    in.iValues72[2] = p.value60;
    in.iValues72[3] = static_cast<std::uint32_t>(std::int32_t{p.value64});
    in.piDroppedTblID = p.droppedTblID;
    in.piExportDir = p.exportDir;
    return in;
}

// The conversion both forms run. A null input or output record reaches the
// core as null: no text, list or area of it is touched.
std::int32_t rollforward(std::uint32_t version, vrxgRfwdInputStruct *input, vrxgRfwdOutputStruct *output,
                         sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    const vrxgRfwdInputStruct in = input != nullptr ? load(input) : vrxgRfwdInputStruct{};
    const vrxgRfwdOutputStruct out = output != nullptr ? load(output) : vrxgRfwdOutputStruct{};

    TablespaceListTermination list;
    Borrowed borrowed;
    if (input != nullptr) {
        const NamedText texts[] = {
            {in.piDbAlias, in.iDbAliasLen, "piDbAlias"},
            {in.piUserName, in.iUserNameLen, "piUserName"},
            {in.piPassword, in.iPasswordLen, "piPassword"},
            {in.piStopTime, in.iStopTimeLen, "piStopTime"},
            {in.piOverflowLogPath, in.iOverflowLogPathLen, "piOverflowLogPath"},
            {in.piDroppedTblID, in.iDroppedTblIDLen, "piDroppedTblID"},
            {in.piExportDir, in.iExportDirLen, "piExportDir"},
        };
        if (const char *failed = terminate_named(borrowed, texts)) {
            borrowed.restore();
            return report_parameter_error(ca, kRollforwardErrors, failed);
        }
    }
    borrowed.add(list);
    const std::optional<std::int32_t> listed = list.terminate(in.piTablespaceList, kTablespaceSite);
    if (!listed) {
        borrowed.restore();
        return report_parameter_error(ca, kRollforwardErrors, "piTablespaceList");
    }

    std::int32_t result = *listed;
    if (result == 0) {
        vrxRfwdInputStruct coreInput = rollforward_input_to_core(in);
        vrxRfwdOutputStruct coreOutput = rollforward_output_to_core(out);
        vrxRollforwardStruct core{input != nullptr ? &coreInput : nullptr, output != nullptr ? &coreOutput : nullptr};

        result = vrxRollforward(version, &core, ca);

        if (version >= VRX_VERSION_9000000 && output != nullptr)
            store(output, offsetof(vrxgRfwdOutputStruct, oValue12), coreOutput.value12);
    }
    borrowed.restore();
    list.release();
    blank_fill(out.poApplicationId, kApplicationIdWidth);
    return result;
}

}  // namespace

// SQLCODE -83: a text the library may not read (its name in the message tokens), or the table
//   space list's scratch request refused
VRX_API int32_t VRX_STDCALL sqlgroll(vrxRfwdPositionalInput *input, vrxRfwdPositionalOutput *output, sqlca *ca) {
    vrxgRfwdInputStruct in{};
    if (input != nullptr) in = positional_to_versioned(load(input));
    vrxgRfwdOutputStruct out{};
    if (output != nullptr) {
        const vrxRfwdPositionalOutput words = load(output);
        out = {words.applicationId, words.value4, words.value8, 0};
    }
    return rollforward(kPositionalVersion, input != nullptr ? &in : nullptr, output != nullptr ? &out : nullptr, ca);
}

// SQLCODE -1022: a null record (result 0)
// SQLCODE -83: a text the library may not read (its name in the message tokens), or the table
//   space list's scratch request refused
VRX_API int32_t VRX_STDCALL vrxgRollforward(uint32_t version, vrxgRollforwardStruct *params, sqlca *ca) {
    if (params == nullptr) {
        if (ca != nullptr) set_sqlcode(ca, kSqlInitFailed);
        return 0;
    }
    const vrxgRollforwardStruct p = load(params);
    return rollforward(version, p.piRfwdInput, p.poRfwdOutput, ca);
}
