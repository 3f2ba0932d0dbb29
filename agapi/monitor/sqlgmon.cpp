// Monitor switches and stream conversion: forwards without any frame.
#include "frame/slots.h"
#include "vrxplatform/monitor.h"

using namespace vrx;

VRX_API int32_t VRX_STDCALL vrxgMonitorSwitches(uint32_t version, void *data, sqlca *ca) {
    return vrxMonitorSwitches(version, data, ca);
}

// The core takes the caller's last four arguments in reverse order, the
// sqlca (the second argument) last; the first is never read.
VRX_API int32_t VRX_STDCALL sqlgmon(slot /*reserved1*/, void *value2, void *value3, void *value4, void *value5) {
    return sqlmon(value5, value4, value3, value2);
}

VRX_API int32_t VRX_STDCALL vrxgConvMonStream(uint32_t version, void *data, sqlca *ca) {
    return vrxConvMonStream(version, data, ca);
}
