#include "harness.h"

#include <algorithm>

namespace vrxtest {

void PlatformTest::SetUp() {
    vrxstub_reset();
    vrxstub_clear_hooks();
    vrxstub_reset_model();
    ASSERT_EQ(vrxstub_outstanding_blocks(), 0u) << "an earlier test leaked scratch blocks";
}

void PlatformTest::TearDown() {
    EXPECT_EQ(vrxstub_release_outstanding(), 0u) << "scratch blocks left outstanding";
    EXPECT_EQ(vrxstub_bad_releases(), 0u) << "blocks released that the ledger did not hold";
    vrxstub_clear_hooks();
}

void *CallerStorage::room(std::size_t size) {
    void *p = Storage::room(size);
    if (p == nullptr) ADD_FAILURE() << "caller storage exhausted";
    return p;
}

char *CallerStorage::text(std::string_view value, char after) {
    char *p = static_cast<char *>(room(value.size() + 1));
    std::memcpy(p, value.data(), value.size());
    p[value.size()] = after;
    return p;
}

char *CallerStorage::field(std::string_view value, std::size_t width, char pad) {
    char *p = static_cast<char *>(room(width));
    std::memset(p, pad, width);
    std::memcpy(p, value.data(), std::min(value.size(), width));
    return p;
}

::testing::AssertionResult CallerStorage::unchanged_except(const std::vector<Span> &outputs) const {
    return vrxtest::unchanged_except(*this, outputs);
}

::testing::AssertionResult unchanged_except(const Storage &storage, const std::vector<Span> &outputs) {
    if (!storage.snapshot_taken()) return ::testing::AssertionFailure() << "no snapshot taken";
    const std::ptrdiff_t i = storage.changed_outside(outputs);
    if (i < 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "caller byte at offset " << i << " changed from 0x" << std::hex
                                         << int(storage.before()[i]) << " to 0x" << int(storage.data()[i]);
}

std::string field_text(const char *field, std::size_t width) { return std::string(field, width); }

std::size_t count_calls(const char *name) { return calls(name).size(); }

CoreHook::CoreHook(const char *name, Need need, Body body) : name_(name), body_(std::move(body)), need_(need) {
    EXPECT_TRUE(vrxstub_set_hook(name_.c_str(), &CoreHook::trampoline, this)) << "no core function " << name_;
}

CoreHook::~CoreHook() {
    vrxstub_set_hook(name_.c_str(), nullptr, nullptr);
    if (need_ == mustRun && !ran_) ADD_FAILURE() << "the hook on " << name_ << " never ran";
}

std::int32_t VRX_CDECL CoreHook::trampoline(const vrxstub_call *call, void *context) {
    auto *self = static_cast<CoreHook *>(context);
    self->ran_ = true;
    return self->body_(*call);
}

::testing::AssertionResult reports_no_memory(const sqlca &ca, const char *tag8) {
    if (ca.sqlcode != -83) return ::testing::AssertionFailure() << "sqlcode " << ca.sqlcode << ", not -83";
    if (std::memcmp(ca.sqlerrp, tag8, 8) != 0)
        return ::testing::AssertionFailure() << "sqlerrp '" << std::string(ca.sqlerrp, 8) << "'";
    return ::testing::AssertionSuccess();
}

std::uint32_t fault_sweep(const std::function<void()> &run, const std::function<void(std::uint32_t)> &check) {
    std::uint32_t k = 1;
    for (;; ++k) {
        vrxstub_reset();
        vrxstub_fail_scratch_at(k);
        run();
        if (vrxstub_scratch_failures() == 0) break;
        check(k);
        EXPECT_EQ(vrxstub_release_outstanding(), 0u) << "leak after failing scratch request " << k;
        if (k > 10000) {
            ADD_FAILURE() << "fault sweep does not end";
            break;
        }
    }
    vrxstub_reset();
    return k - 1;
}

std::vector<std::pair<std::string, std::uint32_t>> scratch_sites() {
    std::vector<std::pair<std::string, std::uint32_t>> out;
    for (std::size_t i = 0; i < vrxstub_scratch_request_count(); ++i) {
        const vrxstub_scratch_request *r = vrxstub_scratch_request_at(i);
        out.emplace_back(r->file, r->line);
    }
    return out;
}

}  // namespace vrxtest
