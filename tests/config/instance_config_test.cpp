// Instance and versioned configuration, what the conformance rows do not
// show: the whole token tables of the get and the update, the update's
// checks and its bytes put back where its NULs went, and versioned item
// lists longer than the entry point's frame holds.
#include <algorithm>
#include <map>
#include <tuple>

#include "frame/marshal.h"
#include "harness.h"
#include "vrxplatform/config.h"

using namespace vrxtest;

namespace {

class InstanceConfigTest : public PlatformTest {};

// Output widths of the gets; 0 for the tokens only the update knows.
const std::map<std::uint16_t, std::uint32_t> kTokens = {
    {7, 9},    {24, 15},  {25, 65},   {27, 216},  {28, 26},  {39, 0},   {47, 49},  {48, 49},  {62, 0},
    {63, 0},   {65, 216}, {66, 20},   {67, 9},    {71, 5},   {74, 256}, {75, 256}, {76, 256}, {77, 32},
    {92, 9},   {305, 36}, {311, 256}, {313, 227}, {844, 129}, {845, 129}, {846, 129},
};

template <class T>
T *place_all(CallerStorage &mem, const std::vector<T> &list) {
    auto *at = static_cast<T *>(mem.room(list.size() * sizeof(T)));
    std::memcpy(static_cast<void *>(at), list.data(), list.size() * sizeof(T));
    return at;
}

TEST_F(InstanceConfigTest, GetBlankFillsEveryTokenOfItsSetToItsWidth) {
    CallerStorage mem;
    std::vector<vrxConfigItem> list;
    for (const auto &[token, width] : kTokens) list.push_back({token, 0, mem.field("", std::max(width, 4u) + 1, 'z')});
    auto *items = place_all(mem, list);
    CoreHook hook("sqlfxsys", [&](const vrxstub_call &) {
        for (const vrxConfigItem &item : list) std::memcpy(item.value, "AB", 3);
        return 0;
    });
    EXPECT_EQ(sqlgxsys(static_cast<vrx_slot>(list.size()), items, mem.ca()), 0);
    for (const vrxConfigItem &item : list) {
        const std::uint32_t width = kTokens.at(item.token);
        const std::string filled = width != 0 ? "AB" + std::string(width - 2, ' ') + "z" : std::string("AB\0zz", 5);
        EXPECT_EQ(field_text(static_cast<const char *>(item.value), filled.size()), filled) << item.token;
    }
}

// One 16-byte record for each item of the update set (not 844 to 846), a
// null or refused value included; the lengths array checked as a field.
// Each byte goes back where its NUL went, though the core zeroes the lengths.
TEST_F(InstanceConfigTest, UpdateTerminatesItsSetAndPutsBytesBackWhereTheyWent) {
    CallerStorage mem;
    std::vector<vrxConfigItem> list;
    for (const auto &[token, width] : kTokens) list.push_back({token, 0, mem.text("V" + std::to_string(token), '!')});
    list[0].value = nullptr;                           // 7: no value
    vrxstub_refuse_region(list[1].value, 0, 3);        // 24: refused
    std::vector<std::uint16_t> lens;
    for (const vrxConfigItem &item : list) lens.push_back(static_cast<std::uint16_t>(1 + std::to_string(item.token).size()));
    auto *items = place_all(mem, list);
    auto *lengths = place_all(mem, lens);
    sqlca *ca = mem.ca();
    vrxstub_set_ptr_check(1);
    mem.snapshot();
    std::vector<std::uint16_t> terminated;
    CoreHook hook("sqlfusys", [&](const vrxstub_call &) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].value != nullptr && static_cast<char *>(list[i].value)[lens[i]] == '\0')
                terminated.push_back(list[i].token);
            lengths[i] = 0;
        }
        return 0;
    });
    EXPECT_EQ(sqlgusys(kHigh | static_cast<vrx_slot>(list.size()), lengths, items, ca), 0);

    EXPECT_EQ(terminated.size(), list.size() - 5);
    EXPECT_EQ(terminated.back(), 313);
    const auto n = static_cast<std::uint32_t>(list.size());
    EXPECT_EQ(checks_made().at(0), (Check{lengths, 2 * n, 2}));
    EXPECT_EQ(scratch_sites().size(), list.size() - 3);
    EXPECT_EQ(vrxstub_scratch_request_at(0)->size, sizeof(vrx::PositionedTerminationRecord));  // 16 on 32-bit builds
    EXPECT_TRUE(mem.unchanged_except({{lengths, lens.size() * 2}}));
}

// Beyond 64 items the core items and saved bytes come from one scratch
// block; when it cannot be had the call is refused with -83 and the tag.
TEST_F(InstanceConfigTest, VersionedFormsTakeMoreThan64ItemsFromScratch) {
    for (const auto &[core, call, tag] : {std::make_tuple("vrxCfgGet", &vrxgCfgGet, "vrxgCfgG"),
                                          std::make_tuple("vrxCfgSet", &vrxgCfgSet, "vrxgCfgS")}) {
        SCOPED_TRACE(core);
        CallerStorage mem;
        std::vector<vrxgCfgItem> list;
        for (int i = 0; i < 65; ++i) list.push_back({i, 1, mem.text("v"), 0});
        auto *params = mem.place(vrxgCfgStruct{65, place_all(mem, list), 0, 0, nullptr});
        sqlca *ca = mem.ca();
        mem.snapshot();
        std::string last;
        CoreHook hook(core, CoreHook::mayNotRun, [&](const vrxstub_call &c) {
            last = arg<vrxCfgStruct *>(c, 1)->piItems[64].pioValue;
            return 0;
        });
        EXPECT_EQ(call(1, params, ca), 0);
        EXPECT_EQ(last, "v");
        EXPECT_EQ(scratch_sites().at(0).first, "vrxgcfg");
        EXPECT_TRUE(mem.unchanged_except());

        vrxstub_reset();
        vrxstub_fail_scratch_at(1);
        EXPECT_EQ(call(1, params, ca), -83);
        EXPECT_TRUE(reports_no_memory(*ca, tag));
        EXPECT_EQ(count_calls(core), 0u);
        EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
    }
}

}  // namespace
