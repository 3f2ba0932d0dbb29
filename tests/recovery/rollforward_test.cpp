// Rollforward and recover: the validated texts and the report that names
// the one the library may not read, the output record by version, the
// table space list's last check; and the stand-ins' recovery history.
// (The conformance rows hold the argument mappings of all thirteen forms.)
#include <algorithm>
#include <array>
#include <tuple>

#include "harness.h"
#include "vrxplatform/history.h"
#include "vrxplatform/rollforward.h"

using namespace vrxtest;

namespace {

class RollforwardTest : public PlatformTest {};

// The seven texts of a form in its records' order, and the order it
// validates them in, with the names it reports.
struct Texts {
    std::array<char *, 7> at;
    std::array<std::uint32_t, 7> len;
};

const struct Form {
    const char *name, *core, *tag;
    std::array<int, 7> order;  // validation order, as indexes into the texts
    std::array<const char *, 7> names;
    std::int32_t refused;  // the result when the sqlca may not be used
    std::int32_t (*call)(CallerStorage &, const Texts &, vrxTablespaceList *, char *area, sqlca *);
} kForms[] = {
    // alias, stop time, user, password, overflow log path, dropped table, export directory
    {"VRXGROLLFORWARD", "vrxRollforward", "sqlgroll", {0, 2, 3, 1, 4, 5, 6},
     {"piDbAlias", "piStopTime", "piUserName", "piPassword", "piOverflowLogPath", "piDroppedTblID", "piExportDir"},
     -83,
     [](CallerStorage &mem, const Texts &t, vrxTablespaceList *list, char *area, sqlca *ca) {
         const vrxgRfwdInputStruct in{t.len[0], t.len[1], t.len[2], t.len[3], t.len[4], t.len[5], t.len[6], 0,
                                      t.at[0],  0,        t.at[1],  t.at[2],  t.at[3],  t.at[4],  {},        list,
                                      {},       t.at[5],  t.at[6],  0};
         auto *record = mem.place(
             vrxgRollforwardStruct{mem.place(in), mem.place(vrxgRfwdOutputStruct{area, nullptr, nullptr, 0})});
         mem.snapshot();
         return vrxgRollforward(9000000, record, ca);
     }},
    // source alias, user, password, stop time, overflow log path, history file, compression library
    {"VRXGRECOVER", "vrxRecover", "SQLGRECV", {0, 1, 2, 3, 4, 5, 6},
     {"piSourceDBAlias", "piUserName", "piPassword", "piStopTime", "piOverflowLogPath", "piHistoryFile",
      "piComprLibrary"},
     -2032,
     [](CallerStorage &mem, const Texts &t, vrxTablespaceList *, char *, sqlca *ca) {
         const vrxgRecoverStruct p{t.at[0], t.len[0], t.at[1], t.len[1], t.at[2], t.len[2], {}, t.at[3], t.len[3],
                                   t.at[4], t.len[4], {},      t.at[5], t.len[5], {},      t.at[6], t.len[6], {}};
         auto *record = mem.place(p);
         mem.snapshot();
         return vrxgRecover(9000000, record, ca);
     }},
};

std::string item(std::size_t record, std::uint32_t i) {
    std::uint32_t length = 0;
    const char *bytes = vrxstub_log_item(record, i, &length);
    return bytes != nullptr ? std::string(bytes, length) : "(none)";
}

// Each text refused its read check in turn (index 7: the list's array not
// had), with the sqlca accepted and refused: the texts before it were
// validated in order, everything is back, the 33-byte area left alone, the
// core not called, and the report as the family makes it.
TEST_F(RollforwardTest, ATextTheLibraryMayNotReadIsReportedByItsName) {
    for (const Form &form : kForms) {
        for (int failing = 0; failing < 8; ++failing) {
            if (failing == 7 && form.refused != -83) continue;
            for (bool refuseSqlca : {false, true}) {
                SCOPED_TRACE(std::string(form.name) + " " + std::to_string(failing) + (refuseSqlca ? " refused" : ""));
                vrxstub_reset();
                CallerStorage mem;
                Texts t{};
                for (std::uint32_t i = 0; i < 7; ++i) t.len[i] = i + 1, t.at[i] = mem.text(std::string(i + 1, char('A' + i)));
                auto *list = mem.place(vrxTablespaceList{1, mem.place(vrxTablespaceEntry{2, "TS#"})});
                char *area = mem.field(std::string("RUN\0", 4), 33, 'o');
                sqlca *ca = mem.ca();
                vrxstub_set_ptr_check(1);
                vrxstub_refuse_sqlca(refuseSqlca);
                const int text = failing < 7 ? form.order[std::size_t(failing)] : -1;
                if (text >= 0) vrxstub_refuse_region(t.at[std::size_t(text)], t.len[std::size_t(text)], 1);
                if (text < 0) vrxstub_fail_scratch_at(1);
                CoreHook hook(form.core, CoreHook::mayNotRun, [](const vrxstub_call &) { return 0; });

                const std::int32_t result = form.call(mem, t, list, area, ca);

                const char *name = text >= 0 ? form.names[std::size_t(text)] : "piTablespaceList";
                EXPECT_EQ(count_calls(form.core), 0u);
                std::vector<const void *> validated, expected;
                for (const vrxstub_call &c : calls("sqlagcptr_real"))
                    if (c.args[2] == 1) validated.push_back(arg<const void *>(c, 0));
                for (int i = 0; i <= std::min(failing, 6); ++i) expected.push_back(t.at[std::size_t(form.order[std::size_t(i)])]);
                EXPECT_EQ(validated, expected);
                const bool rollforward = form.refused == -83;
                EXPECT_EQ(count_calls("pdLog"), rollforward ? 1u : 0u);
                if (refuseSqlca) {
                    EXPECT_EQ(result, form.refused);
                    EXPECT_TRUE(mem.unchanged_except());
                    if (!rollforward) continue;
                    const vrxstub_call log = calls("pdLog").at(0);
                    EXPECT_EQ(std::vector<std::uintptr_t>(log.args, log.args + 11),
                              (std::vector<std::uintptr_t>{1, 0, 0x188300DD, 0, 0, 260, 2, 2, 0, 0x18000004, 32}));
                    EXPECT_EQ(std::vector<std::uintptr_t>(log.args + 12, log.args + 14), (std::vector<std::uintptr_t>{4, 4}));
                    EXPECT_EQ(item(0, 0), "Error on call to sqloincaChkPtr.");
                    EXPECT_EQ(item(0, 1), std::string("\1\0\0\0", 4));
                    continue;
                }
                EXPECT_EQ(result, -83);
                EXPECT_TRUE(mem.unchanged_except({{ca, sizeof *ca}}));
                EXPECT_TRUE(reports_no_memory(*ca, form.tag));
                EXPECT_EQ(std::string(ca->sqlerrmc, std::size_t(ca->sqlerrml)), name);
                if (!rollforward) continue;
                const std::string message = std::string("Memory error for parameter ") + name + ".";
                const vrxstub_call log = calls("pdLog").at(0);
                EXPECT_EQ(std::vector<std::uintptr_t>(log.args, log.args + 11),
                          (std::vector<std::uintptr_t>{1, 0, 0x188300DD, 0, 0, 250, 2, 1, 0, 0x18000004, message.size()}));
                EXPECT_EQ(std::vector<std::uintptr_t>(log.args + 12, log.args + 15), (std::vector<std::uintptr_t>{4, 0, 0}));
                EXPECT_EQ(item(0, 0), message);
            }
        }
    }
}

// The name goes to sqlerrmc[sqlerrml] as far as the 70 bytes hold it; a
// count outside them appends nothing.
TEST_F(RollforwardTest, TheNameIsAppendedWithinTheMessageTokens) {
    const struct {
        std::int16_t before, after;
        const char *appended;
    } cases[] = {{3, 13, "piUserName"}, {65, 70, "piUse"}, {70, 70, ""}, {-1, -1, ""}};
    for (const auto &k : cases) {
        vrxstub_reset();
        CallerStorage mem;
        sqlca *ca = mem.ca();
        ca->sqlerrml = k.before;
        std::memset(ca->sqlerrmc, 'x', sizeof ca->sqlerrmc);
        vrxgRecoverStruct p{};
        p.piUserName = mem.text("U"), p.iUserNameLen = 1;
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(p.piUserName, 1, 1);
        EXPECT_EQ(vrxgRecover(9000000, mem.place(p), ca), -83);
        EXPECT_EQ(arg<const void *>(calls("sqlagcptr_real").at(0), 0), nullptr);  // the null alias validated first
        EXPECT_EQ(ca->sqlerrml, k.after);
        const std::size_t at = k.before < 0 ? 0 : std::size_t(k.before);
        EXPECT_EQ(std::string(ca->sqlerrmc + at, 70 - at), k.appended + std::string(70 - at - strlen(k.appended), 'x'));
    }
}

// The core's output record starts zero-filled with the caller's first three
// words; its fourth word comes back from version 9000000 on, whatever the
// core's result. SQLGROLL never writes its 12-byte record.
TEST_F(RollforwardTest, TheFourthOutputWordComesBackFromVersion9000000) {
    for (std::uint32_t version : {8010000u, 8999999u, 9000000u, 0u}) {
        vrxstub_reset();
        CallerStorage mem;
        char *area = mem.field("", 33, 'o');
        void *v4 = mem.room(4), *v8 = mem.room(4);
        auto *out = mem.place(vrxgRfwdOutputStruct{area, v4, v8, 0xAAAAAAAA});
        auto *positional = mem.place(vrxRfwdPositionalOutput{area, v4, v8});
        auto *in = mem.place(vrxgRfwdInputStruct{});
        auto *p = mem.place(vrxgRollforwardStruct{in, out});
        sqlca *ca = mem.ca();
        mem.snapshot();
        CoreHook hook("vrxRollforward", [&](const vrxstub_call &c) {
            vrxRfwdOutputStruct *core = arg<vrxRollforwardStruct *>(c, 1)->output;
            EXPECT_EQ(std::make_tuple(core->applicationId, core->value4, core->value8, core->value12),
                      std::make_tuple(area, v4, v8, 0u));
            core->value12 = 0x12345678;
            std::memcpy(core->applicationId, "OK", 3);
            return -1;
        });
        const std::int32_t result = version != 0 ? vrxgRollforward(version, p, ca) : sqlgroll(nullptr, positional, ca);
        EXPECT_EQ(result, -1);
        EXPECT_EQ(out->oValue12, version >= 9000000 ? 0x12345678u : 0xAAAAAAAAu);
        std::vector<Span> written = {{area, 33}};
        if (version >= 9000000) written.push_back({&out->oValue12, 4});
        EXPECT_TRUE(mem.unchanged_except(written));
        EXPECT_EQ(std::string(area, 33), "OK" + std::string(31, ' '));
    }
}

// A table space entry that fails its check as the last one skips the core
// call and is the result; the list and the texts are back, the area is
// still blank-filled.
TEST_F(RollforwardTest, TheListsLastCheckSkipsTheCoreAndStillBlankFills) {
    CallerStorage mem;
    vrxTablespaceEntry entries[2] = {{3, "TS1#"}, {3, "TS2#"}};
    auto *list = mem.place(vrxTablespaceList{2, static_cast<vrxTablespaceEntry *>(mem.room(sizeof entries))});
    std::memcpy(list->entries, entries, sizeof entries);
    vrxgRfwdInputStruct in{};
    in.piDbAlias = mem.text("SALES"), in.iDbAliasLen = 5, in.piTablespaceList = list;
    char *area = mem.field(std::string("AB\0CD", 5), 33, 'o');
    auto *p = mem.place(vrxgRollforwardStruct{mem.place(in), mem.place(vrxgRfwdOutputStruct{area, nullptr, nullptr, 0})});
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(list->entries[1].text, 4, 3);
    CoreHook hook("vrxRollforward", CoreHook::mayNotRun, [](const vrxstub_call &) { return 0; });
    EXPECT_EQ(vrxgRollforward(9000000, p, ca), 1);
    EXPECT_EQ(count_calls("vrxRollforward"), 0u);
    EXPECT_TRUE(mem.unchanged_except({{area, 33}}));
    EXPECT_EQ(std::string(area, 33), "AB" + std::string(31, ' '));
    EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 16u);
}

std::string trimmed(const char *field, std::size_t width) {
    std::string text(field, width);
    return text.erase(text.find_last_not_of(' ') + 1);
}

// The stand-ins' history: backups, the restore and the rollforward add
// entries; a scan lists them; update and prune change them; recover
// restores the newest image and rolls it forward.
TEST_F(RollforwardTest, TheHistoryFollowsBackupRestoreAndRollforward) {
    vrxstub_reset_model();
    char alias[] = "SALES", identifier[33], stamps[2][15];
    sqlca ca{};
    for (char *stamp : stamps)
        ASSERT_EQ(sqlgbkp(5, 0, 0, 0, alias, 0, 0, 0, 0, identifier, stamp, 0, nullptr, nullptr, nullptr, nullptr, 0,
                          0, 0, 0, 0, 0, 0, &ca), 0);
    char area[33];
    vrxgRfwdInputStruct in{};
    in.piDbAlias = alias, in.iDbAliasLen = 5;
    vrxgRfwdOutputStruct out{area, nullptr, nullptr, 0};
    vrxgRollforwardStruct rollforward{&in, &out};
    EXPECT_EQ(vrxgRollforward(9000000, &rollforward, &ca), -1260);  // not restored
    ASSERT_EQ(sqlgrst(5, 0, 0, 0, 0, 0, 0, alias, nullptr, 0, 0, 0, 0, 0, identifier, nullptr, nullptr, 0, nullptr,
                      nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, &ca), 0);
    ASSERT_EQ(vrxgRollforward(9000000, &rollforward, &ca), 0);
    EXPECT_EQ(std::string(area, 33), "ROLLED FORWARD SALES" + std::string(13, ' '));
    EXPECT_EQ(out.oValue12, 1u);

    // The entries of SALES, each "operation location/comment", timestamps ascending.
    const auto scan = [&] {
        std::vector<std::string> listed;
        std::string last;
        vrxgHistoryOpenStruct open{alias, nullptr, nullptr, 5, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(vrxgHistoryOpenScan(1, &open, &ca), 0);
        vrxstub_history_entry entry;
        while (sqlghgne(kHigh | open.oHandle, nullptr, &entry, &ca) == 0) {
            EXPECT_GT(std::string(entry.timestamp, 14), last);
            last = std::string(entry.timestamp, 14);
            listed.push_back(entry.operation + trimmed(entry.location, 64) + "/" + trimmed(entry.comment, 32));
        }
        EXPECT_EQ(ca.sqlcode, 1014);
        EXPECT_EQ(sqlghcls(open.oHandle, nullptr, &ca), 0);
        EXPECT_EQ(open.oNumRows, listed.size());
        return listed;
    };
    const std::string image = "VRXAPP.SALES." + std::string(stamps[1], 14);
    const std::string older = "BVRXAPP.SALES." + std::string(stamps[0], 14) + "/";
    using Entries = std::vector<std::string>;
    EXPECT_EQ(scan(), (Entries{older, "B" + image + "/", "R" + image + "/", "F/"}));

    char location[] = "/tapes/1#", comment[] = "moved#";
    EXPECT_EQ(sqlghupd(14, 8, 0, 5, stamps[0], location, nullptr, comment, nullptr, &ca), 0);
    EXPECT_EQ(scan().front(), "B/tapes/1/moved");
    EXPECT_EQ(sqlghprn(kHigh | 14, stamps[1], 0, nullptr, &ca), 0);
    EXPECT_EQ(scan(), (Entries{"B" + image + "/", "R" + image + "/", "F/"}));

    vrxgRecoverStruct recover{};
    recover.piSourceDBAlias = alias, recover.iSourceDBAliasLen = 5;
    EXPECT_EQ(vrxgRecover(9000000, &recover, &ca), 0);
    EXPECT_EQ(scan(), (Entries{"B" + image + "/", "R" + image + "/", "F/", "R" + image + "/", "F/"}));
}

}  // namespace
