#include "recovery/backup.h"

#include <algorithm>
#include <cstring>

namespace vrx::recovery {

void backup_to_core(vrxBackupStruct &core, std::uint32_t version, const vrxgBackupStruct &params,
                    BackupRecordTexts &texts, vrxNameList *tablespaces, vrxLocationList *media) {
    core.dbAlias = texts.dbAlias.terminate(params.piDbAlias, params.iDbAliasLen);
    core.userName = texts.userName.terminate(params.piUserName, params.iUserNameLen);
    core.password = texts.password.terminate(params.piPassword, params.iPasswordLen);
    core.tablespaces = tablespaces;
    core.media = media;
    copy_values(core.values, params.iValues);
    if (version >= VRX_VERSION_8010200) core.value8010200 = params.iValue8010200;
    if (version >= VRX_VERSION_8010400) {
        core.text4 = texts.text4.terminate(params.piText4, params.iText4Len);
        copy_values(core.values8010400, params.iValues8010400);
    }
    if (version >= VRX_VERSION_9050000)
        copy_values(core.values9050000, params.iValues9050000);
}

void copy_output(char *area, std::uint32_t length, const char *coreText, std::uint32_t width) {
    if (area != nullptr) std::memcpy(area, coreText, std::min(length, width));
}

void put_backup_outputs(const vrxgBackupStruct &params, const vrxBackupStruct &core) {
    copy_output(params.poIdentifier, params.iIdentifierLen, core.identifier, kIdentifierWidth);
    copy_output(params.poTimestamp, params.iTimestampLen, core.timestamp, kTimestampWidth);
    blank_fill_area(params.poTimestamp, params.iTimestampLen + 1u);
    blank_fill_area(params.poIdentifier, params.iIdentifierLen + 1u);
}

}  // namespace vrx::recovery
