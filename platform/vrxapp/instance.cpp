// Stand-in instance control: one instance that every start form starts,
// every stop form stops, that callers attach to and detach from, and that
// an attached caller quiesces and unquiesces. A call that does not fit the
// instance's state is refused. The current instance name is the instance's
// own; every other function of the family succeeds.
#include <cstring>
#include <strings.h>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/instance.h"

namespace vrxapp {

namespace {

constexpr std::int32_t kSqlInstanceInUse = -1025;      // stop while a caller is attached
constexpr std::int32_t kSqlAlreadyStarted = -1026;
constexpr std::int32_t kSqlNotStarted = -1032;
constexpr std::int32_t kSqlUnknownInstance = -1097;    // attach to another instance's name
constexpr std::int32_t kSqlAlreadyAttached = -1248;
constexpr std::int32_t kSqlNotAttached = -1427;
constexpr std::int32_t kSqlAlreadyQuiesced = -1371;
constexpr std::int32_t kSqlNotQuiesced = -1372;

InstanceState &instance() { return model().instance; }

std::int32_t start() {
    if (instance().started) return kSqlAlreadyStarted;
    instance().started = true;
    return 0;
}

std::int32_t stop() {
    if (!instance().started) return kSqlNotStarted;
    if (instance().attached) return kSqlInstanceInUse;
    instance() = InstanceState{};
    return 0;
}

// A null or empty name means this instance.
std::int32_t attach(const char *name) {
    if (!instance().started) return kSqlNotStarted;
    if (instance().attached) return kSqlAlreadyAttached;
    if (name != nullptr && *name != '\0' && strcasecmp(name, kInstanceName) != 0) return kSqlUnknownInstance;
    instance().attached = true;
    return 0;
}

std::int32_t detach() {
    if (!instance().attached) return kSqlNotAttached;
    instance().attached = false;
    return 0;
}

std::int32_t quiesce(bool on) {
    if (!instance().attached) return kSqlNotAttached;
    if (instance().quiesced == on) return on ? kSqlAlreadyQuiesced : kSqlNotQuiesced;
    instance().quiesced = on;
    return 0;
}

std::int32_t with_record(const void *record, std::int32_t (*change)()) {
    return record != nullptr ? change() : kSqlInvalidParameter;
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlepstr_api(vrxPstrRecord *record, sqlca *ca) {
    return core_call("sqlepstr_api", {raw(record), raw(ca)}, [&] { return finish(ca, start()); });
}

std::int32_t VRX_STDCALL sqlepstart_api(vrxPstartRecord *record, sqlca *ca) {
    return core_call("sqlepstart_api", {raw(record), raw(ca)}, [&] { return finish(ca, start()); });
}

std::int32_t VRX_STDCALL sqlepstp_api(vrxPstpRecord *record, sqlca *ca) {
    return core_call("sqlepstp_api", {raw(record), raw(ca)}, [&] { return finish(ca, stop()); });
}

std::int32_t VRX_STDCALL sqlestar_api(void) { return core_call("sqlestar_api", {}, [] { return start(); }); }

std::int32_t VRX_STDCALL sqlestop_api(sqlca *ca) {
    return core_call("sqlestop_api", {raw(ca)}, [&] { return finish(ca, stop()); });
}

std::int32_t VRX_STDCALL vrxInstanceStart(std::uint32_t version, vrxInstanceStruct *record, sqlca *ca) {
    return core_call("vrxInstanceStart", {raw(version), raw(record), raw(ca)},
                     [&] { return finish(ca, with_record(record, start)); });
}

std::int32_t VRX_STDCALL vrxInstanceStop(std::uint32_t version, vrxInstanceStruct *record, sqlca *ca) {
    return core_call("vrxInstanceStop", {raw(version), raw(record), raw(ca)},
                     [&] { return finish(ca, with_record(record, stop)); });
}

std::int32_t VRX_STDCALL sqleatin_api(char *instanceName, char *userName, char *password, sqlca *ca) {
    return core_call("sqleatin_api", {raw(instanceName), raw(userName), raw(password), raw(ca)},
                     [&] { return finish(ca, attach(instanceName)); });
}

std::int32_t VRX_STDCALL sqledtin_api(sqlca *ca) {
    return core_call("sqledtin_api", {raw(ca)}, [&] { return finish(ca, detach()); });
}

std::int32_t VRX_STDCALL sqlefrce_api(void *value4, void *value3, std::uint32_t mode, sqlca *ca) {
    return core_call("sqlefrce_api", {raw(value4), raw(value3), raw(mode), raw(ca)}, [&] { return finish(ca, 0); });
}

// Writes the name NUL-terminated; the library pads it for the caller.
std::int32_t VRX_STDCALL sqlegins_api(char *name, sqlca *ca) {
    return core_call("sqlegins_api", {raw(name), raw(ca)}, [&] {
        if (name != nullptr) std::strcpy(name, kInstanceName);
        return finish(ca, 0);
    });
}

std::int32_t VRX_STDCALL vrxDatabasePing(std::uint32_t version, void *params, sqlca *ca) {
    return core_call("vrxDatabasePing", {raw(version), raw(params), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxDatabaseQuiesce(std::uint32_t version, vrxDatabaseQuiesceStruct *params, sqlca *ca) {
    return core_call("vrxDatabaseQuiesce", {raw(version), raw(params), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxDatabaseUnquiesce(std::uint32_t version, void *params, sqlca *ca) {
    return core_call("vrxDatabaseUnquiesce", {raw(version), raw(params), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxInstanceQuiesce(std::uint32_t version, vrxInstanceQuiesceStruct *params, sqlca *ca) {
    return core_call("vrxInstanceQuiesce", {raw(version), raw(params), raw(ca)},
                     [&] { return finish(ca, with_record(params, [] { return quiesce(true); })); });
}

std::int32_t VRX_STDCALL vrxInstanceUnquiesce(std::uint32_t version, vrxInstanceUnquiesceStruct *params, sqlca *ca) {
    return core_call("vrxInstanceUnquiesce", {raw(version), raw(params), raw(ca)},
                     [&] { return finish(ca, with_record(params, [] { return quiesce(false); })); });
}

std::int32_t VRX_STDCALL vrxHADRStart(std::uint32_t version, vrxHADRStartStruct *params, sqlca *ca) {
    return core_call("vrxHADRStart", {raw(version), raw(params), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxHADRTakeover(std::uint32_t version, vrxHADRTakeoverStruct *params, sqlca *ca) {
    return core_call("vrxHADRTakeover", {raw(version), raw(params), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxHADRStop(std::uint32_t version, vrxHADRStopStruct *params, sqlca *ca) {
    return core_call("vrxHADRStop", {raw(version), raw(params), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlesetc_api(void *settings, std::uint32_t count, sqlca *ca) {
    return core_call("sqlesetc_api", {raw(settings), raw(count), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqleqryc_api(void *settings, std::uint32_t count, sqlca *ca) {
    return core_call("sqleqryc_api", {raw(settings), raw(count), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlesact_api(char *accounting, sqlca *ca) {
    return core_call("sqlesact_api", {raw(accounting), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlesdeg_api(void *value4, void *value3, void *value2, sqlca *ca) {
    return core_call("sqlesdeg_api", {raw(value4), raw(value3), raw(value2), raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqleintr_api(void) { return core_call("sqleintr_api", {}, [] { return 0; }); }

std::int32_t VRX_STDCALL sqleisig_api(sqlca *ca) {
    return core_call("sqleisig_api", {raw(ca)}, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlefmem_api(sqlca *ca, void *memory) {
    return core_call("sqlefmem_api", {raw(ca), raw(memory)}, [&] { return finish(ca, 0); });
}

}  // extern "C"
