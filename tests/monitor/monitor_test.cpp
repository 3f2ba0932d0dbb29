// Snapshot and monitor: the object list through the four snapshot and size
// forms (names as the core sees them, the refusals before the core call, a
// count that changes under the call), and the reset record.
#include "harness.h"
#include "vrxplatform/monitor.h"

using namespace vrxtest;

namespace {

class MonitorTest : public PlatformTest {};

struct ThreeObjects {
    std::uint32_t count;
    vrxgObjectEntry entries[3];
};

// Names "DB1", an all-blank one, and a full 128-character one.
ThreeObjects *object_list(CallerStorage &mem, std::uint32_t count) {
    auto *list = static_cast<ThreeObjects *>(mem.room(sizeof(ThreeObjects) + 1));
    list->count = count;
    for (auto &e : list->entries) std::memset(e.name, ' ', 128);
    std::memcpy(list->entries[0].name, "DB1", 3);
    std::memset(list->entries[2].name, 'X', 128);
    return list;
}

const struct Form {
    const char *name, *core, *site;
    std::uint32_t line;
    bool versioned;             // takes the caller's record
    bool missingRecordRefused;  // a null record gives -1601 (else the core gets it)
    std::int32_t (*call)(vrxgObjectList *list, bool nullRecord, sqlca *ca);
} kForms[] = {
    {"VRXGGETSNAPSHOT", "vrxGetSnapshot", "sqlgmnss", 403, true, true,
     [](vrxgObjectList *l, bool null, sqlca *ca) {
         vrxgSnapshotData data{l};
         return vrxgGetSnapshot(9050000, null ? nullptr : &data, ca);
     }},
    {"SQLGMNSS", "vrxGetSnapshot", "sqlgmnss", 403, false, false,
     [](vrxgObjectList *l, bool, sqlca *ca) { return sqlgmnss(0, ca, 0, 0, 0, l, 0, 0); }},
    {"VRXGGETSNAPSHOTSIZE", "vrxGetSnapshotSize", "sqlgmnsz", 278, true, false,
     [](vrxgObjectList *l, bool null, sqlca *ca) {
         vrxgSnapshotData data{l};
         return vrxgGetSnapshotSize(9050000, null ? nullptr : &data, ca);
     }},
    {"SQLGMNSZ", "vrxGetSnapshotSize", "sqlgmnsz", 278, false, false,
     [](vrxgObjectList *l, bool, sqlca *ca) { return sqlgmnsz(0, ca, 0, l, 0, 0); }},
};

// The names the core received, separated by '|'.
std::string names_seen(const vrxstub_call &c) {
    const auto *list = *arg<vrxgObjectList *const *>(c, 1);
    std::string out;
    for (std::uint32_t i = 0; i < 3; ++i) out += std::string(list->entries[i].name, strnlen(list->entries[i].name, 136)) + "|";
    return out;
}

TEST_F(MonitorTest, ObjectNamesReachTheCoreTrimmedAndComeBackAsTheyWere) {
    for (const Form &form : kForms) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        CallerStorage mem;
        ThreeObjects *list = object_list(mem, 3);
        sqlca *ca = mem.ca();
        mem.snapshot();
        std::string seen;
        CoreHook hook(form.core, [&](const vrxstub_call &c) {
            seen = names_seen(c);
            // The full name's terminator stays inside it: the next entry is untouched.
            EXPECT_TRUE(mem.unchanged_except({{list->entries[0].name, 128}, {list->entries[1].name, 128},
                                              {list->entries[2].name, 128}}));
            return 9;
        });
        EXPECT_EQ(form.call(reinterpret_cast<vrxgObjectList *>(list), false, ca), 9);
        EXPECT_EQ(seen, "DB1||" + std::string(127, 'X') + "|");
        EXPECT_TRUE(mem.unchanged_except());
        ASSERT_EQ(scratch_sites().size(), 1u);
        EXPECT_EQ(scratch_sites()[0], std::make_pair(std::string(form.site), form.line));
    }
}

// A count of 0 is refused with -1603 and the size form's tag, whatever the
// sqlca allows; a null, refused or oversized list goes to the core as it is;
// a null record is refused with -1601 by the snapshot forms only.
TEST_F(MonitorTest, RefusalsAndListsPassedOnUnconverted) {
    enum Case { NoEntries, NoEntriesSqlcaRefused, NullList, RefusedList, HugeCount, NullRecord };
    for (const Form &form : kForms) {
        for (Case k : {NoEntries, NoEntriesSqlcaRefused, NullList, RefusedList, HugeCount, NullRecord}) {
            if (k == NullRecord && !form.versioned) continue;
            SCOPED_TRACE(std::string(form.name) + " case " + std::to_string(k));
            vrxstub_reset();
            CallerStorage mem;
            ThreeObjects *list = object_list(mem, k == HugeCount ? 0x20000000u : k <= NoEntriesSqlcaRefused ? 0 : 3);
            sqlca *ca = mem.ca();
            vrxstub_refuse_sqlca(k == NoEntriesSqlcaRefused);
            vrxstub_set_ptr_check(k == RefusedList);
            vrxstub_refuse_region(list, 140, 3);
            mem.snapshot();
            int coreCalls = 0;
            CoreHook hook(form.core, CoreHook::mayNotRun, [&](const vrxstub_call &) { return ++coreCalls, 9; });
            const bool nullRecord = k == NullRecord;
            const std::int32_t result = form.call(k == NullList ? nullptr : reinterpret_cast<vrxgObjectList *>(list),
                                                  nullRecord, ca);
            EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
            if (k == NoEntries || k == NoEntriesSqlcaRefused) {
                EXPECT_EQ(result, -1603);
                EXPECT_EQ(coreCalls, 0);
                if (k == NoEntries) {
                    EXPECT_EQ(ca->sqlcode, -1603);
                    EXPECT_EQ(std::string(ca->sqlerrp, 8), "sqlgmnsz");
                    EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
                } else {
                    EXPECT_TRUE(mem.unchanged_except());
                }
            } else if (nullRecord && form.missingRecordRefused) {
                EXPECT_EQ(result, 0);
                EXPECT_EQ(coreCalls, 0);
                EXPECT_EQ(ca->sqlcode, -1601);
                const vrxstub_call c = calls("sqlmprca").at(0);
                EXPECT_EQ(text_arg(c, 0) + " " + std::to_string(c.args[1]) + " " + text_arg(c, 2), "vrxgGetSnapshot 4 data");
                EXPECT_EQ(arg<sqlca *>(c, 3), ca);
                EXPECT_TRUE(mem.unchanged_except({{&ca->sqlcode, 4}, {&ca->sqlerrml, 72}}));
            } else {
                EXPECT_EQ(result, 9);
                EXPECT_EQ(coreCalls, 1);
                EXPECT_TRUE(mem.unchanged_except());
            }
        }
    }
}

// The core may raise the count: the names are put back as far as the
// array reaches, and only those the call terminated.
TEST_F(MonitorTest, CountChangedByTheCoreNeverTakesThePutBackPastTheArray) {
    for (const Form &form : kForms) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        CallerStorage mem;
        ThreeObjects *list = object_list(mem, 2);
        sqlca *ca = mem.ca();
        mem.snapshot();
        CoreHook hook(form.core, [&](const vrxstub_call &) { return list->count = 3, 0; });
        form.call(reinterpret_cast<vrxgObjectList *>(list), false, ca);
        list->count = 2;
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(MonitorTest, NullResetRecordReachesTheCore) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    CoreHook hook("vrxResetMonitor", [](const vrxstub_call &c) { return c.args[1] == 0 ? 5 : 6; });
    EXPECT_EQ(vrxgResetMonitor(9050000, nullptr, ca), 5);
}

}  // namespace
