// Terminations made one after another: each behaves as its own termination
// slot, and a single restore puts the bytes back last made first.
#include "frame/terminations.h"
#include "harness.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class TerminationsTest : public PlatformTest {};

TEST_F(TerminationsTest, TerminatesLikeItsSlotsAndRestoresLastMadeFirst) {
    CallerStorage mem;
    char *text = mem.text("SAMPLEDB", '#');
    char *field = mem.field("UTF-8", 10);
    char *beyond = mem.text("TWO", '#');
    mem.snapshot();

    Terminations<4> texts;
    EXPECT_EQ(std::string(texts.terminate(text, 6)), "SAMPLE");
    EXPECT_EQ(std::string(texts.terminate_trimmed(field, 10)), "UTF-8");
    EXPECT_EQ(texts.terminate(nullptr, 4), nullptr);
    // The same text again saves the terminator made before: only the reverse
    // order of restoration gives the caller's byte back.
    EXPECT_EQ(std::string(texts.terminate(text, 6)), "SAMPLE");
    // Beyond its capacity a text is passed on as it is, never written.
    EXPECT_EQ(texts.terminate(beyond, 3), beyond);
    EXPECT_EQ(beyond[3], '#');
    texts.restore();
    EXPECT_TRUE(mem.unchanged_except());

    text[6] = '!';  // the caller's storage changes after the call
    texts.restore();
    EXPECT_EQ(text[6], '!') << "a second restore writes nothing";
}

}  // namespace
