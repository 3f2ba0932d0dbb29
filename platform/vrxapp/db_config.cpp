// Stand-in database configuration: every database has the defaults below
// until a caller updates them. String values are written NUL-terminated
// into the caller's field; every other known token is a 32-bit number.
#include <algorithm>
#include <cstring>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/config.h"

namespace vrxapp {

namespace {

struct TextDefault {
    std::uint16_t token;
    std::uint16_t width;  // the caller's field, NUL included
    const char *value;
};

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

struct NumberDefault {
    std::uint16_t token;
    std::uint32_t value;
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

const TextDefault *text_default(std::uint16_t token) {
    for (const TextDefault &d : kTextDefaults)
        if (d.token == token) return &d;
    return nullptr;
}

const NumberDefault *number_default(std::uint16_t token) {
    for (const NumberDefault &d : kNumberDefaults)
        if (d.token == token) return &d;
    return nullptr;
}

bool known(std::uint16_t token) { return text_default(token) != nullptr || number_default(token) != nullptr; }

std::int32_t check_request(const char *alias, std::uint32_t count, const vrxConfigItem *items) {
    if (alias == nullptr || *alias == '\0') return kSqlInvalidAlias;
    if (count != 0 && items == nullptr) return kSqlInvalidToken;
    for (std::uint32_t i = 0; i < count; ++i)
        if (!known(items[i].token) || items[i].value == nullptr) return kSqlInvalidToken;
    return 0;
}

// Writes each requested value into the caller's item, from `config` or,
// where it has none, from the defaults.
std::int32_t read_values(const char *alias, std::uint32_t count, vrxConfigItem *items, sqlca *ca,
                         const DbConfig &config) {
    if (std::int32_t code = check_request(alias, count, items)) return finish(ca, code);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t token = items[i].token;
        if (const TextDefault *d = text_default(token)) {
            auto set = config.texts.find(token);
            const std::string value = set != config.texts.end() ? set->second : d->value;
            const std::size_t n = std::min<std::size_t>(value.size(), d->width - 1u);
            char *field = static_cast<char *>(items[i].value);
            std::memcpy(field, value.data(), n);
            field[n] = '\0';
        } else {
            auto set = config.numbers.find(token);
            *static_cast<std::uint32_t *>(items[i].value) =
                set != config.numbers.end() ? set->second : number_default(token)->value;
        }
    }
    return finish(ca, 0);
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlfxdb(char *dbAlias, std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, dbAlias, count, items, ca, [&] {
        static const DbConfig none;
        auto it = dbAlias != nullptr ? model().configs.find(alias_key(dbAlias)) : model().configs.end();
        return read_values(dbAlias, count, items, ca, it != model().configs.end() ? it->second : none);
    });
}

std::int32_t VRX_STDCALL sqlfddb(char *dbAlias, std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, dbAlias, count, items, ca, [&] {
        static const DbConfig defaults;
        return read_values(dbAlias, count, items, ca, defaults);
    });
}

std::int32_t VRX_STDCALL sqlfudb(char *dbAlias, std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, dbAlias, count, items, ca, [&] {
        if (std::int32_t code = check_request(dbAlias, count, items)) return finish(ca, code);
        DbConfig &config = model().configs[alias_key(dbAlias)];
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint16_t token = items[i].token;
            if (const TextDefault *d = text_default(token)) {
                const char *text = static_cast<const char *>(items[i].value);
                config.texts[token] = std::string(text, strnlen(text, d->width - 1u));
            } else {
                config.numbers[token] = *static_cast<const std::uint32_t *>(items[i].value);
            }
        }
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
