// Database configuration. The update forms' alias shares its terminator
// with the first value, the other two values share another: the first pair
// shows the values put back before the alias, the second their chain put
// back head first.
#include <algorithm>

#include "conformance/conformance.h"
#include "vrxplatform/config.h"

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
    return [entry](Arena &a) { return a.call(entry, a.len(3), kHigh16 | a.count(15), get_items(a, {}), a.ca(), a.text(3)); };
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
         return a.call(sqlgxdbc, ~0u, a.len(3), kHigh16 | a.count(15), get_items(a, {20, 103, 105, 107, 121, 120}), a.ca(), ~0u,
                       a.text(3));
     }},
    {"SQLGUDB", "'A' 3 items ca",
     [](Arena &a) {
         return a.call(sqlgudb, a.len(1), kHigh16 | a.count(3), update_lengths(a), update_items(a), a.ca(), a.text(1));
     },
     {"sqlgudb"}, "sqlgcfg 915 915 915", {915, 915, 915}},
    {"SQLGEUDB", "'A' 3 items ca",
     [](Arena &a) {
         return a.call(sqlgeudb, ~0u, a.len(1), kHigh16 | a.count(3), update_lengths(a), update_items(a), a.ca(), ~0u,
                       a.text(1));
     },
     {"sqlgeudb"}, "sqlgeudb 340 340 340", {340, 340, 340}},
    {"SQLGRDB", "'A' ca", [](Arena &a) { return a.call(sqlgrdb, a.len(1), a.ca(), a.text(1)); }},
    {"SQLGRDBC", "'A' ca", [](Arena &a) { return a.call(sqlgrdbc, ~0u, a.len(1), a.ca(), ~0u, a.text(1)); }},
};

}  // namespace
}  // namespace vrxtest::conformance

// Instance and versioned configuration. The instance update's chain holds
// two texts that share text 1 and a null value, which costs a record too;
// token 844 is read only and passed unterminated. The versioned forms'
// database name shares text 1 with the first value (values put back before
// the name), the other two values share text 2 (last item first).

namespace vrxtest::conformance {
namespace {

// Token 66 (20 bytes) is blank-filled; 39 is updated only and left as the core wrote it.
auto instance_get(decltype(&sqlgxsys) entry) {
    return [entry](Arena &a) {
        auto *items = a.records<vrxConfigItem>({{66, 0, a.filled(20, "ABC")}, {39, 0, a.filled(9, "AB", false)}}, "items");
        return a.call(entry, kHigh16 | a.count(2), items, a.ca());
    };
}

auto versioned(decltype(&vrxgCfgGet) entry) {
    return [entry](Arena &a) {
        auto *items = a.records<vrxgCfgItem>(
            {{4, a.len32(2), a.text(2, 1), 7}, {103, a.len32(3), a.text(3, 2), 8}, {9, a.len32(4), a.text(4, 2), 9}},
            "items");
        return a.call(entry, a.version(9050000u), a.record(vrxgCfgStruct{a.count(3), items, 0x55, a.len32(1), a.text(1, 1)}), a.ca());
    };
}

// The core record, then each core item: token, value, flags.
void see_versioned(const vrxstub_call &c, Arena &a) {
    const auto *core = arg<const vrxCfgStruct *>(c, 1);
    a.see(core->iNumItems, core->iFlags, core->piDbName);
    for (std::uint32_t i = 0; i < core->iNumItems; ++i)
        a.see(core->piItems[i].iToken, core->piItems[i].pioValue, core->piItems[i].iFlags);
}

const Rows instanceRows = {
    {"SQLGXSYS", "2 items ca", instance_get(sqlgxsys)},
    {"SQLGDSYS", "2 items ca", instance_get(sqlgdsys)},
    {"SQLGUSYS", "5 items ca",
     [](Arena &a) {
         auto *items = a.records<vrxConfigItem>(
             {{7, 0, a.text(1)}, {39, 0, a.text(2, 1)}, {24, 0, nullptr}, {844, 0, a.text(4)}, {63, 0, a.text(3, 1)}},
             "items");
         return a.call(sqlgusys, kHigh16 | a.count(5), a.records<std::uint16_t>({1, 2, 9, 4, 3}, "lengths"), items, a.ca());
     },
     {"sqlgusys"}, "sqlgusys 348 348 348 348", {348, 348, 348, 348}},
    {"SQLGRSYS", "ca", [](Arena &a) { return a.call(sqlgrsys, a.ca()); }},
    {"VRXGCFGGET", "9050000 & ca 3 85 'A' 4 'BA' 7 103 'CBA' 8 9 'DCBA' 9", versioned(vrxgCfgGet), {}, "", {},
     see_versioned},
    {"VRXGCFGSET", "9050000 & ca 3 85 'A' 4 'BA' 7 103 'CBA' 8 9 'DCBA' 9", versioned(vrxgCfgSet), {}, "", {},
     see_versioned},
};

}  // namespace
}  // namespace vrxtest::conformance
