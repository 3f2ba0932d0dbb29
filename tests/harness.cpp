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

CallerStorage::CallerStorage() : bytes_(kSize, kPattern) {}

void *CallerStorage::room(std::size_t size) {
    used_ = (used_ + 16 + 15) & ~std::size_t{15};  // 16 bytes of slack, then align
    if (used_ + size > kSize) {
        ADD_FAILURE() << "caller storage exhausted";
        return nullptr;
    }
    void *p = bytes_.data() + used_;
    used_ += size;
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

sqlca *CallerStorage::ca() {
    sqlca blank{};
    return place(blank);
}

void CallerStorage::snapshot() { before_ = bytes_; }

::testing::AssertionResult CallerStorage::unchanged_except(const std::vector<Span> &outputs) const {
    if (before_.empty()) return ::testing::AssertionFailure() << "no snapshot taken";
    auto allowed = [&](std::size_t offset) {
        const unsigned char *p = bytes_.data() + offset;
        for (const Span &s : outputs) {
            const auto *from = static_cast<const unsigned char *>(s.at);
            if (p >= from && p < from + s.size) return true;
        }
        return false;
    };
    for (std::size_t i = 0; i < kSize; ++i) {
        if (bytes_[i] != before_[i] && !allowed(i))
            return ::testing::AssertionFailure()
                   << "caller byte at offset " << i << " changed from 0x" << std::hex << int(before_[i])
                   << " to 0x" << int(bytes_[i]);
    }
    return ::testing::AssertionSuccess();
}

std::string field_text(const char *field, std::size_t width) { return std::string(field, width); }

std::vector<vrxstub_call> calls(const char *name) {
    std::vector<vrxstub_call> out;
    for (std::size_t i = 0; i < vrxstub_call_count(); ++i) {
        const vrxstub_call *c = vrxstub_call_at(i);
        if (name == nullptr || std::strcmp(c->name, name) == 0) out.push_back(*c);
    }
    return out;
}

std::size_t count_calls(const char *name) { return calls(name).size(); }

std::string text_arg(const vrxstub_call &call, std::size_t i) {
    const char *p = arg<const char *>(call, i);
    return p != nullptr ? std::string(p) : std::string("(null)");
}

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

std::ostream &operator<<(std::ostream &out, const Check &c) {
    return out << "{" << c.at << ", " << c.length << ", " << c.mode << "}";
}

std::vector<Check> checks_made() {
    std::vector<Check> out;
    for (const vrxstub_call &c : calls("sqlagcptr_real"))
        out.push_back({arg<const void *>(c, 0), arg<std::uint32_t>(c, 1), arg<std::uint32_t>(c, 2)});
    return out;
}

}  // namespace vrxtest
