// Instance and versioned configuration, through the library's exports:
// which values the gets blank-fill and the update terminates, the update's
// one record per string item put back where its NUL went, and the versioned
// core records with every value terminated.
#include <map>
#include <memory>

#include "frame/marshal.h"
#include "harness.h"
#include "vrxplatform/config.h"

using namespace vrxtest;

namespace {

class InstanceConfigTest : public PlatformTest {};

// The output widths of the gets; 39, 62 and 63 are updated only, 844 to 846 read only.
const std::map<std::uint16_t, std::uint32_t> kGetWidths = {
    {7, 9},    {24, 15},  {25, 65},   {27, 216},  {28, 26},  {47, 49},  {48, 49},  {65, 216},
    {66, 20},  {67, 9},   {71, 5},    {74, 256},  {75, 256}, {76, 256}, {77, 32},  {92, 9},
    {305, 36}, {311, 256}, {313, 227}, {844, 129}, {845, 129}, {846, 129},
};
const std::uint16_t kUpdateOnly[] = {39, 62, 63};

// An item list in caller storage.
vrxConfigItem *place_items(CallerStorage &mem, const std::vector<vrxConfigItem> &list) {
    auto *items = static_cast<vrxConfigItem *>(mem.room(list.size() * sizeof(vrxConfigItem)));
    std::memcpy(static_cast<void *>(items), list.data(), list.size() * sizeof(vrxConfigItem));
    return items;
}

TEST_F(InstanceConfigTest, GetsBlankFillTheirTokensToTheirWidthWhateverTheResult) {
    const std::pair<const char *, std::function<std::int32_t(vrx_slot, vrxConfigItem *, sqlca *)>> forms[] = {
        {"sqlfxsys", sqlgxsys}, {"sqlfdsys", sqlgdsys}};
    for (const auto &[core, call] : forms) {
        for (std::int32_t coreResult : {0, -5130}) {
            SCOPED_TRACE(std::string(core) + " " + std::to_string(coreResult));
            CallerStorage mem;
            std::vector<vrxConfigItem> list;
            for (const auto &[token, width] : kGetWidths) list.push_back({token, 0, mem.field("", width + 1, 'z')});
            for (std::uint16_t token : kUpdateOnly) list.push_back({token, 0, mem.field("", 4, 'z')});
            auto *items = place_items(mem, list);
            sqlca *ca = mem.ca();
            mem.snapshot();
            CoreHook hook(core, [&](const vrxstub_call &c) {
                EXPECT_EQ(arg<std::uint32_t>(c, 0), list.size());
                EXPECT_EQ(arg<vrxConfigItem *>(c, 1), items);
                for (const vrxConfigItem &item : list) std::memcpy(item.value, "AB", 3);
                return coreResult;
            });
            EXPECT_EQ(call(kHigh | static_cast<vrx_slot>(list.size()), items, ca), coreResult);

            std::vector<Span> filled;
            for (const vrxConfigItem &item : list) {
                SCOPED_TRACE(item.token);
                const char *field = static_cast<const char *>(item.value);
                const auto width = kGetWidths.count(item.token) ? kGetWidths.at(item.token) : 0u;
                filled.push_back({field, std::max<std::size_t>(width, 3)});
                if (width != 0)
                    EXPECT_EQ(field_text(field, width + 1), "AB" + std::string(width - 2, ' ') + "z");
                else
                    EXPECT_EQ(field_text(field, 4), std::string("AB\0z", 4));
            }
            EXPECT_TRUE(mem.unchanged_except(filled));
        }
    }
}

// One 16-byte record per item of the update set, requested before the
// value is looked at: a null or refused value costs one too. Each byte goes
// back where its NUL went, even when the core changed the lengths array.
TEST_F(InstanceConfigTest, UpdateKeepsARecordPerStringItemAndPutsBytesBackWhereTheyWere) {
    CallerStorage mem;
    std::vector<vrxConfigItem> list;
    std::vector<std::uint16_t> lens;
    for (std::uint16_t token : {7, 39, 62, 63, 313, 844, 24, 71}) {
        list.push_back({token, 0, mem.text("VAL" + std::to_string(token), '!')});
        lens.push_back(static_cast<std::uint16_t>(3 + std::to_string(token).size()));
    }
    list[6].value = nullptr;  // 24: no value
    std::uint32_t number = 5;
    list.push_back({16, 0, &number});
    lens.push_back(0xFFFF);  // not read for a number
    auto *items = place_items(mem, list);
    auto *lengths = static_cast<std::uint16_t *>(mem.room(lens.size() * 2));
    std::memcpy(lengths, lens.data(), lens.size() * 2);
    sqlca *ca = mem.ca();
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(list[7].value, 0, 3);  // 71: refused
    mem.snapshot();

    std::vector<std::uint16_t> terminated;
    auto hook = std::make_unique<CoreHook>("sqlfusys", [&](const vrxstub_call &c) {
        EXPECT_EQ(arg<std::uint32_t>(c, 0), list.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].value != &number && list[i].value != nullptr &&
                static_cast<char *>(list[i].value)[lens[i]] == '\0')
                terminated.push_back(list[i].token);
            lengths[i] = 0;
        }
        return 0;
    });
    EXPECT_EQ(sqlgusys(kHigh | static_cast<vrx_slot>(list.size()), lengths, items, ca), 0);

    EXPECT_EQ(terminated, (std::vector<std::uint16_t>{7, 39, 62, 63, 313}));
    std::vector<Check> expected{{lengths, static_cast<std::uint32_t>(2 * list.size()), 2},
                                {items, static_cast<std::uint32_t>(sizeof(vrxConfigItem) * list.size()), 3}};
    for (std::size_t i : {0, 1, 2, 3, 4, 7}) expected.push_back({list[i].value, lens[i] + 1u, 3});
    EXPECT_EQ(checks_made(), expected);
    const std::pair<std::string, std::uint32_t> site{"sqlgusys", 348};
    EXPECT_EQ(scratch_sites(), decltype(scratch_sites())(7, site));
    EXPECT_EQ(vrxstub_scratch_request_at(0)->size, sizeof(vrx::PositionedTerminationRecord));  // 16 on the 32-bit builds
    EXPECT_TRUE(mem.unchanged_except({{lengths, lens.size() * 2}}));

    // With no items nothing is requested and the core gets a count of 0.
    hook.reset();
    vrxstub_reset();
    EXPECT_EQ(sqlgusys(kHigh, lengths, items, ca), 0);
    EXPECT_EQ(arg<std::uint32_t>(calls("sqlfusys").at(0), 0), 0u);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
}

// --- versioned get and set ---------------------------------------------------------

using CfgCall = decltype(&vrxgCfgGet);
const struct {
    const char *core;
    CfgCall call;
    const char *tag;
} kCfgForms[] = {{"vrxCfgGet", vrxgCfgGet, "vrxgCfgG"}, {"vrxCfgSet", vrxgCfgSet, "vrxgCfgS"}};

// What the core record held, one line per item: token, value as the core
// read it (5 bytes at most), flags.
std::vector<std::string> core_items(const vrxCfgStruct &core) {
    auto text = [](const char *t) { return t != nullptr ? std::string(t, strnlen(t, 5)) : "(null)"; };
    std::vector<std::string> out{std::to_string(core.iNumItems) + " " + std::to_string(core.iFlags) + " " +
                                 text(core.piDbName)};
    for (std::uint32_t i = 0; i < core.iNumItems; ++i)
        out.push_back(std::to_string(core.piItems[i].iToken) + " " + text(core.piItems[i].pioValue) + " " +
                      std::to_string(core.piItems[i].iFlags));
    return out;
}

TEST_F(InstanceConfigTest, VersionedFormsTerminateEveryValueWhateverItsToken) {
    for (const auto &form : kCfgForms) {
        SCOPED_TRACE(form.core);
        vrxstub_reset();
        CallerStorage mem;
        char *name = mem.text("SAMPLEx");
        char *number = mem.text("1234", 'n');
        char *refused = mem.text("KEEP", 'k');
        vrxgCfgItem list[] = {{4, 4, number, 7}, {9, 0, nullptr, 8}, {103, 4, refused, 9}};
        auto *items = static_cast<vrxgCfgItem *>(mem.room(sizeof list));
        std::memcpy(static_cast<void *>(items), list, sizeof list);
        auto *params = mem.place(vrxgCfgStruct{3, items, 0x55, 6, name});
        sqlca *ca = mem.ca();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(refused, 5, 3);
        mem.snapshot();
        std::vector<std::string> seen;
        auto hook = std::make_unique<CoreHook>(form.core, [&](const vrxstub_call &c) {
            EXPECT_EQ(arg<std::uint32_t>(c, 0), 9050000u);
            seen = core_items(*arg<vrxCfgStruct *>(c, 1));
            std::memcpy(number, "99\0\0Q", 5);  // the core writes past the value, too
            return 12;
        });
        EXPECT_EQ(form.call(9050000, params, ca), 12);

        EXPECT_EQ(seen, (std::vector<std::string>{"3 85 SAMPL", "4 1234 7", "9 (null) 8", "103 KEEPk 9"}));
        EXPECT_EQ(checks_made(), (std::vector<Check>{{name, 7, 3}, {number, 5, 3}, {refused, 5, 3}}));
        EXPECT_EQ(field_text(number, 5), std::string("99\0\0n", 5)) << "the byte after the value is the caller's";
        EXPECT_TRUE(mem.unchanged_except({{number, 4}}));

        // A null record reaches the core as null.
        hook.reset();
        vrxstub_reset();
        EXPECT_EQ(form.call(1, nullptr, ca), 0);
        EXPECT_EQ(arg<vrxCfgStruct *>(calls(form.core).at(0), 1), nullptr);
    }
}

// Beyond 64 items the core items and saved bytes come from one scratch
// block; when it cannot be had the call is refused with -83 and the tag.
TEST_F(InstanceConfigTest, VersionedFormsTakeMoreThan64ItemsFromScratch) {
    for (const auto &form : kCfgForms) {
        SCOPED_TRACE(form.core);
        CallerStorage mem;
        std::vector<vrxgCfgItem> list;
        for (int i = 0; i < 65; ++i) list.push_back({i, 1, mem.text("v"), 0});
        auto *items = static_cast<vrxgCfgItem *>(mem.room(list.size() * sizeof(vrxgCfgItem)));
        std::memcpy(static_cast<void *>(items), list.data(), list.size() * sizeof(vrxgCfgItem));
        auto *params = mem.place(vrxgCfgStruct{65, items, 0, 0, nullptr});
        sqlca *ca = mem.ca();
        mem.snapshot();
        std::vector<std::string> seen;
        CoreHook hook(form.core, [&](const vrxstub_call &c) {
            seen = core_items(*arg<vrxCfgStruct *>(c, 1));
            return 0;
        });
        vrxstub_reset();
        EXPECT_EQ(form.call(1, params, ca), 0);
        ASSERT_EQ(seen.size(), 66u);
        EXPECT_EQ(seen[65], "64 v 0");
        ASSERT_EQ(scratch_sites().size(), 1u);
        EXPECT_EQ(scratch_sites()[0].first, "vrxgcfg");
        EXPECT_TRUE(mem.unchanged_except());

        vrxstub_reset();
        vrxstub_fail_scratch_at(1);
        EXPECT_EQ(form.call(1, params, ca), -83);
        EXPECT_TRUE(reports_no_memory(*ca, form.tag));
        EXPECT_EQ(count_calls(form.core), 0u);
        EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
    }
}

}  // namespace
