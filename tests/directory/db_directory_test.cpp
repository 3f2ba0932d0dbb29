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

// Garbage a caller may leave in the upper bits of a 16- or 8-bit slot.
constexpr vrx_slot kHigh = 0xBEEF0000u;

// --- catalogue, uncatalogue, change comment ------------------------------------

TEST_F(DbDirectoryTest, CatalogueHandsTheCoreItsArgumentsInTheCoresOrder) {
    for (std::int32_t coreResult : {0, -1005}) {
        SCOPED_TRACE(coreResult);
        vrxstub_reset();
        CallerStorage mem;
        char *principal = mem.text("srv/host@REALMxyz", '#');
        char *comment = mem.text("Sales data..", '#');
        char *path = mem.text("/data/db2", '#');
        char *nodeName = mem.text("NODE1", '#');
        char *dbAlias = mem.text("MYSALESX", '#');
        char *dbName = mem.text("SALESDB", '#');
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);

        CoreHook hook("sqlecadb_api", [&](const vrxstub_call &c) {
            EXPECT_EQ(c.argc, 9u);
            EXPECT_EQ(text_arg(c, 0), "SALES");
            EXPECT_EQ(text_arg(c, 1), "MYSALES");
            EXPECT_EQ(arg<std::uint32_t>(c, 2), std::uint32_t{'R'});
            EXPECT_EQ(text_arg(c, 3), "NODE1");
            EXPECT_EQ(text_arg(c, 4), "/data");
            EXPECT_EQ(text_arg(c, 5), "Sales data");
            EXPECT_EQ(arg<std::uint32_t>(c, 6), 7u);
            EXPECT_EQ(text_arg(c, 7), "srv/host@REALM");
            EXPECT_EQ(arg<sqlca *>(c, 8), ca);
            return coreResult;
        });
        EXPECT_EQ(sqlgcadb(kHigh | 14, kHigh | 10, kHigh | 5, kHigh | 5, kHigh | 7, kHigh | 5, ca, principal,
                           kHigh | 7, comment, path, nodeName, 0xDEADBE00u | 'R', dbAlias, dbName),
                  coreResult);

        // Terminated in the order of the caller's arguments.
        EXPECT_EQ(checks_made(), (std::vector<Check>{{principal, 15, 3},
                                                     {comment, 11, 3},
                                                     {path, 6, 3},
                                                     {nodeName, 6, 3},
                                                     {dbAlias, 8, 3},
                                                     {dbName, 6, 3}}));
        EXPECT_EQ(count_calls("sqlecadb_api"), 1u);
        EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// Alias and name given as the same storage: each termination saves what it
// finds, and the reverse restoration leaves the caller's bytes as they were.
TEST_F(DbDirectoryTest, CatalogueRestoresAliasAndNameSharingStorage) {
    struct Case {
        const char *name;
        std::uint32_t aliasLen, nameLen;
        const char *aliasSeen, *nameSeen;
    } cases[] = {
        {"same pointer and length", 6, 6, "SAMPLE", "SAMPLE"},
        {"name ends inside the alias", 8, 3, "SAM", "SAM"},
        {"alias ends inside the name", 3, 8, "SAM", "SAM"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        char *shared = mem.text("SAMPLEDB", '#');
        sqlca *ca = mem.ca();
        mem.snapshot();
        CoreHook hook("sqlecadb_api", [&](const vrxstub_call &call) {
            EXPECT_EQ(text_arg(call, 1), c.aliasSeen);
            EXPECT_EQ(text_arg(call, 0), c.nameSeen);
            return 0;
        });
        EXPECT_EQ(sqlgcadb(0, 0, 0, 0, c.aliasLen, c.nameLen, ca, nullptr, 0, nullptr, nullptr, nullptr, 'I',
                           shared, shared),
                  0);
        EXPECT_EQ(count_calls("sqlecadb_api"), 1u);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(DbDirectoryTest, CatalogueHandsNullTextsOnAsNullWithoutCheckingThem) {
    CallerStorage mem;
    char *dbName = mem.text("SAMPLE", '#');
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_set_ptr_check(1);
    CoreHook hook("sqlecadb_api", [&](const vrxstub_call &c) {
        for (std::size_t i : {1, 3, 4, 5, 7}) EXPECT_EQ(arg<char *>(c, i), nullptr) << "argument " << i;
        EXPECT_EQ(text_arg(c, 0), "SAMPLE");
        return 0;
    });
    EXPECT_EQ(sqlgcadb(4, 4, 4, 4, 4, 6, ca, nullptr, 0, nullptr, nullptr, nullptr, 'I', nullptr, dbName), 0);
    EXPECT_EQ(checks_made(), (std::vector<Check>{{dbName, 7, 3}}));
    EXPECT_TRUE(mem.unchanged_except());
}

// A text whose region the check refuses is passed as the caller gave it.
TEST_F(DbDirectoryTest, CatalogueLeavesARefusedTextUnterminated) {
    CallerStorage mem;
    char *comment = mem.text("COMMENTX", 'Z');
    char *dbName = mem.text("SAMPLEX", 'Z');
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(comment, 8, 3);
    bool commentTerminated = true, nameTerminated = false;
    CoreHook hook("sqlecadb_api", [&](const vrxstub_call &c) {
        commentTerminated = comment[7] == '\0';
        nameTerminated = dbName[6] == '\0';
        EXPECT_EQ(arg<char *>(c, 5), comment);
        return 0;
    });
    EXPECT_EQ(sqlgcadb(0, 7, 0, 0, 0, 6, ca, nullptr, 0, comment, nullptr, nullptr, 'I', nullptr, dbName), 0);
    EXPECT_FALSE(commentTerminated);
    EXPECT_TRUE(nameTerminated);
    EXPECT_TRUE(mem.unchanged_except());
}

TEST_F(DbDirectoryTest, UncatalogueAndChangeCommentTerminateTheirTexts) {
    CallerStorage mem;
    char *comment = mem.text("New comment!", '#');
    char *path = mem.text("/dbpath", '#');
    char *dbAlias = mem.text("SAMPLEDB", '#');
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_set_ptr_check(1);

    CoreHook uncatalogue("sqleuncd_api", [&](const vrxstub_call &c) {
        EXPECT_EQ(c.argc, 2u);
        EXPECT_EQ(text_arg(c, 0), "SAMPLE");
        EXPECT_EQ(arg<sqlca *>(c, 1), ca);
        return -1013;
    });
    EXPECT_EQ(sqlguncd(kHigh | 6, ca, dbAlias), -1013);
    EXPECT_EQ(checks_made(), (std::vector<Check>{{dbAlias, 7, 3}}));
    EXPECT_TRUE(mem.unchanged_except());

    vrxstub_reset();
    vrxstub_set_ptr_check(1);
    CoreHook change("sqledcgd_api", [&](const vrxstub_call &c) {
        EXPECT_EQ(c.argc, 4u);
        EXPECT_EQ(text_arg(c, 0), "SAMPLEDB");
        EXPECT_EQ(text_arg(c, 1), "/db");
        EXPECT_EQ(text_arg(c, 2), "New comment");
        EXPECT_EQ(arg<sqlca *>(c, 3), ca);
        return 0;
    });
    EXPECT_EQ(sqlgdcgd(kHigh | 11, kHigh | 3, kHigh | 8, ca, comment, path, dbAlias), 0);
    // In the caller's order: comment, path, alias.
    EXPECT_EQ(checks_made(), (std::vector<Check>{{comment, 12, 3}, {path, 4, 3}, {dbAlias, 9, 3}}));
    EXPECT_TRUE(mem.unchanged_except());
}

// --- positional scan -----------------------------------------------------------

TEST_F(DbDirectoryTest, OpenScanPassesThePathAndTheCallersOutputPointers) {
    CallerStorage mem;
    char *path = mem.text("/data/dbx", '#');
    auto *numEntries = mem.place(std::uint16_t{0xAAAA});
    auto *handle = mem.place(std::uint16_t{0xBBBB});
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook("sqledosd_api", [&](const vrxstub_call &c) {
        EXPECT_EQ(text_arg(c, 0), "/data/db");
        EXPECT_EQ(arg<std::uint16_t *>(c, 1), handle);
        EXPECT_EQ(arg<std::uint16_t *>(c, 2), numEntries);
        EXPECT_EQ(arg<sqlca *>(c, 3), ca);
        *handle = 3;
        *numEntries = 2;
        return 0;
    });
    EXPECT_EQ(sqlgdosd(kHigh | 8, ca, numEntries, handle, path), 0);
    EXPECT_EQ(*handle, 3u);
    EXPECT_EQ(*numEntries, 2u);
    EXPECT_TRUE(mem.unchanged_except({{handle, 2}, {numEntries, 2}}));
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

TEST_F(DbDirectoryTest, PositionalCloseUsesItsFixedVersionAndACoreRecord) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    CoreHook hook("vrxDbDirCloseScan", [&](const vrxstub_call &c) {
        EXPECT_EQ(arg<std::uint32_t>(c, 0), 8020000u);
        EXPECT_EQ(arg<vrxDbDirCloseScanStruct *>(c, 1)->iHandle, 0x0042u);
        EXPECT_EQ(arg<sqlca *>(c, 2), ca);
        return -1027;
    });
    EXPECT_EQ(sqlgdcls(kHigh | 0x42, ca), -1027);
    EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlo_create_init_app_data", "vrxDbDirCloseScan"}));
}

// --- the guarded frame -----------------------------------------------------------

struct GuardedForm {
    const char *name;
    const char *core;
    const char *tag;  // 8 bytes
    bool hasRecord;
    std::function<std::int32_t(sqlca *, bool withRecord)> call;
};

std::vector<GuardedForm> guarded_forms(CallerStorage &mem) {
    auto *open = mem.place(vrxgDbDirOpenScanStruct{4, mem.text("PATH"), 0x1111, 0x2222});
    auto *next = mem.place(vrxgDbDirNextEntryStruct{5, 0, nullptr});
    auto *close = mem.place(vrxgDbDirCloseScanStruct{6});
    return {
        {"SQLGDCLS", "vrxDbDirCloseScan", "SQLGDCLS", false,
         [](sqlca *ca, bool) { return sqlgdcls(6, ca); }},
        {"VRXGDBDIROPENSCAN", "vrxDbDirOpenScan", "SQLGDOSD", true,
         [=](sqlca *ca, bool with) { return vrxgDbDirOpenScan(9050000, with ? open : nullptr, ca); }},
        {"VRXGDBDIRGETNEXTENTRY", "vrxDbDirGetNextEntry", "SQLGDGNE", true,
         [=](sqlca *ca, bool with) { return vrxgDbDirGetNextEntry(9050000, with ? next : nullptr, ca); }},
        {"VRXGDBDIRCLOSESCAN", "vrxDbDirCloseScan", "SQLGDCLS", true,
         [=](sqlca *ca, bool with) { return vrxgDbDirCloseScan(9050000, with ? close : nullptr, ca); }},
    };
}

TEST_F(DbDirectoryTest, GuardedFormsWithoutSqlcaReturnMinusOneAndDoNothing) {
    CallerStorage mem;
    for (const GuardedForm &form : guarded_forms(mem)) {
        for (bool withRecord : {true, false}) {
            SCOPED_TRACE(std::string(form.name) + (withRecord ? " with record" : " without record"));
            vrxstub_reset();
            mem.snapshot();
            EXPECT_EQ(form.call(nullptr, withRecord), -1);
            EXPECT_TRUE(calls().empty());
            EXPECT_TRUE(mem.unchanged_except());
        }
    }
}

TEST_F(DbDirectoryTest, GuardedVersionedFormsRefuseANullRecordBeforeInitialising) {
    CallerStorage mem;
    for (const GuardedForm &form : guarded_forms(mem)) {
        if (!form.hasRecord) continue;
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        sqlca *ca = mem.ca();
        mem.snapshot();
        EXPECT_EQ(form.call(ca, false), -1078);
        EXPECT_EQ(ca->sqlcode, -1078);
        EXPECT_EQ(std::string(ca->sqlerrp, 8), form.tag);
        EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlofica"}));
        EXPECT_EQ(arg<sqlca *>(calls()[0], 0), ca);
        EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
    }
}

TEST_F(DbDirectoryTest, GuardedFormsReportAFailedInitialisationWithTheirTag) {
    CallerStorage mem;
    for (const GuardedForm &form : guarded_forms(mem)) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        vrxstub_set_init_result(3);
        sqlca *ca = mem.ca();
        mem.snapshot();
        EXPECT_EQ(form.call(ca, true), -1022);
        EXPECT_EQ(ca->sqlcode, -1022);
        EXPECT_EQ(std::string(ca->sqlerrp, 8), form.tag);
        EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlo_create_init_app_data", "sqlofica"}));
        EXPECT_EQ(count_calls(form.core), 0u);
        EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
    }
}

TEST_F(DbDirectoryTest, StandardFormsReportAFailedInitialisationAndTouchNothing) {
    CallerStorage mem;
    char *text = mem.text("SAMPLE", '#');
    auto *numEntries = mem.place(std::uint16_t{1});
    auto *handle = mem.place(std::uint16_t{2});
    sqlca *ca = mem.ca();
    const std::pair<const char *, std::function<std::int32_t()>> forms[] = {
        {"SQLGCADB", [&] { return sqlgcadb(6, 6, 6, 6, 6, 6, ca, text, 0, text, text, text, 'I', text, text); }},
        {"SQLGUNCD", [&] { return sqlguncd(6, ca, text); }},
        {"SQLGDCGD", [&] { return sqlgdcgd(6, 6, 6, ca, text, text, text); }},
        {"SQLGDOSD", [&] { return sqlgdosd(6, ca, numEntries, handle, text); }},
    };
    for (const auto &[name, call] : forms) {
        SCOPED_TRACE(name);
        vrxstub_reset();
        vrxstub_set_init_result(-1);
        *ca = sqlca{};
        mem.snapshot();
        EXPECT_EQ(call(), 0);
        EXPECT_EQ(ca->sqlcode, -1022);
        EXPECT_TRUE(mem.unchanged_except({{&ca->sqlcode, 4}}));
        EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlo_create_init_app_data"}));
    }
}

// --- versioned scan --------------------------------------------------------------

TEST_F(DbDirectoryTest, VersionedOpenCopiesHandleAndCountBackOnlyAfterSuccess) {
    for (std::int32_t coreResult : {0, -1031, 1014}) {
        SCOPED_TRACE(coreResult);
        vrxstub_reset();
        CallerStorage mem;
        char *path = mem.text("/data/dbx", '#');
        auto *params = mem.place(vrxgDbDirOpenScanStruct{8, path, 0xAAAA, 0xBBBB});
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        CoreHook hook("vrxDbDirOpenScan", [&](const vrxstub_call &c) {
            EXPECT_EQ(arg<std::uint32_t>(c, 0), 9050000u);
            auto *core = arg<vrxDbDirOpenScanStruct *>(c, 1);
            EXPECT_NE(static_cast<void *>(core), static_cast<void *>(params));
            EXPECT_EQ(core->piPath, path);
            EXPECT_EQ(std::string(core->piPath), "/data/db");
            EXPECT_EQ(arg<sqlca *>(c, 2), ca);
            core->oHandle = 7;
            core->oNumEntries = 12;
            return coreResult;
        });
        EXPECT_EQ(vrxgDbDirOpenScan(9050000, params, ca), coreResult);
        // The path only is checked, never the record itself.
        EXPECT_EQ(checks_made(), (std::vector<Check>{{path, 9, 3}}));
        if (coreResult == 0) {
            EXPECT_EQ(params->oHandle, 7u);
            EXPECT_EQ(params->oNumEntries, 12u);
            EXPECT_TRUE(mem.unchanged_except({{&params->oHandle, 4}}));
        } else {
            EXPECT_TRUE(mem.unchanged_except());
        }
    }
}

TEST_F(DbDirectoryTest, VersionedOpenWithoutPathHandsTheCoreANullPath) {
    CallerStorage mem;
    auto *params = mem.place(vrxgDbDirOpenScanStruct{5, nullptr, 0, 0});
    sqlca *ca = mem.ca();
    CoreHook hook("vrxDbDirOpenScan", [&](const vrxstub_call &c) {
        EXPECT_EQ(arg<vrxDbDirOpenScanStruct *>(c, 1)->piPath, nullptr);
        return 0;
    });
    EXPECT_EQ(vrxgDbDirOpenScan(8020000, params, ca), 0);
    EXPECT_EQ(count_calls("vrxDbDirOpenScan"), 1u);
}

TEST_F(DbDirectoryTest, VersionedGetNextCopiesTheEntryAddressBackOnlyAfterSuccess) {
    vrxDbDirEntry coreEntry{};
    for (std::int32_t coreResult : {0, 1014}) {
        SCOPED_TRACE(coreResult);
        vrxstub_reset();
        CallerStorage mem;
        auto *params = mem.place(vrxgDbDirNextEntryStruct{0x0304, 0xFFFF, nullptr});
        sqlca *ca = mem.ca();
        mem.snapshot();
        CoreHook hook("vrxDbDirGetNextEntry", [&](const vrxstub_call &c) {
            EXPECT_EQ(arg<std::uint32_t>(c, 0), 9000000u);
            auto *core = arg<vrxDbDirNextEntryStruct *>(c, 1);
            EXPECT_EQ(core->iHandle, 0x0304u);
            EXPECT_EQ(core->poDbDirEntry, nullptr);
            EXPECT_EQ(arg<sqlca *>(c, 2), ca);
            core->poDbDirEntry = &coreEntry;
            return coreResult;
        });
        EXPECT_EQ(vrxgDbDirGetNextEntry(9000000, params, ca), coreResult);
        if (coreResult == 0) {
            EXPECT_EQ(params->poDbDirEntry, &coreEntry);
            EXPECT_TRUE(mem.unchanged_except({{&params->poDbDirEntry, sizeof(void *)}}));
        } else {
            EXPECT_TRUE(mem.unchanged_except());
        }
    }
}

TEST_F(DbDirectoryTest, VersionedCloseHandsTheCoreTheHandleAndTheCallersVersion) {
    CallerStorage mem;
    auto *params = mem.place(vrxgDbDirCloseScanStruct{0x0506});
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook("vrxDbDirCloseScan", [&](const vrxstub_call &c) {
        EXPECT_EQ(arg<std::uint32_t>(c, 0), 9050000u);
        EXPECT_EQ(arg<vrxDbDirCloseScanStruct *>(c, 1)->iHandle, 0x0506u);
        EXPECT_NE(static_cast<void *>(arg<vrxDbDirCloseScanStruct *>(c, 1)), static_cast<void *>(params));
        return 5;
    });
    EXPECT_EQ(vrxgDbDirCloseScan(9050000, params, ca), 5);
    EXPECT_TRUE(mem.unchanged_except());
}

// --- end to end through the stand-in's directory ----------------------------------

std::string trimmed(const char *field, std::size_t width) {
    std::string text(field, width);
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// Catalogues a database the way a caller with blank-padded fields would.
std::int32_t catalogue(sqlca *ca, std::string alias, std::string name, std::string comment, char type,
                       std::string path = "") {
    std::string principal;
    return sqlgcadb(0, static_cast<vrx_slot>(comment.size()), static_cast<vrx_slot>(path.size()), 0,
                    static_cast<vrx_slot>(alias.size()), static_cast<vrx_slot>(name.size()), ca, principal.data(),
                    0, comment.data(), path.data(), nullptr, static_cast<vrx_slot>(type), alias.data(), name.data());
}

struct Listed {
    std::string alias, name, comment;
    std::uint8_t type;
    bool operator==(const Listed &o) const {
        return alias == o.alias && name == o.name && comment == o.comment && type == o.type;
    }
};

std::ostream &operator<<(std::ostream &out, const Listed &l) {
    return out << l.alias << "/" << l.name << "/" << l.comment << "/" << l.type;
}

Listed listed(const vrxDbDirEntry &e) {
    return {trimmed(e.alias, 8), trimmed(e.dbName, 8), trimmed(e.comment, 30), e.type};
}

std::vector<Listed> positional_listing(sqlca *ca, const char *path = nullptr) {
    std::uint16_t handle = 0, count = 0;
    std::string pathText = path != nullptr ? path : "";
    EXPECT_EQ(sqlgdosd(static_cast<vrx_slot>(pathText.size()), ca, &count, &handle,
                       path != nullptr ? pathText.data() : nullptr),
              0);
    std::vector<Listed> out;
    for (std::uint16_t i = 0; i < count; ++i) {
        vrxDbDirEntry *entry = nullptr;
        EXPECT_EQ(sqlgdgne(handle, &entry, ca), 0);
        if (entry != nullptr) out.push_back(listed(*entry));
    }
    vrxDbDirEntry *beyond = nullptr;
    EXPECT_EQ(sqlgdgne(handle, &beyond, ca), 1014);
    EXPECT_EQ(beyond, nullptr);
    EXPECT_EQ(sqlgdcls(handle, ca), 0);
    return out;
}

std::vector<Listed> versioned_listing(sqlca *ca) {
    vrxgDbDirOpenScanStruct open{0, nullptr, 0, 0};
    EXPECT_EQ(vrxgDbDirOpenScan(9050000, &open, ca), 0);
    std::vector<Listed> out;
    for (std::uint16_t i = 0; i < open.oNumEntries; ++i) {
        vrxgDbDirNextEntryStruct next{open.oHandle, 0, nullptr};
        EXPECT_EQ(vrxgDbDirGetNextEntry(9050000, &next, ca), 0);
        if (next.poDbDirEntry != nullptr) out.push_back(listed(*next.poDbDirEntry));
    }
    vrxgDbDirNextEntryStruct beyond{open.oHandle, 0, nullptr};
    EXPECT_EQ(vrxgDbDirGetNextEntry(9050000, &beyond, ca), 1014);
    EXPECT_EQ(beyond.poDbDirEntry, nullptr);
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

    const std::vector<Listed> expected = {{"HR", "HRDB", "Personnel records", 'R'},
                                          {"SALES", "SALESDB", "Sales figures", 'I'}};
    EXPECT_EQ(positional_listing(&ca), expected);
    EXPECT_EQ(versioned_listing(&ca), expected);
    EXPECT_EQ(positional_listing(&ca, "/data"), (std::vector<Listed>{expected[1]}));

    std::string gone = "SALES";
    ASSERT_EQ(sqlguncd(5, &ca, gone.data()), 0);
    EXPECT_EQ(sqlguncd(5, &ca, gone.data()), -1013);
    EXPECT_EQ(versioned_listing(&ca), (std::vector<Listed>{expected[0]}));
}

// Entries handed out by a scan stay put while more are catalogued and
// until the scan is closed.
TEST_F(DbDirectoryTest, ScanEntriesStayValidUntilTheScanIsClosed) {
    sqlca ca{};
    ASSERT_EQ(catalogue(&ca, "A", "ADB", "first", 'I'), 0);
    std::uint16_t handle = 0, count = 0;
    ASSERT_EQ(sqlgdosd(0, &ca, &count, &handle, nullptr), 0);
    EXPECT_EQ(count, 1u);
    vrxDbDirEntry *entry = nullptr;
    ASSERT_EQ(sqlgdgne(handle, &entry, &ca), 0);
    ASSERT_EQ(catalogue(&ca, "B", "BDB", "second", 'I'), 0);
    EXPECT_EQ(listed(*entry), (Listed{"A", "ADB", "first", 'I'}));
    EXPECT_EQ(sqlgdcls(handle, &ca), 0);
    EXPECT_EQ(sqlgdgne(handle, &entry, &ca), -1027);
}

}  // namespace
