#include "recovery/restore.h"

namespace vrx::recovery {

char *TimestampTermination::terminate(char *field, std::uint32_t length) {
    if (length >= kTimestampWidth) return beyond_.terminate(field, length);
    if (field != nullptr && passes_check(field, length + 1u, CheckMode::Terminate)) field[length] = '\0';
    return field;
}

void RestoreRecordTexts::restore() {
    text9.restore();
    text8.restore();
    timestamp.restore();
    text7.restore();
    password.restore();
    userName.restore();
    text4.restore();
    text3.restore();
    targetDbAlias.restore();
    sourceDbAlias.restore();
}

void restore_to_core(vrxRestoreStruct &core, std::uint32_t version, const vrxgRestoreStruct &params,
                     RestoreRecordTexts &texts, vrxNameList *tablespaces, vrxLocationList *media,
                     vrxNameList *textList2) {
    core.sourceDbAlias = texts.sourceDbAlias.terminate(params.piSourceDbAlias, params.iSourceDbAliasLen);
    core.targetDbAlias = texts.targetDbAlias.terminate(params.piTargetDbAlias, params.iTargetDbAliasLen);
    core.text3 = texts.text3.terminate(params.piText3, params.iText3Len);
    core.text4 = texts.text4.terminate(params.piText4, params.iText4Len);
    core.userName = texts.userName.terminate(params.piUserName, params.iUserNameLen);
    core.password = texts.password.terminate(params.piPassword, params.iPasswordLen);
    core.text7 = texts.text7.terminate(params.piText7, params.iText7Len);
    core.timestamp = texts.timestamp.terminate(params.piTimestamp, params.iTimestampLen);
    core.tablespaces = tablespaces;
    core.media = media;
    copy_values(core.values, params.iValues);
    if (version >= VRX_VERSION_8010400) {
        core.text8 = texts.text8.terminate(params.piText8, params.iText8Len);
        copy_values(core.values8010400, params.iValues8010400);
    }
    if (version >= VRX_VERSION_8020000) core.text9 = texts.text9.terminate(params.piText9, params.iText9Len);
    if (version >= VRX_VERSION_8020200) core.textList2 = textList2;
}

void put_restore_outputs(const vrxgRestoreStruct &params, const vrxRestoreStruct &core) {
    copy_output(params.poIdentifier, params.iIdentifierLen, core.identifier, kIdentifierWidth);
    blank_fill_area(params.poIdentifier, params.iIdentifierLen + 1u);
    blank_fill_area(params.piTimestamp, kTimestampWidth);
}

}  // namespace vrx::recovery
