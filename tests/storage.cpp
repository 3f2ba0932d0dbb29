#include "storage.h"

namespace vrxtest {

namespace {
// The buffers of the last storage on this thread, kept for the next one:
// the fuzz programs make one large storage per call.
thread_local std::vector<unsigned char> spareBytes, spareBefore;
}  // namespace

Storage::Storage(std::size_t size) : bytes_(std::move(spareBytes)), before_(std::move(spareBefore)) {
    bytes_.assign(size, kPattern);
    before_.clear();
}

Storage::~Storage() {
    spareBytes = std::move(bytes_);
    spareBefore = std::move(before_);
}

void *Storage::room(std::size_t size) {
    const std::size_t at = (used_ + 16 + 15) & ~std::size_t{15};  // 16 bytes of slack, then align
    if (at + size > bytes_.size()) return nullptr;
    used_ = at + size;
    return bytes_.data() + at;
}

sqlca *Storage::ca() {
    void *at = room(sizeof(sqlca));
    return at != nullptr ? static_cast<sqlca *>(std::memset(at, 0, sizeof(sqlca))) : nullptr;
}

bool Storage::holds(const void *at) const {
    const auto *p = static_cast<const unsigned char *>(at);
    return p >= bytes_.data() && p < bytes_.data() + bytes_.size();
}

std::ptrdiff_t Storage::changed_outside(const std::vector<Span> &outputs) const {
    for (const auto &[i, value] : changes()) {
        const unsigned char *p = bytes_.data() + i;
        bool allowed = false;
        for (const Span &s : outputs)
            allowed = allowed || (p >= static_cast<const unsigned char *>(s.at) &&
                                  p < static_cast<const unsigned char *>(s.at) + s.size);
        if (!allowed) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::vector<std::pair<std::uint32_t, char>> Storage::changes() const {
    std::vector<std::pair<std::uint32_t, char>> out;
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i % 64 == 0 && i + 64 <= bytes_.size() && std::memcmp(&bytes_[i], &before_[i], 64) == 0)
            i += 63;
        else if (bytes_[i] != before_[i])
            out.emplace_back(static_cast<std::uint32_t>(i), static_cast<char>(bytes_[i]));
    }
    return out;
}

std::string text_arg(const vrxstub_call &call, std::size_t i) {
    const char *p = arg<const char *>(call, i);
    return p != nullptr ? std::string(p) : std::string("(null)");
}

std::vector<vrxstub_call> calls(const char *name) {
    std::vector<vrxstub_call> out;
    for (std::size_t i = 0; i < vrxstub_call_count(); ++i) {
        const vrxstub_call *c = vrxstub_call_at(i);
        if (name == nullptr || std::strcmp(c->name, name) == 0) out.push_back(*c);
    }
    return out;
}

}  // namespace vrxtest
