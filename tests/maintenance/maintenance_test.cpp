// Table maintenance: what the conformance loop cannot see. The versioned
// statistics call's refusals parameter by parameter; the core records by
// version and reorganisation type; the flat form's index arrays.
#include <array>

#include "conformance/conformance.h"
#include "harness.h"
#include "vrxplatform/maintenance.h"

namespace vrxtest::conformance {
vrxgRunstatsParms *runstats_record(Arena &a);  // with its conformance row
}

using namespace vrxtest;
using namespace vrxtest::conformance;

namespace {

class MaintenanceTest : public PlatformTest {};

constexpr std::int32_t kRefused = 77;  // what a refusing check returns
constexpr auto kNoMemory = static_cast<std::int32_t>(0x870F0009);

void refuse(const void *region) { vrxstub_refuse_region_with(region, 0, 0, kRefused); }

// A parameter spoilt (set null, its record or array refused, a request
// failed) and what the call then reports; sqlcode 0 is a call that reached
// the core. A name refused with checking on is the conformance transcript's.
TEST_F(MaintenanceTest, VersionedStatisticsReportsTheFirstInvalidParameter) {
    using P = vrxgRunstatsParms;
    const struct {
        const char *what;
        void (*spoil)(P &);
        bool checking;
        std::int32_t sqlcode;
        const char *token;
        std::int32_t result;
    } cases[] = {
        {"record refused", [](P &p) { refuse(&p); }, false, -2032, "data", kRefused},
        {"table null", [](P &p) { p.piTablename = nullptr; }, false, -2032, "piTablename", 0},
        {"table name unchecked", [](P &p) { refuse(p.piTablename); }, false, 0, "", 0},
        {"no columns", [](P &p) { p.iNumColumns = 0, p.piColumnList = nullptr; }, true, 0, "", 0},
        {"column list null", [](P &p) { p.piColumnList = nullptr; }, false, -2032, "piColumnList", 0},
        {"column list refused", [](P &p) { refuse(p.piColumnList); }, false, -2032, "piColumnList", kRefused},
        {"second column null", [](P &p) { p.piColumnList[1] = nullptr; }, false, -2032, "piColumnList", 0},
        {"column refused", [](P &p) { refuse(p.piColumnList[1]); }, false, -2032, "vrxgColumnData", kRefused},
        {"column name null", [](P &p) { p.piColumnList[1]->piColumnName = nullptr; }, false, -2032,
         "vrxgColumnData.piColumnName", 0},
        {"one name twice", [](P &p) { *p.piColumnList[1] = {p.piColumnList[0]->piColumnName, 2, 0}; }, true,
         0, "", 0},
        {"distribution name null", [](P &p) { p.piColumnDistributionList[0]->piColumnName = nullptr; }, false, -2032,
         "vrxgColumnDistData.piColumnName", 0},
        {"groups refused", [](P &p) { refuse(p.piColumnGroupList); }, false, -2032, "piColumnGroupList", kRefused},
        {"group refused", [](P &p) { refuse(p.piColumnGroupList[0]); }, false, -2032, "vrxgColumnGrpData", kRefused},
        {"group names null", [](P &p) { p.piColumnGroupList[0]->piGroupColumnNames = nullptr; }, false, -2032,
         "vrxgColumnGrpData.piGroupColumnNames", 0},
        {"group lengths null", [](P &p) { p.piColumnGroupList[0]->piGroupColumnNamesLen = nullptr; }, false, -2032,
         "vrxgColumnGrpData.piGroupColumnNamesLen", 0},
        {"group of size 0", [](P &p) { p.piColumnGroupList[0]->iGroupSize = 0; }, false, -2032,
         "vrxgColumnGrpData.iGroupSize", 0},
        {"group names refused", [](P &p) { refuse(p.piColumnGroupList[0]->piGroupColumnNames); }, false, -2032,
         "vrxgColumnGrpData.piGroupColumnNames", kRefused},
        {"group lengths refused", [](P &p) { refuse(p.piColumnGroupList[0]->piGroupColumnNamesLen); }, false, -2032,
         "vrxgColumnGrpData.piGroupColumnNamesLen", kRefused},
        {"group's second name null", [](P &p) { p.piColumnGroupList[0]->piGroupColumnNames[1] = nullptr; }, false,
         -2032, "vrxgColumnGrpData.piGroupColumnNames", 0},
        {"index list null", [](P &p) { p.piIndexList = nullptr; }, false, -2302, "", 0},
        {"index lengths null", [](P &p) { p.piIndexNamesLen = nullptr; }, false, -2302, "", 0},
        {"index list refused", [](P &p) { refuse(p.piIndexList); }, false, -2302, "", kRefused},
        {"index lengths refused", [](P &p) { refuse(p.piIndexNamesLen); }, false, -2302, "", kRefused},
        {"second index null", [](P &p) { p.piIndexList[1] = nullptr; }, false, -2302, "", 0},
        {"a column record not had", [](P &) { vrxstub_fail_scratch_at(4); }, false, -2009, "", kNoMemory},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        vrxstub_reset();
        Arena a(Layout::Aligned);
        vrxgRunstatsParms *p = runstats_record(a);
        k.spoil(*p);
        vrxstub_set_ptr_check(k.checking);
        const std::int32_t result = a.call(vrxgRunstats, 8020000u, p, a.ca());

        const sqlca &ca = *a.ca();
        EXPECT_EQ(result, k.result);
        EXPECT_EQ(ca.sqlcode, k.sqlcode);
        EXPECT_EQ(count_calls("vrxRunstats"), k.sqlcode == 0 ? 1u : 0u);
        EXPECT_EQ(std::string(ca.sqlerrp, 8), "vrxgRnst");
        if (k.sqlcode == -2032) {
            EXPECT_EQ(std::string(ca.sqlerrmc, std::strlen(k.token) + 1), std::string(k.token, std::strlen(k.token) + 1));
            EXPECT_EQ(ca.sqlerrml, static_cast<std::int16_t>(std::strlen(k.token)));
        }
        if (k.sqlcode == -2009) {
            EXPECT_EQ(ca.sqlerrd[0], kNoMemory);
        }
        EXPECT_TRUE(unchanged_except(a.mem, {a.sqlca_span()}));
    }
}

// Below the versions of the conformance rows (8020000, 9000000) values 7, 8
// and 22 are 0; text 3 of a reorganisation goes to the core for type 2 as
// for the row's 1, otherwise it is null and never checked.
TEST_F(MaintenanceTest, CoreRecordsByVersionAndType) {
    const struct {
        char form;  // 'S' statistics, 'I' inspection, 'R' reorganisation
        std::uint32_t version, type;
        const char *seen;  // the fields, and for 'R' the checks made
    } cases[] = {{'S', 8019999, 0, "0 0"}, {'I', 8999999, 0, "0"}, {'R', 0, 0, "null 2"}, {'R', 0, 2, "CBA 3"},
                 {'R', 0, 3, "null 2"}};
    for (const auto &k : cases) {
        SCOPED_TRACE(std::string(1, k.form) + " " + std::to_string(k.version) + " " + std::to_string(k.type));
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        Arena a(Layout::Aligned);
        std::string seen;
        CoreHook hook(k.form == 'S' ? "vrxRunstats" : k.form == 'I' ? "vrxInspect" : "vrxReorg",
                      [&](const vrxstub_call &c) {
                          const void *core = arg<const void *>(c, 1);
                          const auto *s = static_cast<const vrxRunstatsParms *>(core);
                          const char *text3 = static_cast<const vrxReorgParms *>(core)->piText3;
                          seen = k.form == 'S'   ? std::to_string(s->iValue7) + " " + std::to_string(s->iValue8)
                                 : k.form == 'I' ? std::to_string(static_cast<const vrxInspectParms *>(core)->iValue22)
                                                 : std::string(text3 != nullptr ? text3 : "null") + " " +
                                                       std::to_string(count_calls("sqlagcptr_real"));
                          return 0;
                      });
        vrxgInspectParms inspect{};
        inspect.iValue22 = 42;
        const vrxgReorgParms reorg{k.type, {}, 1, a.text(1), 2, a.text(2), 3, a.text(3, 1)};
        if (k.form == 'S') a.call(vrxgRunstats, k.version, runstats_record(a), a.ca());
        if (k.form == 'I') a.call(vrxgInspect, k.version, a.record(inspect), a.ca());
        if (k.form == 'R') a.call(vrxgReorg, k.version, a.record(reorg), a.ca());
        EXPECT_EQ(seen, k.seen);
        EXPECT_TRUE(unchanged_except(a.mem, {a.sqlca_span()}));
    }
}

// With a nonzero count, index names are terminated only when both arrays
// may be read; otherwise nothing is requested and the core gets the
// caller's arrays. A count of 0 still requests (and releases) its 0 bytes.
TEST_F(MaintenanceTest, FlatStatisticsIndexArrays) {
    const struct {
        const char *what;
        vrx_slot count;
        int spoilt;  // 0 nothing, 1 lengths null, 3 lengths refused, 4 names refused
        std::size_t requests;
        const char *first;  // the first index name as the core reads it
    } cases[] = {
        {"two names", 2, 0, 1, "BA"},          {"no names", 0, 0, 1, "BAxyz"},
        {"lengths null", 2, 1, 0, "BAxyz"},    {"lengths refused", 2, 3, 0, "BAxyz"},
        {"names refused", 2, 4, 0, "BAxyz"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        CallerStorage mem;
        std::uint16_t *lengths = mem.place(std::array<std::uint16_t, 2>{2, 3})->data();
        char **names = mem.place(std::array<char *, 2>{mem.text("BA", 'x'), mem.text("CBA")})->data();
        std::memcpy(names[0] + 3, "yz", 3);
        if (k.spoilt == 3) vrxstub_refuse_region(lengths, 0, 0);
        if (k.spoilt == 4) vrxstub_refuse_region(names, 0, 0);
        std::string first;
        CoreHook hook("sqlustat_api", [&](const vrxstub_call &c) { return first = arg<char **>(c, 2)[0], 0; });
        sqlca *ca = mem.ca();
        char *table = mem.text("T");
        mem.snapshot();
        sqlgstat(1, k.count, 0, 0, k.spoilt == 1 ? nullptr : lengths, ca, names, table);
        EXPECT_EQ(first, k.first);
        EXPECT_EQ(vrxstub_scratch_request_count(), k.requests);
        if (k.requests == 1) {
            EXPECT_EQ(vrxstub_scratch_request_at(0)->size, k.count * 8u);
        }
        EXPECT_TRUE(mem.unchanged_except());
    }
}

}  // namespace
