// Stand-in rollforward and recover: a rollforward succeeds on a database
// that was restored, writes a short text into the output area and adds a
// history entry; recover restores the newest image of the database and
// rolls it forward.
#include <algorithm>
#include <string>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/rollforward.h"

namespace vrxapp {

namespace {

constexpr std::int32_t kSqlNotPending = -1260;
constexpr std::int32_t kSqlNoImage = -2550;
constexpr std::int32_t kSqlNoRecordGiven = -1078;

std::int32_t roll_forward(const char *dbAlias, vrxRfwdOutputStruct *output, sqlca *ca) {
    if (dbAlias == nullptr || *dbAlias == '\0') return finish(ca, kSqlInvalidAlias);
    const std::string key = alias_key(dbAlias);
    if (model().backups.restored.erase(key) == 0) return finish(ca, kSqlNotPending);
    add_history(key, 'F', "");
    if (output != nullptr) {
        if (output->applicationId != nullptr) {
            const std::string text = "ROLLED FORWARD " + key.substr(0, 17);
            std::memcpy(output->applicationId, text.c_str(), text.size() + 1);
        }
        output->value12 = 1;  // databases rolled forward
    }
    return finish(ca, 0);
}

std::int32_t recover(const char *dbAlias, sqlca *ca) {
    if (dbAlias == nullptr || *dbAlias == '\0') return finish(ca, kSqlInvalidAlias);
    const std::string key = alias_key(dbAlias);
    const auto &images = model().backups.images[key];
    if (images.empty()) return finish(ca, kSqlNoImage);
    add_history(key, 'R', "VRXAPP." + key + "." + images.back());
    add_history(key, 'F', "");
    return finish(ca, 0);
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL vrxRollforward(std::uint32_t version, vrxRollforwardStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr || params->input == nullptr) return finish(ca, kSqlNoRecordGiven);
        return roll_forward(params->input->dbAlias, params->output, ca);
    });
}

std::int32_t VRX_STDCALL vrxRecover(std::uint32_t version, vrxRecoverStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        return recover(params->sourceDbAlias, ca);
    });
}

}  // extern "C"
