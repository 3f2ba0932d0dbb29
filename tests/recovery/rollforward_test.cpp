// Rollforward and recover: the stand-ins' recovery history. (The
// conformance rows hold the argument mappings of all thirteen forms, their
// variants the output record by version and the checks that end a call
// before the core.)
#include "harness.h"
#include "vrxplatform/history.h"
#include "vrxplatform/rollforward.h"

using namespace vrxtest;

namespace {

class RollforwardTest : public PlatformTest {};

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
