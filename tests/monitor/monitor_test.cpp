// Snapshot and monitor: the object list through the four snapshot and size
// forms: the names as the core sees them, and the refusals and lists passed
// on before the core call.
#include "vrxplatform/monitor.h"

#include "harness.h"

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

// The versioned forms take the list in a record of their own.
template <auto call>
std::int32_t versioned(vrxgObjectList *list, bool nullRecord, sqlca *ca) {
    vrxgSnapshotData data{list};
    return call(9050000, nullRecord ? nullptr : &data, ca);
}

const struct Form {
    const char *name, *core;
    int nullRecord;  // 0: no record of its own, 1: -1601, 2: the core gets it
    std::int32_t (*call)(vrxgObjectList *list, bool nullRecord, sqlca *ca);
} kForms[] = {
    {"VRXGGETSNAPSHOT", "vrxGetSnapshot", 1, versioned<vrxgGetSnapshot>},
    {"SQLGMNSS", "vrxGetSnapshot", 0,
     [](vrxgObjectList *l, bool, sqlca *ca) { return sqlgmnss(0, ca, 0, 0, 0, l, 0, 0); }},
    {"VRXGGETSNAPSHOTSIZE", "vrxGetSnapshotSize", 2, versioned<vrxgGetSnapshotSize>},
    {"SQLGMNSZ", "vrxGetSnapshotSize", 0,
     [](vrxgObjectList *l, bool, sqlca *ca) { return sqlgmnsz(0, ca, 0, l, 0, 0); }},
};

// The full name keeps its terminator inside it, so the next entry is never
// written; a count the core raises puts back only what the array holds.
TEST_F(MonitorTest, ObjectNamesReachTheCoreTrimmedAndComeBackAsTheyWere) {
    for (const Form &form : kForms) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        CallerStorage mem;
        ThreeObjects *list = object_list(mem, 3);
        mem.snapshot();
        std::string seen;
        CoreHook hook(form.core, [&](const vrxstub_call &c) {
            for (const vrxgObjectEntry &e : (*arg<ThreeObjects *const *>(c, 1))->entries)
                seen += std::string(e.name, strnlen(e.name, 136)) + "|";
            EXPECT_TRUE(mem.unchanged_except(
                {{list->entries[0].name, 128}, {list->entries[1].name, 128}, {list->entries[2].name, 128}}));
            return list->count = 4, 9;
        });
        EXPECT_EQ(form.call(reinterpret_cast<vrxgObjectList *>(list), false, nullptr), 9);
        list->count = 3;
        EXPECT_EQ(seen, "DB1||" + std::string(127, 'X') + "|");
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// A count of 0: -1603 with the size form's tag (the sqlca left alone when
// refused); a null, refused or oversized list goes to the core as it is; a
// null record gives -1601 from the versioned snapshot only.
TEST_F(MonitorTest, RefusalsAndListsPassedOnUnconverted) {
    enum Case { NoEntries, NoEntriesSqlcaRefused, NullList, RefusedList, HugeCount, NullRecord };
    for (const Form &form : kForms) {
        for (Case k : {NoEntries, NoEntriesSqlcaRefused, NullList, RefusedList, HugeCount, NullRecord}) {
            if (k == NullRecord && form.nullRecord == 0) continue;
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
            const std::int32_t result =
                form.call(k == NullList ? nullptr : reinterpret_cast<vrxgObjectList *>(list), k == NullRecord, ca);
            EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
            if (k == NoEntries || k == NoEntriesSqlcaRefused) {
                EXPECT_EQ(result, -1603);
                EXPECT_EQ(coreCalls, 0);
                if (k == NoEntries) {
                    EXPECT_EQ(std::to_string(ca->sqlcode) + std::string(ca->sqlerrp, 8), "-1603sqlgmnsz");
                    EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
                } else {
                    EXPECT_TRUE(mem.unchanged_except());
                }
            } else if (k == NullRecord && form.nullRecord == 1) {
                EXPECT_EQ(result, 0);
                EXPECT_EQ(coreCalls, 0);
                EXPECT_EQ(ca->sqlcode, -1601);
                const vrxstub_call c = calls("sqlmprca").at(0);
                EXPECT_EQ(text_arg(c, 0) + " " + std::to_string(c.args[1]) + " " + text_arg(c, 2),
                          "vrxgGetSnapshot 4 data");
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

}  // namespace
