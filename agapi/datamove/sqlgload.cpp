// Load, flat and versioned: up to five media lists and every text
// terminated in place around the core call, all put back on the one
// clean-up path that every exit after the trace entry runs. Both forms are
// traced. Before a text's byte goes back its region is checked again; a
// region refused then keeps its terminator, as the library never writes
// where a check refuses.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/media_list.h"
#include "frame/slots.h"
#include "frame/tracing.h"
#include "vrxplatform/datamove.h"

using namespace vrx;

namespace {

constexpr std::uint32_t kFlatTraceId = 0x1C930069;
constexpr std::uint32_t kVersionedTraceId = 0x1C93006A;
constexpr std::int32_t kSqlBadLoadRecord = -3223;

// A flat load's text: length + 1 bytes checked for reading, then for
// termination; read-checked again before its byte goes back.
char *flat_text(Borrowed &borrowed, char *text, std::uint32_t length) {
    return borrowed.terminate_rechecked(
        text, length, {{text, length + 1u, CheckMode::ReadOnly}, {text, length + 1u, CheckMode::Terminate}},
        {text, length + 1u, CheckMode::ReadOnly});
}

// A versioned load's text: its length, then length + 1 bytes, checked for
// termination; its length checked again before its byte goes back.
char *record_text(Borrowed &borrowed, char *text, std::uint32_t length) {
    return borrowed.terminate_rechecked(
        text, length, {{text, length, CheckMode::Terminate}, {text, length + 1u, CheckMode::Terminate}},
        {text, length, CheckMode::Terminate});
}

// A nested record's text: length + 1 bytes checked for termination; before
// its byte goes back, the record that holds it is checked again.
template <class Nested>
char *nested_text(Borrowed &borrowed, char *text, std::uint32_t length, const Nested *record) {
    return borrowed.terminate_rechecked(text, length, {{text, length + 1u, CheckMode::Terminate}},
                                        {record, sizeof(Nested), CheckMode::Terminate});
}

// The texts of the nested records, the first record's, then the second's
// P1 to P6. A null record, or one its check refuses, is passed on with
// none of its texts terminated.
void terminate_nested(vrxgLoadNested1 *first, vrxgLoadNested2 *second, Borrowed &borrowed) {
    if (first != nullptr && passes_check(first, sizeof *first, CheckMode::Terminate)) {
        const vrxgLoadNested1 n = load(first);
        nested_text(borrowed, n.piTextN1, n.iTextN1Len, first);
    }
    if (second != nullptr && passes_check(second, sizeof *second, CheckMode::Terminate)) {
        const vrxgLoadNested2 n = load(second);
        char *const texts[] = {n.piTextP1, n.piTextP2, n.piTextP3, n.piTextP4, n.piTextP5, n.piTextP6};
        for (int i = 0; i < 6; ++i) nested_text(borrowed, texts[i], n.iTextLen[i], second);
    }
}

vrxLoadParms load_to_core(const vrxgLoadParms &caller, Borrowed &borrowed) {
    vrxLoadParms core{};
    core.text1 = record_text(borrowed, caller.piText1, caller.iText1Len);
    core.text2 = record_text(borrowed, caller.piText2, caller.iText2Len);
    core.text3 = record_text(borrowed, caller.piText3, caller.iText3Len);
    terminate_nested(caller.piNested1, caller.piNested2, borrowed);
    core.sourceList = caller.piSourceList;
    core.sourceList2 = caller.piSourceList2;
    core.value1 = caller.iValue1;
    core.value2 = caller.iValue2;
    core.value3 = caller.iValue3;
    core.pathList = caller.piPathList;
    core.copyTarget = caller.piCopyTarget;
    core.value4 = caller.iValue4;
    core.nested1 = caller.piNested1;
    core.value5 = caller.iValue5;
    core.nested2 = caller.piNested2;
    core.value6 = caller.iValue6;
    core.value16 = caller.iValue16;
    core.value7 = caller.iValue7;
    core.sourceList3 = caller.piSourceList3;
    return core;
}

// The versioned load between its trace records.
int32_t load_versioned(uint32_t version, vrxgLoadParms *params, sqlca *ca) {
    if (!app_data_ready_unreported()) return kSqlInitFailed;
    if (params == nullptr || !passes_check(params, sizeof *params, CheckMode::ReadOnly)) return kSqlBadLoadRecord;
    const vrxgLoadParms caller = load(params);

    MediaListSlot source(caller.piSourceList, ca, VRX_MEDIA_SERVER, 1);
    MediaListSlot source2(caller.piSourceList2, ca, VRX_MEDIA_SERVER);
    MediaListSlot source3(caller.piSourceList3, ca, VRX_MEDIA_SERVER);
    MediaListSlot paths(caller.piPathList, ca, VRX_MEDIA_LOCAL);
    MediaListSlot target = MediaListSlot::copy_target(caller.piCopyTarget, ca, CheckMode::Terminate);
    Borrowed borrowed;
    int32_t result = terminate_lists(borrowed, {&source, &source2, &source3, &paths, &target});
    if (result == 0) {
        vrxLoadParms core = load_to_core(caller, borrowed);

        result = vrxLoad(version, &core, ca);
    }
    borrowed.restore();
    return result;
}

}  // namespace

// SQLCODE -83: a media list's scratch request refused
VRX_API int32_t VRX_STDCALL sqlgload(slot text1Len, slot text2Len, slot text3Len, vrxMediaList *sourceList,
                                     vrxMediaList *sourceList2, void *value1, void *value2, char *text1,
                                     void *value3, char *text2, char *text3, slot value16, void *value4,
                                     void *value5, vrxMediaList *pathList, vrxMediaList *copyTarget, void *value6,
                                     void *value7, sqlca *ca) {
    trace_entry(kFlatTraceId);
    int32_t result = 0;
    if (app_data_ready(ca)) {
        MediaListSlot source(sourceList, ca, VRX_MEDIA_SERVER, 1), source2(sourceList2, ca, VRX_MEDIA_SERVER);
        MediaListSlot paths(pathList, ca, VRX_MEDIA_LOCAL);
        MediaListSlot target = MediaListSlot::copy_target(copyTarget, ca, CheckMode::ReadOnly);
        Borrowed borrowed;
        result = terminate_lists(borrowed, {&source, &source2, &paths, &target});
        if (result == 0) {
            char *core1 = flat_text(borrowed, text1, widen16(text1Len));
            char *core2 = flat_text(borrowed, text2, widen16(text2Len));
            char *core3 = flat_text(borrowed, text3, widen16(text3Len));

            result = sqluload_api(sourceList, sourceList2, value1, value2, core1, value3, core2, core3,
                                  sext16(value16), value4, value5, pathList, copyTarget, value6, value7, ca);
        }
        borrowed.restore();
    }
    return trace_exit(kFlatTraceId, result);
}

// SQLCODE -83: a media list's scratch request refused
// Result -3223: a null or unreadable record, the sqlca untouched
VRX_API int32_t VRX_STDCALL vrxgLoad(uint32_t version, vrxgLoadParms *params, sqlca *ca) {
    trace_entry(kVersionedTraceId);
    const int32_t result = load_versioned(version, params, ca);
    return trace_exit(kVersionedTraceId, result);
}
