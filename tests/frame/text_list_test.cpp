// Text lists on their own: each caller text terminated in place and copied
// into a scratch block of its own, the core list pointing at the copies,
// and everything put back and released afterwards.
#include "frame/text_list.h"
#include "harness.h"
#include "recovery/caller_lists.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class TextListTest : public PlatformTest {};

constexpr TextListSites kSites{{"names", 1}, {"pointers", 2}, {"copies", 3}};
constexpr Tag kTag = make_tag("testlist");

TEST_F(TextListTest, CopiesEachTextAndTerminatesTheCallersInPlace) {
    CallerStorage mem;
    const std::vector<std::string> values = {"USERSPACE1", "", "SYSCATSPACE"};
    auto caller = text_list(mem, values);
    sqlca *ca = mem.ca();
    mem.snapshot();

    TextListCopy copy;
    vrxNameList core{};
    EXPECT_EQ(name_list_to_core(copy, caller.list, core, ca, kSites, kTag), 0);
    ASSERT_EQ(core.count, 3u);
    EXPECT_EQ(core_texts(core.names, core.count), values);
    for (std::uint32_t i = 0; i < 3; ++i) EXPECT_NE(core.names[i], caller.texts[i]) << "a copy, not the caller's";
    EXPECT_EQ(terminated(caller.texts, values), (std::vector<bool>{true, true, true}));

    const std::vector<std::pair<std::string, std::uint32_t>> sites = {
        {"names", 1}, {"pointers", 2}, {"copies", 3}, {"copies", 3}, {"copies", 3}};
    EXPECT_EQ(scratch_sites(), sites);
    EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 24u);
    EXPECT_EQ(vrxstub_scratch_request_at(1)->size, 36u);
    EXPECT_EQ(vrxstub_scratch_request_at(2)->size, 11u);
    EXPECT_EQ(vrxstub_scratch_request_at(3)->size, 1u);

    copy.put_back();
    EXPECT_TRUE(mem.unchanged_except());
    EXPECT_EQ(vrxstub_outstanding_blocks(), 4u) << "the copies outlive the put-back";
    copy.release();
}

TEST_F(TextListTest, AMediaListTakesItsTypeAlong) {
    CallerStorage mem;
    auto caller = versioned_media_list(mem, 'L', {"/backups"});
    sqlca *ca = mem.ca();
    TextListCopy copy;
    vrxLocationList core{};
    EXPECT_EQ(media_list_to_core(copy, caller.list, core, ca, kSites, kTag), 0);
    EXPECT_EQ(core.mediaType, 'L');
    EXPECT_EQ(core_texts(core.locations, core.count), std::vector<std::string>{"/backups"});
    copy.put_back();
    copy.release();
}

// A null text still gets a block of length + 1 bytes, holding the empty text.
TEST_F(TextListTest, ANullTextGetsAnEmptyCopy) {
    CallerStorage mem;
    auto caller = text_list(mem, {"(null)", "B"});
    sqlca *ca = mem.ca();
    TextListCopy copy;
    vrxNameList core{};
    EXPECT_EQ(name_list_to_core(copy, caller.list, core, ca, kSites, kTag), 0);
    EXPECT_EQ(core_texts(core.names, core.count), (std::vector<std::string>{"", "B"}));
    EXPECT_EQ(vrxstub_scratch_request_at(2)->size, 4u);
    copy.put_back();
    copy.release();
}

// Refusals: of the list record or the entries the list stays unconverted;
// of an entry's text it gets no copy; of its terminator position it is
// copied but not terminated, and the last entry's refusal is the result.
TEST_F(TextListTest, RefusedRegions) {
    struct Case {
        const char *name;
        int refused;  // -1 list, -2 entries, else the index of a text
        std::uint32_t length;
        std::int32_t result;
        std::uint32_t coreCount;
        std::vector<std::string> seen;
        std::vector<bool> terminatedEntries;
    } cases[] = {
        {"list", -1, 0, 0, 0, {}, {false, false}},
        {"entries", -2, 0, 0, 0, {}, {false, false}},
        {"first text", 0, 3, 0, 2, {"(null)", "bbbb"}, {false, true}},
        {"first terminator", 0, 4, 0, 2, {"aaa", "bbbb"}, {false, true}},
        {"last terminator", 1, 5, 1, 2, {"aaa", "bbbb"}, {true, false}},
    };
    const std::vector<std::string> values = {"aaa", "bbbb"};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        auto caller = text_list(mem, values);
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        const void *region = c.refused == -1   ? static_cast<const void *>(caller.list)
                             : c.refused == -2 ? static_cast<const void *>(caller.list->entries)
                                               : caller.texts[c.refused];
        vrxstub_refuse_region(region, c.length, 3);

        TextListCopy copy;
        vrxNameList core{};
        EXPECT_EQ(name_list_to_core(copy, caller.list, core, ca, kSites, kTag), c.result);
        EXPECT_EQ(core.count, c.coreCount);
        EXPECT_EQ(core.names == nullptr, c.coreCount == 0);
        if (core.names != nullptr) {
            EXPECT_EQ(core_texts(core.names, core.count), c.seen);
        }
        EXPECT_EQ(terminated(caller.texts, values), c.terminatedEntries);
        copy.put_back();
        copy.release();
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(TextListTest, AnEmptyListIsConvertedOrLeftAlone) {
    CallerStorage mem;
    auto caller = text_list(mem, {});
    sqlca *ca = mem.ca();
    for (EmptyList empty : {EmptyList::Convert, EmptyList::LeaveAlone}) {
        vrxstub_reset();
        TextListCopy copy;
        vrxNameList core{};
        EXPECT_EQ(name_list_to_core(copy, caller.list, core, ca, kSites, kTag, empty), 0);
        EXPECT_EQ(core.count, 0u);
        EXPECT_EQ(vrxstub_scratch_request_count(), empty == EmptyList::Convert ? 2u : 0u);
        copy.put_back();
        copy.release();
    }
}

TEST_F(TextListTest, EveryFailedRequestIsReportedAndUndone) {
    CallerStorage mem;
    auto caller = text_list(mem, {"one", "two"});
    sqlca *ca = mem.ca();
    std::int32_t result = 0;
    const std::uint32_t injected = fault_sweep(
        [&] {
            *ca = sqlca{};
            mem.snapshot();
            TextListCopy copy;
            vrxNameList core{};
            result = name_list_to_core(copy, caller.list, core, ca, kSites, kTag);
            copy.put_back();
            copy.release();
        },
        [&](std::uint32_t k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(result, -83);
            EXPECT_TRUE(reports_no_memory(*ca, "testlist"));
            EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
        });
    EXPECT_EQ(injected, 4u);
}

}  // namespace
