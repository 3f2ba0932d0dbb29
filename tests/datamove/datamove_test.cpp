// Data movement, beyond what the conformance loop shows: the load's
// clean-up re-checks, the trace records and the stand-in's files. The calls
// are the conformance rows' valid calls.
#include <utility>

#include "conformance/conformance.h"
#include "harness.h"
#include "vrxplatform/datamove.h"

using namespace vrxtest;
using namespace vrxtest::conformance;

namespace {

class DataMovementTest : public PlatformTest {
protected:
    void TearDown() override {
        vrxstub_set_trace_word(0x248, 0);
        vrxstub_set_trace_word(0x54, 0);
        PlatformTest::TearDown();
    }
};

constexpr std::int32_t kCoreResult = 4711;

const char *core_of(const std::string &name) {
#define VRX_ENTRY(upper, mixed, bytes, core, ...) \
    if (name == #upper) return #core;
#include "frame/entry_points.inc"
#undef VRX_ENTRY
    return "";
}

// Runs the row of `name` with checking on: `before` sees the storage just
// before the call, `during` the core call. Returns the result.
std::int32_t run(Arena &a, const std::string &name, const std::function<void(Arena &)> &before = {},
                 const std::function<void(const vrxstub_call &)> &during = {}) {
    vrxstub_set_ptr_check(1);
    a.beforeCall = [&] {
        if (before) before(a);
    };
    CoreHook hook(core_of(name), CoreHook::mayNotRun, [&](const vrxstub_call &c) {
        if (during) during(c);
        return kCoreResult;
    });
    return find_row(name)->call(a);
}

// A region refused by its re-check after the core ran keeps its terminator.
TEST_F(DataMovementTest, CleanUpRechecks) {
    const struct Case {
        const char *name;
        std::size_t text;  // the text 'A'..., of this length, on shared text `spot`
        int spot;
        std::function<void(const vrxstub_call &, Arena &)> refuse;
    } cases[] = {
        {"SQLGLOAD", 1, 0, [](const vrxstub_call &, Arena &a) { vrxstub_refuse_region(a.text(1), 2, 1); }},
        {"VRXGLOAD", 1, 0, [](const vrxstub_call &, Arena &a) { vrxstub_refuse_region(a.text(1), 1, 3); }},
        {"VRXGLOAD", 7, 3,
         [](const vrxstub_call &c, Arena &) { vrxstub_refuse_region(arg<vrxLoadParms *>(c, 1)->nested1, 0, 3); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        Arena a(Layout::Aligned);
        char *text = nullptr;
        run(a, c.name, [&](Arena &at) { text = at.text(c.text, c.spot); },
            [&](const vrxstub_call &call) { c.refuse(call, a); });
        EXPECT_EQ(text[c.text], '\0');
        EXPECT_TRUE(unchanged_except(a.mem, {a.sqlca_span(), {text + c.text, 1}}));
    }
}

// A copy target refused by its re-check after the core ran is not written
// back; its saved-byte array is released all the same (the fixture's
// tear-down finds any block left).
TEST_F(DataMovementTest, CopyTargetRefusedAtItsRecheckStillReleasesItsArray) {
    Arena a(Layout::Aligned);
    const std::int32_t result = run(a, "SQLGLOAD", {}, [&](const vrxstub_call &c) {
        vrxstub_refuse_region(arg<const void *>(c, 12), 0, 1);  // the core's copy target
    });
    EXPECT_EQ(result, kCoreResult);
}

// Entry before the initialisation when bit 0x1 of word 0x248 is set; exit,
// with the result, when word 0x54 has 0x8000 or 0x0002; also after a
// failed initialisation.
TEST_F(DataMovementTest, TraceRecords) {
    const struct Case {
        const char *name;
        std::uint32_t id, entryWord, exitWord;
        bool initFails;
        std::int32_t result;
        const char *first, *last;
    } cases[] = {
        {"SQLGLOAD", 0x1C930069, 1, 0x8000, false, kCoreResult, "pdtEntry", "sqltExit"},
        {"VRXGLOAD", 0x1C93006A, 1, 0x0002, false, kCoreResult, "pdtEntry", "sqltExit"},
        {"SQLGLOAD", 0x1C930069, 0, 0x8000, true, 0, "sqlo_create_init_app_data", "sqltExit"},
        {"VRXGLOAD", 0x1C93006A, 1, 0x0002, true, -1022, "pdtEntry", "sqltExit"},
        {"VRXGLOAD", 0x1C93006A, 0xFFFFFFFE, 0x7FFD, false, kCoreResult, "sqlo_create_init_app_data", "sqlofmblkEx"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.exitWord));
        vrxstub_reset();
        vrxstub_set_trace_word(0x248, c.entryWord);
        vrxstub_set_trace_word(0x54, c.exitWord);
        vrxstub_set_init_result(c.initFails ? -1 : 0);
        Arena a(Layout::Aligned);
        EXPECT_EQ(run(a, c.name), c.result);
        EXPECT_EQ(calls().front().name, std::string(c.first));
        EXPECT_EQ(calls().back().name, std::string(c.last));
        for (const vrxstub_call &call : calls("pdtEntry")) EXPECT_EQ(arg<std::uint32_t>(call, 0), c.id);
        for (const vrxstub_call &call : calls("sqltExit")) {
            EXPECT_EQ(arg<std::uint32_t>(call, 0), c.id);
            EXPECT_EQ(arg<std::int32_t>(call, 1), c.result);
        }
    }
}

// The stand-in: an export writes its file, a load from it reports the same
// rows, a load query the last load's; an unknown file gives -3025.
TEST_F(DataMovementTest, StandInFiles) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    vrxMediaList source{'S', {}, 1, mem.place(vrxLocationEntry{8, "DATA.DEL#"})};
    vrxgLoadParms load{};
    load.piSourceList = &source;
    vrxgExportParms exportParms{};
    exportParms.piText1 = mem.text("DATA.DEL");
    exportParms.iText1Len = 8;
    vrxgLoadQueryParms query{};
    auto rows = [&](std::int32_t result) { return result == 0 ? std::exchange(ca->sqlerrd[2], 0) : result; };
    EXPECT_EQ(rows(vrxgLoad(9050000, &load, ca)), -3025);
    EXPECT_EQ(rows(vrxgExport(9050000, &exportParms, ca)), 25);
    EXPECT_EQ(rows(vrxgLoad(9050000, &load, ca)), 25);
    EXPECT_EQ(rows(vrxgLoadQuery(9050000, &query, ca)), 25);
}

}  // namespace
