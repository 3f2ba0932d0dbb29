// Database lifecycle entry points, through the library's exports: what the
// core receives and in which order the texts are terminated, the
// blank-trimmed fields of the create-database records, the caller's storage
// after every call, and create and drop end to end through the stand-in.
#include <cstring>

#include "call_checks.h"
#include "harness.h"
#include "vrxplatform/control.h"

using namespace vrxtest;

namespace {

class DbLifecycleTest : public PlatformTest {};

std::string padded(const std::string &value, std::size_t width) {
    return value + std::string(width - value.size(), ' ');
}

// A descriptor and a code-set record in caller storage, blank-padded.
struct CreateRecords {
    CreateRecords(CallerStorage &mem, const char *eyeCatcher, const std::string &comment,
                  const std::string &table = "", const std::string &codeSet = "UTF-8",
                  const std::string &territory = "US") {
        descriptor = static_cast<vrxDbDescriptor *>(mem.room(sizeof(vrxDbDescriptor) + 8));
        std::memcpy(descriptor->eyeCatcher, eyeCatcher, 8);
        std::memcpy(descriptor->collatingTable, padded(table, 256).data(), 256);
        std::memcpy(descriptor->comment, padded(comment, 31).data(), 31);
        codes = static_cast<vrxDbCodeSet *>(mem.room(sizeof(vrxDbCodeSet)));
        std::memcpy(codes->codeSet, padded(codeSet, 10).data(), 10);
        std::memcpy(codes->territory, padded(territory, 6).data(), 6);
    }
    // The check of field i (comment, table with the byte after it, code set, territory).
    Check field(int i) const {
        char *const at[] = {descriptor->comment, descriptor->collatingTable, codes->codeSet, codes->territory};
        const std::uint32_t width[] = {31, 257, 10, 6};
        return {at[i], width[i], 2};
    }
    // The four fields as the core read them: up to a terminator or to their width.
    std::vector<std::string> seen() const {
        std::vector<std::string> out;
        for (int i = 0; i < 4; ++i) {
            const Check f = field(i);
            const char *text = static_cast<const char *>(f.at);
            out.emplace_back(text, strnlen(text, i == 1 ? 256 : f.length));
        }
        return out;
    }
    vrxDbDescriptor *descriptor;
    vrxDbCodeSet *codes;
};

std::vector<Check> with_fields(std::vector<Check> texts, const CreateRecords &r) {
    for (int i = 0; i < 4; ++i) texts.push_back(r.field(i));
    return texts;
}

TEST_F(DbLifecycleTest, EveryEntryPointHandsTheCoreItsArgumentsAndPutsTheCallersBytesBack) {
    CallerStorage mem;
    const Texts x(mem);
    const CreateRecords r(mem, "SQLDBD02", "Test database", "ABCDEF", "ISO8859-1", "DE");
    const CreateRecords older(mem, "SQLDBDB0", "Older");
    void *options = mem.room(16);
    auto *restart = mem.place(vrxgDatabaseRestartStruct{1, 2, 3, 4, x.t[0], x.t[1], x.t[2], x.t[3]});
    sqlca *ca = mem.ca();
    const Names names{x, {{ca, "ca"}, {options, "options"}, {r.descriptor, "descriptor"}, {r.codes, "codes"},
                          {older.descriptor, "older descriptor"}, {older.codes, "older codes"},
                          {restart, "caller record"}}};
    const auto restartRecord = [](const vrxstub_call &c, const Names &n, std::vector<std::string> &seen) {
        const auto *core = arg<const vrxDatabaseRestartStruct *>(c, 1);
        auto name = [&](const char *text) { return n(reinterpret_cast<std::uintptr_t>(text)); };
        if (core != nullptr && seen[1] != "caller record")
            seen[1] = name(core->piDbAlias) + name(core->piUserName) + name(core->piPassword) +
                      name(core->piTablespaceNames);
    };
    const vrx_slot any = 0xFFFFFFFFu;
    const Form forms[] = {
        {"SQLGCREA", "sqlecrea_api",
         [&] {
             return sqlgcrea(x.len(2), x.len(1), x.len(0), ca, any, any, r.codes, r.descriptor, x.t[2], x.t[1],
                             x.t[0]);
         },
         {"'A'", "'BB'", "'CCC'", "descriptor", "codes", "0x0", "0x0", "ca"}, with_fields(x.checks({0, 1, 2}), r)},
        {"SQLGDBCR", "sqledbcr_api",
         [&] { return sqlgdbcr(x.len(2), x.len(0), ca, older.codes, kHigh | 3, older.descriptor, x.t[2], x.t[0]); },
         {"'A'", "'CCC'", "older descriptor", "0x3", "older codes", "ca"}, with_fields(x.checks({2, 0}), older)},
        {"SQLGDRPD", "sqledrpd_api", [&] { return sqlgdrpd(any, x.len(3), ca, options, x.t[3]); },
         {"'DDDD'", "options", "ca"}, x.checks({3})},
        {"SQLGCRAN", "sqlecran_api", [&] { return sqlgcran(any, x.len(3), ca, options, x.t[3]); },
         {"'DDDD'", "options", "ca"}, x.checks({3})},
        {"SQLGDPAN", "sqledpan_api", [&] { return sqlgdpan(any, x.len(3), ca, options, x.t[3]); },
         {"'DDDD'", "options", "ca"}, x.checks({3})},
        // Given password, user name, alias; the core takes them the other way round.
        {"SQLGMGDB", "sqlemgdb_api", [&] { return sqlgmgdb(x.len(0), x.len(1), x.len(2), ca, x.t[0], x.t[1], x.t[2]); },
         {"'CCC'", "'BB'", "'A'", "ca"}, x.checks({2, 1, 0})},
        {"SQLGRSTD", "sqlerstd_api", [&] { return sqlgrstd(x.len(0), x.len(1), x.len(2), ca, x.t[0], x.t[1], x.t[2]); },
         {"'CCC'", "'BB'", "'A'", "ca"}, x.checks({2, 1, 0})},
        {"SQLG_ACTIVATE_DB", "sqle_activate_db_api",
         [&] { return sqlg_activate_db(x.len(0), x.len(1), x.len(2), x.t[0], x.t[1], x.t[2], any, ca); },
         {"'A'", "'BB'", "'CCC'", "0x0", "ca"}, x.checks({0, 1, 2})},
        {"SQLG_DEACTIVATE_DB", "sqle_deactivate_db_api",
         [&] { return sqlg_deactivate_db(x.len(0), x.len(1), x.len(2), x.t[0], x.t[1], x.t[2], any, ca); },
         {"'A'", "'BB'", "'CCC'", "0x0", "ca"}, x.checks({0, 1, 2})},
        {"VRXGDATABASERESTART", "vrxDatabaseRestart", [&] { return vrxgDatabaseRestart(0xFEDCBA98u, restart, ca); },
         {"0xfedcba98", "'A''BB''CCC''DDDD'", "ca"}, x.checks({0, 1, 2, 3}), restartRecord},
        {"VRXGDATABASERESTART without record", "vrxDatabaseRestart",
         [&] { return vrxgDatabaseRestart(1, nullptr, ca); }, {"0x1", "0x0", "ca"}, {}, restartRecord},
        {"SQLGADDN", "sqleaddn_api", [&] { return sqlgaddn(any, ca, options); }, {"options", "ca"},
         {{options, 16, 3}}},
        {"SQLGDRPN", "sqledrpn_api", [&] { return sqlgdrpn(any, ca, options, kHigh | 0x8001); },
         {"0x8001", "options", "ca"}, {}},
    };
    for (const Form &form : forms) expect_standard_frame(form, names, mem, ca);
}

// The options record is checked ahead of the initialisation, and the call
// goes on whatever the check says: the core judges the record itself.
TEST_F(DbLifecycleTest, AddNodeChecksItsOptionsAheadOfTheFrameAndGoesOnWhenRefused) {
    CallerStorage mem;
    void *options = mem.room(16);
    sqlca *ca = mem.ca();
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(options, 16, 3);
    CoreHook hook("sqleaddn_api", [](const vrxstub_call &) { return 11; });
    EXPECT_EQ(sqlgaddn(0, ca, options), 11);
    EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlo_ptr_check_active", "sqlagcptr_real",
                                                      "sqlo_create_init_app_data", "sqleaddn_api"}));
}

// Each field is trimmed within its own width; a descriptor of another kind
// and a full collating table reach the core as the caller gave them, and so
// does a field the check refuses.
TEST_F(DbLifecycleTest, CreateTrimsTheFieldsOfItsOwnRecordsOnly) {
    const std::string thirty = "123456789012345678901234567890";
    const std::vector<std::string> untouched = {padded("Comment", 31), padded("TABLE", 256), "UTF-8", "US"};
    struct Case {
        const char *name;
        bool dbcr;               // through SQLGDBCR, else SQLGCREA
        const char *eyeCatcher;  // null: no records at all
        std::string comment, table, codeSet, territory;
        std::vector<int> refused;  // fields whose check fails
        std::vector<std::string> seen;
        std::vector<int> checked;
    } cases[] = {
        {"full width", false, "SQLDBD02", thirty + "!", std::string(255, 'T'), "123456789!", "12345!", {},
         {thirty, std::string(255, 'T'), "123456789", "12345"}, {0, 1, 2, 3}},
        {"own kind", true, "SQLDBDB0", "A  B", "x y", "UTF-8", "US", {}, {"A  B", "x y", "UTF-8", "US"}, {0, 1, 2, 3}},
        {"full table", false, "SQLDBD02", "My comment", std::string(256, 'Q'), "UTF-8", "US", {},
         {"My comment", std::string(256, 'Q'), "UTF-8", "US"}, {0, 2, 3}},
        {"refused", false, "SQLDBD02", "Comment", "", "UTF-8", "US", {0, 3},
         {padded("Comment", 31), "", "UTF-8", "US    "}, {0, 1, 2, 3}},
        {"another kind", false, "SQLDBDB0", "Comment", "TABLE", "UTF-8", "US", {}, untouched, {2, 3}},
        {"lower case", false, "sqldbd02", "Comment", "TABLE", "UTF-8", "US", {}, untouched, {2, 3}},
        {"another kind", true, "SQLDBD02", "Comment", "TABLE", "UTF-8", "US", {}, untouched, {2, 3}},
        {"last letter", true, "SQLDBDB1", "Comment", "TABLE", "UTF-8", "US", {}, untouched, {2, 3}},
        {"no records", false, nullptr, "", "", "", "", {}, {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.dbcr ? "SQLGDBCR " : "SQLGCREA ") + c.name);
        vrxstub_reset();
        CallerStorage mem;
        const CreateRecords r(mem, c.eyeCatcher != nullptr ? c.eyeCatcher : "SQLDBD02", c.comment, c.table,
                              c.codeSet, c.territory);
        vrxDbDescriptor *descriptor = c.eyeCatcher != nullptr ? r.descriptor : nullptr;
        vrxDbCodeSet *codes = c.eyeCatcher != nullptr ? r.codes : nullptr;
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        for (int i : c.refused) vrxstub_refuse_region(r.field(i).at, r.field(i).length, 2);
        CoreHook hook(c.dbcr ? "sqledbcr_api" : "sqlecrea_api", [&](const vrxstub_call &) {
            EXPECT_EQ(descriptor != nullptr ? r.seen() : std::vector<std::string>{}, c.seen);
            return 0;
        });
        EXPECT_EQ(c.dbcr ? sqlgdbcr(0, 0, ca, codes, 0, descriptor, nullptr, nullptr)
                         : sqlgcrea(0, 0, 0, ca, 0, 0, codes, descriptor, nullptr, nullptr, nullptr),
                  0);
        std::vector<Check> checked;
        for (int i : c.checked) checked.push_back(r.field(i));
        EXPECT_EQ(checks_made(), checked);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// The descriptor's fields are put back only while it still carries its
// eye-catcher: a core that rewrites it keeps the terminators it was given.
TEST_F(DbLifecycleTest, CreateRestoresTheDescriptorOnlyWhileItCarriesItsEyeCatcher) {
    CallerStorage mem;
    const CreateRecords r(mem, "SQLDBD02", "Comment", "TABLE");
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook("sqlecrea_api", [&](const vrxstub_call &) {
        std::memcpy(r.descriptor->eyeCatcher, "CHANGED!", 8);
        return 0;
    });
    EXPECT_EQ(sqlgcrea(0, 0, 0, ca, 0, 0, r.codes, r.descriptor, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(r.descriptor->comment[7], '\0');
    EXPECT_EQ(r.descriptor->collatingTable[5], '\0');
    EXPECT_TRUE(mem.unchanged_except({{r.descriptor->eyeCatcher, 8},
                                      {&r.descriptor->comment[7], 1},
                                      {&r.descriptor->collatingTable[5], 1}}));
}

TEST_F(DbLifecycleTest, CreateActivateAndDropEndToEnd) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    char *name = mem.text("SALES", ' ');
    char *alias = mem.text("SALESA", ' ');
    char *path = mem.text("/data", ' ');
    const CreateRecords r(mem, "SQLDBD02", "Sales data");
    ASSERT_EQ(sqlgcrea(5, 6, 5, ca, 0, 0, r.codes, r.descriptor, path, alias, name), 0);
    const CreateRecords older(mem, "SQLDBDB0", "Older");
    char *other = mem.text("HR", ' ');
    ASSERT_EQ(sqlgdbcr(0, 2, ca, nullptr, 0, older.descriptor, nullptr, other), 0);
    EXPECT_EQ(positional_listing(ca), (std::vector<std::string>{"HR/HR/Older/I", "SALESA/SALES/Sales data/I"}));

    EXPECT_EQ(sqlg_activate_db(6, 0, 0, alias, nullptr, nullptr, 0, ca), 0);
    EXPECT_EQ(sqlgrstd(0, 0, 6, ca, nullptr, nullptr, alias), 0);
    EXPECT_EQ(sqlgmgdb(0, 0, 5, ca, nullptr, nullptr, name), -1013) << "the database name is not an alias";
    EXPECT_EQ(ca->sqlcode, -1013);

    ASSERT_EQ(sqlgdrpd(0, 6, ca, nullptr, alias), 0);
    EXPECT_EQ(sqlg_deactivate_db(6, 0, 0, alias, nullptr, nullptr, 0, ca), -1013);
    EXPECT_EQ(positional_listing(ca), (std::vector<std::string>{"HR/HR/Older/I"}));
}

}  // namespace
