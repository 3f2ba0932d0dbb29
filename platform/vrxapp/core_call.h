// How every stand-in core function runs: it is recorded with its raw
// arguments, then a test's hook runs in its place if one is set, else the
// stand-in's own model.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <type_traits>

#include "vrxagapi/common.h"
#include "vrxstub.h"

namespace vrxapp {

using vrxstub::raw;

// The hook set for `name`, if any.
bool find_hook(const char *name, vrxstub_hook *hook, void **context);

template <class Model>
std::int32_t core_call(const char *name, std::initializer_list<std::uintptr_t> args, Model model) {
    vrxstub_call call{};
    std::snprintf(call.name, sizeof call.name, "%s", name);
    call.argc = static_cast<std::uint32_t>(std::min<std::size_t>(args.size(), VRXSTUB_MAX_ARGS));
    std::copy_n(args.begin(), call.argc, call.args);
    vrxstub_record(call.name, call.argc, call.args);
    vrxstub_hook hook;
    void *context;
    // The hook gets this copy: the log may be off, or moved by what the hook calls.
    if (find_hook(name, &hook, &context)) return hook(&call, context);
    return model();
}

// Completes the sqlca as the core API does: identification, size, code.
inline std::int32_t finish(sqlca *ca, std::int32_t code) {
    if (ca != nullptr) {
        std::memcpy(ca->sqlcaid, "SQLCA   ", 8);
        ca->sqlcabc = static_cast<std::int32_t>(sizeof(sqlca));
        ca->sqlcode = code;
        std::memcpy(ca->sqlstate, code == 0 ? "00000" : code > 0 ? "01000" : "58004", 5);
    }
    return code;
}

// SQLCODEs the model reports.
constexpr std::int32_t kSqlInvalidAlias = -1013;
constexpr std::int32_t kSqlInvalidToken = -5130;

}  // namespace vrxapp
