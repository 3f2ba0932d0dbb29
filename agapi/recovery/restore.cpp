#include "recovery/restore.h"

#include "frame/marshal.h"
#include "recovery/backup.h"

namespace vrx::recovery {

char *terminate_timestamp(Borrowed &borrowed, char *field, std::uint32_t length) {
    if (length >= kTimestampWidth) return borrowed.terminate(field, length);
    return terminate_unsaved(field, length);
}

vrxRestoreStruct restore_to_core(std::uint32_t version, const vrxgRestoreStruct &params, Borrowed &borrowed,
                                 vrxNameList *tablespaces, vrxLocationList *media, vrxNameList *textList2) {
    vrxRestoreStruct core{};
    core.sourceDbAlias = borrowed.terminate(params.piSourceDbAlias, params.iSourceDbAliasLen);  // text 1
    core.targetDbAlias = borrowed.terminate(params.piTargetDbAlias, params.iTargetDbAliasLen);  // text 2
    core.text3 = borrowed.terminate(params.piText3, params.iText3Len);
    core.text4 = borrowed.terminate(params.piText4, params.iText4Len);
    core.userName = borrowed.terminate(params.piUserName, params.iUserNameLen);  // text 5
    core.password = borrowed.terminate(params.piPassword, params.iPasswordLen);  // text 6
    core.text7 = borrowed.terminate(params.piText7, params.iText7Len);
    core.timestamp = terminate_timestamp(borrowed, params.piTimestamp, params.iTimestampLen);
    core.tablespaces = tablespaces;
    core.media = media;
    copy_values(core.values, params.iValues);
    if (version >= VRX_VERSION_8010400) {
        core.text8 = borrowed.terminate(params.piText8, params.iText8Len);
        copy_values(core.values8010400, params.iValues8010400);
    }
    if (version >= VRX_VERSION_8020000) core.text9 = borrowed.terminate(params.piText9, params.iText9Len);
    if (version >= VRX_VERSION_8020200) core.textList2 = textList2;
    return core;
}

void put_restore_outputs(const vrxgRestoreStruct &params, const vrxRestoreStruct &core) {
    copy_output(params.poIdentifier, params.iIdentifierLen, core.identifier, kIdentifierWidth);
    blank_fill(params.poIdentifier, params.iIdentifierLen + 1u);
    blank_fill(params.piTimestamp, kTimestampWidth);
}

}  // namespace vrx::recovery
