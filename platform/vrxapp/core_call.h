// How every stand-in core function runs: it is recorded with its raw
// arguments, then a test's hook runs in its place if one is set, else the
// stand-in's own model.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <type_traits>

#include "vrxagapi/common.h"
#include "vrxstub.h"
#include "vrxstub_messages.h"

namespace vrxapp {

using vrxstub::raw;

// The hook set for `name`, if any; the system stand-in keeps the table.
inline bool find_hook(const char *name, vrxstub_hook *hook, void **context) {
    return vrxstub_find_hook(name, hook, context) != 0;
}

template <class Model>
std::int32_t core_call(const char *name, std::initializer_list<std::uintptr_t> args, Model model) {
    vrxstub_record(name, static_cast<std::uint32_t>(args.size()), args.begin());
    vrxstub_hook hook;
    void *context;
    if (find_hook(name, &hook, &context)) return hook(vrxstub_call_at(vrxstub_call_count() - 1), context);
    return model();
}

// Completes the sqlca as the core API does: identification, size, code and
// the code's SQLSTATE.
inline std::int32_t finish(sqlca *ca, std::int32_t code) {
    if (ca != nullptr) {
        std::memcpy(ca->sqlcaid, "SQLCA   ", 8);
        ca->sqlcabc = static_cast<std::int32_t>(sizeof(sqlca));
        ca->sqlcode = code;
        std::memcpy(ca->sqlstate, vrxstub::message_for(code).sqlstate, 5);
    }
    return code;
}

// SQLCODEs the model reports.
constexpr std::int32_t kSqlInvalidAlias = -1013;
constexpr std::int32_t kSqlInvalidToken = -5130;

}  // namespace vrxapp
