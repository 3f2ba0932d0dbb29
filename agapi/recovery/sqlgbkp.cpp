// Backup: the positional form with seven trailing values, and the
// versioned form.
#include "frame/slots.h"
#include "frame/text_list.h"
#include "recovery/backup.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {

constexpr Tag kPositionalTag = make_tag("sqlgbkp");
constexpr PositionalSites kPositionalSites{
    {"sqlgbkp", 126}, kPositionalTag, {"sqlgbkp", 160}, kPositionalTag, {"sqlgbkp", 191}, kPositionalTag,
};

constexpr Tag kVersionedTag = make_tag("vrxgBack");
constexpr TextListSites kTablespaceSites{{"sqlgbkp", 446}, {"sqlgbkp", 450}, {"sqlgbkp", 470}};
constexpr TextListSites kMediaSites{{"sqlgbkp", 519}, {"sqlgbkp", 523}, {"sqlgbkp", 543}};

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgbkp(slot dbAliasLen, slot userNameLen, slot passwordLen, slot /*ignored*/,
                                    char *dbAlias, slot value2, slot value3, slot value4, slot value5,
                                    char *identifier, char *timestamp, slot value8, vrxTablespaceList *tablespaces,
                                    vrxMediaList *media, char *userName, char *password, slot value13,
                                    slot value14, slot value15, slot value16, slot value17, slot value18,
                                    slot value19, sqlca *ca) {
    const PositionalBackup args{dbAlias,  widen16(dbAliasLen), userName,   widen16(userNameLen), password,
                                widen16(passwordLen), identifier, timestamp, tablespaces, media};
    return positional_backup(args, ca, kPositionalSites, [&](const BackupTexts &texts) {
        return sqlubkp(texts.dbAlias, value2, value3, value4, value5, identifier, timestamp, value8, tablespaces,
                       media, texts.userName, texts.password, value13, value14, value15, value16, value17, value18,
                       value19, ca);
    });
}

VRX_API int32_t VRX_STDCALL vrxgBackup(uint32_t version, vrxgBackupStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (params == nullptr || !passes_check(params, sizeof *params, CheckMode::Terminate))
        return report_no_memory(ca, kVersionedTag);

    TextListCopy tablespaceCopies, mediaCopies;
    vrxNameList tablespaces{};
    vrxLocationList media{};
    std::int32_t result =
        name_list_to_core(tablespaceCopies, params->piTablespaceList, tablespaces, ca, kTablespaceSites, kVersionedTag);
    if (result == 0)
        result = media_list_to_core(mediaCopies, params->piMediaList, media, ca, kMediaSites, kVersionedTag);
    if (result == 0) {
        BackupRecordTexts texts;
        vrxBackupStruct core{};
        backup_to_core(core, version, *params, texts, params->piTablespaceList != nullptr ? &tablespaces : nullptr,
                       params->piMediaList != nullptr ? &media : nullptr);

        result = vrxBackup(version, &core, ca);

        put_backup_outputs(*params, core);
        texts.restore();
    }
    mediaCopies.put_back();
    tablespaceCopies.put_back();
    tablespaceCopies.release();
    mediaCopies.release();
    return result;
}
