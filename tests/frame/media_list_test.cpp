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

// Every entry's text is terminated for the call, only the first of an 'O'
// list, only those with a pointer of a 'Q' list, with one saved-byte record
// per entry. Refusals (the list and the sqlca by their exact lengths): of
// the list or the sqlca nothing happens; of the entry array the check's
// result comes back without an array; of a text that entry is skipped, and
// only the last entry's check decides the result. The restore checks the
// list, the array's first record and the sqlca, not the entries nor a text:
// when one of those three is refused it writes nothing but still releases
// the array.
TEST_F(MediaListTest, TerminatesTheTextsOfEachTypeAndPutsThemBack) {
    struct Case {
        const char *name;
        char type;
        int refused;  // -1 none, -2 list, -3 sqlca, -4 entries, -5 the array, else a text
        char at;  // refused at the make, or at the restore: nothing put back ('r') or all ('p')
        std::int32_t result;
        std::vector<bool> terminatedEntries;
    } cases[] = {
        {"S", 'S', -1, 'm', 0, {true, true, true}},         {"C", 'C', -1, 'm', 0, {true, true, true}},
        {"L", 'L', -1, 'm', 0, {true, true, true}},         {"Q", 'Q', -1, 'm', 0, {true, false, true}},
        {"O", 'O', -1, 'm', 0, {true, false, false}},       {"list", 'S', -2, 'm', 0, {false, false, false}},
        {"sqlca", 'S', -3, 'm', 0, {false, false, false}},  {"entries", 'S', -4, 'm', 1, {false, false, false}},
        {"first text", 'S', 0, 'm', 0, {false, true, true}}, {"last text", 'L', 2, 'm', 1, {true, true, false}},
        {"vendor text", 'O', 0, 'm', 1, {false, false, false}},
        {"text of a pointer entry", 'Q', 2, 'm', 1, {true, false, false}},
        {"list at restore", 'S', -2, 'r', 0, {true, true, true}},
        {"sqlca at restore", 'S', -3, 'r', 0, {true, true, true}},
        {"array at restore", 'S', -5, 'r', 0, {true, true, true}},
        {"entries at restore", 'S', -4, 'p', 0, {true, true, true}},
        {"text at restore", 'S', 0, 'p', 0, {true, true, true}},
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
        const auto refuse = [&](const SavedByte *saved) {
            const std::pair<const void *, std::uint32_t> regions[] = {
                {caller.list, sizeof(vrxMediaList)}, {ca, sizeof(sqlca)}, {caller.list->entries, 0}, {saved, 8}};
            if (c.refused >= 0)
                vrxstub_refuse_region(caller.texts[c.refused], 0, 3);
            else
                vrxstub_refuse_region(regions[-2 - c.refused].first, regions[-2 - c.refused].second, 3);
        };
        if (c.refused != -1 && c.at == 'm') refuse(nullptr);
        std::vector<bool> seen;
        const auto made = make_and_restore(caller.list, ca, c.type, 0, [&](SavedByte *saved) {
            seen = terminated(caller.texts, values);
            if (c.at != 'm') refuse(saved);
        });
        EXPECT_EQ(made.first, c.result);
        EXPECT_EQ(seen, c.terminatedEntries);
        const bool arrayMade = c.refused >= 0 || c.refused == -1 || c.at != 'm';
        EXPECT_EQ(made.second != nullptr, arrayMade);
        EXPECT_EQ(count_calls("sqlofmblkEx"), arrayMade ? 1u : 0u);
        if (arrayMade) {
            ASSERT_EQ(scratch_sites(), (std::vector<std::pair<std::string, std::uint32_t>>{{"sqlgload", 191}}));
            EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 24u) << "one record per entry, whatever the type";
        }
        EXPECT_TRUE(c.at == 'r' ? terminated(caller.texts, values) == c.terminatedEntries
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
