// Stand-in for the trace-flag words: all clear unless a test sets them.
#include <cstdint>

#include "vrxplatform/services.h"
#include "vrxstub.h"

namespace {
std::uint32_t words[0x100];  // covers byte offsets 0x54 and 0x248
}

extern "C" {

const std::uint32_t *g_sqltCompTraceFlags = words;

void VRX_CDECL vrxstub_set_trace_word(std::uint32_t byteOffset, std::uint32_t value) {
    if (byteOffset / sizeof(std::uint32_t) < sizeof words / sizeof words[0])
        words[byteOffset / sizeof(std::uint32_t)] = value;
}

}
