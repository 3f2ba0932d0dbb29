#include "model.h"

#include <cctype>

#include "core_call.h"
#include "vrxstub.h"

namespace vrxapp {

Model &model() {
    static Model m;
    return m;
}

std::mutex &model_mutex() {
    static std::mutex m;
    return m;
}

std::string alias_key(const char *alias) {
    std::string key(alias);
    for (char &c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace vrxapp

extern "C" void VRX_CDECL vrxstub_reset_model(void) {
    const std::lock_guard<std::mutex> lock(vrxapp::model_mutex());
    vrxapp::model() = vrxapp::Model{};
}
