// Data movement, beyond what the conformance loop shows: the order and
// modes of every check (so the order of texts and lists), whose result
// each form returns when a check refuses, the load's clean-up re-checks,
// the trace records, the export's version threshold, and the stand-in's
// files. The calls are the conformance rows' valid calls.
#include <sstream>

#include "conformance/conformance.h"
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
constexpr std::int32_t kRefused = 77;

const char *core_of(const std::string &name) {
    static const std::map<std::string, const char *> cores = {
        {"SQLGEXPT", "sqluexpt_api"}, {"SQLGEXPR", "sqluexpr_api"}, {"VRXGEXPORT", "vrxExport"},
        {"SQLGIMPT", "sqluimpt_api"}, {"SQLGIMPR", "sqluimpr_api"}, {"VRXGIMPORT", "vrxImport"},
        {"SQLGLOAD", "sqluload_api"}, {"VRXGLOAD", "vrxLoad"},      {"SQLGQRY", "sqluqry_api"},
        {"VRXGLOADQUERY", "vrxLoadQuery"}};
    return cores.at(name);
}

// Runs the row of `name` with checking on: `before` sees the storage just
// before the call, `during` the core call. Returns the result; counts the
// core calls.
std::int32_t run(Arena &a, const std::string &name, int &coreCalls, const std::function<void(Arena &)> &before = {},
                 const std::function<void(const vrxstub_call &)> &during = {}) {
    vrxstub_set_ptr_check(1);
    a.beforeCall = [&] {
        if (before) before(a);
    };
    CoreHook hook(core_of(name), CoreHook::mayNotRun, [&](const vrxstub_call &c) {
        ++coreCalls;
        if (during) during(c);
        return kCoreResult;
    });
    return find_row(name)->call(a);
}

// Every check, in order, as "length/mode"; the regions checked mode 3 in
// one list's entries are one check a list.
std::string checks_made() {
    std::string out;
    for (const vrxstub_call &c : calls("sqlagcptr_real"))
        out += (out.empty() ? "" : " ") + std::to_string(arg<std::uint32_t>(c, 1)) + "/" +
               std::to_string(arg<std::uint32_t>(c, 2));
    return out;
}

// The texts have lengths 1, 2, 3 (+1 in a check), a record's nested texts
// 7 and 1 to 6; list entries are 220 ('L'), 260 ('S', 'C') or 520 ('O')
// bytes, their texts 16 (+1); the sqlca is 136 bytes. M stands for a media
// list record, R for a load record, N1 and N2 for its nested records (the
// sizes of the build).
TEST_F(DataMovementTest, ChecksInTheOrderOfTextsAndLists) {
    const std::string list = "M/3 136/3 ", back = "M/3 8/3 136/3 ";
    const std::pair<const char *, std::string> cases[] = {
        {"SQLGEXPT", "4/3 3/3 2/3"},
        {"SQLGEXPR", "M/3 220/3 17/3 M/3 260/3 17/3 3/3 4/3 2/3 M/3 8/3 M/3 8/3"},
        {"VRXGEXPORT", list + "220/3 17/3 " + list + "260/3 17/3 " + list + "220/3 17/3 " + list +
                           "260/3 17/3 2/3 3/3 4/3 " + back + back + back + back},
        {"SQLGIMPT", "4/3 3/3 2/3"},
        {"SQLGIMPR", "M/3 220/3 17/3 3/3 4/3 2/3 M/3 8/3"},
        {"VRXGIMPORT", list + "220/3 17/3 " + list + "220/3 17/3 2/3 3/3 4/3 " + back + back},
        {"SQLGLOAD", list + "260/3 17/3 " + list + "260/3 17/3 " + list + "220/3 17/3 M/1 " + list +
                         "520/3 17/3 2/1 2/3 3/1 3/3 4/1 4/3 4/1 3/1 2/1 M/1 " + back + back + back + back},
        {"VRXGLOAD", "R/1 " + list + "260/3 17/3 " + list + "260/3 17/3 " + list + "260/3 17/3 " + list +
                         "220/3 17/3 M/3 " + list +
                         "220/3 17/3 1/3 2/3 2/3 3/3 3/3 4/3 N1/3 8/3 N2/3 2/3 3/3 4/3 5/3 6/3 7/3 "
                         "N2/3 N2/3 N2/3 N2/3 N2/3 N2/3 N1/3 3/3 2/3 1/3 M/3 " + back + back + back + back + back},
        {"SQLGQRY", "2/3 3/3"},
        {"VRXGLOADQUERY", "3/3 2/3"},
    };
    const std::map<std::string, std::size_t> sizes = {{"M", sizeof(vrxMediaList)},
                                                      {"R", sizeof(vrxgLoadParms)},
                                                      {"N1", sizeof(vrxgLoadNested1)},
                                                      {"N2", sizeof(vrxgLoadNested2)}};
    auto sized = [&](const std::string &checks) {
        std::string out, token;
        std::istringstream in(checks);
        while (in >> token) {
            const std::string length = token.substr(0, token.find('/'));
            if (sizes.count(length) != 0) token = std::to_string(sizes.at(length)) + token.substr(length.size());
            out += (out.empty() ? "" : " ") + token;
        }
        return out;
    };
    for (const auto &[name, expected] : cases) {
        SCOPED_TRACE(name);
        vrxstub_reset();
        Arena a(Layout::Aligned);
        int coreCalls = 0;
        run(a, name, coreCalls);
        EXPECT_EQ(checks_made(), sized(expected));
    }
}

// One text's check refused with a result of its own: what comes back, and
// whether the core ran. The refused text stays as it was.
TEST_F(DataMovementTest, WhoseResultComesBackWhenATextIsRefused) {
    const struct Case {
        const char *name;
        std::size_t text;  // its length; the check is of length + 1 bytes, mode 3
        std::int32_t result;
        bool core;
        std::int32_t sqlcode;
    } cases[] = {
        {"SQLGEXPT", 2, kCoreResult, true, 0},  {"SQLGEXPR", 2, 0, true, 0},
        {"SQLGEXPR", 1, kRefused, true, 0},     {"VRXGEXPORT", 2, kRefused, false, -83},
        {"SQLGIMPT", 1, kCoreResult, true, 0},  {"SQLGIMPR", 1, kRefused, true, 0},
        {"SQLGIMPR", 3, 0, true, 0},            {"VRXGIMPORT", 2, kCoreResult, true, 0},
        {"SQLGLOAD", 1, kCoreResult, true, 0},  {"SQLGQRY", 2, kRefused, true, 0},
        {"SQLGQRY", 1, 0, true, 0},             {"VRXGLOADQUERY", 1, kRefused, true, 0},
        {"VRXGLOADQUERY", 2, 0, true, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " text " + std::to_string(c.text));
        vrxstub_reset();
        Arena a(Layout::Aligned);
        int coreCalls = 0;
        const std::int32_t result = run(a, c.name, coreCalls, [&](Arena &at) {
            vrxstub_refuse_region_with(at.text(c.text), static_cast<std::uint32_t>(c.text + 1), 3, kRefused);
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(coreCalls, c.core ? 1 : 0);
        EXPECT_EQ(a.ca()->sqlcode, c.sqlcode);
        if (c.sqlcode != 0) {
            EXPECT_EQ(std::string(a.ca()->sqlerrp, 8), "VRXGEXPR");
        }
        EXPECT_TRUE(a.unchanged_except({a.sqlca_span()}));
    }
}

// A list whose last entry is refused ends the call with that check's
// result; a load record refused by its read check gives -3223, the sqlca
// untouched.
TEST_F(DataMovementTest, RefusedListEntriesAndLoadRecord) {
    for (const char *name : {"SQLGEXPR", "SQLGIMPR", "VRXGEXPORT", "VRXGIMPORT", "SQLGLOAD", "VRXGLOAD"}) {
        SCOPED_TRACE(name);
        vrxstub_reset();
        Arena a(Layout::Aligned);
        int coreCalls = 0;
        EXPECT_EQ(run(a, name, coreCalls, [](Arena &at) { vrxstub_refuse_region_with(at.text(16, 1), 17, 3, kRefused); }),
                  kRefused);
        EXPECT_EQ(coreCalls, 0);
        EXPECT_TRUE(a.unchanged_except());
    }
    vrxstub_reset();
    Arena a(Layout::Aligned);
    int coreCalls = 0;
    vrxgLoadParms *record = nullptr;
    vrxstub_set_ptr_check(1);
    a.beforeCall = [&] { vrxstub_refuse_region_with(record, 0, 1, kRefused); };
    EXPECT_EQ(a.call(vrxgLoad, 9050000u, record = a.record(vrxgLoadParms{}), a.ca()), -3223);
    EXPECT_EQ(coreCalls, 0);
    EXPECT_TRUE(a.unchanged_except());
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
        int coreCalls = 0;
        char *text = nullptr;
        run(a, c.name, coreCalls, [&](Arena &at) { text = at.text(c.text, c.spot); },
            [&](const vrxstub_call &call) { c.refuse(call, a); });
        EXPECT_EQ(text[c.text], '\0');
        EXPECT_TRUE(a.unchanged_except({a.sqlca_span(), {text + c.text, 1}}));
    }
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
        int coreCalls = 0;
        EXPECT_EQ(run(a, c.name, coreCalls), c.result);
        EXPECT_EQ(calls().front().name, std::string(c.first));
        EXPECT_EQ(calls().back().name, std::string(c.last));
        for (const vrxstub_call &call : calls("pdtEntry")) EXPECT_EQ(arg<std::uint32_t>(call, 0), c.id);
        for (const vrxstub_call &call : calls("sqltExit")) {
            EXPECT_EQ(arg<std::uint32_t>(call, 0), c.id);
            EXPECT_EQ(arg<std::int32_t>(call, 1), c.result);
        }
    }
}

// Below version 9000000 the second pair of export lists is not read.
TEST_F(DataMovementTest, ExportSecondListsFromVersion9000000) {
    CallerStorage mem;
    vrxgExportParms p{};
    p.piPathList2 = reinterpret_cast<vrxMediaList *>(std::uintptr_t{1});
    p.piLocationList2 = p.piPathList2;
    auto *params = static_cast<vrxgExportParms *>(mem.room(offsetof(vrxgExportParms, piPathList2)));
    std::memcpy(static_cast<void *>(params), &p, offsetof(vrxgExportParms, piPathList2));
    CoreHook hook("vrxExport", [](const vrxstub_call &c) {
        const auto *core = arg<const vrxExportParms *>(c, 1);
        EXPECT_EQ(core->pathList2, nullptr);
        EXPECT_EQ(core->locationList2, nullptr);
        return 0;
    });
    EXPECT_EQ(vrxgExport(8999999, params, mem.ca()), 0);
}

// A 16-bit value reaches the core sign-extended.
TEST_F(DataMovementTest, SixteenBitValuesSignExtended) {
    CoreHook hook("sqluexpt_api", [](const vrxstub_call &c) { return arg<std::int32_t>(c, 6); });
    EXPECT_EQ(sqlgexpt(0, 0, 0, nullptr, nullptr, kHigh | 0xFFFF, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr),
              -1);
}

// The stand-in: an export writes its file, a load from it reports the same
// rows, a load query the last load's; an unknown file gives -3025.
TEST_F(DataMovementTest, StandInFiles) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    auto *entry = mem.place(vrxLocationEntry{8, "DATA.DEL#"});
    vrxMediaList source{'S', {}, 1, entry};
    vrxgLoadParms load{};
    load.piSourceList = &source;
    vrxgLoadQueryParms query{};

    EXPECT_EQ(vrxgLoad(9050000, &load, ca), -3025);
    vrxgExportParms exportParms{};
    exportParms.piText1 = mem.text("DATA.DEL");
    exportParms.iText1Len = 8;
    EXPECT_EQ(vrxgExport(9050000, &exportParms, ca), 0);
    EXPECT_EQ(ca->sqlerrd[2], 25);
    ca->sqlerrd[2] = 0;
    EXPECT_EQ(vrxgLoad(9050000, &load, ca), 0);
    EXPECT_EQ(ca->sqlerrd[2], 25);
    ca->sqlerrd[2] = 0;
    EXPECT_EQ(vrxgLoadQuery(9050000, &query, ca), 0);
    EXPECT_EQ(ca->sqlcode, 0);
    EXPECT_EQ(ca->sqlerrd[2], 25);
}

}  // namespace
