// The test harness: a fixture that resets the platform stand-ins and
// insists on an empty scratch ledger after every test (releasing what a
// test leaked, so that the next one starts clean), caller storage that
// proves which bytes a call changed, hooks that capture what the core saw,
// and the fault sweep over scratch requests.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "vrxagapi.h"
#include "vrxstub.h"

namespace vrxtest {

// Garbage a caller may leave in the upper bits of a 16- or 8-bit slot.
constexpr vrx_slot kHigh = 0xBEEF0000u;

// --- the fixture ----------------------------------------------------------------

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// --- caller storage -------------------------------------------------------------

// A span of caller storage that a call may change.
struct Span {
    const void *at;
    std::size_t size;
};

// Caller storage: one block of patterned bytes from which a test carves its
// texts, fields and records with slack between them. snapshot() keeps a
// copy; unchanged_except() then proves that the call changed nothing but
// the spans it was allowed to.
class CallerStorage {
public:
    CallerStorage();

    // A length-qualified text followed by `after`, the byte the library
    // borrows for its terminator.
    char *text(std::string_view value, char after = '#');
    // A fixed-width field holding `value`, padded with `pad`.
    char *field(std::string_view value, std::size_t width, char pad = ' ');
    // Uninitialised (patterned) room of `size` bytes, aligned for any record.
    void *room(std::size_t size);
    template <class T>
    T *place(const T &value) {
        T *p = static_cast<T *>(room(sizeof(T)));
        std::memcpy(static_cast<void *>(p), &value, sizeof(T));
        return p;
    }
    sqlca *ca();

    void snapshot();
    ::testing::AssertionResult unchanged_except(const std::vector<Span> &outputs = {}) const;

private:
    static constexpr std::size_t kSize = 16384;
    static constexpr unsigned char kPattern = 0xA5;
    std::vector<unsigned char> bytes_;
    std::vector<unsigned char> before_;
    std::size_t used_ = 0;
};

std::string field_text(const char *field, std::size_t width);

// --- the call log --------------------------------------------------------------

// Calls recorded since the fixture's reset, in order, optionally only those
// of one function.
std::vector<vrxstub_call> calls(const char *name = nullptr);
std::size_t count_calls(const char *name);

template <class T>
T arg(const vrxstub_call &call, std::size_t i) {
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(call.args[i]);
    else
        return static_cast<T>(call.args[i]);
}

// A text argument as the core saw it (only valid while the call runs).
std::string text_arg(const vrxstub_call &call, std::size_t i);

// --- hooks ---------------------------------------------------------------------

// Runs `body` in place of the stand-in's core function `name` for as long as
// the object lives. The body sees the raw call while the caller's texts are
// terminated, and returns the core result. A hook whose body never ran
// fails the test, as its checks never ran either, unless it was made with
// `mayNotRun` for a call that need not reach the core.
class CoreHook {
public:
    using Body = std::function<std::int32_t(const vrxstub_call &)>;
    enum Need { mustRun, mayNotRun };
    CoreHook(const char *name, Body body) : CoreHook(name, mustRun, std::move(body)) {}
    CoreHook(const char *name, Need need, Body body);
    ~CoreHook();
    CoreHook(const CoreHook &) = delete;
    CoreHook &operator=(const CoreHook &) = delete;

private:
    static std::int32_t VRX_CDECL trampoline(const vrxstub_call *call, void *context);
    std::string name_;
    Body body_;
    Need need_;
    std::atomic<bool> ran_{false};
};

// --- faults ------------------------------------------------------------------------

// The sqlca as the library leaves it on a memory failure.
::testing::AssertionResult reports_no_memory(const sqlca &ca, const char *tag8);

// Runs `run` with the 1st, 2nd, ... scratch request failing until a run
// completes without an injected failure; after each injected run calls
// `check(k)` (k counts from 1). Returns how many runs were injected.
std::uint32_t fault_sweep(const std::function<void()> &run, const std::function<void(std::uint32_t)> &check);

// The (file, line) of every scratch request since the last reset.
std::vector<std::pair<std::string, std::uint32_t>> scratch_sites();

// A pointer check as the core support function received it.
struct Check {
    const void *at;
    std::uint32_t length;
    std::uint32_t mode;
    bool operator==(const Check &o) const { return at == o.at && length == o.length && mode == o.mode; }
};
std::ostream &operator<<(std::ostream &out, const Check &c);

// The pointer checks made since the last reset, in order.
std::vector<Check> checks_made();

}  // namespace vrxtest
