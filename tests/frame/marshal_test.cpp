// The marshalling techniques on their own: what they write into caller
// storage, the null rule, untrusted lengths, and how the borrowed bytes go
// back. (The conformance transcript states each entry point's checks:
// region, length, mode, and what refusing each one gives.)
#include "frame/marshal.h"
#include "harness.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class MarshalTest : public PlatformTest {};

std::vector<vrxstub_call> checks() { return calls("sqlagcptr_real"); }

// (Each entry point's row terminates texts that share their terminator
// bytes; a wrong length or a wrong order shows there.) The same text three
// times, a shorter one and an empty one inside it: only the reverse order
// of the terminations gives back the caller's bytes, and the destructor
// puts back what restore() was not asked to.
TEST_F(MarshalTest, PutsTextsBackLastFirstWhenItGoes) {
    CallerStorage mem;
    char *text = mem.text("ABCDEF", '#');
    mem.snapshot();
    {
        Borrowed borrowed;
        borrowed.terminate(text, 6);
        borrowed.terminate(text, 3);
        borrowed.terminate(text, 6);
        borrowed.terminate_trimmed(text, 7);
        EXPECT_EQ(std::string(text), "ABC");
        borrowed.terminate(text, 0);
        EXPECT_EQ(text[0], '\0');
    }
    EXPECT_TRUE(mem.unchanged_except());
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
        Borrowed borrowed;
        EXPECT_EQ(std::string(borrowed.terminate_trimmed(field, 9)), c.seen);
        borrowed.restore();
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// Every technique passes a null on, or ignores it, without a check, a
// scratch request or a write.
TEST_F(MarshalTest, NullIsPassedOnOrIgnoredByEveryTechnique) {
    vrxstub_set_ptr_check(1);
    Borrowed borrowed;
    EXPECT_EQ(borrowed.terminate(nullptr, 5), nullptr);
    EXPECT_EQ(borrowed.terminate_trimmed(nullptr, 9), nullptr);
    EXPECT_EQ(terminate_unsaved(nullptr, 5), nullptr);
    blank_fill(nullptr, 13);
    copy_output(nullptr, 5, "CORE", 5);
    ScratchCopy copy;
    EXPECT_TRUE(copy.make(nullptr, 3, ScratchSite{"copy", 7}));
    EXPECT_EQ(copy.text(), nullptr);
    struct Item {
        std::uint16_t token;
        void *value;
    } items[] = {{1, nullptr}};
    std::uint16_t lengths[] = {3};
    StringArrayTermination<Item> noItems, noLengths;
    EXPECT_TRUE(noItems.terminate(nullptr, lengths, 1, [](const Item &) { return true; }, ScratchSite{"u", 1}));
    EXPECT_TRUE(noLengths.terminate(items, nullptr, 1, [](const Item &) { return true; }, ScratchSite{"u", 1}));
    borrowed.restore();
    EXPECT_TRUE(checks().empty());
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
}

// A 32-bit length is untrusted: 0xFFFFFFFE asks the check about 0xFFFFFFFF
// bytes, and 0xFFFFFFFF, which leaves no room for a terminator, is treated
// as a refused region without asking. Nothing is written, nothing copied.
TEST_F(MarshalTest, LengthsAtTheTopOfTheRangeNeverWrap) {
    for (const std::uint32_t length : {0xFFFFFFFEu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(length);
        vrxstub_reset();
        CallerStorage mem;
        char *text = mem.text("TEXT");
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(text, 0, 0);
        mem.snapshot();
        Borrowed borrowed;
        EXPECT_EQ(borrowed.terminate(text, length), text);
        EXPECT_EQ(terminate_unsaved(text, length), text);
        borrowed.restore();
        EXPECT_TRUE(mem.unchanged_except());
        std::vector<std::uint32_t> asked;
        for (const vrxstub_call &c : checks()) asked.push_back(arg<std::uint32_t>(c, 1));
        const std::vector<std::uint32_t> expected(length == 0xFFFFFFFFu ? 0 : 2, 0xFFFFFFFFu);
        EXPECT_EQ(asked, expected);
    }
    // A copy of a text with no room for its terminator is not made at all.
    ScratchCopy copy;
    EXPECT_TRUE(copy.make("TEXT", 0xFFFFFFFFu, ScratchSite{"copy", 7}));
    EXPECT_EQ(copy.text(), nullptr);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
}

// A copy is a NUL-terminated scratch block holding the text's length in
// bytes; the caller's text is not written; a refused request gives false.
TEST_F(MarshalTest, ScratchCopyTerminatesACopyAndLeavesTheTextAlone) {
    CallerStorage mem;
    char *text = mem.text("COPYx");
    mem.snapshot();
    {
        ScratchCopy copy;
        ASSERT_TRUE(copy.make(text, 4, ScratchSite{"copy", 7}));
        EXPECT_STREQ(copy.text(), "COPY");
        EXPECT_EQ(scratch_sites(), (std::vector<std::pair<std::string, std::uint32_t>>{{"copy", 7}}));
        EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 5u);
    }
    EXPECT_EQ(vrxstub_outstanding_blocks(), 0u) << "released when the copy goes";
    vrxstub_fail_scratch_at(1);
    ScratchCopy refused;
    EXPECT_FALSE(refused.make(text, 4, ScratchSite{"copy", 7}));
    EXPECT_EQ(refused.text(), nullptr);
    EXPECT_TRUE(mem.unchanged_except());
}

struct Item {
    std::uint16_t token;
    void *value;
};

TEST_F(MarshalTest, StringArrayTerminatesSelectedItemsAndStopsAtAMissingRecord) {
    CallerStorage mem;
    char *first = mem.text("ONE", '1');
    char *second = mem.text("TWOTWO", '2');
    char *third = mem.text("THREE", '3');
    std::uint32_t number = 7;
    Item items[] = {{1, first}, {2, &number}, {1, second}, {1, nullptr}, {1, third}};
    std::uint16_t lengths[] = {3, 99, 4, 5, 5};
    mem.snapshot();
    auto isText = [](const Item &i) { return i.token == 1; };
    {
        StringArrayTermination<Item> array;
        ASSERT_TRUE(array.terminate(items, lengths, 5, isText, ScratchSite{"unit", 42}));
        EXPECT_EQ(std::string(first), "ONE");
        EXPECT_EQ(std::string(second), "TWOT");
        EXPECT_EQ(number, 7u);
        const std::pair<std::string, std::uint32_t> site{"unit", 42};
        EXPECT_EQ(scratch_sites(), (std::vector<std::pair<std::string, std::uint32_t>>{site, site, site}));
        EXPECT_EQ(vrxstub_scratch_request_at(0)->size, sizeof(TerminationRecord));  // 12 on the 32-bit builds
        array.put_back();
        EXPECT_EQ(vrxstub_outstanding_blocks(), 0u);
        EXPECT_TRUE(mem.unchanged_except());
    }
    vrxstub_reset();
    vrxstub_fail_scratch_at(2);
    StringArrayTermination<Item> array;
    EXPECT_FALSE(array.terminate(items, lengths, 5, isText, ScratchSite{"u", 1}));
    EXPECT_EQ(first[3], '\0');
    EXPECT_EQ(second[4], 'W');
    array.put_back();
    EXPECT_TRUE(mem.unchanged_except());
}

#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
// An entry point that borrows more bytes than the frame holds is a fault
// in the library: it stops rather than lose a byte.
TEST_F(MarshalTest, BorrowingPastCapacityStopsTheProcess) {
    EXPECT_DEATH(
        {
            char text[] = "X#";
            Borrowed borrowed;
            for (int i = 0; i < 25; ++i) borrowed.terminate(text, 1);
        },
        "");
}
#endif

}  // namespace
