// The call frame's own steps: initialisation, the memory-failure report
// and the guarded refusals, with the order of their service calls.
#include "frame/frame.h"
#include "frame/slots.h"
#include "frame/tracing.h"
#include "harness.h"

using namespace vrx;
using namespace vrxtest;

namespace {

class FrameTest : public PlatformTest {};

std::vector<std::string> call_names() {
    std::vector<std::string> names;
    for (const vrxstub_call &c : calls()) names.emplace_back(c.name);
    return names;
}

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

TEST_F(FrameTest, TagsAreEightBytesWithTheNulOfASevenLetterName) {
    EXPECT_EQ(std::string(make_tag("sqlgudb").text, 8), std::string("sqlgudb\0", 8));
    EXPECT_EQ(std::string(make_tag("sqlgeudb").text, 8), "sqlgeudb");
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

TEST_F(FrameTest, FailedInitialisationSetsOnlyTheSqlcode) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_set_init_result(5);
    EXPECT_FALSE(app_data_ready(ca));
    EXPECT_EQ(ca->sqlcode, -1022);
    EXPECT_TRUE(mem.unchanged_except({{&ca->sqlcode, 4}}));
}

TEST_F(FrameTest, MemoryFailureIsReportedOnlyWhenTheSqlcaMayBeUsed) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    EXPECT_EQ(report_no_memory(ca, make_tag("sqlgudb")), -83);
    EXPECT_TRUE(reports_no_memory(*ca, "sqlgudb\0"));
    EXPECT_EQ(call_names(), (std::vector<std::string>{"sqloincaChkptr"}));

    CallerStorage refused;
    sqlca *untouched = refused.ca();
    refused.snapshot();
    vrxstub_refuse_sqlca(1);
    EXPECT_EQ(report_no_memory(untouched, make_tag("sqlgudb")), -83);
    EXPECT_TRUE(refused.unchanged_except());
}

TEST_F(FrameTest, GuardedFrameRefusesInItsOrder) {
    const Tag tag = make_tag("SQLGDGNE");
    int record = 0;

    // No sqlca: -1 and nothing called.
    EXPECT_EQ(guarded_refusal(nullptr, &record, tag), std::optional<std::int32_t>(-1));
    EXPECT_EQ(guarded_refusal(nullptr, tag), std::optional<std::int32_t>(-1));
    EXPECT_TRUE(calls().empty());

    // No record: -1078 with the tag, before any initialisation.
    CallerStorage mem;
    sqlca *ca = mem.ca();
    vrxstub_set_init_result(1);
    EXPECT_EQ(guarded_refusal(ca, nullptr, tag), std::optional<std::int32_t>(-1078));
    EXPECT_EQ(ca->sqlcode, -1078);
    EXPECT_EQ(std::string(ca->sqlerrp, 8), "SQLGDGNE");
    EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlofica"}));

    // Failed initialisation: -1022 with the tag, then sqlofica.
    vrxstub_reset();
    vrxstub_set_init_result(1);
    sqlca *ca2 = mem.ca();
    EXPECT_EQ(guarded_refusal(ca2, &record, tag), std::optional<std::int32_t>(-1022));
    EXPECT_EQ(ca2->sqlcode, -1022);
    EXPECT_EQ(std::string(ca2->sqlerrp, 8), "SQLGDGNE");
    EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlo_create_init_app_data", "sqlofica"}));

    // Everything in order: the call may go on.
    vrxstub_reset();
    EXPECT_EQ(guarded_refusal(ca2, &record, tag), std::nullopt);
    EXPECT_EQ(guarded_refusal(ca2, tag), std::nullopt);
}

}  // namespace
