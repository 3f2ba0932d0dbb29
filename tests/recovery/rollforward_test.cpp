// Rollforward and recover: the checks that end a call before the core (the
// report that names a parameter, the log, the sqlca refused, the table space
// list's last check), the output record by version; and the stand-ins'
// recovery history.
// (The conformance rows hold the argument mappings of all thirteen forms.)
#include <tuple>

#include "harness.h"
#include "vrxplatform/history.h"
#include "vrxplatform/rollforward.h"

using namespace vrxtest;

namespace {

class RollforwardTest : public PlatformTest {};

std::string item(std::size_t record, std::uint32_t i) {
    std::uint32_t length = 0;
    const char *bytes = vrxstub_log_item(record, i, &length);
    return bytes != nullptr ? std::string(bytes, length) : "(none)";
}

// Checks that end the call before the core runs. A text the library may
// not read, or the table space list's scratch request refused, is reported
// by its name, appended to the message tokens as far as their 70 bytes hold
// it (a count outside them appends nothing), and rollforward logs the
// report; with the sqlca refused too, rollforward logs that and the
// family's result comes back. Neither touches the 33-byte area. A table
// space entry that fails its check as the last one is the result,
// unreported, and the area is still blank-filled. Only the first text is
// validated when null.
TEST_F(RollforwardTest, ChecksThatEndTheCallBeforeTheCore) {
    enum Refused { kUserName, kListScratch, kLastEntry };
    const struct {
        bool recover;
        Refused refused;
        bool refuseSqlca;
        std::int16_t before, after;  // sqlerrml
        const char *appended;
        std::int32_t result;
    } cases[] = {
        {false, kUserName, false, 0, 10, "piUserName", -83}, {false, kUserName, true, 0, 0, "", -83},
        {false, kListScratch, false, 0, 16, "piTablespaceList", -83}, {false, kLastEntry, false, 0, 0, "", 1},
        {true, kUserName, false, 3, 13, "piUserName", -83},  {true, kUserName, false, 61, 70, "piUserNam", -83},
        {true, kUserName, false, 70, 70, "", -83},           {true, kUserName, false, -1, -1, "", -83},
        {true, kUserName, true, 0, 0, "", -2032},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(std::string(k.recover ? "recover " : "rollforward ") + std::to_string(k.refused) +
                     (k.refuseSqlca ? " sqlca refused " : " ") + std::to_string(k.before));
        vrxstub_reset();
        CallerStorage mem;
        char *user = mem.text("U");
        vrxTablespaceEntry entries[2] = {{3, "TS1#"}, {3, "TS2#"}};
        auto *list = mem.place(vrxTablespaceList{2, static_cast<vrxTablespaceEntry *>(mem.room(sizeof entries))});
        std::memcpy(list->entries, entries, sizeof entries);
        char *area = mem.field(std::string("AB\0CD", 5), 33, 'o');
        vrxgRfwdInputStruct in{};
        std::tie(in.piUserName, in.iUserNameLen, in.piTablespaceList) = std::tuple(user, 1, list);
        auto *rollforward = mem.place(
            vrxgRollforwardStruct{mem.place(in), mem.place(vrxgRfwdOutputStruct{area, nullptr, nullptr, 0})});
        vrxgRecoverStruct recover{};
        std::tie(recover.piUserName, recover.iUserNameLen) = std::pair(user, 1);
        auto *record = mem.place(recover);
        sqlca *ca = mem.ca();
        ca->sqlerrml = k.before;
        std::memset(ca->sqlerrmc, 'x', sizeof ca->sqlerrmc);
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_sqlca(k.refuseSqlca);
        if (k.refused == kUserName) vrxstub_refuse_region(user, 1, 1);
        if (k.refused == kListScratch) vrxstub_fail_scratch_at(1);
        if (k.refused == kLastEntry) vrxstub_refuse_region(list->entries[1].text, 4, 3);

        EXPECT_EQ(k.recover ? vrxgRecover(9000000, record, ca) : vrxgRollforward(9000000, rollforward, ca), k.result);

        EXPECT_EQ(count_calls(k.recover ? "vrxRecover" : "vrxRollforward"), 0u);
        std::vector<const void *> validated;
        for (const vrxstub_call &c : calls("sqlagcptr_real"))
            if (c.args[2] == 1) validated.push_back(arg<const void *>(c, 0));
        EXPECT_EQ(validated, (std::vector<const void *>{nullptr, user}));
        if (k.refused == kLastEntry) {
            EXPECT_TRUE(mem.unchanged_except({{area, 33}}));
            EXPECT_EQ(std::string(area, 33), "AB" + std::string(31, ' '));
            EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 16u);
        } else if (k.refuseSqlca) {
            EXPECT_TRUE(mem.unchanged_except());
        } else {
            EXPECT_TRUE(mem.unchanged_except({{ca, sizeof *ca}}));
            EXPECT_TRUE(reports_no_memory(*ca, k.recover ? "SQLGRECV" : "sqlgroll"));
            EXPECT_EQ(ca->sqlerrml, k.after);
            const std::size_t at = k.before < 0 ? 0 : std::size_t(k.before);
            EXPECT_EQ(std::string(ca->sqlerrmc + at, 70 - at),
                      k.appended + std::string(70 - at - strlen(k.appended), 'x'));
        }
        const auto logs = calls("pdLog");
        ASSERT_EQ(logs.size(), k.recover || k.refused == kLastEntry ? 0u : 1u);
        if (logs.empty()) continue;
        const std::vector<std::uintptr_t> args(logs[0].args, logs[0].args + 15);
        const std::string message = std::string("Memory error for parameter ") + k.appended + ".";
        using Words = std::vector<std::uintptr_t>;
        if (k.refuseSqlca) {
            EXPECT_EQ(Words(args.begin(), args.begin() + 11),
                      (Words{1, 0, 0x188300DD, 0, 0, 260, 2, 2, 0, 0x18000004, 32}));
            EXPECT_EQ(Words(args.begin() + 12, args.begin() + 14), (Words{4, 4}));
            EXPECT_EQ(item(0, 0), "Error on call to sqloincaChkPtr.");
            EXPECT_EQ(item(0, 1), std::string("\1\0\0\0", 4));
        } else {
            EXPECT_EQ(Words(args.begin(), args.begin() + 11),
                      (Words{1, 0, 0x188300DD, 0, 0, 250, 2, 1, 0, 0x18000004, message.size()}));
            EXPECT_EQ(Words(args.begin() + 12, args.end()), (Words{4, 0, 0}));
            EXPECT_EQ(item(0, 0), message);
        }
    }
}

// The core's fourth output word comes back from version 9000000 on,
// whatever the core's result.
TEST_F(RollforwardTest, TheFourthOutputWordComesBackFromVersion9000000) {
    for (std::uint32_t version : {8010000u, 8999999u, 9000000u}) {
        vrxstub_reset();
        CallerStorage mem;
        char *area = mem.field("", 33, 'o');
        auto *out = mem.place(vrxgRfwdOutputStruct{area, nullptr, nullptr, 0xAAAAAAAA});
        auto *p = mem.place(vrxgRollforwardStruct{mem.place(vrxgRfwdInputStruct{}), out});
        sqlca *ca = mem.ca();
        mem.snapshot();
        CoreHook hook("vrxRollforward", [&](const vrxstub_call &c) {
            arg<vrxRollforwardStruct *>(c, 1)->output->value12 = 0x12345678;
            return -1;
        });
        EXPECT_EQ(vrxgRollforward(version, p, ca), -1);
        EXPECT_EQ(out->oValue12, version >= 9000000 ? 0x12345678u : 0xAAAAAAAAu);
        std::vector<Span> written = {{area, 33}};
        if (version >= 9000000) written.push_back({&out->oValue12, 4});
        EXPECT_TRUE(mem.unchanged_except(written));
    }
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
