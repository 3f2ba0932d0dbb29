#include "frame/tracing.h"

#include "vrxplatform/services.h"

namespace vrx {

namespace {
std::uint32_t trace_word(std::uint32_t byteOffset) {
    return g_sqltCompTraceFlags[byteOffset / sizeof(std::uint32_t)];
}
}  // namespace

bool entry_tracing_on() { return (trace_word(0x248) & 0x1u) != 0; }
bool exit_tracing_on() { return (trace_word(0x54) & 0x8002u) != 0; }

void trace_entry(std::uint32_t functionId) {
    if (entry_tracing_on()) pdtEntry(functionId);
}

std::int32_t trace_exit(std::uint32_t functionId, std::int32_t result) {
    if (exit_tracing_on()) sqltExit(functionId, result);
    return result;
}

}  // namespace vrx
