// Stand-in for the core API's support functions and the hook table.
#include <map>
#include <mutex>
#include <string>

#include "core_call.h"
#include "vrxplatform/services.h"

namespace vrxapp {

namespace {
struct Hook {
    vrxstub_hook hook;
    void *context;
};
std::map<std::string, Hook> &hooks() {
    static std::map<std::string, Hook> table;
    return table;
}
std::mutex &hooks_mutex() {
    static std::mutex m;
    return m;
}
}  // namespace

bool find_hook(const char *name, vrxstub_hook *hook, void **context) {
    const std::lock_guard<std::mutex> lock(hooks_mutex());
    auto it = hooks().find(name);
    if (it == hooks().end()) return false;
    *hook = it->second.hook;
    *context = it->second.context;
    return true;
}

}  // namespace vrxapp

extern "C" {

int VRX_CDECL vrxstub_set_hook(const char *coreFunction, vrxstub_hook hook, void *context) {
    if (coreFunction == nullptr || !vrxapp::is_core_function(coreFunction)) return 0;
    const std::lock_guard<std::mutex> lock(vrxapp::hooks_mutex());
    if (hook == nullptr)
        vrxapp::hooks().erase(coreFunction);
    else
        vrxapp::hooks()[coreFunction] = {hook, context};
    return 1;
}

void VRX_CDECL vrxstub_clear_hooks(void) {
    const std::lock_guard<std::mutex> lock(vrxapp::hooks_mutex());
    vrxapp::hooks().clear();
}

std::int32_t VRX_CDECL sqlagcptr_real(const void *region, std::uint32_t length, std::uint8_t mode) {
    vrxstub::record(__func__, region, length, mode);
    return vrxstub_region_refused(region, length, mode);
}

void VRX_CDECL sqlmprca(const char *functionName, std::uint16_t parameterNameLen, const char *parameterName,
                        sqlca *ca) {
    vrxstub::record(__func__, functionName, parameterNameLen, parameterName, ca);
    if (ca == nullptr || parameterName == nullptr) return;
    std::size_t n = parameterNameLen < sizeof ca->sqlerrmc ? parameterNameLen : sizeof ca->sqlerrmc;
    std::memcpy(ca->sqlerrmc, parameterName, n);
    ca->sqlerrml = static_cast<std::int16_t>(n);
}

}  // extern "C"
