// Entry and exit tracing switched by the platform's trace-flag words.
#pragma once

#include <cstdint>

namespace vrx {

// Entry records are wanted when bit 0x1 of the word at byte 0x248 is set.
bool entry_tracing_on();
// Exit records are wanted when the word at byte 0x54 has a bit of 0x8002.
bool exit_tracing_on();

}  // namespace vrx
