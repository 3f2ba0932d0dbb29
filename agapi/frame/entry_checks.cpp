// Compile-time agreement between the entry point table and the
// declarations: every entry point and every core function or service takes
// as many 32-bit slots as the table says. The Windows link would catch a
// wrong count only for the decorated names; this catches it on every flavour.
#include "vrxagapi.h"
#include "vrxplatform.h"

namespace {

// Deduced from a pointer to a __stdcall function, the convention of both.
template <class R, class... Args>
constexpr unsigned argument_bytes(R(VRX_STDCALL *)(Args...)) {
    return 4u * sizeof...(Args);
}

// The function a row names is checked where it comes from a library; a row
// of library `none` names no function.
#define VRX_CHECK_FUNCTION_VRXAPP(core, coreBytes) \
    static_assert(argument_bytes(&core) == coreBytes, #core " takes " #coreBytes " bytes");
#define VRX_CHECK_FUNCTION_VRXSYS(core, coreBytes) VRX_CHECK_FUNCTION_VRXAPP(core, coreBytes)
#define VRX_CHECK_FUNCTION_none(core, coreBytes) \
    static_assert(coreBytes == 0, "a row without a function has 0 argument bytes for it");

#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source, library) \
    static_assert(argument_bytes(&mixed) == bytes, #mixed " takes " #bytes " bytes");    \
    VRX_CHECK_FUNCTION_##library(core, coreBytes)
#include "frame/entry_points.inc"
#undef VRX_ENTRY

}  // namespace
