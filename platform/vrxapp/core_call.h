// How every stand-in core function runs: it is recorded with its raw
// arguments, then a test's hook runs in its place if one is set, else the
// stand-in's own model, one call at a time; last it is traced, when the
// trace is on (vrxstub_trace.h; the records are shown through
// trace_records.h). A stand-in passes its own name (__func__), its
// arguments in order, and last the model:
//
//     return core_call(__func__, dbAlias, ca, [&] { return finish(ca, 0); });
//
// An output buffer of the caller's is passed as vrxstub::output(buffer), an
// array whose length another argument gives as vrxstub::list(items, count).
#pragma once

#include <cstdint>
#include <cstring>
#include <mutex>
#include <tuple>
#include <utility>

#include "vrxagapi/common.h"
#include "vrxstub.h"
#include "trace_records.h"
#include "vrxstub_messages.h"
#include "vrxstub_trace.h"

namespace vrxapp {

// The hook set for `name`, if any; the system stand-in keeps the table.
inline bool find_hook(const char *name, vrxstub_hook *hook, void **context) {
    return vrxstub_find_hook(name, hook, context) != 0;
}

// Held while the model runs.
std::mutex &model_mutex();

namespace detail {
template <class... T, std::size_t... I>
std::int32_t core_call(const char *name, const std::tuple<T...> &all, std::index_sequence<I...>) {
    const vrxstub_call call = vrxstub::call_of(name, std::get<I>(all)...);
    vrxstub_record(call.name, call.argc, call.args);
    vrxstub_hook hook;
    void *context;
    // The hook gets this copy, not the logged call: what the hook calls in
    // turn is logged too and may move the log.
    std::int32_t result;
    if (find_hook(name, &hook, &context)) {
        result = hook(&call, context);
    } else {
        const std::lock_guard<std::mutex> lock(model_mutex());
        result = std::get<sizeof...(T) - 1>(all)();
    }
    vrxstub::trace_call(name, &result, std::get<I>(all)...);
    return result;
}
}  // namespace detail

// The arguments, then the model.
template <class... ArgumentsThenModel>
std::int32_t core_call(const char *name, ArgumentsThenModel... all) {
    return detail::core_call(name, std::tuple<ArgumentsThenModel...>(all...),
                             std::make_index_sequence<sizeof...(ArgumentsThenModel) - 1>());
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
