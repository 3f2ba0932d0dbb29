// Stand-in monitor functions: recorded, hookable, and successful. Snapshot
// streams are the core's own format; nothing is written but the sqlca.
#include "core_call.h"
#include "vrxplatform/monitor.h"

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL vrxGetSnapshot(std::uint32_t version, void *data, sqlca *ca) {
    return core_call(__func__, version, data, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxGetSnapshotSize(std::uint32_t version, void *data, sqlca *ca) {
    return core_call(__func__, version, data, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxResetMonitor(std::uint32_t version, vrxResetMonitorRequest *data, sqlca *ca) {
    return core_call(__func__, version, data, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxMonitorSwitches(std::uint32_t version, void *data, sqlca *ca) {
    return core_call(__func__, version, data, ca, [&] { return finish(ca, 0); });
}

// The last argument is the caller's sqlca.
std::int32_t VRX_STDCALL sqlmon(void *value5, void *value4, void *value3, void *value2) {
    return core_call(__func__, value5, value4, value3, value2,
                     [&] { return finish(static_cast<sqlca *>(value2), 0); });
}

std::int32_t VRX_STDCALL vrxConvMonStream(std::uint32_t version, void *data, sqlca *ca) {
    return core_call(__func__, version, data, ca, [&] { return finish(ca, 0); });
}

}  // extern "C"
