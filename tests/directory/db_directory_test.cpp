// Database directory scan, versioned and positional close: what the core
// records hold, and outputs that reach the caller's record only after a
// core result of 0.
#include "harness.h"
#include "vrxplatform/directory.h"

using namespace vrxtest;

namespace {

class DbDirectoryTest : public PlatformTest {};

TEST_F(DbDirectoryTest, ScanRecordsAndTheirOutputs) {
    vrxDbDirEntry coreEntry{};
    for (std::int32_t coreResult : {0, 1014}) {
        SCOPED_TRACE(coreResult);
        CallerStorage mem;
        auto *open = mem.place(vrxgDbDirOpenScanStruct{8, mem.text("/data/dbx"), 0xAAAA, 0xBBBB});
        auto *next = mem.place(vrxgDbDirNextEntryStruct{0x0304, 0xFFFF, nullptr});
        auto *close = mem.place(vrxgDbDirCloseScanStruct{0x0506});
        sqlca *ca = mem.ca();
        mem.snapshot();
        std::string seen;  // the version, then the core record
        CoreHook openHook("vrxDbDirOpenScan", [&](const vrxstub_call &c) {
            auto *core = arg<vrxDbDirOpenScanStruct *>(c, 1);
            seen += std::to_string(c.args[0]) + " " + core->piPath + ", ";
            std::tie(core->oHandle, core->oNumEntries) = std::make_pair(7, 12);
            return coreResult;
        });
        CoreHook nextHook("vrxDbDirGetNextEntry", [&](const vrxstub_call &c) {
            auto *core = arg<vrxDbDirNextEntryStruct *>(c, 1);
            seen += std::to_string(c.args[0]) + " " + std::to_string(core->iHandle) + ", ";
            core->poDbDirEntry = &coreEntry;
            return coreResult;
        });
        CoreHook closeHook("vrxDbDirCloseScan", [&](const vrxstub_call &c) {
            seen +=
                std::to_string(c.args[0]) + " " + std::to_string(arg<vrxDbDirCloseScanStruct *>(c, 1)->iHandle) + ", ";
            return coreResult;
        });
        EXPECT_EQ(vrxgDbDirOpenScan(9050000, open, ca), coreResult);
        EXPECT_EQ(vrxgDbDirGetNextEntry(9000000, next, ca), coreResult);
        EXPECT_EQ(vrxgDbDirCloseScan(9050000, close, ca), coreResult);
        EXPECT_EQ(sqlgdcls(0xBEEF0042u, ca), coreResult);
        EXPECT_EQ(seen, "9050000 /data/db, 9000000 772, 9050000 1286, 8020000 66, ");
        EXPECT_TRUE(mem.unchanged_except({{&open->oHandle, 4}, {&next->poDbDirEntry, sizeof(void *)}}));
        const bool copied = coreResult == 0;
        EXPECT_EQ(open->oHandle, copied ? 7 : 0xAAAA);
        EXPECT_EQ(open->oNumEntries, copied ? 12 : 0xBBBB);
        EXPECT_EQ(next->poDbDirEntry, copied ? &coreEntry : nullptr);
    }
}

}  // namespace
