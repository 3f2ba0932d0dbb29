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

#include "storage.h"

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

// Caller storage (see storage.h) whose exhaustion fails the test, with the
// texts and fields the family tests lay out.
class CallerStorage : public Storage {
public:
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
    sqlca *ca() { return place(sqlca{}); }
    ::testing::AssertionResult unchanged_except(const std::vector<Span> &outputs = {}) const;
};

// No byte of `storage` changed since its snapshot but in `outputs`.
::testing::AssertionResult unchanged_except(const Storage &storage, const std::vector<Span> &outputs = {});

std::string field_text(const char *field, std::size_t width);

// --- the call log --------------------------------------------------------------

std::size_t count_calls(const char *name);

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


}  // namespace vrxtest
