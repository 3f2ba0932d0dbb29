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

}  // namespace vrx
