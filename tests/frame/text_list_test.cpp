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

// A null text still gets a block of length + 1 bytes, holding the empty text.
TEST_F(TextListTest, CopiesEachTextAndTerminatesTheCallersInPlace) {
    CallerStorage mem;
    const std::vector<std::string> values = {"USERSPACE1", kNoText, "SYSCATSPACE"};
    auto caller = text_list(mem, values);
    sqlca *ca = mem.ca();
    mem.snapshot();

    TextListCopy copy;
    Borrowed borrowed;
    vrxNameList core{};
    EXPECT_EQ(name_list_to_core(copy, borrowed, caller.list, core, ca, kSites, kTag), 0);
    ASSERT_EQ(core.count, 3u);
    EXPECT_EQ(core_texts(core.names, core.count), (std::vector<std::string>{"USERSPACE1", "", "SYSCATSPACE"}));
    EXPECT_NE(core.names[0], caller.texts[0]) << "a copy, not the caller's";
    EXPECT_EQ(terminated(caller.texts, values), (std::vector<bool>{true, false, true}));

    const std::vector<std::pair<std::string, std::uint32_t>> sites = {
        {"names", 1}, {"pointers", 2}, {"copies", 3}, {"copies", 3}, {"copies", 3}};
    EXPECT_EQ(scratch_sites(), sites);
    const std::uint32_t sizes[] = {24, 36, 11, 4, 12};
    for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(vrxstub_scratch_request_at(i)->size, sizes[i]) << i;

    borrowed.restore();
    EXPECT_TRUE(mem.unchanged_except());
    EXPECT_EQ(vrxstub_outstanding_blocks(), 4u) << "the copies outlive the put-back";
    copy.release();
}

// Refusals: of the entries the list stays unconverted; of an entry's text
// it gets no copy; of its terminator position it is copied but not
// terminated, and the last entry's refusal is the result. An entry whose
// length leaves no room for a terminator is skipped as a refused one is.
// An empty list is converted with empty arrays. (A refused list record and
// an empty list left alone are the versioned backup's and restore's.)
TEST_F(TextListTest, RefusedRegionsAndEmptyLists) {
    struct Case {
        const char *name;
        int refused;  // -2 entries, -3 none and no entries, -4 none, else the index of a text
        std::uint32_t length;
        std::int32_t result;
        std::vector<std::string> seen;
        std::vector<bool> terminatedEntries;
        std::size_t requests;
    } cases[] = {
        {"entries", -2, 0, 0, {}, {false, false}, 0},
        {"first text", 0, 3, 0, {kNoText, "bbbb"}, {false, true}, 3},
        {"first terminator", 0, 4, 0, {"aaa", "bbbb"}, {false, true}, 4},
        {"last terminator", 1, 5, 1, {"aaa", "bbbb"}, {true, false}, 4},
        {"length 0xFFFFFFFF", -4, 0, 0, {"aaa", kNoText}, {true, false}, 3},
        {"empty, converted", -3, 0, 0, {}, {}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        const std::vector<std::string> values =
            c.refused == -3 ? std::vector<std::string>{} : std::vector<std::string>{"aaa", "bbbb"};
        auto caller = text_list(mem, values);
        sqlca *ca = mem.ca();
        if (c.refused == -4) caller.list->entries[1].length = 0xFFFFFFFFu;
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        if (c.refused > -3)
            vrxstub_refuse_region(c.refused == -2 ? static_cast<const void *>(caller.list->entries)
                                                  : caller.texts[c.refused],
                                  c.length, 3);

        TextListCopy copy;
        Borrowed borrowed;
        vrxNameList core{};
        EXPECT_EQ(name_list_to_core(copy, borrowed, caller.list, core, ca, kSites, kTag), c.result);
        EXPECT_EQ(core.names == nullptr ? std::vector<std::string>{} : core_texts(core.names, core.count), c.seen);
        EXPECT_EQ(core.count, c.seen.size());
        EXPECT_EQ(terminated(caller.texts, values), c.terminatedEntries);
        EXPECT_EQ(vrxstub_scratch_request_count(), c.requests);
        borrowed.restore();
        copy.release();
        EXPECT_TRUE(mem.unchanged_except());
    }
}

}  // namespace
