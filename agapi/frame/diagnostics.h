// Diagnostic records: one call of the system's pdLog with its fifteen
// values, for one text item, or for a text and a 32-bit value.
#pragma once

#include <cstdint>

namespace vrx {

// Item types as the diagnostic log takes them.
constexpr std::uint32_t kLogText = 0x18000004u;
constexpr std::uint32_t kLogInteger = 4u;

// A record holding `text` (its characters without the NUL; none below
// address 0x1000), the second item vacant.
void log_text(std::uint32_t functionId, std::uint32_t probe, const char *text);

// A record holding `text` and the 32-bit `value`.
void log_text_and_value(std::uint32_t functionId, std::uint32_t probe, const char *text, std::int32_t value);

}  // namespace vrx
