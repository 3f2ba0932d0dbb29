// Entry and exit tracing switched by the platform's trace-flag words.
#pragma once

#include <cstdint>

namespace vrx {

// Entry records are wanted when bit 0x1 of the word at byte 0x248 is set.
bool entry_tracing_on();
// Exit records are wanted when the word at byte 0x54 has a bit of 0x8002.
bool exit_tracing_on();

// A traced entry point reports its entry before the initialisation and its
// exit, with the result it returns, after its clean-up on every path; the
// flags are read anew at each point.
void trace_entry(std::uint32_t functionId);
// Returns `result`, so that the entry point can return what it reported.
std::int32_t trace_exit(std::uint32_t functionId, std::int32_t result);

}  // namespace vrx
