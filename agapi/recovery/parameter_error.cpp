#include "recovery/parameter_error.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "frame/caller_record.h"
#include "frame/diagnostics.h"
#include "vrxplatform/services.h"

namespace vrx::recovery {

namespace {

constexpr std::uint32_t kProbeReported = 250;
constexpr std::uint32_t kProbeSqlcaRefused = 260;
constexpr std::size_t kTokenBytes = sizeof(sqlca::sqlerrmc);

// Appends `name` to the message tokens at sqlerrml, without terminator:
// as much of it as the 70 bytes still hold; a count outside them (negative
// or past the end) leaves the tokens as they are.
void append_token(sqlca *ca, const char *name) {
    std::int16_t used = 0;
    std::memcpy(&used, field_at(ca, offsetof(sqlca, sqlerrml)), sizeof used);
    if (used < 0 || static_cast<std::size_t>(used) >= kTokenBytes) return;
    const std::size_t room = kTokenBytes - static_cast<std::size_t>(used);
    const std::size_t n = std::min(std::strlen(name), room);
    std::memcpy(field_at(ca, offsetof(sqlca, sqlerrmc) + static_cast<std::size_t>(used)), name, n);
    store(ca, offsetof(sqlca, sqlerrml), static_cast<std::int16_t>(used + static_cast<std::int16_t>(n)));
}

}  // namespace

std::int32_t report_parameter_error(sqlca *ca, const ParameterErrors &family, const char *name) {
    const std::int32_t refused = sqloincaChkptr(ca);
    if (refused != 0 || ca == nullptr) {
        if (family.logs)
            log_text_and_value(kRollforwardFunctionId, kProbeSqlcaRefused, "Error on call to sqloincaChkPtr.",
                               refused);
        return family.sqlcaRefused;
    }
    set_sqlcode(ca, kSqlNoMemory);
    std::memcpy(field_at(ca, offsetof(sqlca, sqlerrp)), family.tag.text, sizeof family.tag.text);
    append_token(ca, name);
    if (family.logs) {
        char message[64];
        std::snprintf(message, sizeof message, "Memory error for parameter %s.", name);
        log_text(kRollforwardFunctionId, kProbeReported, message);
    }
    return kSqlNoMemory;
}

}  // namespace vrx::recovery
