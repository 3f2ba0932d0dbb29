// Connection settings. All but the accounting text are plain forwards
// without the call frame: a 16-bit count is widened, the degree's arguments
// are reversed, everything else goes to the core as it came.
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/instance.h"

using namespace vrx;

VRX_API int32_t VRX_STDCALL sqlgsetc(void *settings, slot count, sqlca *ca) {
    return sqlesetc_api(settings, widen16(count), ca);
}

VRX_API int32_t VRX_STDCALL sqlgqryc(void *settings, slot count, sqlca *ca) {
    return sqleqryc_api(settings, widen16(count), ca);
}

VRX_API int32_t VRX_STDCALL sqlgsact(slot accountingLen, char *accounting, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const int32_t result = sqlesact_api(borrowed.terminate(accounting, widen16(accountingLen)), ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgsdeg(sqlca *ca, void *value2, void *value3, void *value4) {
    return sqlesdeg_api(value4, value3, value2, ca);
}

VRX_API int32_t VRX_STDCALL sqlgintr(void) { return sqleintr_api(); }

VRX_API int32_t VRX_STDCALL sqlgisig(sqlca *ca) { return sqleisig_api(ca); }

VRX_API int32_t VRX_STDCALL sqlgfmem(sqlca *ca, void *memory) { return sqlefmem_api(ca, memory); }
