// Database configuration. The update forms' alias shares its terminator
// with the first value, the other two values share another: the first pair
// shows the values put back before the alias, the second their chain put
// back head first.
#include <algorithm>

#include "conformance/conformance.h"

namespace vrxtest::conformance {
namespace {

// Every string-valued token with the width of its output field, and a
// numeric one; a get form blank-fills the fields of its own tokens only.
const std::pair<std::uint16_t, std::size_t> kTexts[] = {
    {46, 256}, {44, 261}, {20, 243}, {103, 243}, {105, 13}, {107, 13}, {121, 34},
    {120, 18}, {501, 65}, {305, 65}, {306, 65}, {307, 31}, {702, 23}, {602, 11}};

vrxConfigItem *get_items(Arena &a, std::vector<std::uint16_t> own) {
    std::vector<vrxConfigItem> items = {{1, 0, a.record(7u)}};
    for (const auto &[token, width] : kTexts)
        items.push_back({token, 0, a.filled(width, "ABC", own.empty() || std::count(own.begin(), own.end(), token))});
    return a.records(items, "items");
}

auto get(decltype(&sqlgxdb) entry) {
    return [entry](Arena &a) { return a.call(entry, a.len(3), kHigh16 | 15, get_items(a, {}), a.ca(), a.text(3)); };
}

vrxConfigItem *update_items(Arena &a) {
    return a.records<vrxConfigItem>({{20, 0, a.text(2)}, {20, 0, a.text(3, 1)}, {20, 0, a.text(4, 1)}}, "items");
}

std::uint16_t *update_lengths(Arena &a) { return a.records<std::uint16_t>({2, 3, 4}, "lengths"); }

const Rows rows = {
    {"SQLGXDB", "'CBA' 15 items ca", get(sqlgxdb)},
    {"SQLGDDB", "'CBA' 15 items ca", get(sqlgddb)},
    {"SQLGXDBC", "'CBA' 15 items ca",
     [](Arena &a) {
         return a.call(sqlgxdbc, ~0u, a.len(3), kHigh16 | 15, get_items(a, {20, 103, 105, 107, 121, 120}), a.ca(), ~0u,
                       a.text(3));
     }},
    {"SQLGUDB", "'A' 3 items ca",
     [](Arena &a) {
         return a.call(sqlgudb, a.len(1), kHigh16 | 3, update_lengths(a), update_items(a), a.ca(), a.text(1));
     },
     {"sqlgudb"}, "sqlgcfg 915 915 915", {915, 915, 915}},
    {"SQLGEUDB", "'A' 3 items ca",
     [](Arena &a) {
         return a.call(sqlgeudb, ~0u, a.len(1), kHigh16 | 3, update_lengths(a), update_items(a), a.ca(), ~0u,
                       a.text(1));
     },
     {"sqlgeudb"}, "sqlgeudb 340 340 340", {340, 340, 340}},
    {"SQLGRDB", "'A' ca", [](Arena &a) { return a.call(sqlgrdb, a.len(1), a.ca(), a.text(1)); }},
    {"SQLGRDBC", "'A' ca", [](Arena &a) { return a.call(sqlgrdbc, ~0u, a.len(1), a.ca(), ~0u, a.text(1)); }},
};

}  // namespace
}  // namespace vrxtest::conformance
