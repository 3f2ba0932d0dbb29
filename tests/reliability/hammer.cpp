// The thread hammer: eight threads call a mix of entry points for a bounded
// time, each on its own caller storage (an Arena per call), and every call
// must come out as the same call did on one thread: the same result, the
// same core call, the same bytes changed.
// Run under ThreadSanitizer; the stand-ins' call log is switched off.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "fuzz_harness.h"
#include "vrxstub.h"

int main(int argc, char **argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    constexpr int kThreads = 8;
    vrxfuzz::install_hooks();
    vrxstub_reset();
    vrxstub_set_recording(0);

    // Four pseudo-random calls per entry point, each with its outcome on one thread.
    std::vector<std::vector<std::uint8_t>> inputs;
    std::vector<vrxfuzz::Outcome> expected;
    std::uint64_t x = 0x9E3779B97F4A7C15u;
    for (std::size_t i = 0; i < 4 * vrxfuzz::row_count(); ++i) {
        std::vector<std::uint8_t> input(256);
        for (auto &b : input) {
            x ^= x << 13, x ^= x >> 7, x ^= x << 17;
            b = static_cast<std::uint8_t>(x);
        }
        input[0] = static_cast<std::uint8_t>(i);
        vrxfuzz::Outcome outcome = vrxfuzz::run_input(input.data(), input.size(), true);
        if (!outcome.ran) continue;
        inputs.push_back(std::move(input));
        expected.push_back(std::move(outcome));
    }

    std::atomic<long> calls{0}, mismatches{0};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (std::size_t i = t; std::chrono::steady_clock::now() < deadline; i += kThreads + 1) {
                const std::size_t k = i % inputs.size();
                const vrxfuzz::Outcome o = vrxfuzz::run_input(inputs[k].data(), inputs[k].size(), true);
                const vrxfuzz::Outcome &e = expected[k];
                if (o.coreCalled != e.coreCalled || o.result != e.result || o.changes != e.changes) ++mismatches;
                ++calls;
            }
        });
    }
    for (std::thread &t : threads) t.join();

    const bool leaked = vrxstub_outstanding_blocks() != 0 || vrxstub_bad_releases() != 0;
    std::printf("hammer: %ld calls of %zu different calls on %d threads, %ld unlike the single-thread call%s\n",
                calls.load(), inputs.size(), kThreads, mismatches.load(), leaked ? ", SCRATCH BLOCKS LEAKED" : "");
    return mismatches == 0 && !leaked && calls > 0 ? 0 : 1;
}
