// Ping a database; quiesce and unquiesce a database or an instance. Ping
// runs the call frame and hands over the caller's record; the quiesce
// entry points convert their records without initialising; the database
// unquiesce hands the core no record at all.
#include "control/three_texts.h"
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "vrxplatform/instance.h"

using namespace vrx;
using namespace vrx::control;

namespace {

// The caller supplies values A and B; the core's first and last fields are
// always 0, never what the stack held.
vrxDatabaseQuiesceStruct database_quiesce_to_core(const vrxgDatabaseQuiesceStruct &params) {
    vrxDatabaseQuiesceStruct core{};
    core.iField1 = 0;
    core.iValueA = params.iValueA;
    core.iValueB = params.iValueB;
    core.iField4 = 0;
    return core;
}

vrxInstanceQuiesceStruct instance_quiesce_to_core(const vrxgInstanceQuiesceStruct &params, Borrowed &borrowed) {
    vrxInstanceQuiesceStruct core{};
    texts_to_core(core, params, borrowed);
    core.iValueA = params.iValueA;
    core.iValueB = params.iValueB;
    return core;
}

vrxInstanceUnquiesceStruct instance_unquiesce_to_core(const vrxgInstanceUnquiesceStruct &params,
                                                      Borrowed &borrowed) {
    vrxInstanceUnquiesceStruct core{};
    core.piText = borrowed.terminate(params.piText, params.iTextLen);
    return core;
}

}  // namespace

VRX_API int32_t VRX_STDCALL vrxgDatabasePing(uint32_t version, void *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    return vrxDatabasePing(version, params, ca);
}

// A null record of the converting entry points reaches the core as a null
// record, for it to report.
VRX_API int32_t VRX_STDCALL vrxgDatabaseQuiesce(uint32_t version, vrxgDatabaseQuiesceStruct *params, sqlca *ca) {
    if (params == nullptr) return vrxDatabaseQuiesce(version, nullptr, ca);

    vrxDatabaseQuiesceStruct core = database_quiesce_to_core(load(params));
    return vrxDatabaseQuiesce(version, &core, ca);
}

VRX_API int32_t VRX_STDCALL vrxgDatabaseUnquiesce(uint32_t version, void * /*params*/, sqlca *ca) {
    return vrxDatabaseUnquiesce(version, nullptr, ca);
}

VRX_API int32_t VRX_STDCALL vrxgInstanceQuiesce(uint32_t version, vrxgInstanceQuiesceStruct *params, sqlca *ca) {
    if (params == nullptr) return vrxInstanceQuiesce(version, nullptr, ca);

    Borrowed borrowed;
    vrxInstanceQuiesceStruct core = instance_quiesce_to_core(load(params), borrowed);
    const int32_t result = vrxInstanceQuiesce(version, &core, ca);
    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL vrxgInstanceUnquiesce(uint32_t version, vrxgInstanceUnquiesceStruct *params,
                                                  sqlca *ca) {
    if (params == nullptr) return vrxInstanceUnquiesce(version, nullptr, ca);

    Borrowed borrowed;
    vrxInstanceUnquiesceStruct core = instance_unquiesce_to_core(load(params), borrowed);
    const int32_t result = vrxInstanceUnquiesce(version, &core, ca);
    borrowed.restore();
    return result;
}
