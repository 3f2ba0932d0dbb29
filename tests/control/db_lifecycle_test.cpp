// Database lifecycle beyond the conformance rows: a core that rewrites the
// create-database descriptor.
#include "harness.h"

using namespace vrxtest;

namespace {

class DbLifecycleTest : public PlatformTest {};

// The descriptor's fields are put back only while it still carries its
// eye-catcher: a core that rewrites it keeps the terminators it was given.
TEST_F(DbLifecycleTest, CreatePutsTheDescriptorBackOnlyWhileItCarriesItsEyeCatcher) {
    CallerStorage mem;
    vrxDbDescriptor d{};
    std::memcpy(d.eyeCatcher, "SQLDBD02", 8);
    std::memset(d.collatingTable, ' ', 256);
    std::memcpy(d.collatingTable, "TABLE", 5);
    std::memcpy(d.comment, "A comment                      ", 31);
    vrxDbDescriptor *descriptor = mem.place(d);
    vrxDbCodeSet *codes =
        mem.place(vrxDbCodeSet{{'U', 'T', 'F', '-', '8', ' ', ' ', ' ', ' ', ' '}, {'D', 'E', ' ', ' ', ' ', ' '}});
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook("sqlecrea_api",
                  [&](const vrxstub_call &) { return std::memcpy(descriptor->eyeCatcher, "CHANGED!", 8), 0; });
    EXPECT_EQ(sqlgcrea(0, 0, 0, ca, 0, 0, codes, descriptor, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(mem.unchanged_except(
        {{descriptor->eyeCatcher, 8}, {&descriptor->comment[9], 1}, {&descriptor->collatingTable[5], 1}}));
    EXPECT_EQ(descriptor->comment[9], '\0');
    EXPECT_EQ(descriptor->collatingTable[5], '\0');
}

}  // namespace
