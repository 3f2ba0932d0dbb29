#include <algorithm>

#include "conformance/conformance.h"

namespace vrxtest::conformance {

namespace {

std::vector<Row> &registry() {
    static std::vector<Row> rows;
    return rows;
}

std::vector<Variant> &variant_registry() {
    static std::vector<Variant> variants;
    return variants;
}

}  // namespace

// A fuzzed text's 16-bit length may reach 64 KiB past it: its shared text has the room.
Arena::Arena(Layout layout, Choices *fuzz)
    : mem(layout == Layout::Fuzz ? 512 * 1024 : 16384),
      layout(layout),
      fuzz_(fuzz),
      shift_(layout == Layout::Odd || (fuzz != nullptr && fuzz->next() % 2 != 0) ? 1 : 0),
      base_(static_cast<char *>(mem.room(0))) {}

char *Arena::text(std::size_t n, int k) {
    if (layout == Layout::Nulls || n > 16) return nullptr;
    char *&spot = spots_[k];
    if (spot == nullptr) {  // room for a 520-byte vendor entry and a 257-byte field
        const std::size_t blanks = layout == Layout::Fuzz ? 0x10010 : 524;
        spot = static_cast<char *>(mem.room(4 + 16 + blanks + 1)) + shift_ + 4;
        const std::uint32_t length = len32(16);
        std::memcpy(spot - 4, &length, 4);
        std::memcpy(spot, "PONMLKJIHGFEDCBA", 16);
        std::memset(spot + 16, ' ', blanks);
    }
    const int c = pick() % 8;
    if (c == kNull) return nullptr;
    if (c == kRefused) refuse(spot + 16 - n);
    lengthy.push_back(spot + 16 - n);
    return spot + 16 - n;
}

std::uint32_t Arena::length(std::uint32_t n, bool wide) {
    const std::uint8_t c = pick();
    switch (c % 8) {
        case 4: return c / 8 % (n + 1);
        case 5: return n + 1 + c / 8;
        case 6: return 0xFFFFu - c / 8 % 2;
        case 7:
            if (!wide || !fuzz_->refusals) return n;
            huge_ = true;
            return ~0u - c / 8 % 2;
        default: return n;
    }
}

std::uint32_t Arena::upto(std::uint32_t n) {
    const std::uint8_t c = pick();
    return c % 4 == 3 ? c / 4 % (n + 1) : n;
}

std::int32_t Arena::entries(std::int32_t n) {
    const std::uint8_t c = pick();
    return c % 8 == 7 ? (c & 8 ? -1 : INT32_MIN) : static_cast<std::int32_t>(c % 8 == 6 ? c / 16 % (n + 1) : n);
}

std::uint32_t Arena::version(std::uint32_t v) {
    static constexpr std::uint32_t kVersions[] = {8010200, 8010400, 8020000, 8020200, 9000000, 9050000};
    const std::uint8_t c = pick();
    if (c == 0) return v;
    if (c >= 0xFE) return c == 0xFE ? 0 : ~0u;
    return kVersions[c % 6] + c / 6 % 3 - 1;
}

sqlca *Arena::ca() {
    if (caMade_ || layout == Layout::NullSqlca) return ca_;
    caMade_ = true;
    const int c = pick() % 8;
    if (c == kNull) return ca_;
    if (c != kOdd) return ca_ = mem.ca();
    char *at = static_cast<char *>(mem.room(sizeof(sqlca) + 1)) + 1;
    return ca_ = static_cast<sqlca *>(std::memset(at, 0, sizeof(sqlca)));
}

char *Arena::out(std::size_t width) {
    if (layout == Layout::Nulls) return nullptr;
    const int c = pick() % 8;
    if (c == kNull) return nullptr;
    char *at = static_cast<char *>(std::memset(mem.room(width + 1), 'o', width + 1));
    outs_.push_back({at, width});
    names_[at] = "out";
    lengthy.push_back(at);
    if (c == kRefused) refuse(at);
    return at;
}

char *Arena::filled(std::size_t width, const std::string &text, bool fill) {
    return filled_at(out(width), width, text, fill);
}

char *Arena::filled_at(char *at, std::size_t width, const std::string &text, bool fill) {
    if (at == nullptr) return nullptr;
    if (outs_.empty() || outs_.back().at != at) outs_.push_back({at, width});
    writes(at, text);
    expect(at, fill ? text + std::string(width - text.size(), ' ')
                    : text + '\0' + std::string(width - text.size() - 1, 'o'));
    return at;
}

std::string Arena::describe(std::uintptr_t value) const {
    const auto *at = reinterpret_cast<const char *>(value);
    if (value == 0) return "0";
    if (at == reinterpret_cast<const char *>(ca_)) return "ca";
    for (const auto &spot : spots_)
        if (at >= spot.second && at <= spot.second + 16) return "'" + std::string(at, strnlen(at, 24)) + "'";
    if (auto it = names_.find(at); it != names_.end()) return it->second;
    return value > own.first && value < own.second ? "&" : std::to_string(value);
}

std::string Arena::region(const void *p, std::uint32_t length, std::uint8_t mode) const {
    const auto *at = static_cast<const char *>(p);
    const std::string size = std::to_string(length) + "/" + std::to_string(mode);
    if (at == reinterpret_cast<const char *>(ca_)) return "ca " + size;
    for (const auto &[k, spot] : spots_) {
        if (at >= spot && at <= spot + 16) return "'" + std::string(at, spot + 16 - at) + "' " + size;
        if (at == spot - 4) return "entry" + std::to_string(k) + " " + size;  // an inline entry's length, then its text
    }
    auto it = names_.upper_bound(p);
    if (it == names_.begin()) return "? " + size;
    --it;
    std::string name = it->second;
    const auto same = [&](const auto &named) { return named.second == it->second; };
    if (std::count_if(names_.begin(), names_.end(), same) > 1)
        name += "#" + std::to_string(std::count_if(names_.begin(), it, same) + 1);
    const std::ptrdiff_t inside = at - static_cast<const char *>(it->first);
    if (inside != 0) return name + "+" + std::to_string(inside) + " " + size;
    const auto record = records_.find(p);
    const bool whole = record != records_.end() && record->second == length;
    return whole ? name + " /" + std::to_string(mode) : name + " " + size;
}

Rows::Rows(std::initializer_list<Row> rows) { registry().insert(registry().end(), rows.begin(), rows.end()); }

const Row *find_row(const std::string &name) {
    for (const Row &row : registry())
        if (name == row.name) return &row;
    return nullptr;
}

Variants::Variants(std::vector<Variant> variants) {
    variant_registry().insert(variant_registry().end(), variants.begin(), variants.end());
}

std::vector<const Variant *> variants_of(const std::string &name) {
    std::vector<const Variant *> out;
    for (const Variant &v : variant_registry())
        if (name == v.name) out.push_back(&v);
    return out;
}

}  // namespace vrxtest::conformance
