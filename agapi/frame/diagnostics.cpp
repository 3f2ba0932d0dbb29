#include "frame/diagnostics.h"

#include <cstring>

#include "vrxplatform/services.h"

namespace vrx {

namespace {

// A text below this address is no text the log may read.
constexpr std::uintptr_t kLowestText = 0x1000;

std::uint32_t text_length(const char *text) {
    if (reinterpret_cast<std::uintptr_t>(text) < kLowestText) return 0;
    return static_cast<std::uint32_t>(std::strlen(text));
}

}  // namespace

void log_text(std::uint32_t functionId, std::uint32_t probe, const char *text) {
    pdLog(1, 0, functionId, 0, 0, probe, 2, 1, 0, kLogText, text_length(text), text, kLogInteger, 0, nullptr);
}

void log_text_and_value(std::uint32_t functionId, std::uint32_t probe, const char *text, std::int32_t value) {
    pdLog(1, 0, functionId, 0, 0, probe, 2, 2, 0, kLogText, text_length(text), text, kLogInteger, 4, &value);
}

}  // namespace vrx
