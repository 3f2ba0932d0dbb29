// Reorganisation in its flat and versioned forms, the one-text query and
// utility control: texts terminated in place, one core call, texts put back.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/maintenance.h"

using namespace vrx;

namespace {

// Types 1 and 2 carry a third text; every other type leaves offsets 36 and
// 40 of the caller's record unread and text 3 null in the core's record.
bool has_third_text(std::uint32_t type) { return type == 1 || type == 2; }

vrxReorgParms reorg_to_core(const vrxgReorgParms &params, Borrowed &borrowed) {
    vrxReorgParms core{};
    core.iReorgType = params.iReorgType;
    copy_values(core.iValues, params.iValues);
    core.piText1 = borrowed.terminate(params.piText1, params.iText1Len);
    core.piText2 = borrowed.terminate(params.piText2, params.iText2Len);
    if (has_third_text(params.iReorgType)) core.piText3 = borrowed.terminate(params.piText3, params.iText3Len);
    return core;
}

}  // namespace

// Given text 3, 2, 1 (terminated in that order); the core takes 1, 2, 3.
VRX_API int32_t VRX_STDCALL sqlgreot(slot text3Len, slot text2Len, slot text1Len, sqlca *ca, char *text3,
                                     char *text2, char *text1) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *core3 = borrowed.terminate(text3, widen16(text3Len));
    char *core2 = borrowed.terminate(text2, widen16(text2Len));
    char *core1 = borrowed.terminate(text1, widen16(text1Len));
    const int32_t result = sqlureot_api(core1, core2, core3, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgReorg(uint32_t version, vrxgReorgParms *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    // Without a record there is nothing to convert; the core judges the null.
    if (params == nullptr) return vrxReorg(version, nullptr, ca);

    Borrowed borrowed;
    vrxReorgParms core = reorg_to_core(load(params), borrowed);
    const int32_t result = vrxReorg(version, &core, ca);
    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgvqdp(slot textLen, char *text, void *value1, void *value2, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const int32_t result = sqluvqdp(borrowed.terminate(text, widen16(textLen)), value1, value2, ca);

    borrowed.restore();
    return result;
}

// Passed on as given: no initialisation, nothing converted.
VRX_API int32_t VRX_STDCALL vrxgUtilityControl(uint32_t version, void *params, sqlca *ca) {
    return vrxUtilityControl(version, params, ca);
}
