// Backup: the positional form with seven trailing values, and the
// versioned form.
#include "frame/caller_record.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "frame/text_list.h"
#include "recovery/backup.h"
#include "recovery/positional_lists.h"

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

// SQLCODE -83: a list's scratch request refused
VRX_API int32_t VRX_STDCALL sqlgbkp(slot dbAliasLen, slot userNameLen, slot passwordLen, slot /*ignored*/, char *dbAlias,
                                    slot value2, slot value3, slot value4, slot value5, char *identifier,
                                    char *timestamp, slot value8, vrxTablespaceList *tablespaces, vrxMediaList *media,
                                    char *userName, char *password, slot value13, slot value14, slot value15,
                                    slot value16, slot value17, slot value18, slot value19, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    PositionalLists lists;
    Borrowed borrowed;
    int32_t result = lists.terminate(tablespaces, media, ca, kPositionalSites, borrowed);
    if (result == 0) {
        char *text1 = borrowed.terminate(dbAlias, widen16(dbAliasLen));
        char *text2 = borrowed.terminate(userName, widen16(userNameLen));
        char *text3 = borrowed.terminate(password, widen16(passwordLen));

        result = sqlubkp(text1, value2, value3, value4, value5, identifier, timestamp, value8, tablespaces, media,
                         text2, text3, value13, value14, value15, value16, value17, value18, value19, ca);

        blank_fill(timestamp, kTimestampWidth);
        blank_fill(identifier, kIdentifierWidth);
    }
    borrowed.restore();
    lists.release();
    return result;
}

// SQLCODE -83: a list's scratch request refused
VRX_API int32_t VRX_STDCALL vrxgBackup(uint32_t version, vrxgBackupStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (params == nullptr || !passes_check(params, sizeof *params, CheckMode::Terminate))
        return report_no_memory(ca, kVersionedTag);
    const vrxgBackupStruct caller = load(params);

    TextListCopy tablespaceCopies, mediaCopies;
    Borrowed borrowed;
    vrxNameList tablespaces{};
    vrxLocationList media{};
    int32_t result = name_list_to_core(tablespaceCopies, borrowed, caller.piTablespaceList, tablespaces, ca,
                                       kTablespaceSites, kVersionedTag);
    if (result == 0)
        result = media_list_to_core(mediaCopies, borrowed, caller.piMediaList, media, ca, kMediaSites, kVersionedTag);
    if (result == 0) {
        vrxBackupStruct core = backup_to_core(version, caller, borrowed,
                                              caller.piTablespaceList != nullptr ? &tablespaces : nullptr,
                                              caller.piMediaList != nullptr ? &media : nullptr);

        result = vrxBackup(version, &core, ca);

        put_backup_outputs(caller, core);
    }
    borrowed.restore();
    tablespaceCopies.release();
    mediaCopies.release();
    return result;
}
