// Restore: the full positional form and the versioned form. The positional
// form reports its list failures with the backup's tags.
#include "frame/slots.h"
#include "frame/text_list.h"
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

VRX_API int32_t VRX_STDCALL sqlgrestore(slot sourceDbAliasLen, slot targetDbAliasLen, slot timestampLen,
                                        slot text3Len, slot userNameLen, slot passwordLen, slot text4Len,
                                        slot /*ignored*/, char *sourceDbAlias, char *targetDbAlias, slot value3,
                                        slot value4, slot value5, slot value6, slot value7, slot value8,
                                        char *identifier, char *timestamp, char *text3, slot value12, char *text4,
                                        vrxTablespaceList *tablespaces, vrxMediaList *media, char *userName,
                                        char *password, slot value18, slot value21, slot /*ignored*/,
                                        slot value22, slot /*ignored*/, slot value23, slot value19, slot value20,
                                        slot value24, sqlca *ca) {
    const PositionalRestore args{
        sourceDbAlias, widen16(sourceDbAliasLen), targetDbAlias, widen16(targetDbAliasLen),
        text3,         widen16(text3Len),         text4,         widen16(text4Len),
        userName,      widen16(userNameLen),      password,      widen16(passwordLen),
        identifier,    timestamp,                 widen16(timestampLen), tablespaces, media};
    return positional_restore(args, ca, kPositionalSites, [&](const RestoreTexts &t) {
        return sqlurestore(t.sourceDbAlias, t.targetDbAlias, value3, value4, value5, value6, value7, value8,
                           identifier, t.timestamp, t.text3, value12, t.text4, tablespaces, media, t.userName,
                           t.password, value18, value19, value20, value21, value22, value23, value24, ca);
    });
}

VRX_API int32_t VRX_STDCALL vrxgRestore(uint32_t version, vrxgRestoreStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (params == nullptr || !passes_check(params, sizeof *params, CheckMode::Terminate))
        return report_no_memory(ca, kVersionedTag);

    TextListCopy tablespaceCopies, mediaCopies, textList2Copies;
    vrxNameList tablespaces{}, textList2{};
    vrxLocationList media{};
    std::int32_t result =
        name_list_to_core(tablespaceCopies, params->piTablespaceList, tablespaces, ca, kTablespaceSites, kVersionedTag);
    if (result == 0)
        result = media_list_to_core(mediaCopies, params->piMediaList, media, ca, kMediaSites, kVersionedTag);
    const bool hasTextList2 = version >= VRX_VERSION_8020200 && params->piTextList2 != nullptr;
    if (result == 0 && hasTextList2)
        result = name_list_to_core(textList2Copies, params->piTextList2, textList2, ca, kTextList2Sites, kVersionedTag,
                                   EmptyList::LeaveAlone);
    if (result == 0) {
        RestoreRecordTexts texts;
        vrxRestoreStruct core{};
        restore_to_core(core, version, *params, texts, params->piTablespaceList != nullptr ? &tablespaces : nullptr,
                        params->piMediaList != nullptr ? &media : nullptr, hasTextList2 ? &textList2 : nullptr);

        result = vrxRestore(version, &core, ca);

        put_restore_outputs(*params, core);
        texts.restore();
    }
    textList2Copies.put_back();
    mediaCopies.put_back();
    tablespaceCopies.put_back();
    tablespaceCopies.release();
    mediaCopies.release();
    textList2Copies.release();
    return result;
}
