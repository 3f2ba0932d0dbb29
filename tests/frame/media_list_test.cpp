// The two media list operations on their own: which texts they terminate,
// what they request and check, and that the restore puts every caller byte
// back and releases the array.
#include "frame/media_list.h"
#include "harness.h"
#include "recovery/caller_lists.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class MediaListTest : public PlatformTest {};

// One list of `type` made and restored around `between`, with the expected
// type and empty-list permission given; returns the make's result and array.
std::pair<std::int32_t, SavedByte *> make_and_restore(vrxMediaList *list, sqlca *ca, std::int32_t expected,
                                                      std::uint8_t allowEmpty = 0,
                                                      const std::function<void(SavedByte *)> &between = {}) {
    SavedBytes saved;
    const std::int32_t result = sqluMakeMediaListNullTerminated(&list, &saved, &ca, expected, allowEmpty);
    if (between) between(saved.records);
    EXPECT_EQ(sqluRestoreMediaList(&list, saved, &ca, expected, allowEmpty), 0);
    return {result, saved.records};
}

TEST_F(MediaListTest, AListItDoesNotHandleIsLeftAloneAndAnEmptyOneLetThroughWhenAllowed) {
    struct Case {
        const char *name;
        char type;
        std::int32_t expected, count;  // the count is written over the list's
        std::uint8_t allowEmpty;
        bool arrayMade;
    } cases[] = {
        {"other type", 'S', 'L', 2, 0, false},    {"no entries", 'S', 'S', 0, 0, false},
        {"negative count", 'S', 'S', -1, 1, false}, {"unknown type", 'X', 'X', 2, 0, false},
        {"no entries, allowed", 'S', 'S', 0, 1, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        auto caller = media_list(mem, c.type, {"one", "two"});
        caller.list->entryCount = c.count;
        sqlca *ca = mem.ca();
        mem.snapshot();
        const auto made = make_and_restore(caller.list, ca, c.expected, c.allowEmpty);
        EXPECT_EQ(made.first, 0);
        EXPECT_EQ(made.second != nullptr, c.arrayMade);
        EXPECT_EQ(vrxstub_scratch_request_count(), c.arrayMade ? 1u : 0u);
        if (c.arrayMade) {
            EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 0u);
        }
        EXPECT_EQ(count_calls("sqlofmblkEx"), c.arrayMade ? 1u : 0u);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(MediaListTest, ChecksTheListTheSqlcaTheEntriesAndEachText) {
    CallerStorage mem;
    auto caller = media_list(mem, 'S', {"one", "two"});
    sqlca *ca = mem.ca();
    vrxstub_set_ptr_check(1);
    const SavedByte *saved = make_and_restore(caller.list, ca, 'S').second;
    const std::pair<const void *, std::uint32_t> expected[] = {
        {caller.list, sizeof(vrxMediaList)}, {ca, 136}, {caller.list->entries, 2 * 260},
        {caller.texts[0], 4}, {caller.texts[1], 4},
        // the restore: list, the array's first record, sqlca
        {caller.list, sizeof(vrxMediaList)}, {saved, 8}, {ca, 136},
    };
    const auto seen = calls("sqlagcptr_real");
    ASSERT_EQ(seen.size(), std::size(expected));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::make_pair(arg<const void *>(seen[i], 0), arg<std::uint32_t>(seen[i], 1)), expected[i]);
        EXPECT_EQ(arg<std::uint32_t>(seen[i], 2), 3u);
    }
}

// Every entry's text is terminated for the call, only the first of an 'O'
// list, only those with a pointer of a 'Q' list, with one saved-byte record
// per entry. Refusals: of the list or the sqlca nothing happens; of the
// entry array the check's result comes back without an array; of a text
// that entry is skipped, and only the last entry's check decides the
// result. The restore checks no text; one whose own checks fail writes
// nothing but still releases the array.
TEST_F(MediaListTest, TerminatesTheTextsOfEachTypeAndPutsThemBack) {
    struct Case {
        const char *name;
        char type;
        int refused;  // -1 none, -2 list, -3 sqlca, -4 entries, -5 the array at restore, else a text
        std::int32_t result;
        std::vector<bool> terminatedEntries;
    } cases[] = {
        {"S", 'S', -1, 0, {true, true, true}},         {"C", 'C', -1, 0, {true, true, true}},
        {"L", 'L', -1, 0, {true, true, true}},         {"Q", 'Q', -1, 0, {true, false, true}},
        {"O", 'O', -1, 0, {true, false, false}},       {"list", 'S', -2, 0, {false, false, false}},
        {"sqlca", 'S', -3, 0, {false, false, false}},  {"entries", 'S', -4, 1, {false, false, false}},
        {"first text", 'S', 0, 0, {false, true, true}}, {"last text", 'L', 2, 1, {true, true, false}},
        {"vendor text", 'O', 0, 1, {false, false, false}}, {"text of a pointer entry", 'Q', 2, 1, {true, false, false}},
        {"array at restore", 'S', -5, 0, {true, true, true}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        const std::vector<std::string> values = {"aaa", c.type == 'Q' ? kNoText : "", "cc"};
        CallerStorage mem;
        auto caller = media_list(mem, c.type, values);
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(c.refused == -1 ? 0 : 1);
        const void *regions[] = {caller.list, ca, caller.list->entries};
        if (c.refused >= 0 || (c.refused <= -2 && c.refused >= -4))
            vrxstub_refuse_region(c.refused >= 0 ? caller.texts[c.refused] : regions[-2 - c.refused], 0, 3);
        std::vector<bool> seen;
        const auto made = make_and_restore(caller.list, ca, c.type, 0, [&](SavedByte *saved) {
            seen = terminated(caller.texts, values);
            if (c.refused == -5) vrxstub_refuse_region(saved, 8, 3);
        });
        EXPECT_EQ(made.first, c.result);
        EXPECT_EQ(seen, c.terminatedEntries);
        const bool arrayMade = c.refused >= 0 || c.refused == -1 || c.refused == -5;
        EXPECT_EQ(made.second != nullptr, arrayMade);
        EXPECT_EQ(count_calls("sqlofmblkEx"), arrayMade ? 1u : 0u);
        if (arrayMade) {
            ASSERT_EQ(scratch_sites(), (std::vector<std::pair<std::string, std::uint32_t>>{{"sqlgload", 191}}));
            EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 24u) << "one record per entry, whatever the type";
        }
        EXPECT_TRUE(c.refused == -5 ? terminated(caller.texts, values) == c.terminatedEntries
                                    : static_cast<bool>(mem.unchanged_except()))
            << "a refused restore writes nothing, any other puts every byte back";
    }
}

// Entries that share one text give back their bytes last entry first; a
// count that grew during the call never takes the restore past the array.
TEST_F(MediaListTest, PutsBackSharedTextsLastFirstAndNeverPastTheArray) {
    CallerStorage mem;
    auto caller = media_list(mem, 'Q', {"TS1", "TS1"});
    char *shared = caller.texts[0];
    auto *entries = static_cast<vrxTextPointerEntry *>(caller.list->entries);
    entries[1].text = shared;
    sqlca *ca = mem.ca();
    mem.snapshot();
    make_and_restore(caller.list, ca, 'Q', 0, [&](SavedByte *) {
        EXPECT_EQ(shared[3], '\0');
        caller.list->entryCount = 1000;
    });
    caller.list->entryCount = 2;
    EXPECT_TRUE(mem.unchanged_except());
}

// (The load's row fails each request with the sqlca accepted and refused.)
// The 32-byte routine name runs over sqlerrd and stops there.
TEST_F(MediaListTest, AFailedRequestWritesNothingPastSqlerrd) {
    CallerStorage mem;
    auto caller = media_list(mem, 'S', {"one", "two"});
    sqlca *ca = mem.ca();
    vrxstub_fail_scratch_at(1);
    EXPECT_EQ(make_and_restore(caller.list, ca, 'S').first, -83);
    EXPECT_EQ(std::string(ca->sqlwarn, 11), std::string(11, '\0'));
}

}  // namespace
