#include "model.h"

#include <algorithm>
#include <cctype>
#include <ctime>

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

std::string next_timestamp() {
    BackupImages &b = model().backups;
    b.lastTime = std::max<std::int64_t>(static_cast<std::int64_t>(std::time(nullptr)), b.lastTime + 1);
    const std::time_t t = static_cast<std::time_t>(b.lastTime);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", std::gmtime(&t));
    return text;
}

std::string add_history(const std::string &alias, char operation, const std::string &location) {
    std::string stamp = next_timestamp();
    model().history.entries.push_back({alias, stamp, operation, location, ""});
    return stamp;
}

}  // namespace vrxapp

extern "C" void VRX_CDECL vrxstub_reset_model(void) {
    const std::lock_guard<std::mutex> lock(vrxapp::model_mutex());
    vrxapp::model() = vrxapp::Model{};
}
