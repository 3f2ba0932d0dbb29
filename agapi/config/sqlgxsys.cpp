// Instance configuration: get, get defaults and reset. The gets hand the
// core the caller's item list and blank-fill the string values afterwards,
// whatever the result; the reset is passed straight through.
#include "config/db_config.h"
#include "frame/slots.h"
#include "vrxplatform/config.h"

using namespace vrx;
using namespace vrx::config;

VRX_API int32_t VRX_STDCALL sqlgxsys(slot count, vrxConfigItem *items, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    const int32_t result = sqlfxsys(widen16(count), items, ca);

    blank_fill_values(items, widen16(count), kInstanceGetTextTokens);
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgdsys(slot count, vrxConfigItem *items, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    const int32_t result = sqlfdsys(widen16(count), items, ca);

    blank_fill_values(items, widen16(count), kInstanceGetTextTokens);
    return result;
}

// Passed straight through: no initialisation, nothing converted.
VRX_API int32_t VRX_STDCALL sqlgrsys(sqlca *ca) { return sqlfrsys(ca); }
