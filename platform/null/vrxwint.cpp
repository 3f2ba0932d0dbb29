// The null trace-flag words: every trace is off.
#include <cstdint>

#include "vrxplatform/services.h"

namespace {
const std::uint32_t words[0x100] = {};  // covers byte offsets 0x54 and 0x248
}

extern "C" {
const std::uint32_t *g_sqltCompTraceFlags = words;
}
