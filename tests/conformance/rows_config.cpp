// Database configuration. The update forms' alias shares its terminator
// with the first value, the other two values share another: the first pair
// shows the values put back before the alias, the second their chain put
// back head first.
#include "conformance/conformance.h"

namespace vrxtest::conformance {
namespace {

// Token 105 (13 bytes) and 46 (256 bytes, which SQLGXDBC leaves as the core wrote it).
vrxConfigItem *get_items(Arena &a, bool fills46) {
    return a.records<vrxConfigItem>({{105, 0, a.filled(13, "ABC")}, {46, 0, a.filled(256, "ABC", fills46)}}, "items");
}

auto get(decltype(&sqlgxdb) entry) {
    return [entry](Arena &a) { return a.call(entry, a.len(3), kHigh16 | 2, get_items(a, true), a.ca(), a.text(3)); };
}

vrxConfigItem *update_items(Arena &a) {
    return a.records<vrxConfigItem>({{20, 0, a.text(2)}, {20, 0, a.text(3, 1)}, {20, 0, a.text(4, 1)}}, "items");
}

std::uint16_t *update_lengths(Arena &a) { return a.records<std::uint16_t>({2, 3, 4}, "lengths"); }

const Rows rows = {
    {"SQLGXDB", "'CBA' 2 items ca", get(sqlgxdb)},
    {"SQLGDDB", "'CBA' 2 items ca", get(sqlgddb)},
    {"SQLGXDBC", "'CBA' 2 items ca",
     [](Arena &a) { return a.call(sqlgxdbc, ~0u, a.len(3), kHigh16 | 2, get_items(a, false), a.ca(), ~0u, a.text(3)); }},
    {"SQLGUDB", "'A' 3 items ca",
     [](Arena &a) {
         return a.call(sqlgudb, a.len(1), kHigh16 | 3, update_lengths(a), update_items(a), a.ca(), a.text(1));
     },
     {"sqlgudb"}, "sqlgcfg 915 915 915"},
    {"SQLGEUDB", "'A' 3 items ca",
     [](Arena &a) {
         return a.call(sqlgeudb, ~0u, a.len(1), kHigh16 | 3, update_lengths(a), update_items(a), a.ca(), ~0u, a.text(1));
     },
     {"sqlgeudb"}, "sqlgeudb 340 340 340"},
    {"SQLGRDB", "'A' ca", [](Arena &a) { return a.call(sqlgrdb, a.len(1), a.ca(), a.text(1)); }},
    {"SQLGRDBC", "'A' ca", [](Arena &a) { return a.call(sqlgrdbc, ~0u, a.len(1), a.ca(), ~0u, a.text(1)); }},
};

}  // namespace
}  // namespace vrxtest::conformance
