// The stand-in checked against the entry point table: every core function
// the table names from VRXAPP is declared with the argument bytes the table
// states (and each stand-in includes its declaration, so defines it with
// that signature), and the table below refers to every one of them, so this
// library does not link while one is missing.
#include "core_call.h"
#include "vrxplatform.h"

namespace vrxapp {

namespace {

template <class R, class... Args>
constexpr unsigned argument_bytes(R(VRX_STDCALL *)(Args...)) {
    return 4u * sizeof...(Args);
}

// Only the rows whose function comes from this library; the system
// library's services and the rows without a function are left out.
#define VRX_CORE_VRXAPP(core, coreBytes) \
    static_assert(argument_bytes(&core) == coreBytes, #core " takes " #coreBytes " bytes");
#define VRX_CORE_VRXSYS(core, coreBytes)
#define VRX_CORE_none(core, coreBytes)
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source, library) \
    VRX_CORE_##library(core, coreBytes)
#include "frame/entry_points.inc"
#undef VRX_ENTRY
#undef VRX_CORE_VRXAPP

#define VRX_CORE_VRXAPP(core, coreBytes) reinterpret_cast<void (*)()>(&core),
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source, library) \
    VRX_CORE_##library(core, coreBytes)
[[maybe_unused]] void (*const kCoreFunctions[])() = {
#include "frame/entry_points.inc"
};
#undef VRX_ENTRY

}  // namespace

}  // namespace vrxapp
