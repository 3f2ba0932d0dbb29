// The report of a caller parameter that the rollforward and recover entry
// points may not use: made once the texts terminated so far are back, it
// names the parameter in the sqlca and, for rollforward, in the
// diagnostic log.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/borrowed.h"
#include "frame/frame.h"

namespace vrx::recovery {

// How one family reports: its tag, whether it writes diagnostic records,
// and its result when the system does not let it use the sqlca.
struct ParameterErrors {
    Tag tag;
    bool logs;
    std::int32_t sqlcaRefused;
};

constexpr std::uint32_t kRollforwardFunctionId = 0x188300DDu;
constexpr ParameterErrors kRollforwardErrors{make_tag("sqlgroll"), true, kSqlNoMemory};
constexpr ParameterErrors kRecoverErrors{make_tag("SQLGRECV"), false, -2032};

// A caller text and the name it is reported by.
struct NamedText {
    char *text;
    std::uint32_t length;
    const char *name;
};

// Validated termination of each text in order, the first one validated even
// when null. The name of the first text that fails its validation (the
// texts before it stay terminated), or null when all passed.
template <std::size_t N>
const char *terminate_named(Borrowed &borrowed, const NamedText (&texts)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        const auto validate = i == 0 ? Borrowed::Validate::EvenNull : Borrowed::Validate::UnlessNull;
        if (!borrowed.terminate_validated(texts[i].text, texts[i].length, validate)) return texts[i].name;
    }
    return nullptr;
}

// When the sqlca may be used: sqlcode -83, the tag, `name` appended to the
// message tokens (as far as they hold it), and for rollforward a record at
// probe 250. Otherwise rollforward logs the refusal at probe 260. Returns
// -83, or the family's result for a refused sqlca.
std::int32_t report_parameter_error(sqlca *ca, const ParameterErrors &family, const char *name);

}  // namespace vrx::recovery
