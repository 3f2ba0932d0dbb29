// Attach to and detach from an instance, and read the current instance's
// name.
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/instance.h"

using namespace vrx;

namespace {
constexpr uint32_t kInstanceNameWidth = 9;
}  // namespace

// The caller gives password, user name, instance name; the core takes them
// the other way round. They are terminated in the caller's order, so they
// are put back in the core's.
VRX_API int32_t VRX_STDCALL sqlgatin(slot passwordLen, slot userNameLen, slot instanceNameLen, sqlca *ca,
                                     char *password, char *userName, char *instanceName) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *corePassword = borrowed.terminate(password, widen16(passwordLen));
    char *coreUser = borrowed.terminate(userName, widen16(userNameLen));
    char *coreInstance = borrowed.terminate(instanceName, widen16(instanceNameLen));

    const int32_t result = sqleatin_api(coreInstance, coreUser, corePassword, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgdtin(sqlca *ca) { return sqledtin_api(ca); }

// The name comes back blank-padded to the buffer's 9 bytes, whatever the
// core's result.
VRX_API int32_t VRX_STDCALL sqlggins(sqlca *ca, char *name) {
    if (!app_data_ready(ca)) return 0;

    const int32_t result = sqlegins_api(name, ca);

    blank_fill(name, kInstanceNameWidth);
    return result;
}
