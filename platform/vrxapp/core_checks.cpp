// The stand-in checked against the entry point table: every core function
// the table names is declared with the argument bytes the table states (and
// each stand-in includes its declaration, so defines it with that
// signature), and the table below refers to every one of them, so this
// library does not link while one is missing. Hooks can only be set on the
// functions it lists.
#include <cstring>

#include "core_call.h"
#include "vrxplatform.h"

namespace vrxapp {

namespace {

template <class R, class... Args>
constexpr unsigned argument_bytes(R(VRX_STDCALL *)(Args...)) {
    return 4u * sizeof...(Args);
}

#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source) \
    static_assert(argument_bytes(&core) == coreBytes, #core " takes " #coreBytes " bytes");
#include "frame/entry_points.inc"
#undef VRX_ENTRY

struct CoreFunction {
    const char *name;
    void (*function)();
};

const CoreFunction kCoreFunctions[] = {
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source) \
    {#core, reinterpret_cast<void (*)()>(&core)},
#include "frame/entry_points.inc"
#undef VRX_ENTRY
};

}  // namespace

bool is_core_function(const char *name) {
    for (const CoreFunction &f : kCoreFunctions)
        if (std::strcmp(f.name, name) == 0) return true;
    return false;
}

}  // namespace vrxapp
