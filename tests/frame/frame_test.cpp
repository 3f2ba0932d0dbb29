// The call frame's own pieces that no entry point's row shows on its own:
// the narrowing of slots, the trace switches and the initialisation's
// fixed code.
// (The conformance loop runs every entry point through the failed
// initialisation, the memory-failure report and the guarded refusals.)
#include "frame/frame.h"
#include "frame/slots.h"
#include "frame/tracing.h"
#include "harness.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class FrameTest : public PlatformTest {};

// Each switch reads its own word and bits, nothing else.
TEST_F(FrameTest, TracingFollowsItsTraceWordBits) {
    struct Case {
        std::uint32_t offset, value;
        bool entry, exit;
    } const cases[] = {
        {0x248, 0x1, true, false},   {0x248, 0xFFFFFFFE, false, false}, {0x54, 0x8000, false, true},
        {0x54, 0x2, false, true},    {0x54, 0xFFFF7FFD, false, false},  {0x58, 0xFFFFFFFF, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.offset);
        vrxstub_set_trace_word(c.offset, c.value);
        EXPECT_EQ(entry_tracing_on(), c.entry);
        EXPECT_EQ(exit_tracing_on(), c.exit);
        vrxstub_set_trace_word(c.offset, 0);
    }
}

TEST_F(FrameTest, SlotsAreNarrowedExplicitly) {
    EXPECT_EQ(widen16(0xDEAD0005u), 5u);
    EXPECT_EQ(widen16(0x0000FFFFu), 65535u);
    EXPECT_EQ(sext16(0x1234FFFFu), -1);
    EXPECT_EQ(sext16(0xFFFF7FFFu), 32767);
    EXPECT_EQ(widen8(0xFFFFFF41u), 0x41u);
}

TEST_F(FrameTest, InitialisationPassesTheFixedCode) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    EXPECT_TRUE(app_data_ready(ca));
    const auto init = calls("sqlo_create_init_app_data");
    ASSERT_EQ(init.size(), 1u);
    EXPECT_EQ(arg<std::uint32_t>(init[0], 0), 0x8E8215u);
}

}  // namespace
