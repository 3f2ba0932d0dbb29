#include "conformance/conformance.h"

namespace vrxtest::conformance {

namespace {

std::vector<Row> &registry() {
    static std::vector<Row> rows;
    return rows;
}

}  // namespace

char *Arena::text(std::size_t n, int k) {
    if (layout == Layout::Nulls || n > 16) return nullptr;
    char *&spot = spots_[k];
    if (spot == nullptr) {  // room for a 520-byte vendor entry and a 257-byte field
        spot = static_cast<char *>(mem.room(4 + 16 + 524 + 1)) + shift_ + 4;
        const std::uint32_t length = len32(16);
        std::memcpy(spot - 4, &length, 4);
        std::memcpy(spot, "PONMLKJIHGFEDCBA", 16);
        std::memset(spot + 16, ' ', 524);
    }
    lengthy.push_back(spot + 16 - n);
    return spot + 16 - n;
}

char *Arena::out(std::size_t width) {
    if (layout == Layout::Nulls) return nullptr;
    char *at = static_cast<char *>(std::memset(mem.room(width + 1), 'o', width + 1));
    outs_.push_back({at, width});
    names_[at] = "out";
    lengthy.push_back(at);
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

Rows::Rows(std::initializer_list<Row> rows) { registry().insert(registry().end(), rows.begin(), rows.end()); }

const Row *find_row(const std::string &name) {
    for (const Row &row : registry())
        if (name == row.name) return &row;
    return nullptr;
}

}  // namespace vrxtest::conformance
