// The call frame's own pieces that no entry point's row shows on its own:
// the narrowing of slots and the initialisation's fixed code.
// (The conformance loop runs every entry point through the failed
// initialisation, the memory-failure report and the guarded refusals.)
#include "frame/frame.h"
#include "frame/slots.h"
#include "harness.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class FrameTest : public PlatformTest {};

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
