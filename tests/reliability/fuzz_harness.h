// The fuzz harness over every exported entry point: an input chooses the
// entry point, the faults, the core's result and every choice its
// conformance row makes through the Arena; the library's promises are
// checked after the call (abort on a violation).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vrxfuzz {

// What a call did, comparable between two runs of the same input.
struct Outcome {
    bool ran = false;
    bool coreCalled = false;
    std::int32_t result = 0;
    std::vector<std::pair<std::uint32_t, char>> changes;  // storage offset, byte after the call (concurrent runs)
};

// Sets the hooks on every core function the entry point table names, once.
void install_hooks();

// Runs one input. `concurrent`: other threads are calling too, so the
// input may not set faults (they are process-wide) and the scratch ledger
// is checked by the caller once all threads are done.
Outcome run_input(const std::uint8_t *data, std::size_t size, bool concurrent);

// The number of rows, one per exported entry point.
std::size_t row_count();

// One input per entry point, named after it: a plain valid call (every
// later choice the input leaves out is the plain one).
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> seeds();

}  // namespace vrxfuzz
