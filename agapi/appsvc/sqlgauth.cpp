// Authorizations: two forwards, and the query on a named object, which runs
// the standard frame around its one terminated text.
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/appsvc.h"

using namespace vrx;

VRX_API int32_t VRX_STDCALL sqlgauth(void *value1) { return sqluauth_api(value1); }

VRX_API int32_t VRX_STDCALL sqlgadau(void *value1, void *value2) { return sqluadau(value1, value2); }

VRX_API int32_t VRX_STDCALL sqlgtbau(slot objectNameLen, char *objectName, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const int32_t result = sqlutbau(borrowed.terminate(objectName, widen16(objectNameLen)), ca);

    borrowed.restore();
    return result;
}
