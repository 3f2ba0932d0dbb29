#include "model.h"

#include <cctype>

#include "vrxstub.h"

namespace vrxapp {

Model &model() {
    static Model m;
    return m;
}

std::string alias_key(const char *alias) {
    std::string key(alias);
    for (char &c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace vrxapp

extern "C" void VRX_CDECL vrxstub_reset_model(void) { vrxapp::model() = vrxapp::Model{}; }
