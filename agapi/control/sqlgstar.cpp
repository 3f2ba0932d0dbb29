// Start and stop the instance, and force connections off, without the call
// frame: the arguments go to the core as they came, the 16-bit mode widened
// and, for force, in the reverse order.
#include "frame/slots.h"
#include "vrxplatform/instance.h"

using namespace vrx;

VRX_API int32_t VRX_STDCALL sqlgstar(void) { return sqlestar_api(); }

VRX_API int32_t VRX_STDCALL sqlgstdm(sqlca *ca) { return sqlestop_api(ca); }

VRX_API int32_t VRX_STDCALL sqlgfrce(sqlca *ca, slot mode, void *value3, void *value4) {
    return sqlefrce_api(value4, value3, widen16(mode), ca);
}
