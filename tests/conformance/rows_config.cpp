// Database configuration. The update forms' alias shares its terminator
// with the first value, the other two values share another: the first pair
// shows the values put back before the alias, the second their chain put
// back head first.
#include <algorithm>

#include "conformance/conformance.h"
#include "frame/marshal.h"
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
    return [entry](Arena &a) {
        return a.call(entry, a.len(3), kHigh16 | a.count(15), get_items(a, {}), a.ca(), a.text(3));
    };
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
         return a.call(sqlgxdbc, ~0u, a.len(3), kHigh16 | a.count(15), get_items(a, {20, 103, 105, 107, 121, 120}),
                       a.ca(), ~0u, a.text(3));
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

// The update forms terminate the values of their own tokens: SQLGUDB of
// every string-valued token, SQLGEUDB of token 20 only. Each value is a
// text of its own; the core's items show each token and what its value reads.
vrxConfigItem *every_token(Arena &a) {
    std::vector<vrxConfigItem> items;
    int k = 1;
    for (const auto &[token, width] : kTexts) items.push_back({token, 0, a.text(5, k++)});
    items.push_back({1, 0, a.text(5, k)});
    return a.records(items, "items");
}

std::uint16_t *every_length(Arena &a) { return a.records(std::vector<std::uint16_t>(15, 5), "lengths"); }

void see_values(const vrxstub_call &c, Arena &a) {
    const auto *items = arg<const vrxConfigItem *>(c, 2);
    for (std::uint32_t i = 0; i < arg<std::uint32_t>(c, 1); ++i) a.see(items[i].token, items[i].value);
}

const Variants variants({
    {"SQLGUDB", "every token",
     [](Arena &a) { return a.call(sqlgudb, a.len(1), 15u, every_length(a), every_token(a), a.ca(), a.text(1)); },
     see_values},
    {"SQLGEUDB", "every token",
     [](Arena &a) {
         return a.call(sqlgeudb, ~0u, a.len(1), 15u, every_length(a), every_token(a), a.ca(), ~0u, a.text(1));
     },
     see_values},
});

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
        auto *items =
            a.records<vrxConfigItem>({{66, 0, a.filled(20, "ABC")}, {39, 0, a.filled(9, "AB", false)}}, "items");
        return a.call(entry, kHigh16 | a.count(2), items, a.ca());
    };
}

auto versioned(decltype(&vrxgCfgGet) entry) {
    return [entry](Arena &a) {
        auto *items = a.records<vrxgCfgItem>(
            {{4, a.len32(2), a.text(2, 1), 7}, {103, a.len32(3), a.text(3, 2), 8}, {9, a.len32(4), a.text(4, 2), 9}},
            "items");
        return a.call(entry, a.version(9050000u),
                      a.record(vrxgCfgStruct{a.count(3), items, 0x55, a.len32(1), a.text(1, 1)}), a.ca());
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
         return a.call(sqlgusys, kHigh16 | a.count(5), a.records<std::uint16_t>({1, 2, 9, 4, 3}, "lengths"), items,
                       a.ca());
     },
     {"sqlgusys"}, "sqlgusys 348 348 348 348", {348, 348, 348, 348}},
    {"SQLGRSYS", "ca", [](Arena &a) { return a.call(sqlgrsys, a.ca()); }},
    {"VRXGCFGGET", "9050000 & ca 3 85 'A' 4 'BA' 7 103 'CBA' 8 9 'DCBA' 9", versioned(vrxgCfgGet), {}, "", {},
     see_versioned},
    {"VRXGCFGSET", "9050000 & ca 3 85 'A' 4 'BA' 7 103 'CBA' 8 9 'DCBA' 9", versioned(vrxgCfgSet), {}, "", {},
     see_versioned},
};

// The instance tokens, with their output widths in the gets; 0 for those
// only the update knows.
const std::pair<std::uint16_t, std::uint32_t> kTokens[] = {
    {7, 9},    {24, 15},  {25, 65},   {27, 216},  {28, 26},  {39, 0},   {47, 49},  {48, 49},  {62, 0},
    {63, 0},   {65, 216}, {66, 20},   {67, 9},    {71, 5},   {74, 256}, {75, 256}, {76, 256}, {77, 32},
    {92, 9},   {305, 36}, {311, 256}, {313, 227}, {844, 129}, {845, 129}, {846, 129},
};
constexpr std::uint32_t kTokenCount = std::size(kTokens);

// The get blank-fills every token of its set to its width; the update
// terminates each value of its set (not 844 to 846, not a null or refused
// one) with a record of its own, and puts each byte back where its NUL
// went, though the core zeroes the lengths.
std::int32_t get_every_token(Arena &a) {
    std::vector<vrxConfigItem> items;
    for (const auto &[token, width] : kTokens)
        items.push_back({token, 0, width != 0 ? a.filled(width, "AB") : a.filled(4, "AB", false)});
    return a.call(sqlgxsys, kTokenCount, a.records(items, "items"), a.ca());
}

std::int32_t update_every_token(Arena &a) {
    std::vector<vrxConfigItem> items;
    std::vector<std::uint16_t> lengths;
    for (const auto &[token, width] : kTokens) {
        std::string value = "V" + std::to_string(token);
        lengths.push_back(static_cast<std::uint16_t>(value.size()));
        value.resize(6, '!');
        char *stored = token == 7 ? nullptr : a.records(std::vector<char>(value.begin(), value.end()), "value");
        items.push_back({token, 0, stored});
    }
    vrxstub_refuse_region(items[1].value, 0, 3);  // 24
    auto *at = a.output(reinterpret_cast<char *>(a.records(lengths, "lengths")), 2 * kTokenCount);
    a.writes(at, std::string(2 * kTokenCount - 1, '\0'));
    return a.call(sqlgusys, kHigh16 | kTokenCount, reinterpret_cast<std::uint16_t *>(at), a.records(items, "items"),
                  a.ca());
}

// Each item's token and value as the core reads it, and the requests made of one record each.
void see_updated(const vrxstub_call &c, Arena &a) {
    const auto *items = arg<const vrxConfigItem *>(c, 1);
    for (std::uint32_t i = 0; i < kTokenCount; ++i) {
        const auto *value = static_cast<const char *>(items[i].value);
        a.seen += " " + std::to_string(items[i].token);
        if (value != nullptr) a.seen += "=" + std::string(value, strnlen(value, 6));
    }
    const std::size_t requests = vrxstub_scratch_request_count();
    std::size_t records = 0;
    for (std::size_t i = 0; i < requests; ++i)
        records += vrxstub_scratch_request_at(i)->size == sizeof(vrx::PositionedTerminationRecord);
    a.seen += ", " + std::to_string(requests) + " requests, " + std::to_string(records) + " of one record";
}

// Beyond 64 items the core items and saved bytes come from one scratch
// block; when it cannot be had the call is refused with -83 and the tag.
// Only the last item has a value.
auto sixty_five(decltype(&vrxgCfgGet) entry, bool noScratch) {
    return [entry, noScratch](Arena &a) {
        std::vector<vrxgCfgItem> items;
        for (std::int32_t i = 0; i < 65; ++i) items.push_back({i, 1, i == 64 ? a.text(1, 1) : nullptr, 0});
        if (noScratch) vrxstub_fail_scratch_at(1);
        return a.call(entry, 1u, a.record(vrxgCfgStruct{65, a.records(items, "items"), 0, 0, nullptr}, "params"),
                      a.ca());
    };
}

// The last core item, and where its block came from.
void see_last(const vrxstub_call &c, Arena &a) {
    const auto *core = arg<const vrxCfgStruct *>(c, 1);
    a.see(core->iNumItems, core->piItems[64].iToken, core->piItems[64].pioValue);
    const bool scratch = vrxstub_scratch_request_count() > 0;
    a.seen += std::string(" from ") + (scratch ? vrxstub_scratch_request_at(0)->file : "the stack");
}

const Variants instanceVariants({
    {"SQLGXSYS", "every token", get_every_token},
    {"SQLGUSYS", "every token", update_every_token, see_updated},
    {"VRXGCFGGET", "65 items", sixty_five(vrxgCfgGet, false), see_last},
    {"VRXGCFGGET", "65 items, no scratch", sixty_five(vrxgCfgGet, true), see_last},
    {"VRXGCFGSET", "65 items", sixty_five(vrxgCfgSet, false), see_last},
    {"VRXGCFGSET", "65 items, no scratch", sixty_five(vrxgCfgSet, true), see_last},
});

}  // namespace
}  // namespace vrxtest::conformance
