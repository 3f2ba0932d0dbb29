// The fuzz target makes its calls from the conformance rows
// (tests/conformance/rows_*.cpp): the input chooses the entry point, the
// faults and the core's result, then every choice the row makes through
// its Arena (Layout::Fuzz: texts and records null, refused or at an odd
// address, lengths, versions, counts; see conformance.h). A new entry
// point needs nothing here: its conformance row is its fuzz row.
//
// Input: two bytes naming the entry point by a hash of its name (saved
// inputs keep their entry point when the table grows; another value picks
// one by position), one byte of faults (bit 0 pointer checking on, bit 1
// the initialisation failing, bit 2 the sqlca refused, bits 3-7 the scratch
// request to fail; not read by a concurrent run), one byte choosing the
// core's result (0: the row's), then the Arena's choices, one byte each.
// An input that runs out reads zeros, and zeros are the row's own choices.
//
// Checked after every call (abort on a violation):
//   - caller storage outside the row's output areas and the sqlca is byte for byte as it was;
//   - the scratch ledger is empty and nothing was released twice;
//   - no core call after a failed initialisation or a failed scratch request;
//   - after a core call, the core's result (or, for the rows whose result
//     is the library's own, 0, or 1 with checking on).
#include "fuzz_harness.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "conformance/conformance.h"
#include "vrxstub.h"

#if defined(__SANITIZE_ADDRESS__)
#define VRX_FUZZ_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VRX_FUZZ_ASAN 1
#endif
#endif
#if defined(VRX_FUZZ_ASAN)
#include <sanitizer/asan_interface.h>
#define VRX_POISON(at, size) ASAN_POISON_MEMORY_REGION(at, size)
#define VRX_UNPOISON(at, size) ASAN_UNPOISON_MEMORY_REGION(at, size)
#else
#define VRX_POISON(at, size) ((void)(at), (void)(size))
#define VRX_UNPOISON(at, size) ((void)(at), (void)(size))
#endif

namespace vrxfuzz {
namespace {

using vrxtest::conformance::Arena;
using vrxtest::conformance::Choices;
using vrxtest::conformance::Layout;
using vrxtest::conformance::Row;

struct Entry {
    const char *name, *core, *frame;
};
const Entry kEntries[] = {
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source, library) {#upper, #core, #frame},
#include "frame/entry_points.inc"
#undef VRX_ENTRY
};
constexpr std::size_t kCount = sizeof kEntries / sizeof kEntries[0];

[[noreturn]] void violated(const char *entry, const std::string &what) {
    std::fprintf(stderr, "*** %s: %s\n", entry, what.c_str());
    std::abort();
}

// The call under way on this thread, for the hook on the core functions.
struct Run {
    std::int32_t coreResult = 0;
    bool coreCalled = false;
};
thread_local Run *current = nullptr;

std::int32_t VRX_CDECL on_core(const vrxstub_call *, void *) {
    current->coreCalled = true;
    return current->coreResult;
}

std::uint16_t key_of(const char *name) {
    std::uint32_t h = 2166136261u;
    for (; *name != 0; ++name) h = (h ^ static_cast<unsigned char>(*name)) * 16777619u;
    return static_cast<std::uint16_t>(h ^ h >> 16);
}

const Entry &entry_of(std::uint32_t key) {
    for (const Entry &e : kEntries)
        if (key_of(e.name) == key) return e;
    return kEntries[key % kCount];
}

bool initialises(const std::string &frame) {
    return frame == "standard" || frame == "guarded" || frame == "checked" || frame == "unreported";
}

}  // namespace

std::size_t row_count() { return kCount; }

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> seeds() {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> out;
    for (const Entry &e : kEntries) {
        const std::uint16_t key = key_of(e.name);
        out.push_back({e.name, {static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(key >> 8)}});
    }
    return out;
}

void install_hooks() {
    for (const Entry &e : kEntries) {
        if (vrxtest::conformance::find_row(e.name) == nullptr) violated(e.name, "no conformance row");
        if (*e.core != '\0') vrxstub_set_hook(e.core, on_core, nullptr);
    }
}

Outcome run_input(const std::uint8_t *data, std::size_t size, bool concurrent) {
    Choices in{data, data + size, false};
    const std::uint32_t low = in.next();
    const Entry &entry = entry_of(low | std::uint32_t{in.next()} << 8);
    const Row &row = *vrxtest::conformance::find_row(entry.name);
    const std::uint8_t faults = concurrent ? 0 : in.next();
    const bool checkOn = faults & 1, initFail = faults & 2;
    static constexpr std::int32_t kResults[] = {0, -1013, 1014, 1, -2550, 20};
    const std::uint8_t result = in.next();
    Run run{result == 0 ? row.coreResult : kResults[result % 6]};
    if (!concurrent) {
        vrxstub_reset();
        vrxstub_set_recording(0);
        vrxstub_set_ptr_check(checkOn);
        vrxstub_set_init_result(initFail ? -1 : 0);
        vrxstub_refuse_sqlca(faults & 4);
        vrxstub_fail_scratch_at(faults >> 3);
        in.refusals = checkOn;
    }

    // The storage past what the row laid out is out of bounds while the call runs.
    Arena a(Layout::Fuzz, &in);
    const unsigned char *tail = nullptr;
    std::size_t tailSize = 0;
    a.beforeCall = [&] {
        tail = a.mem.data() + a.mem.used();
        tailSize = a.mem.size() - a.mem.used();
        VRX_POISON(tail, tailSize);
    };
    current = &run;
    const std::int32_t got = row.call(a);
    current = nullptr;
    VRX_UNPOISON(tail, tailSize);

    std::vector<vrxtest::Span> allowed = a.outputs();
    allowed.push_back(a.sqlca_span());
    if (const std::ptrdiff_t at = a.mem.changed_outside(allowed); at >= 0)
        violated(entry.name, "caller byte changed outside the outputs at offset " + std::to_string(at));
    if (!concurrent && (vrxstub_outstanding_blocks() != 0 || vrxstub_bad_releases() != 0))
        violated(entry.name, "scratch blocks left outstanding or released twice");
    if (run.coreCalled) {
        if (initFail && initialises(entry.frame))
            violated(entry.name, "the core was called after a failed initialisation");
        if (!concurrent && vrxstub_scratch_failures() != 0)
            violated(entry.name, "the core was called after a failed scratch request");
        if (row.resultIsCores ? got != run.coreResult : got != 0 && !(got == 1 && checkOn))
            violated(entry.name, "not the core's result, nor the entry point's own");
    }
    Outcome out;
    out.ran = true;
    out.coreCalled = run.coreCalled;
    out.result = got;
    if (concurrent) out.changes = a.mem.changes();
    return out;
}

}  // namespace vrxfuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const bool hooked = (vrxfuzz::install_hooks(), vrxstub_set_recording(0), true);
    (void)hooked;
    vrxfuzz::run_input(data, size, false);
    return 0;
}
