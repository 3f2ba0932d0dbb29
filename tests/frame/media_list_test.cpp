// The two media list operations on their own: which texts they terminate,
// what they record and request, what they check, and that the restore puts
// every caller byte back and releases the array.
#include "frame/media_list.h"
#include "harness.h"
#include "recovery/caller_lists.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class MediaListTest : public PlatformTest {};

struct Call {
    std::int32_t result;
    SavedByte *saved;
};

Call make(vrxMediaList *list, sqlca *ca, std::int32_t expected, std::uint8_t allowEmpty = 0) {
    SavedByte *saved = nullptr;
    const std::int32_t result = sqluMakeMediaListNullTerminated(&list, &saved, &ca, expected, allowEmpty);
    return {result, saved};
}

void restore(vrxMediaList *list, SavedByte *saved, sqlca *ca, std::int32_t expected, std::uint8_t allowEmpty = 0) {
    EXPECT_EQ(sqluRestoreMediaList(&list, saved, &ca, expected, allowEmpty), 0);
}

bool terminated(const char *text, std::size_t length) { return text[length] == '\0'; }

TEST_F(MediaListTest, TerminatesTheTextsOfEachTypeAndPutsThemBack) {
    struct Case {
        char type;
        std::vector<std::string> values;
        std::vector<bool> terminatedEntries;
    } cases[] = {
        {'S', {"/backup/a", "", "/backup/ccc"}, {true, true, true}},
        {'C', {"client1", "client2"}, {true, true}},
        {'L', {"/var/paths/one", "two"}, {true, true}},
        {'Q', {"first", "(null)", "third"}, {true, false, true}},
        {'O', {"vendor-lib", "second", "third"}, {true, false, false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(1, c.type));
        vrxstub_reset();
        CallerStorage mem;
        auto caller = media_list(mem, c.type, c.values);
        sqlca *ca = mem.ca();
        mem.snapshot();

        const Call made = make(caller.list, ca, c.type);
        EXPECT_EQ(made.result, 0);
        ASSERT_NE(made.saved, nullptr);
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            if (caller.texts[i] == nullptr) continue;
            EXPECT_EQ(terminated(caller.texts[i], c.values[i].size()), c.terminatedEntries[i]) << i;
            EXPECT_EQ(made.saved[i].savedLength,
                      c.terminatedEntries[i] ? static_cast<std::int32_t>(c.values[i].size()) : -1);
        }
        // One record per entry, whatever the type.
        ASSERT_EQ(vrxstub_scratch_request_count(), 1u);
        EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 8u * c.values.size());
        EXPECT_EQ(scratch_sites()[0], std::make_pair(std::string("sqlgload"), 191u));

        restore(caller.list, made.saved, ca, c.type);
        EXPECT_TRUE(mem.unchanged_except());
        EXPECT_EQ(count_calls("sqlofmblkEx"), 1u);
    }
}

TEST_F(MediaListTest, AListItDoesNotHandleIsLeftAlone) {
    struct Case {
        const char *name;
        char type;
        std::int32_t expected;
        std::int32_t count;  // written over the list's count
        std::uint8_t allowEmpty;
    } cases[] = {
        {"other type", 'S', 'L', 2, 0},
        {"no entries", 'S', 'S', 0, 0},
        {"negative count", 'S', 'S', -1, 1},
        {"unknown type", 'X', 'X', 2, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        auto caller = media_list(mem, c.type, {"one", "two"});
        caller.list->entryCount = c.count;
        sqlca *ca = mem.ca();
        mem.snapshot();
        const Call made = make(caller.list, ca, c.expected, c.allowEmpty);
        EXPECT_EQ(made.result, 0);
        EXPECT_EQ(made.saved, nullptr);
        EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
        EXPECT_TRUE(mem.unchanged_except());
        restore(caller.list, made.saved, ca, c.expected, c.allowEmpty);
        EXPECT_EQ(count_calls("sqlofmblkEx"), 0u);
    }
    // No list at all.
    EXPECT_EQ(make(nullptr, nullptr, 'S').result, 0);
}

TEST_F(MediaListTest, AnEmptyListIsLetThroughWhenAllowed) {
    CallerStorage mem;
    auto caller = media_list(mem, 'S', {"one"});
    caller.list->entryCount = 0;
    sqlca *ca = mem.ca();
    mem.snapshot();
    const Call made = make(caller.list, ca, 'S', 1);
    EXPECT_EQ(made.result, 0);
    ASSERT_NE(made.saved, nullptr);
    EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 0u);
    EXPECT_TRUE(mem.unchanged_except());
    restore(caller.list, made.saved, ca, 'S', 1);
    EXPECT_EQ(count_calls("sqlofmblkEx"), 1u);
}

TEST_F(MediaListTest, ATextFollowedByANulSavesAndRestoresTheNul) {
    CallerStorage mem;
    auto caller = media_list(mem, 'L', {"abc"});
    caller.texts[0][3] = '\0';
    sqlca *ca = mem.ca();
    mem.snapshot();
    const Call made = make(caller.list, ca, 'L');
    EXPECT_EQ(made.saved[0].savedLength, 3);
    EXPECT_EQ(made.saved[0].savedByte, 0u);
    restore(caller.list, made.saved, ca, 'L');
    EXPECT_TRUE(mem.unchanged_except());
}

TEST_F(MediaListTest, ChecksTheListTheSqlcaTheEntriesAndEachText) {
    CallerStorage mem;
    auto caller = media_list(mem, 'S', {"one", "two"});
    sqlca *ca = mem.ca();
    vrxstub_set_ptr_check(1);
    const Call made = make(caller.list, ca, 'S');
    restore(caller.list, made.saved, ca, 'S');

    struct Seen {
        const void *at;
        std::uint32_t length;
    };
    const Seen expected[] = {
        {caller.list, sizeof(vrxMediaList)}, {ca, 136}, {caller.list->entries, 2 * 260},
        {caller.texts[0], 4}, {caller.texts[1], 4},
        // the restore: list, the array's first record, sqlca
        {caller.list, sizeof(vrxMediaList)}, {made.saved, 8}, {ca, 136},
    };
    const auto seen = calls("sqlagcptr_real");
    ASSERT_EQ(seen.size(), std::size(expected));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(arg<const void *>(seen[i], 0), expected[i].at);
        EXPECT_EQ(arg<std::uint32_t>(seen[i], 1), expected[i].length);
        EXPECT_EQ(arg<std::uint32_t>(seen[i], 2), 3u);
    }
}

// Refusals: of the list or the sqlca nothing happens; of the entry array
// the check's result comes back without an array; of a text that entry is
// skipped, and only the last entry's check decides the result.
TEST_F(MediaListTest, RefusedRegions) {
    struct Case {
        const char *name;
        char type;
        int refused;  // -1 list, -2 sqlca, -3 entries, else the index of a text
        std::int32_t result;
        bool arrayMade;
        std::vector<bool> terminatedEntries;
    } cases[] = {
        {"list", 'S', -1, 0, false, {false, false, false}},
        {"sqlca", 'S', -2, 0, false, {false, false, false}},
        {"entries", 'S', -3, 1, false, {false, false, false}},
        {"first text", 'S', 0, 0, true, {false, true, true}},
        {"last text", 'L', 2, 1, true, {true, true, false}},
        {"vendor text", 'O', 0, 1, true, {false, false, false}},
        {"text of a pointer entry", 'Q', 1, 0, true, {true, false, true}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        auto caller = media_list(mem, c.type, {"aaa", "bbbb", "cc"});
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        const void *region = c.refused == -1   ? static_cast<const void *>(caller.list)
                             : c.refused == -2 ? static_cast<const void *>(ca)
                             : c.refused == -3 ? caller.list->entries
                                               : caller.texts[c.refused];
        vrxstub_refuse_region(region, 0, 3);

        const Call made = make(caller.list, ca, c.type);
        EXPECT_EQ(made.result, c.result);
        EXPECT_EQ(made.saved != nullptr, c.arrayMade);
        const std::size_t lengths[] = {3, 4, 2};
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(terminated(caller.texts[i], lengths[i]), c.terminatedEntries[i]) << i;
        // The restore checks no text, so a refused text does not stop it.
        restore(caller.list, made.saved, ca, c.type);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(MediaListTest, ARestoreWhoseChecksFailWritesNothingButReleasesTheArray) {
    CallerStorage mem;
    auto caller = media_list(mem, 'S', {"one"});
    sqlca *ca = mem.ca();
    const Call made = make(caller.list, ca, 'S');
    ASSERT_TRUE(terminated(caller.texts[0], 3));
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(made.saved, 8, 3);
    restore(caller.list, made.saved, ca, 'S');
    EXPECT_TRUE(terminated(caller.texts[0], 3)) << "a refused restore writes nothing";
    EXPECT_EQ(count_calls("sqlofmblkEx"), 1u);
}

TEST_F(MediaListTest, AFailedRequestNamesTheRoutineOverSqlerrpAndSqlerrd) {
    for (bool refuseSqlca : {false, true}) {
        SCOPED_TRACE(refuseSqlca);
        vrxstub_reset();
        CallerStorage mem;
        auto caller = media_list(mem, 'S', {"one", "two"});
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_fail_scratch_at(1);
        vrxstub_refuse_sqlca(refuseSqlca ? 1 : 0);
        const Call made = make(caller.list, ca, 'S');
        EXPECT_EQ(made.result, -83);
        EXPECT_EQ(made.saved, nullptr);
        if (refuseSqlca) {
            EXPECT_TRUE(mem.unchanged_except());
        } else {
            EXPECT_EQ(ca->sqlcode, -83);
            EXPECT_EQ(std::string(ca->sqlerrp, 32), std::string("sqluMakeMediaListNullTerminated\0", 32));
            EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
            EXPECT_EQ(std::string(ca->sqlwarn, 11), std::string(11, '\0')) << "nothing past sqlerrd";
        }
        restore(caller.list, made.saved, ca, 'S');
    }
}

}  // namespace
