// Bind, rebind and stored procedure calls: the standard frame, the caller's
// texts terminated in place, and the arguments reordered for the core.
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/appsvc.h"

using namespace vrx;

// Text 6 goes back before text 5: last terminated, first put back.
VRX_API int32_t VRX_STDCALL sqlgbndx(slot text5Len, slot text6Len, sqlca *ca, void *value4, char *text5,
                                     char *text6) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *core5 = borrowed.terminate(text5, widen16(text5Len));
    char *core6 = borrowed.terminate(text6, widen16(text6Len));
    const int32_t result = sqlabndx(core6, core5, value4, ca);

    borrowed.restore();
    return result;
}

// The core takes the sqlca second, ahead of the value passed through.
VRX_API int32_t VRX_STDCALL sqlgrbnd(slot textLen, char *text, sqlca *ca, void *value4) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const int32_t result = sqlarbnd(borrowed.terminate(text, widen16(textLen)), ca, value4);

    borrowed.restore();
    return result;
}

// The sixth argument moves up to the core's second place.
VRX_API int32_t VRX_STDCALL sqlgproc(slot textLen, sqlca *ca, char *text, void *value4, void *value5,
                                     void *value6) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const int32_t result = sqleproc_api(borrowed.terminate(text, widen16(textLen)), value6, value4, value5, ca);

    borrowed.restore();
    return result;
}
