// The marshalling techniques on their own: what they write into caller
// storage, which checks they ask for, and how restoration puts it back.
#include "frame/marshal.h"
#include "harness.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class MarshalTest : public PlatformTest {};

std::vector<vrxstub_call> checks() { return calls("sqlagcptr_real"); }

TEST_F(MarshalTest, TerminatesTextsInPlaceAndRestoresThem) {
    struct Case {
        const char *name;
        std::string text;
        std::uint32_t length;
        std::string seen;
    } cases[] = {
        {"whole text", "SAMPLE", 6, "SAMPLE"},
        {"shorter length", "SAMPLEDB", 3, "SAM"},
        {"empty", "X", 0, ""},
        {"embedded NUL", std::string("AB\0CD", 5), 5, "AB"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CallerStorage mem;
        char *text = mem.text(c.text, '#');
        mem.snapshot();
        TerminationSlot slot;
        char *seen = slot.terminate(text, c.length);
        EXPECT_EQ(seen, text);
        EXPECT_EQ(std::string(seen), c.seen);
        EXPECT_EQ(text[c.length], '\0');
        slot.restore();
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(MarshalTest, NullTextIsPassedOnWithoutAnyCheck) {
    vrxstub_set_ptr_check(1);
    TerminationSlot slot;
    EXPECT_EQ(slot.terminate(nullptr, 5), nullptr);
    slot.restore();
    EXPECT_TRUE(checks().empty());
}

TEST_F(MarshalTest, ChecksEachRegionWithItsLengthAndMode) {
    CallerStorage mem;
    char *text = mem.text("ALIAS");
    char *out = mem.field("", 13, '\0');
    char *padded = mem.field("NODE1", 9);
    vrxstub_set_ptr_check(1);

    TerminationSlot a, b;
    a.terminate(text, 5);
    blank_fill(out, 13);
    b.terminate_trimmed(padded, 9);
    b.restore();
    a.restore();

    const auto seen = checks();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(arg<const char *>(seen[0], 0), text);
    EXPECT_EQ(arg<std::uint32_t>(seen[0], 1), 6u);
    EXPECT_EQ(arg<std::uint32_t>(seen[0], 2), 3u);
    EXPECT_EQ(arg<const char *>(seen[1], 0), out);
    EXPECT_EQ(arg<std::uint32_t>(seen[1], 1), 13u);
    EXPECT_EQ(arg<std::uint32_t>(seen[1], 2), 2u);
    EXPECT_EQ(arg<const char *>(seen[2], 0), padded);
    EXPECT_EQ(arg<std::uint32_t>(seen[2], 1), 9u);
    EXPECT_EQ(arg<std::uint32_t>(seen[2], 2), 2u);
    // Whether checking is on is asked before every single check.
    EXPECT_EQ(count_calls("sqlo_ptr_check_active"), 3u);
}

TEST_F(MarshalTest, RefusedRegionsAreNeverWritten) {
    CallerStorage mem;
    char *text = mem.text("ALIAS");
    char *out = mem.field("ABC", 13, '\0');
    char *padded = mem.field("NODE1", 9);
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(text, 6, 3);
    vrxstub_refuse_region(out, 13, 2);
    vrxstub_refuse_region(padded, 9, 2);
    mem.snapshot();

    TerminationSlot a, b;
    EXPECT_EQ(a.terminate(text, 5), text);
    EXPECT_EQ(b.terminate_trimmed(padded, 9), padded);
    blank_fill(out, 13);
    b.restore();
    a.restore();
    EXPECT_TRUE(mem.unchanged_except());
}

TEST_F(MarshalTest, BlankFillsFromTheFirstNul) {
    struct Case {
        const char *name;
        std::string written;  // what the core left in the 13-byte field
        std::string expected;
    } cases[] = {
        {"short text", std::string("ABC\0zzzzzzzzz", 13), "ABC          "},
        {"empty text", std::string("\0zzzzzzzzzzzz", 13), "             "},
        {"full width", std::string("ABCDEFGHIJKL\0", 13), "ABCDEFGHIJKL "},
        {"no NUL", "ABCDEFGHIJKLM", "ABCDEFGHIJKLM"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CallerStorage mem;
        char *field = mem.field(c.written, 13);
        mem.snapshot();
        blank_fill(field, 13);
        EXPECT_EQ(field_text(field, 13), c.expected);
        EXPECT_TRUE(mem.unchanged_except({{field, 13}}));
    }
}

TEST_F(MarshalTest, TrimsBlankPaddedFields) {
    struct Case {
        const char *name;
        std::string field;  // 9 bytes
        std::string seen;
    } cases[] = {
        {"all blank", "         ", ""},
        {"padded", "NODE1    ", "NODE1"},
        {"full width", "NODE12345", "NODE1234"},
        {"inner blank", "A B      ", "A B"},
        {"blank before last byte", "ABCDEFG X", "ABCDEFG"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CallerStorage mem;
        char *field = mem.field(c.field, 9);
        mem.snapshot();
        TerminationSlot slot;
        EXPECT_EQ(std::string(slot.terminate_trimmed(field, 9)), c.seen);
        slot.restore();
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// Two texts sharing storage: the second terminator lands inside the first
// text. Restoring in reverse order gives back the caller's bytes.
TEST_F(MarshalTest, RestoresOverlappingTerminationsInReverseOrder) {
    CallerStorage mem;
    char *text = mem.text("ABCDEF", '#');
    mem.snapshot();
    TerminationSlot outer, inner, again;
    outer.terminate(text, 6);
    inner.terminate(text, 3);
    again.terminate(text, 6);  // the same text given twice
    EXPECT_EQ(std::string(text), "ABC");
    again.restore();
    inner.restore();
    outer.restore();
    EXPECT_TRUE(mem.unchanged_except());
}

struct Item {
    std::uint16_t token;
    void *value;
};

TEST_F(MarshalTest, TerminatesSelectedItemsOfAStringArray) {
    CallerStorage mem;
    char *first = mem.text("ONE", '1');
    char *second = mem.text("TWOTWO", '2');
    std::uint32_t number = 7;
    Item items[] = {{1, first}, {2, &number}, {1, second}, {1, nullptr}};
    std::uint16_t lengths[] = {3, 99, 4, 5};
    mem.snapshot();

    StringArrayTermination array;
    ASSERT_TRUE(array.terminate(items, lengths, 4, [](const Item &i) { return i.token == 1; },
                                ScratchSite{"unit", 42}));
    EXPECT_EQ(std::string(first), "ONE");
    EXPECT_EQ(std::string(second), "TWOT");
    EXPECT_EQ(number, 7u);
    EXPECT_EQ(vrxstub_outstanding_blocks(), 2u);
    const auto sites = scratch_sites();
    ASSERT_EQ(sites.size(), 2u);
    EXPECT_EQ(sites[0], std::make_pair(std::string("unit"), 42u));
    EXPECT_EQ(vrxstub_scratch_request_at(0)->size, sizeof(TerminationRecord));  // 12 on the 32-bit builds

    array.restore(items, lengths);
    EXPECT_EQ(vrxstub_outstanding_blocks(), 0u);
    EXPECT_TRUE(mem.unchanged_except());
}

TEST_F(MarshalTest, StringArrayLeavesRefusedItemsAndArraysAlone) {
    CallerStorage mem;
    char *first = mem.text("ONE", '1');
    char *second = mem.text("TWO", '2');
    Item items[] = {{1, first}, {1, second}};
    std::uint16_t lengths[] = {3, 3};
    vrxstub_set_ptr_check(1);
    mem.snapshot();

    {  // one item refused: the other is still terminated
        vrxstub_refuse_region(first, 4, 3);
        StringArrayTermination array;
        ASSERT_TRUE(array.terminate(items, lengths, 2, [](const Item &) { return true; }, ScratchSite{"u", 1}));
        EXPECT_EQ(first[3], '1');
        EXPECT_EQ(second[3], '\0');
        array.restore(items, lengths);
        EXPECT_TRUE(mem.unchanged_except());
    }
    for (const void *refused : {static_cast<const void *>(lengths), static_cast<const void *>(items)}) {
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(refused, 0, 3);
        StringArrayTermination array;
        ASSERT_TRUE(array.terminate(items, lengths, 2, [](const Item &) { return true; }, ScratchSite{"u", 1}));
        EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
        array.restore(items, lengths);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(MarshalTest, StringArrayStopsAtTheFirstMissingRecord) {
    CallerStorage mem;
    char *a = mem.text("AAA", 'a');
    char *b = mem.text("BBB", 'b');
    char *c = mem.text("CCC", 'c');
    Item items[] = {{1, a}, {1, b}, {1, c}};
    std::uint16_t lengths[] = {3, 3, 3};
    mem.snapshot();
    vrxstub_fail_scratch_at(2);

    StringArrayTermination array;
    EXPECT_FALSE(array.terminate(items, lengths, 3, [](const Item &) { return true; }, ScratchSite{"u", 1}));
    EXPECT_EQ(a[3], '\0');
    EXPECT_EQ(b[3], 'b');
    EXPECT_EQ(c[3], 'c');
    EXPECT_EQ(vrxstub_scratch_request_count(), 2u);
    array.restore(items, lengths);
    EXPECT_TRUE(mem.unchanged_except());
}

TEST_F(MarshalTest, ScratchCopiesAreTerminatedAndLeaveTheCallerAlone) {
    CallerStorage mem;
    char *text = mem.text("BACKUPDIR", '#');
    mem.snapshot();
    ScratchCopy copy;
    ASSERT_TRUE(copy.make(text, 6, ScratchSite{"copy", 7}));
    EXPECT_NE(copy.text(), text);
    EXPECT_EQ(std::string(copy.text()), "BACKUP");
    EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 7u);
    copy.release();
    EXPECT_EQ(copy.text(), nullptr);
    EXPECT_TRUE(mem.unchanged_except());

    ScratchCopy none;
    EXPECT_TRUE(none.make(nullptr, 3, ScratchSite{"copy", 7}));
    EXPECT_EQ(none.text(), nullptr);
    none.release();

    vrxstub_fail_scratch_at(1);
    ScratchCopy failed;
    EXPECT_FALSE(failed.make(text, 6, ScratchSite{"copy", 7}));
    failed.release();
}

}  // namespace
