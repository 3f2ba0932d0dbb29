// Compile-time agreement between the entry point table and the
// declarations: every entry point and every core function takes as many
// 32-bit slots as the table says. The Windows link would catch a wrong
// count only for the decorated names; this catches it on every flavour.
#include "vrxagapi.h"
#include "vrxplatform.h"

namespace {

// Deduced from a pointer to a __stdcall function, the convention of both.
template <class R, class... Args>
constexpr unsigned argument_bytes(R(VRX_STDCALL *)(Args...)) {
    return 4u * sizeof...(Args);
}

#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source)                        \
    static_assert(argument_bytes(&mixed) == bytes, #mixed " takes " #bytes " bytes");    \
    static_assert(argument_bytes(&core) == coreBytes, #core " takes " #coreBytes " bytes");
#include "frame/entry_points.inc"
#undef VRX_ENTRY

}  // namespace
