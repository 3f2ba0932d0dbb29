// Export in its three forms: three texts and plain values; the same with a
// path list and a location list terminated inline; and the versioned record
// with up to four media lists.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/media_list.h"
#include "frame/slots.h"
#include "vrxplatform/datamove.h"

using namespace vrx;

namespace {

constexpr ScratchSite kPathListSite{"sqlgexpr", 267};
constexpr ScratchSite kLocationListSite{"sqlgexpr", 301};
constexpr Tag kPositionalTag = make_tag("sqlgexpr");
constexpr Tag kVersionedTag = make_tag("VRXGEXPR");

constexpr std::uint32_t kSecondListsVersion = 9000000;

// The record as far as the caller's version has it: the second pair of
// lists exists from version 9000000 on and is not read before.
vrxgExportParms load_export(std::uint32_t version, const vrxgExportParms *params) {
    return version >= kSecondListsVersion ? load(params)
                                          : load_prefix(params, offsetof(vrxgExportParms, piPathList2));
}

// Fills the core record: texts 1, 2 and 3 terminated in place, in this
// order. A text that the check refuses ends the conversion with the
// check's result (0: all three converted).
int32_t export_to_core(const vrxgExportParms &caller, Borrowed &borrowed, vrxExportParms &core) {
    int32_t check = 0;
    core.text1 = borrowed.terminate_keeping(caller.piText1, caller.iText1Len, check);
    if (check != 0) return check;
    core.text2 = borrowed.terminate_keeping(caller.piText2, caller.iText2Len, check);
    if (check != 0) return check;
    core.text3 = borrowed.terminate_keeping(caller.piText3, caller.iText3Len, check);
    if (check != 0) return check;
    core.pathList1 = caller.piPathList1;
    core.locationList1 = caller.piLocationList1;
    core.value1 = caller.iValue1;
    core.value2 = caller.iValue2;
    core.value3 = caller.iValue3;
    core.value16 = caller.iValue16;
    core.value4 = caller.iValue4;
    core.value5 = caller.iValue5;
    core.pathList2 = caller.piPathList2;
    core.locationList2 = caller.piLocationList2;
    return 0;
}

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgexpt(slot text3Len, slot text2Len, slot text1Len, sqlca *ca, void *value4,
                                     slot value16, char *text3, void *value3, char *text2, void *value2,
                                     void *value1, char *text1) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *core3 = borrowed.terminate(text3, widen16(text3Len));
    char *core2 = borrowed.terminate(text2, widen16(text2Len));
    char *core1 = borrowed.terminate(text1, widen16(text1Len));

    const int32_t result = sqluexpt_api(core1, value1, value2, core2, value3, core3, sext16(value16), value4, ca);

    borrowed.restore();
    return result;
}

// The result is the last text check made, not the core's: the export's
// outcome reaches the caller in the sqlca.
// SQLCODE -83: a media list's scratch request refused (reported whatever the sqlca's check says)
VRX_API int32_t VRX_STDCALL sqlgexpr(slot text1Len, slot text2Len, slot text3Len, char *text1,
                                     vrxMediaList *pathList, vrxMediaList *locationList, void *value1, void *value2,
                                     char *text2, void *value3, char *text3, slot value16, void *value4,
                                     void *value5, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    MediaListSlot paths(pathList, ca, VRX_MEDIA_LOCAL), locations(locationList, ca, VRX_MEDIA_CLIENT);
    Borrowed borrowed;
    bool noArray = false;
    borrowed.add(paths);
    const int32_t pathsCheck = paths.terminate_inline(kPathListSite, &noArray);
    borrowed.add(locations);
    const int32_t locationsCheck = locations.terminate_inline(kLocationListSite, &noArray);

    int32_t result = 0;
    if (noArray) {
        result = report_no_memory_prepared(ca, kPositionalTag);
    } else if (pathsCheck != 0 || locationsCheck != 0) {
        result = locationsCheck != 0 ? locationsCheck : pathsCheck;
    } else {
        char *core2 = borrowed.terminate_keeping(text2, widen16(text2Len), result);
        char *core3 = borrowed.terminate_keeping(text3, widen16(text3Len), result);
        char *core1 = borrowed.terminate_keeping(text1, widen16(text1Len), result);

        sqluexpr_api(core1, pathList, locationList, value1, value2, core2, value3, core3, sext16(value16), value4,
                     value5, ca);
    }
    borrowed.restore();
    return result;
}

// SQLCODE -83: a media list's scratch request refused
VRX_API int32_t VRX_STDCALL vrxgExport(uint32_t version, vrxgExportParms *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    // Without a record there is nothing to convert; the core judges the null.
    if (params == nullptr) return vrxExport(version, nullptr, ca);
    const vrxgExportParms caller = load_export(version, params);

    MediaListSlot paths1(caller.piPathList1, ca, VRX_MEDIA_LOCAL);
    MediaListSlot locations1(caller.piLocationList1, ca, VRX_MEDIA_CLIENT);
    MediaListSlot paths2(caller.piPathList2, ca, VRX_MEDIA_LOCAL);
    MediaListSlot locations2(caller.piLocationList2, ca, VRX_MEDIA_CLIENT);
    Borrowed borrowed;
    int32_t result = terminate_lists(borrowed, {&paths1, &locations1, &paths2, &locations2});

    if (result == 0) {
        vrxExportParms core{};
        result = export_to_core(caller, borrowed, core);
        if (result != 0)
            set_code_and_tag(ca, kSqlNoMemory, kVersionedTag);
        else
            result = vrxExport(version, &core, ca);
    }
    borrowed.restore();
    return result;
}
