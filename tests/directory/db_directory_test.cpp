// Database directory entry points, through the library's exports: what the
// core receives and in which order the texts are terminated, what the
// caller's storage holds afterwards, the guarded refusals of the scan, and
// cataloguing and scanning end to end through the stand-in's directory.
#include "call_checks.h"
#include "harness.h"
#include "vrxplatform/directory.h"

using namespace vrxtest;

namespace {

class DbDirectoryTest : public PlatformTest {};

TEST_F(DbDirectoryTest, StandardFormsHandTheCoreTheirArgumentsAndPutTheCallersBytesBack) {
    CallerStorage mem;
    const Texts x(mem);
    auto *count = mem.place(std::uint16_t{0xAAAA});
    auto *handle = mem.place(std::uint16_t{0xBBBB});
    sqlca *ca = mem.ca();
    const Names names{x, {{ca, "ca"}, {count, "count"}, {handle, "handle"}}};
    const Form forms[] = {
        // Terminated in the caller's order; the type is 8 bits wide, the authentication 16.
        {"SQLGCADB", "sqlecadb_api",
         [&] {
             return sqlgcadb(x.len(0), x.len(1), x.len(2), x.len(3), x.len(4), x.len(5), ca, x.t[0], kHigh | 7,
                             x.t[1], x.t[2], x.t[3], 0xDEADBE00u | 'R', x.t[4], x.t[5]);
         },
         {"'FFFFFF'", "'EEEEE'", "0x52", "'DDDD'", "'CCC'", "'BB'", "0x7", "'A'", "ca"},
         x.checks({0, 1, 2, 3, 4, 5})},
        {"SQLGUNCD", "sqleuncd_api", [&] { return sqlguncd(x.len(4), ca, x.t[4]); }, {"'EEEEE'", "ca"},
         x.checks({4})},
        {"SQLGDCGD", "sqledcgd_api",
         [&] { return sqlgdcgd(x.len(1), x.len(2), x.len(4), ca, x.t[1], x.t[2], x.t[4]); },
         {"'EEEEE'", "'CCC'", "'BB'", "ca"}, x.checks({1, 2, 4})},
        // The core writes handle and count straight into the caller's storage.
        {"SQLGDOSD", "sqledosd_api", [&] { return sqlgdosd(x.len(2), ca, count, handle, x.t[2]); },
         {"'CCC'", "handle", "count", "ca"}, x.checks({2})},
    };
    for (const Form &form : forms) expect_standard_frame(form, names, mem, ca);
}

// Get-next is passed straight through: no initialisation, even when it
// would fail, and only the handle narrowed.
TEST_F(DbDirectoryTest, GetNextEntryIsAPureForwarder) {
    CallerStorage mem;
    auto *entry = mem.place(static_cast<vrxDbDirEntry *>(nullptr));
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_set_init_result(-1);
    CoreHook hook("sqledgne_api", [&](const vrxstub_call &c) {
        EXPECT_EQ(arg<std::uint32_t>(c, 0), 0x1234u);
        EXPECT_EQ(arg<vrxDbDirEntry **>(c, 1), entry);
        EXPECT_EQ(arg<sqlca *>(c, 2), ca);
        return 1014;
    });
    EXPECT_EQ(sqlgdgne(kHigh | 0x1234, entry, ca), 1014);
    EXPECT_EQ(call_names(), (std::vector<std::string>{"sqledgne_api"}));
    EXPECT_TRUE(mem.unchanged_except());
}

// The guarded frame: no sqlca gives -1 and nothing else; a null record
// gives -1078 before the initialisation; a failed initialisation -1022. Both
// reports carry the entry point's tag and go through sqlofica.
TEST_F(DbDirectoryTest, GuardedFormsRefuseWithTheirTag) {
    CallerStorage mem;
    auto *open = mem.place(vrxgDbDirOpenScanStruct{4, mem.text("PATH"), 0x1111, 0x2222});
    auto *next = mem.place(vrxgDbDirNextEntryStruct{5, 0, nullptr});
    auto *close = mem.place(vrxgDbDirCloseScanStruct{6});
    sqlca *ca = mem.ca();
    const struct {
        const char *name, *core, *tag;  // the tag is 8 bytes
        bool hasRecord;
        std::function<std::int32_t(sqlca *, bool withRecord)> call;
    } forms[] = {
        {"SQLGDCLS", "vrxDbDirCloseScan", "SQLGDCLS", false, [](sqlca *c, bool) { return sqlgdcls(6, c); }},
        {"VRXGDBDIROPENSCAN", "vrxDbDirOpenScan", "SQLGDOSD", true,
         [=](sqlca *c, bool with) { return vrxgDbDirOpenScan(9050000, with ? open : nullptr, c); }},
        {"VRXGDBDIRGETNEXTENTRY", "vrxDbDirGetNextEntry", "SQLGDGNE", true,
         [=](sqlca *c, bool with) { return vrxgDbDirGetNextEntry(9050000, with ? next : nullptr, c); }},
        {"VRXGDBDIRCLOSESCAN", "vrxDbDirCloseScan", "SQLGDCLS", true,
         [=](sqlca *c, bool with) { return vrxgDbDirCloseScan(9050000, with ? close : nullptr, c); }},
    };
    for (const auto &form : forms) {
        SCOPED_TRACE(form.name);
        for (bool withRecord : {true, false}) {
            vrxstub_reset();
            mem.snapshot();
            EXPECT_EQ(form.call(nullptr, withRecord), -1);
            EXPECT_TRUE(calls().empty());
            EXPECT_TRUE(mem.unchanged_except());
        }
        const std::pair<std::int32_t, std::vector<std::string>> refusals[] = {
            {-1078, {"sqlofica"}}, {-1022, {"sqlo_create_init_app_data", "sqlofica"}}};
        for (const auto &[code, names] : refusals) {
            if (code == -1078 && !form.hasRecord) continue;
            vrxstub_reset();
            vrxstub_set_init_result(3);
            mem.snapshot();
            EXPECT_EQ(form.call(ca, code != -1078), code);
            EXPECT_EQ(ca->sqlcode, code);
            EXPECT_EQ(std::string(ca->sqlerrp, 8), form.tag);
            EXPECT_EQ(call_names(), names);
            EXPECT_EQ(arg<sqlca *>(calls().back(), 0), ca);
            EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
        }
    }
}

// Handle and count, and the entry's address, reach the caller's record only
// after a core result of 0; the positional close has a fixed version.
TEST_F(DbDirectoryTest, ScanFormsCopyOutputsBackOnlyAfterSuccess) {
    vrxDbDirEntry coreEntry{};
    for (std::int32_t coreResult : {0, 1014}) {
        SCOPED_TRACE(coreResult);
        vrxstub_reset();
        CallerStorage mem;
        char *path = mem.text("/data/dbx", '#');
        auto *open = mem.place(vrxgDbDirOpenScanStruct{8, path, 0xAAAA, 0xBBBB});
        auto *next = mem.place(vrxgDbDirNextEntryStruct{0x0304, 0xFFFF, nullptr});
        auto *close = mem.place(vrxgDbDirCloseScanStruct{0x0506});
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        std::vector<std::string> seen;  // version, then what the core record held
        CoreHook openHook("vrxDbDirOpenScan", [&](const vrxstub_call &c) {
            auto *core = arg<vrxDbDirOpenScanStruct *>(c, 1);
            EXPECT_EQ(core->piPath, path);
            seen.push_back(std::to_string(c.args[0]) + " " + core->piPath);
            core->oHandle = 7;
            core->oNumEntries = 12;
            return coreResult;
        });
        CoreHook nextHook("vrxDbDirGetNextEntry", [&](const vrxstub_call &c) {
            auto *core = arg<vrxDbDirNextEntryStruct *>(c, 1);
            seen.push_back(std::to_string(c.args[0]) + " " + std::to_string(core->iHandle) + " " +
                           std::to_string(core->poDbDirEntry == nullptr));
            core->poDbDirEntry = &coreEntry;
            return coreResult;
        });
        CoreHook closeHook("vrxDbDirCloseScan", [&](const vrxstub_call &c) {
            const auto *core = arg<vrxDbDirCloseScanStruct *>(c, 1);
            seen.push_back(std::to_string(c.args[0]) + " " + std::to_string(core->iHandle));
            return coreResult;
        });
        EXPECT_EQ(vrxgDbDirOpenScan(9050000, open, ca), coreResult);
        EXPECT_EQ(vrxgDbDirGetNextEntry(9000000, next, ca), coreResult);
        EXPECT_EQ(vrxgDbDirCloseScan(9050000, close, ca), coreResult);
        EXPECT_EQ(sqlgdcls(kHigh | 0x42, ca), coreResult);
        EXPECT_EQ(seen, (std::vector<std::string>{"9050000 /data/db", "9000000 772 1", "9050000 1286", "8020000 66"}));
        // The path only is checked, never the records themselves.
        EXPECT_EQ(checks_made(), (std::vector<Check>{{path, 9, 3}}));
        if (coreResult == 0) {
            EXPECT_EQ(open->oHandle, 7u);
            EXPECT_EQ(open->oNumEntries, 12u);
            EXPECT_EQ(next->poDbDirEntry, &coreEntry);
            EXPECT_TRUE(mem.unchanged_except({{&open->oHandle, 4}, {&next->poDbDirEntry, sizeof(void *)}}));
        } else {
            EXPECT_TRUE(mem.unchanged_except());
        }
    }
}

// --- end to end through the stand-in's directory ----------------------------------

// Catalogues a database the way a caller with blank-padded fields would.
std::int32_t catalogue(sqlca *ca, std::string alias, std::string name, std::string comment, char type,
                       std::string path = "") {
    return sqlgcadb(0, static_cast<vrx_slot>(comment.size()), static_cast<vrx_slot>(path.size()), 0,
                    static_cast<vrx_slot>(alias.size()), static_cast<vrx_slot>(name.size()), ca, nullptr, 0,
                    comment.data(), path.data(), nullptr, static_cast<vrx_slot>(type), alias.data(), name.data());
}

std::vector<std::string> versioned_listing(sqlca *ca) {
    vrxgDbDirOpenScanStruct open{0, nullptr, 0, 0};
    EXPECT_EQ(vrxgDbDirOpenScan(9050000, &open, ca), 0);
    std::vector<std::string> out;
    vrxgDbDirNextEntryStruct next{open.oHandle, 0, nullptr};
    for (std::uint16_t i = 0; i < open.oNumEntries; ++i)
        if (vrxgDbDirGetNextEntry(9050000, &next, ca) == 0 && next.poDbDirEntry != nullptr)
            out.push_back(listed(*next.poDbDirEntry));
    EXPECT_EQ(vrxgDbDirGetNextEntry(9050000, &next, ca), 1014);
    vrxgDbDirCloseScanStruct close{open.oHandle};
    EXPECT_EQ(vrxgDbDirCloseScan(9050000, &close, ca), 0);
    EXPECT_EQ(vrxgDbDirCloseScan(9050000, &close, ca), -1027) << "a closed scan is gone";
    return out;
}

TEST_F(DbDirectoryTest, CatalogueChangeCommentAndScanEndToEnd) {
    sqlca ca{};
    ASSERT_EQ(catalogue(&ca, "SALES", "SALESDB", "Sales figures", 'I', "/data"), 0);
    ASSERT_EQ(catalogue(&ca, "HR", "HRDB", "", 'R'), 0);
    EXPECT_EQ(catalogue(&ca, "sales", "OTHER", "", 'I'), -1005) << "aliases ignore case";
    EXPECT_EQ(ca.sqlcode, -1005);
    EXPECT_EQ(catalogue(&ca, "TOOLONGNAME", "X", "", 'I'), -1013);

    std::string comment = "Personnel records", path, alias = "HR";
    ASSERT_EQ(sqlgdcgd(static_cast<vrx_slot>(comment.size()), 0, 2, &ca, comment.data(), path.data(), alias.data()),
              0);

    const std::vector<std::string> expected = {"HR/HRDB/Personnel records/R", "SALES/SALESDB/Sales figures/I"};
    EXPECT_EQ(positional_listing(&ca), expected);
    EXPECT_EQ(versioned_listing(&ca), expected);
    EXPECT_EQ(positional_listing(&ca, "/data"), (std::vector<std::string>{expected[1]}));

    std::string gone = "SALES";
    ASSERT_EQ(sqlguncd(5, &ca, gone.data()), 0);
    EXPECT_EQ(sqlguncd(5, &ca, gone.data()), -1013);
    EXPECT_EQ(versioned_listing(&ca), (std::vector<std::string>{expected[0]}));
}

}  // namespace
