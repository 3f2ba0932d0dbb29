#include "recovery/backup.h"

#include "frame/marshal.h"

namespace vrx::recovery {

vrxBackupStruct backup_to_core(std::uint32_t version, const vrxgBackupStruct &params, Borrowed &borrowed,
                               vrxNameList *tablespaces, vrxLocationList *media) {
    vrxBackupStruct core{};
    core.dbAlias = borrowed.terminate(params.piDbAlias, params.iDbAliasLen);          // text 1
    core.userName = borrowed.terminate(params.piUserName, params.iUserNameLen);       // text 2
    core.password = borrowed.terminate(params.piPassword, params.iPasswordLen);       // text 3
    core.tablespaces = tablespaces;
    core.media = media;
    copy_values(core.values, params.iValues);
    if (version >= VRX_VERSION_8010200) core.value8010200 = params.iValue8010200;
    if (version >= VRX_VERSION_8010400) {
        core.text4 = borrowed.terminate(params.piText4, params.iText4Len);
        copy_values(core.values8010400, params.iValues8010400);
    }
    if (version >= VRX_VERSION_9050000) copy_values(core.values9050000, params.iValues9050000);
    return core;
}

void put_backup_outputs(const vrxgBackupStruct &params, const vrxBackupStruct &core) {
    copy_output(params.poIdentifier, params.iIdentifierLen, core.identifier, kIdentifierWidth);
    copy_output(params.poTimestamp, params.iTimestampLen, core.timestamp, kTimestampWidth);
    blank_fill(params.poTimestamp, params.iTimestampLen + 1u);
    blank_fill(params.poIdentifier, params.iIdentifierLen + 1u);
}

}  // namespace vrx::recovery
