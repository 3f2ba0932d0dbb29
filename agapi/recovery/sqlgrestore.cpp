// Restore: the full positional form and the versioned form. The positional
// form reports its list failures with the backup's tags.
#include "frame/caller_record.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "frame/text_list.h"
#include "recovery/backup.h"
#include "recovery/positional_lists.h"
#include "recovery/restore.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {

constexpr PositionalSites kPositionalSites{
    {"sqlgrestore", 240}, make_tag("sqlgbkup"), {"sqlgrestore", 274}, make_tag("sqlgload"),
    {"sqlgrestore", 305}, make_tag("sqlgbkup"),
};

constexpr Tag kVersionedTag = make_tag("vrxgRest");
constexpr TextListSites kTablespaceSites{{"sqlgrestore", 514}, {"sqlgrestore", 518}, {"sqlgrestore", 538}};
constexpr TextListSites kMediaSites{{"sqlgrestore", 586}, {"sqlgrestore", 590}, {"sqlgrestore", 610}};
constexpr TextListSites kTextList2Sites{{"sqlgrestore", 698}, {"sqlgrestore", 703}, {"sqlgrestore", 729}};

}  // namespace

// SQLCODE -83: a list's scratch request refused
VRX_API int32_t VRX_STDCALL sqlgrestore(slot sourceDbAliasLen, slot targetDbAliasLen, slot timestampLen,
                                        slot text3Len, slot userNameLen, slot passwordLen, slot text4Len,
                                        slot /*ignored*/, char *sourceDbAlias, char *targetDbAlias, slot value3,
                                        slot value4, slot value5, slot value6, slot value7, slot value8,
                                        char *identifier, char *timestamp, char *text3, slot value12, char *text4,
                                        vrxTablespaceList *tablespaces, vrxMediaList *media, char *userName,
                                        char *password, slot value18, slot value21, slot /*ignored*/,
                                        slot value22, slot /*ignored*/, slot value23, slot value19, slot value20,
                                        slot value24, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    PositionalLists lists;
    Borrowed borrowed;
    int32_t result = lists.terminate(tablespaces, media, ca, kPositionalSites, borrowed);
    if (result == 0) {
        char *text1 = borrowed.terminate(sourceDbAlias, widen16(sourceDbAliasLen));
        char *text2 = borrowed.terminate(targetDbAlias, widen16(targetDbAliasLen));
        char *coreText3 = borrowed.terminate(text3, widen16(text3Len));
        char *coreText4 = borrowed.terminate(text4, widen16(text4Len));
        char *text5 = borrowed.terminate(userName, widen16(userNameLen));
        char *text6 = borrowed.terminate(password, widen16(passwordLen));
        char *coreTimestamp = terminate_timestamp(borrowed, timestamp, widen16(timestampLen));

        result = sqlurestore(text1, text2, value3, value4, value5, value6, value7, value8, identifier, coreTimestamp,
                             coreText3, value12, coreText4, tablespaces, media, text5, text6, value18, value19,
                             value20, value21, value22, value23, value24, ca);

        blank_fill(identifier, kIdentifierWidth);
        blank_fill(timestamp, kTimestampWidth);
    }
    borrowed.restore();
    lists.release();
    return result;
}

// SQLCODE -83: a list's scratch request refused
VRX_API int32_t VRX_STDCALL vrxgRestore(uint32_t version, vrxgRestoreStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (params == nullptr || !passes_check(params, sizeof *params, CheckMode::Terminate))
        return report_no_memory(ca, kVersionedTag);
    const vrxgRestoreStruct caller = load(params);

    TextListCopy tablespaceCopies, mediaCopies, textList2Copies;
    Borrowed borrowed;
    vrxNameList tablespaces{}, textList2{};
    vrxLocationList media{};
    int32_t result = name_list_to_core(tablespaceCopies, borrowed, caller.piTablespaceList, tablespaces, ca,
                                       kTablespaceSites, kVersionedTag);
    if (result == 0)
        result = media_list_to_core(mediaCopies, borrowed, caller.piMediaList, media, ca, kMediaSites, kVersionedTag);
    const bool hasTextList2 = version >= VRX_VERSION_8020200 && caller.piTextList2 != nullptr;
    if (result == 0 && hasTextList2)
        result = name_list_to_core(textList2Copies, borrowed, caller.piTextList2, textList2, ca, kTextList2Sites,
                                   kVersionedTag, EmptyList::LeaveAlone);
    if (result == 0) {
        vrxRestoreStruct core = restore_to_core(version, caller, borrowed,
                                                caller.piTablespaceList != nullptr ? &tablespaces : nullptr,
                                                caller.piMediaList != nullptr ? &media : nullptr,
                                                hasTextList2 ? &textList2 : nullptr);

        result = vrxRestore(version, &core, ca);

        put_restore_outputs(caller, core);
    }
    borrowed.restore();
    tablespaceCopies.release();
    mediaCopies.release();
    textList2Copies.release();
    return result;
}
