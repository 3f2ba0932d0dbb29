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
    return core_call(__func__, record, ca, [&] { return finish(ca, start()); });
}

std::int32_t VRX_STDCALL sqlepstart_api(vrxPstartRecord *record, sqlca *ca) {
    return core_call(__func__, record, ca, [&] { return finish(ca, start()); });
}

std::int32_t VRX_STDCALL sqlepstp_api(vrxPstpRecord *record, sqlca *ca) {
    return core_call(__func__, record, ca, [&] { return finish(ca, stop()); });
}

std::int32_t VRX_STDCALL sqlestar_api(void) { return core_call(__func__, [] { return start(); }); }

std::int32_t VRX_STDCALL sqlestop_api(sqlca *ca) {
    return core_call(__func__, ca, [&] { return finish(ca, stop()); });
}

std::int32_t VRX_STDCALL vrxInstanceStart(std::uint32_t version, vrxInstanceStruct *record, sqlca *ca) {
    return core_call(__func__, version, record, ca, [&] { return finish(ca, with_record(record, start)); });
}

std::int32_t VRX_STDCALL vrxInstanceStop(std::uint32_t version, vrxInstanceStruct *record, sqlca *ca) {
    return core_call(__func__, version, record, ca, [&] { return finish(ca, with_record(record, stop)); });
}

std::int32_t VRX_STDCALL sqleatin_api(char *instanceName, char *userName, char *password, sqlca *ca) {
    return core_call(__func__, instanceName, userName, password, ca, [&] { return finish(ca, attach(instanceName)); });
}

std::int32_t VRX_STDCALL sqledtin_api(sqlca *ca) {
    return core_call(__func__, ca, [&] { return finish(ca, detach()); });
}

std::int32_t VRX_STDCALL sqlefrce_api(void *value4, void *value3, std::uint32_t mode, sqlca *ca) {
    return core_call(__func__, value4, value3, mode, ca, [&] { return finish(ca, 0); });
}

// Writes the name NUL-terminated; the library pads it for the caller.
std::int32_t VRX_STDCALL sqlegins_api(char *name, sqlca *ca) {
    return core_call(__func__, vrxstub::output(name), ca, [&] {
        if (name != nullptr) std::strcpy(name, kInstanceName);
        return finish(ca, 0);
    });
}

std::int32_t VRX_STDCALL vrxDatabasePing(std::uint32_t version, void *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxDatabaseQuiesce(std::uint32_t version, vrxDatabaseQuiesceStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxDatabaseUnquiesce(std::uint32_t version, void *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxInstanceQuiesce(std::uint32_t version, vrxInstanceQuiesceStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca,
                     [&] { return finish(ca, with_record(params, [] { return quiesce(true); })); });
}

std::int32_t VRX_STDCALL vrxInstanceUnquiesce(std::uint32_t version, vrxInstanceUnquiesceStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca,
                     [&] { return finish(ca, with_record(params, [] { return quiesce(false); })); });
}

std::int32_t VRX_STDCALL vrxHADRStart(std::uint32_t version, vrxHADRStartStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxHADRTakeover(std::uint32_t version, vrxHADRTakeoverStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxHADRStop(std::uint32_t version, vrxHADRStopStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlesetc_api(void *settings, std::uint32_t count, sqlca *ca) {
    return core_call(__func__, settings, count, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqleqryc_api(void *settings, std::uint32_t count, sqlca *ca) {
    return core_call(__func__, settings, count, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlesact_api(char *accounting, sqlca *ca) {
    return core_call(__func__, accounting, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlesdeg_api(void *value4, void *value3, void *value2, sqlca *ca) {
    return core_call(__func__, value4, value3, value2, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqleintr_api(void) { return core_call(__func__, [] { return 0; }); }

std::int32_t VRX_STDCALL sqleisig_api(sqlca *ca) {
    return core_call(__func__, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlefmem_api(sqlca *ca, void *memory) {
    return core_call(__func__, ca, memory, [&] { return finish(ca, 0); });
}

}  // extern "C"
