// Start, take over and stop HADR, versioned forms: the texts of the
// caller's record (each pointer before its length) are terminated in place
// and handed to the core in a core record built on the stack; value B stays
// a 16-bit field.
#include "control/three_texts.h"
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "vrxplatform/instance.h"

using namespace vrx;
using namespace vrx::control;

namespace {

vrxHADRStartStruct hadr_start_to_core(const vrxgHADRStartStruct &params, Borrowed &borrowed) {
    vrxHADRStartStruct core{};
    texts_to_core(core, params, borrowed);
    core.iValueA = params.iValueA;
    core.iValueB = params.iValueB;
    return core;
}

vrxHADRTakeoverStruct hadr_takeover_to_core(const vrxgHADRTakeoverStruct &params, Borrowed &borrowed) {
    vrxHADRTakeoverStruct core{};
    texts_to_core(core, params, borrowed);
    core.iValueB = params.iValueB;
    return core;
}

vrxHADRStopStruct hadr_stop_to_core(const vrxgHADRStopStruct &params, Borrowed &borrowed) {
    vrxHADRStopStruct core{};
    texts_to_core(core, params, borrowed);
    return core;
}

}  // namespace

// A null record reaches the core as a null record, for it to report.
VRX_API int32_t VRX_STDCALL vrxgHADRStart(uint32_t version, vrxgHADRStartStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (params == nullptr) return vrxHADRStart(version, nullptr, ca);

    Borrowed borrowed;
    vrxHADRStartStruct core = hadr_start_to_core(load(params), borrowed);
    const int32_t result = vrxHADRStart(version, &core, ca);
    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgHADRTakeover(uint32_t version, vrxgHADRTakeoverStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (params == nullptr) return vrxHADRTakeover(version, nullptr, ca);

    Borrowed borrowed;
    vrxHADRTakeoverStruct core = hadr_takeover_to_core(load(params), borrowed);
    const int32_t result = vrxHADRTakeover(version, &core, ca);
    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgHADRStop(uint32_t version, vrxgHADRStopStruct *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (params == nullptr) return vrxHADRStop(version, nullptr, ca);

    Borrowed borrowed;
    vrxHADRStopStruct core = hadr_stop_to_core(load(params), borrowed);
    const int32_t result = vrxHADRStop(version, &core, ca);
    borrowed.restore();
    return result;
}
