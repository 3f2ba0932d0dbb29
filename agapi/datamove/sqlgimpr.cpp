// Import in its three forms: three texts and plain values; the same with a
// path list terminated inline; and the versioned record with two path
// lists. A text the check refuses is passed on unterminated in every form.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/media_list.h"
#include "frame/slots.h"
#include "vrxplatform/datamove.h"

using namespace vrx;

namespace {

constexpr ScratchSite kPathListSite{"sqlgimpr", 226};
constexpr Tag kPositionalTag = make_tag("sqlgimpr");

// Fills the zeroed core record: texts 1, 2 and 3 terminated in place, in
// this order; the lists as the caller gave them.
void import_to_core(const vrxgImportParms &caller, Borrowed &borrowed, vrxImportParms &core) {
    core.text1 = borrowed.terminate(caller.piText1, caller.iText1Len);
    core.text2 = borrowed.terminate(caller.piText2, caller.iText2Len);
    core.text3 = borrowed.terminate(caller.piText3, caller.iText3Len);
    core.pathList1 = caller.piPathList1;
    core.value1 = caller.iValue1;
    core.value2 = caller.iValue2;
    core.value3 = caller.iValue3;
    core.value16 = caller.iValue16;
    core.value4 = caller.iValue4;
    core.value5 = caller.iValue5;
    core.value6 = caller.iValue6;
    core.pathList2 = caller.piPathList2;
    core.value7 = caller.iValue7;
}

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgimpt(slot text3Len, slot text2Len, slot text1Len, sqlca *ca, void *value5,
                                     void *value4, slot value16, char *text3, void *value3, char *text2,
                                     void *value2, void *value1, char *text1) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *core3 = borrowed.terminate(text3, widen16(text3Len));
    char *core2 = borrowed.terminate(text2, widen16(text2Len));
    char *core1 = borrowed.terminate(text1, widen16(text1Len));

    const int32_t result =
        sqluimpt_api(core1, value1, value2, core2, value3, core3, sext16(value16), value4, value5, ca);

    borrowed.restore();
    return result;
}

// The result is the last text check made, not the core's: the import's
// outcome reaches the caller in the sqlca.
// SQLCODE -83: the path list's scratch request refused
VRX_API int32_t VRX_STDCALL sqlgimpr(slot text1Len, slot text2Len, slot text3Len, char *text1,
                                     vrxMediaList *pathList, void *value1, void *value2, char *text2, void *value3,
                                     char *text3, slot value16, void *value4, void *value5, void *value6,
                                     void *value7, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    MediaListSlot paths(pathList, ca, VRX_MEDIA_LOCAL);
    Borrowed borrowed;
    bool noArray = false;
    borrowed.add(paths);
    int32_t result = paths.terminate_inline(kPathListSite, &noArray);
    if (noArray) {
        result = report_no_memory(ca, kPositionalTag);
    } else if (result == 0) {
        char *core2 = borrowed.terminate_keeping(text2, widen16(text2Len), result);
        char *core3 = borrowed.terminate_keeping(text3, widen16(text3Len), result);
        char *core1 = borrowed.terminate_keeping(text1, widen16(text1Len), result);

        sqluimpr_api(core1, pathList, value1, value2, core2, value3, core3, sext16(value16), value4, value5, value6,
                     value7, ca);
    }
    borrowed.restore();
    return result;
}

// SQLCODE -83: a media list's scratch request refused
VRX_API int32_t VRX_STDCALL vrxgImport(uint32_t version, vrxgImportParms *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    // Without a record there is nothing to convert; the core judges the null.
    if (params == nullptr) return vrxImport(version, nullptr, ca);
    const vrxgImportParms caller = load(params);

    MediaListSlot paths1(caller.piPathList1, ca, VRX_MEDIA_LOCAL), paths2(caller.piPathList2, ca, VRX_MEDIA_LOCAL);
    Borrowed borrowed;
    int32_t result = terminate_lists(borrowed, {&paths1, &paths2});
    if (result == 0) {
        vrxImportParms core{};
        import_to_core(caller, borrowed, core);

        result = vrxImport(version, &core, ca);
    }
    borrowed.restore();
    return result;
}
