// Application programming services, beyond what their conformance rows
// show: the numbers that are sign-extended and copying overlapping memory.
#include <cstring>

#include "harness.h"
#include "vrxplatform/appsvc.h"

using namespace vrxtest;

namespace {

class AppServicesTest : public PlatformTest {};

// 0xFFFF reaches the service or core as -1 where the number is signed. A
// forward asks for nothing else, though checking is on and the
// initialisation would fail.
TEST_F(AppServicesTest, SignedNumbersReachTheCoreSignExtended) {
    const vrx_slot minus1 = kHigh | 0xFFFF;
    char buffer[8] = {};
    struct Case {
        const char *core;
        std::function<std::int32_t()> call;
        std::vector<std::size_t> signedArgs;
    } cases[] = {
        {"sqlaintp_api", [&] { return sqlgintp(minus1, minus1, nullptr, buffer); }, {1, 2}},
        {"sqlogstt", [&] { return sqlggstt(minus1, minus1, "42704", buffer); }, {1, 2}},
        {"sqlugrpn_api",
         [&] { return sqlggrpn(0, nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, 0, nullptr, minus1, 0, 0); },
         {10}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.core);
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        vrxstub_set_init_result(-1);
        CoreHook hook(c.core, [&](const vrxstub_call &call) {
            for (std::size_t i : c.signedArgs) EXPECT_EQ(arg<std::int32_t>(call, i), -1) << "argument " << i;
            return -30082;
        });
        EXPECT_EQ(c.call(), -30082);
        ASSERT_EQ(calls().size(), 1u) << "nothing but the core call";
        EXPECT_STREQ(calls()[0].name, c.core);
    }
}

// Overlapping areas are copied as if through a buffer; nothing is called.
TEST_F(AppServicesTest, MemoryCopyCopesWithOverlap) {
    CallerStorage mem;
    char *area = mem.text("ABCDEFG");
    mem.snapshot();
    EXPECT_EQ(sqlgmcpy(area + 1, area, 4), 0);
    EXPECT_EQ(sqlgmcpy(area, area + 3, 2), 0);
    EXPECT_EQ(std::string(area, 7), "CDBCDFG");
    EXPECT_TRUE(mem.unchanged_except({{area, 7}}));
    EXPECT_EQ(vrxstub_call_count(), 0u);
}

}  // namespace
