// Terminations made one after another: each behaves as its own termination
// slot, and a single restore puts the bytes back last made first.
#include "frame/terminations.h"
#include "harness.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class TerminationsTest : public PlatformTest {};

TEST_F(TerminationsTest, TerminatesEachTextAndFieldWhereItsSlotWould) {
    CallerStorage mem;
    char *text = mem.text("SAMPLEDB", '#');
    char *field = mem.field("UTF-8", 10);
    mem.snapshot();

    Terminations<3> texts;
    EXPECT_EQ(std::string(texts.terminate(text, 6)), "SAMPLE");
    EXPECT_EQ(std::string(texts.terminate_trimmed(field, 10)), "UTF-8");
    EXPECT_EQ(texts.terminate(nullptr, 4), nullptr);
    EXPECT_EQ(text[6], '\0');
    EXPECT_EQ(field[5], '\0');
    texts.restore();
    EXPECT_TRUE(mem.unchanged_except());
}

// The same text given twice and a terminator inside an earlier text: only
// the reverse order gives every caller byte back.
TEST_F(TerminationsTest, RestoresSharedStorageLastTerminatedFirst) {
    struct Case {
        const char *name;
        std::uint32_t lengths[3];
    } cases[] = {
        {"same text three times", {6, 6, 6}},
        {"shorter after longer", {6, 3, 6}},
        {"longer after shorter", {3, 6, 2}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CallerStorage mem;
        char *text = mem.text("ABCDEF", '#');
        mem.snapshot();
        Terminations<3> texts;
        for (std::uint32_t length : c.lengths) texts.terminate(text, length);
        texts.restore();
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(TerminationsTest, RestoreTwiceWritesNothingMore) {
    CallerStorage mem;
    char *text = mem.text("ABC", '#');
    mem.snapshot();
    Terminations<1> texts;
    texts.terminate(text, 3);
    texts.restore();
    text[3] = '!';  // the caller's storage changes after the call
    texts.restore();
    EXPECT_EQ(text[3], '!');
}

// Beyond its capacity a text is passed on as it is, never written.
TEST_F(TerminationsTest, PassesTextsBeyondItsCapacityUnterminated) {
    CallerStorage mem;
    char *first = mem.text("ONE", '#');
    char *second = mem.text("TWO", '#');
    mem.snapshot();
    Terminations<1> texts;
    texts.terminate(first, 3);
    EXPECT_EQ(texts.terminate(second, 3), second);
    EXPECT_EQ(second[3], '#');
    texts.restore();
    EXPECT_TRUE(mem.unchanged_except());
}

}  // namespace
