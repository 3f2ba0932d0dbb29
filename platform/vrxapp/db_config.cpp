// Stand-in database configuration: every database has the defaults below
// until a caller updates them.
#include <iterator>

#include "config_store.h"
#include "core_call.h"
#include "vrxplatform/config.h"

namespace vrxapp {

namespace {

// The string-valued parameters with the size of their fields.
constexpr TextDefault kTextDefaults[] = {
    {46, 256, ""},         {44, 261, "/home/vrxinst/NODE0000/SQL00001/LOGSTREAM0000/"},
    {20, 243, ""},         {103, 243, ""},
    {105, 13, "UTF-8"},    {107, 13, "US"},
    {121, 34, "SYSTEM"},   {120, 18, ""},
    {501, 65, ""},         {305, 65, "OFF"},
    {306, 65, "OFF"},      {307, 31, ""},
    {702, 23, "IDENTITY"}, {602, 11, "NO"},
};

constexpr NumberDefault kNumberDefaults[] = {
    {1, 250},    // buffer pool pages
    {2, 100},    // lock list pages
    {4, 10000},  // log file size
    {5, 13},     // primary logs
    {6, 12},     // secondary logs
    {17, 60},    // average applications
    {33, 1},     // automatic maintenance
};

constexpr ConfigDefaults kDefaults{kTextDefaults, std::size(kTextDefaults), kNumberDefaults,
                                   std::size(kNumberDefaults)};

std::int32_t check_request(const char *alias, std::uint32_t count, const vrxConfigItem *items) {
    if (alias == nullptr || *alias == '\0') return kSqlInvalidAlias;
    return check_items(kDefaults, count, items);
}

// Writes each requested value into the caller's item, from `config` or,
// where it has none, from the defaults.
std::int32_t read_values(const char *alias, std::uint32_t count, vrxConfigItem *items, sqlca *ca,
                         const DbConfig &config) {
    if (alias == nullptr || *alias == '\0') return finish(ca, kSqlInvalidAlias);
    return finish(ca, read_items(kDefaults, config, count, items));
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlfxdb(char *dbAlias, std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, dbAlias, count, vrxstub::list(items, count), ca, [&] {
        static const DbConfig none;
        auto it = dbAlias != nullptr ? model().configs.find(alias_key(dbAlias)) : model().configs.end();
        return read_values(dbAlias, count, items, ca, it != model().configs.end() ? it->second : none);
    });
}

std::int32_t VRX_STDCALL sqlfddb(char *dbAlias, std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, dbAlias, count, vrxstub::list(items, count), ca, [&] {
        static const DbConfig defaults;
        return read_values(dbAlias, count, items, ca, defaults);
    });
}

std::int32_t VRX_STDCALL sqlfudb(char *dbAlias, std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, dbAlias, count, vrxstub::list(items, count), ca, [&] {
        if (std::int32_t code = check_request(dbAlias, count, items)) return finish(ca, code);
        DbConfig &config = model().configs[alias_key(dbAlias)];
        write_items(kDefaults, config, count, items);
        return finish(ca, 0);
    });
}

std::int32_t VRX_STDCALL sqlfrdb(char *dbAlias, sqlca *ca) {
    return core_call(__func__, dbAlias, ca, [&] {
        if (dbAlias == nullptr || *dbAlias == '\0') return finish(ca, kSqlInvalidAlias);
        model().configs.erase(alias_key(dbAlias));
        return finish(ca, 0);
    });
}

}  // extern "C"
