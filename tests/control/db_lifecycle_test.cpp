// Database lifecycle entry points, through the library's exports: the
// order in which the core receives the texts and in which they are
// terminated, the blank-trimmed fields of the create-database records, the
// caller's storage after every call, and create and drop end to end
// through the stand-in's directory.
#include <cstring>

#include "call_checks.h"
#include "harness.h"
#include "vrxplatform/control.h"
#include "vrxplatform/directory.h"

using namespace vrxtest;

namespace {

class DbLifecycleTest : public PlatformTest {};

// Garbage a caller may leave in the upper half of a 16-bit slot.
constexpr vrx_slot kHigh = 0xBEEF0000u;

// Three caller texts, each longer than the length the caller gives, so
// that the core seeing "ONE", "TWO", "SIX" proves the lengths were used.
struct ThreeTexts {
    explicit ThreeTexts(CallerStorage &mem)
        : one(mem.text("ONEx", '#')), two(mem.text("TWOxx", '#')), six(mem.text("SIXxxx", '#')) {}
    char *one, *two, *six;
};

using ThreeTextCall = std::function<std::int32_t(const ThreeTexts &, sqlca *)>;

struct ThreeTextForm {
    const char *name;
    const char *core;
    ThreeTextCall call;
    bool reversed;  // the core takes the texts in the reverse of the caller's order
};

const std::vector<ThreeTextForm> &three_text_forms() {
    static const std::vector<ThreeTextForm> forms = {
        {"SQLGMGDB", "sqlemgdb_api",
         [](const ThreeTexts &t, sqlca *ca) {
             return sqlgmgdb(kHigh | 3, kHigh | 3, kHigh | 3, ca, t.one, t.two, t.six);
         },
         true},
        {"SQLGRSTD", "sqlerstd_api",
         [](const ThreeTexts &t, sqlca *ca) {
             return sqlgrstd(kHigh | 3, kHigh | 3, kHigh | 3, ca, t.one, t.two, t.six);
         },
         true},
        {"SQLG_ACTIVATE_DB", "sqle_activate_db_api",
         [](const ThreeTexts &t, sqlca *ca) {
             return sqlg_activate_db(kHigh | 3, kHigh | 3, kHigh | 3, t.one, t.two, t.six, 0xFFFFFFFFu, ca);
         },
         false},
        {"SQLG_DEACTIVATE_DB", "sqle_deactivate_db_api",
         [](const ThreeTexts &t, sqlca *ca) {
             return sqlg_deactivate_db(kHigh | 3, kHigh | 3, kHigh | 3, t.one, t.two, t.six, 0xFFFFFFFFu, ca);
         },
         false},
    };
    return forms;
}

TEST_F(DbLifecycleTest, ThreeTextFormsTerminateTheirTextsInTheCoresOrder) {
    for (const ThreeTextForm &form : three_text_forms()) {
        for (std::int32_t coreResult : {0, -1013}) {
            SCOPED_TRACE(std::string(form.name) + " core result " + std::to_string(coreResult));
            vrxstub_reset();
            CallerStorage mem;
            ThreeTexts t(mem);
            sqlca *ca = mem.ca();
            mem.snapshot();
            vrxstub_set_ptr_check(1);
            const std::vector<std::string> expected =
                form.reversed ? std::vector<std::string>{"SIX", "TWO", "ONE"}
                              : std::vector<std::string>{"ONE", "TWO", "SIX"};
            CoreHook hook(form.core, [&](const vrxstub_call &c) {
                for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(text_arg(c, i), expected[i]) << "argument " << i;
                const std::size_t caAt = form.reversed ? 3 : 4;
                EXPECT_EQ(c.argc, caAt + 1);
                if (!form.reversed) {
                    EXPECT_EQ(arg<void *>(c, 3), nullptr);
                }
                EXPECT_EQ(arg<sqlca *>(c, caAt), ca);
                return coreResult;
            });
            EXPECT_EQ(form.call(t, ca), coreResult);
            EXPECT_EQ(count_calls(form.core), 1u);
            const std::vector<Check> inCallerOrder = {{t.one, 4, 3}, {t.two, 4, 3}, {t.six, 4, 3}};
            const std::vector<Check> reversed(inCallerOrder.rbegin(), inCallerOrder.rend());
            EXPECT_EQ(checks_made(), form.reversed ? reversed : inCallerOrder);
            EXPECT_TRUE(mem.unchanged_except());
        }
    }
}

TEST_F(DbLifecycleTest, ThreeTextFormsPassNullTextsAsNull) {
    for (const ThreeTextForm &form : three_text_forms()) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        CallerStorage mem;
        sqlca *ca = mem.ca();
        CoreHook hook(form.core, [&](const vrxstub_call &c) {
            for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(arg<char *>(c, i), nullptr);
            return 0;
        });
        ThreeTexts none(mem);
        none.one = none.two = none.six = nullptr;
        EXPECT_EQ(form.call(none, ca), 0);
        EXPECT_EQ(count_calls(form.core), 1u);
    }
}

// Drop, and create or drop at one node: one text and one value that the
// core receives unchanged.
TEST_F(DbLifecycleTest, OneTextFormsPassTheirValueThrough) {
    using Call = std::function<std::int32_t(vrx_slot, vrx_slot, sqlca *, void *, char *)>;
    const std::tuple<const char *, const char *, Call> forms[] = {
        {"SQLGDRPD", "sqledrpd_api", sqlgdrpd},
        {"SQLGCRAN", "sqlecran_api", sqlgcran},
        {"SQLGDPAN", "sqledpan_api", sqlgdpan},
    };
    void *const value = reinterpret_cast<void *>(std::uintptr_t{0x12345678});
    for (const auto &[name, core, call] : forms) {
        SCOPED_TRACE(name);
        vrxstub_reset();
        CallerStorage mem;
        char *text = mem.text("SAMPLEDB", '#');
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        CoreHook hook(core, [&](const vrxstub_call &c) {
            EXPECT_EQ(c.argc, 3u);
            EXPECT_EQ(text_arg(c, 0), "SAMPLE");
            EXPECT_EQ(arg<void *>(c, 1), value);
            EXPECT_EQ(arg<sqlca *>(c, 2), ca);
            return -7;
        });
        EXPECT_EQ(call(0xFFFFFFFFu, kHigh | 6, ca, value, text), -7);
        EXPECT_EQ(checks_made(), (std::vector<Check>{{text, 7, 3}}));
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(DbLifecycleTest, VersionedRestartTerminatesTheFourTextsOfItsRecord) {
    for (std::int32_t coreResult : {0, -1013}) {
        SCOPED_TRACE(coreResult);
        vrxstub_reset();
        CallerStorage mem;
        char *alias = mem.text("SAMPLEDB", '#');
        char *user = mem.text("adminx", '#');
        char *password = mem.text("secretx", '#');
        char *spaces = mem.text("TS1,TS2x", '#');
        auto *params = mem.place(vrxgDatabaseRestartStruct{6, 5, 6, 7, alias, user, password, spaces});
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        CoreHook hook("vrxDatabaseRestart", [&](const vrxstub_call &c) {
            EXPECT_EQ(arg<std::uint32_t>(c, 0), 0xFEDCBA98u);
            auto *core = arg<vrxDatabaseRestartStruct *>(c, 1);
            EXPECT_NE(static_cast<void *>(core), static_cast<void *>(params));
            EXPECT_EQ(core->piDbAlias, alias);
            EXPECT_EQ(std::string(core->piDbAlias), "SAMPLE");
            EXPECT_EQ(std::string(core->piUserName), "admin");
            EXPECT_EQ(std::string(core->piPassword), "secret");
            EXPECT_EQ(std::string(core->piTablespaceNames), "TS1,TS2");
            EXPECT_EQ(arg<sqlca *>(c, 2), ca);
            return coreResult;
        });
        EXPECT_EQ(vrxgDatabaseRestart(0xFEDCBA98u, params, ca), coreResult);
        EXPECT_EQ(checks_made(), (std::vector<Check>{{alias, 7, 3}, {user, 6, 3}, {password, 7, 3}, {spaces, 8, 3}}));
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(DbLifecycleTest, VersionedRestartPassesNullTextsAndANullRecordOn) {
    CallerStorage mem;
    char *alias = mem.text("DB", '#');
    auto *params = mem.place(vrxgDatabaseRestartStruct{2, 9, 9, 9, alias, nullptr, nullptr, nullptr});
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook("vrxDatabaseRestart", [&](const vrxstub_call &c) {
        auto *core = arg<vrxDatabaseRestartStruct *>(c, 1);
        if (core != nullptr) {
            EXPECT_EQ(std::string(core->piDbAlias), "DB");
            EXPECT_EQ(core->piUserName, nullptr);
            EXPECT_EQ(core->piPassword, nullptr);
            EXPECT_EQ(core->piTablespaceNames, nullptr);
        }
        return 0;
    });
    EXPECT_EQ(vrxgDatabaseRestart(1, params, ca), 0);
    EXPECT_EQ(vrxgDatabaseRestart(1, nullptr, ca), 0);
    const auto restarts = calls("vrxDatabaseRestart");
    ASSERT_EQ(restarts.size(), 2u);
    EXPECT_EQ(arg<void *>(restarts[1], 1), nullptr);
    EXPECT_TRUE(mem.unchanged_except());
}

// The options record is checked before the initialisation, and the call
// goes on whatever the check says.
TEST_F(DbLifecycleTest, AddNodeChecksItsOptionsAheadOfTheFrame) {
    for (bool refused : {false, true}) {
        SCOPED_TRACE(refused);
        vrxstub_reset();
        CallerStorage mem;
        void *options = mem.room(16);
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        if (refused) vrxstub_refuse_region(options, 16, 3);
        CoreHook hook("sqleaddn_api", [&](const vrxstub_call &c) {
            EXPECT_EQ(c.argc, 2u);
            EXPECT_EQ(arg<void *>(c, 0), options);
            EXPECT_EQ(arg<sqlca *>(c, 1), ca);
            return 11;
        });
        EXPECT_EQ(sqlgaddn(0xFFFFFFFFu, ca, options), 11);
        EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlo_ptr_check_active", "sqlagcptr_real",
                                                          "sqlo_create_init_app_data", "sqleaddn_api"}));
        EXPECT_EQ(checks_made(), (std::vector<Check>{{options, 16, 3}}));
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(DbLifecycleTest, DropNodeWidensItsActionAndPassesItsParametersThrough) {
    CallerStorage mem;
    void *params = mem.room(8);
    sqlca *ca = mem.ca();
    CoreHook hook("sqledrpn_api", [&](const vrxstub_call &c) {
        EXPECT_EQ(arg<std::uint32_t>(c, 0), 0x8001u);
        EXPECT_EQ(arg<void *>(c, 1), params);
        EXPECT_EQ(arg<sqlca *>(c, 2), ca);
        return 0;
    });
    EXPECT_EQ(sqlgdrpn(0xFFFFFFFFu, ca, params, kHigh | 0x8001), 0);
    EXPECT_EQ(call_names(), (std::vector<std::string>{"sqlo_create_init_app_data", "sqledrpn_api"}));
}

// --- create database ----------------------------------------------------------------

// A descriptor and a code-set record in caller storage, blank-padded.
struct CreateRecords {
    CreateRecords(CallerStorage &mem, const char *eyeCatcher, const std::string &comment,
                  const std::string &table = "", const std::string &codeSet = "UTF-8",
                  const std::string &territory = "US") {
        descriptor = static_cast<vrxDbDescriptor *>(mem.room(sizeof(vrxDbDescriptor) + 8));
        std::memcpy(descriptor->eyeCatcher, eyeCatcher, 8);
        descriptor->passThrough[0] = 0x11111111;
        descriptor->passThrough[1] = 0x22222222;
        pad(descriptor->collatingTable, table);
        pad(descriptor->comment, comment);
        codes = static_cast<vrxDbCodeSet *>(mem.room(sizeof(vrxDbCodeSet)));
        pad(codes->codeSet, codeSet);
        pad(codes->territory, territory);
    }
    template <std::size_t W>
    static void pad(char (&field)[W], const std::string &value) {
        std::memset(field, ' ', W);
        std::memcpy(field, value.data(), std::min(W, value.size()));
    }
    vrxDbDescriptor *descriptor;
    vrxDbCodeSet *codes;
};

// What the core saw of the blank-padded fields.
struct SeenFields {
    std::string comment, table, codeSet, territory;
};

// Comment and table as C strings only where they were terminated: a field
// without a NUL is read to its width.
SeenFields seen_fields(const vrxDbDescriptor *d, const vrxDbCodeSet *cs) {
    auto upTo = [](const char *field, std::size_t width) { return std::string(field, strnlen(field, width)); };
    return {upTo(d->comment, 31), upTo(d->collatingTable, 256), upTo(cs->codeSet, 10), upTo(cs->territory, 6)};
}

// The caller's texts of a create call, each one character longer than the
// length given for it.
struct CreateTexts {
    char *dbName, *dbAlias, *path;
};

struct CreateForm {
    const char *name;
    const char *core;
    const char *eyeCatcher;
    std::function<std::int32_t(const CreateTexts &, const CreateRecords &, sqlca *)> call;
    // The core's arguments, raw, in order.
    std::function<std::vector<std::uintptr_t>(const CreateTexts &, const CreateRecords &, sqlca *)> coreArgs;
    // The texts with their lengths, in the order of their termination.
    std::function<std::vector<std::pair<char *, std::size_t>>(const CreateTexts &)> terminated;
};

std::uintptr_t raw(const void *p) { return reinterpret_cast<std::uintptr_t>(p); }

const std::vector<CreateForm> &create_forms() {
    static const std::vector<CreateForm> forms = {
        {"SQLGCREA", "sqlecrea_api", "SQLDBD02",
         [](const CreateTexts &t, const CreateRecords &r, sqlca *ca) {
             return sqlgcrea(kHigh | 7, kHigh | 7, kHigh | 6, ca, 0xFFFFFFFFu, 0xFFFFFFFFu, r.codes, r.descriptor,
                             t.path, t.dbAlias, t.dbName);
         },
         [](const CreateTexts &t, const CreateRecords &r, sqlca *ca) {
             return std::vector<std::uintptr_t>{raw(t.dbName), raw(t.dbAlias), raw(t.path), raw(r.descriptor),
                                                raw(r.codes),  0,             0,           raw(ca)};
         },
         [](const CreateTexts &t) {
             return std::vector<std::pair<char *, std::size_t>>{{t.dbName, 6}, {t.dbAlias, 7}, {t.path, 7}};
         }},
        {"SQLGDBCR", "sqledbcr_api", "SQLDBDB0",
         [](const CreateTexts &t, const CreateRecords &r, sqlca *ca) {
             return sqlgdbcr(kHigh | 7, kHigh | 6, ca, r.codes, kHigh | 3, r.descriptor, t.path, t.dbName);
         },
         [](const CreateTexts &t, const CreateRecords &r, sqlca *ca) {
             return std::vector<std::uintptr_t>{raw(t.dbName), raw(t.path), raw(r.descriptor), 3, raw(r.codes),
                                                raw(ca)};
         },
         [](const CreateTexts &t) {
             return std::vector<std::pair<char *, std::size_t>>{{t.path, 7}, {t.dbName, 6}};
         }},
    };
    return forms;
}

TEST_F(DbLifecycleTest, CreateFormsHandTheCoreTheirArgumentsAndTrimmedFields) {
    for (const CreateForm &form : create_forms()) {
        for (std::int32_t coreResult : {0, -1005}) {
            SCOPED_TRACE(std::string(form.name) + " core result " + std::to_string(coreResult));
            vrxstub_reset();
            CallerStorage mem;
            const CreateTexts t{mem.text("SAMPLEx", '#'), mem.text("MYALIASx", '#'), mem.text("/dbpathx", '#')};
            const CreateRecords r(mem, form.eyeCatcher, "Test database", "ABCDEF", "ISO8859-1", "DE");
            sqlca *ca = mem.ca();
            mem.snapshot();
            vrxstub_set_ptr_check(1);
            SeenFields seen;
            std::vector<std::uintptr_t> args;
            CoreHook hook(form.core, [&](const vrxstub_call &c) {
                args.assign(c.args, c.args + c.argc);
                for (const auto &[text, length] : form.terminated(t)) EXPECT_EQ(std::strlen(text), length);
                seen = seen_fields(r.descriptor, r.codes);
                return coreResult;
            });
            EXPECT_EQ(form.call(t, r, ca), coreResult);
            EXPECT_EQ(args, form.coreArgs(t, r, ca));
            EXPECT_EQ(seen.comment, "Test database");
            EXPECT_EQ(seen.table, "ABCDEF");
            EXPECT_EQ(seen.codeSet, "ISO8859-1");
            EXPECT_EQ(seen.territory, "DE");
            // The texts in the core's order, then comment, table, code set, territory.
            std::vector<Check> expected;
            for (const auto &[text, length] : form.terminated(t))
                expected.push_back({text, static_cast<std::uint32_t>(length + 1), 3});
            expected.insert(expected.end(), {{r.descriptor->comment, 31, 2},
                                             {r.descriptor->collatingTable, 257, 2},
                                             {r.codes->codeSet, 10, 2},
                                             {r.codes->territory, 6, 2}});
            EXPECT_EQ(checks_made(), expected);
            EXPECT_TRUE(mem.unchanged_except());
        }
    }
}

TEST_F(DbLifecycleTest, CreateTrimsBlankPaddedFields) {
    const std::string thirty = "123456789012345678901234567890";
    struct Case {
        const char *name;
        std::string comment, table, codeSet, territory;
        SeenFields seen;
    } cases[] = {
        {"all blank", "", "", "", "", {"", "", "", ""}},
        {"padded", "Short", "XY", "UTF-8", "US", {"Short", "XY", "UTF-8", "US"}},
        {"full width", thirty + "!", std::string(255, 'T'), "123456789!", "12345!",
         {thirty, std::string(255, 'T'), "123456789", "12345"}},
        {"inner blanks", "A  B", "x y", "A B", "C D", {"A  B", "x y", "A B", "C D"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        CreateRecords r(mem, "SQLDBD02", c.comment, c.table, c.codeSet, c.territory);
        sqlca *ca = mem.ca();
        mem.snapshot();
        SeenFields seen;
        CoreHook hook("sqlecrea_api", [&](const vrxstub_call &) {
            seen = seen_fields(r.descriptor, r.codes);
            return 0;
        });
        EXPECT_EQ(sqlgcrea(0, 0, 0, ca, 0, 0, r.codes, r.descriptor, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(seen.comment, c.seen.comment);
        EXPECT_EQ(seen.table, c.seen.table);
        EXPECT_EQ(seen.codeSet, c.seen.codeSet);
        EXPECT_EQ(seen.territory, c.seen.territory);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// A table without a trailing blank has no room for a terminator of its own:
// it reaches the core whole and unterminated, and the comment keeps its text.
TEST_F(DbLifecycleTest, CreatePassesAFullCollatingTableUnterminated) {
    std::string table(256, '\0');
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<char>(255 - i);  // last byte 0x00
    const std::string printable(256, 'Q');
    struct Case {
        const char *name;
        std::string table, comment, commentSeen;
    } cases[] = {
        {"binary table, comment", table, "My comment", "My comment"},
        {"printable table, comment", printable, "My comment", "My comment"},
        {"full table, blank comment", printable, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        CreateRecords r(mem, "SQLDBD02", c.comment, c.table);
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        std::string tableSeen, commentSeen;
        CoreHook hook("sqlecrea_api", [&](const vrxstub_call &) {
            tableSeen.assign(r.descriptor->collatingTable, 256);
            commentSeen = r.descriptor->comment;
            return 0;
        });
        EXPECT_EQ(sqlgcrea(0, 0, 0, ca, 0, 0, nullptr, r.descriptor, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(tableSeen, c.table);
        EXPECT_EQ(commentSeen, c.commentSeen);
        EXPECT_EQ(checks_made(), (std::vector<Check>{{r.descriptor->comment, 31, 2}}));
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// Only a descriptor of the entry point's own kind has its fields
// terminated; any other reaches the core byte for byte as the caller gave it.
TEST_F(DbLifecycleTest, CreateLeavesDescriptorsOfAnotherKindUntouched) {
    using Create = std::function<std::int32_t(vrxDbDescriptor *, sqlca *)>;
    const Create crea = [](vrxDbDescriptor *d, sqlca *ca) {
        return sqlgcrea(0, 0, 0, ca, 0, 0, nullptr, d, nullptr, nullptr, nullptr);
    };
    const Create dbcr = [](vrxDbDescriptor *d, sqlca *ca) {
        return sqlgdbcr(0, 0, ca, nullptr, 0, d, nullptr, nullptr);
    };
    struct Case {
        const char *name;
        const char *core;
        Create call;
        const char *eyeCatcher;  // 8 bytes
        bool terminated;
    } cases[] = {
        {"SQLGCREA, own kind", "sqlecrea_api", crea, "SQLDBD02", true},
        {"SQLGCREA, other kind", "sqlecrea_api", crea, "SQLDBDB0", false},
        {"SQLGCREA, lower case", "sqlecrea_api", crea, "sqldbd02", false},
        {"SQLGCREA, NUL inside", "sqlecrea_api", crea, "SQLDB\0" "02", false},
        {"SQLGDBCR, own kind", "sqledbcr_api", dbcr, "SQLDBDB0", true},
        {"SQLGDBCR, other kind", "sqledbcr_api", dbcr, "SQLDBD02", false},
        {"SQLGDBCR, last letter", "sqledbcr_api", dbcr, "SQLDBDB1", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        CallerStorage mem;
        CreateRecords r(mem, c.eyeCatcher, "Comment", "TABLE");
        sqlca *ca = mem.ca();
        mem.snapshot();
        bool changedDuringCall = false;
        CoreHook hook(c.core, [&](const vrxstub_call &) {
            changedDuringCall = !mem.unchanged_except();
            return 0;
        });
        EXPECT_EQ(c.call(r.descriptor, ca), 0);
        EXPECT_EQ(count_calls(c.core), 1u);
        EXPECT_EQ(changedDuringCall, c.terminated);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(DbLifecycleTest, CreatePassesNullRecordsAsNull) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    vrxstub_set_ptr_check(1);
    CoreHook hook("sqlecrea_api", [&](const vrxstub_call &c) {
        EXPECT_EQ(arg<void *>(c, 3), nullptr);
        EXPECT_EQ(arg<void *>(c, 4), nullptr);
        return 0;
    });
    EXPECT_EQ(sqlgcrea(0, 0, 0, ca, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(count_calls("sqlecrea_api"), 1u);
    EXPECT_TRUE(checks_made().empty());
}

// A field the check refuses is passed as the caller gave it; the others
// are still terminated.
TEST_F(DbLifecycleTest, CreateLeavesRefusedFieldsUnterminated) {
    CallerStorage mem;
    CreateRecords r(mem, "SQLDBD02", "Comment", "", "UTF-8", "US");
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(r.descriptor->comment, 31, 2);
    vrxstub_refuse_region(r.codes->territory, 6, 2);
    SeenFields seen;
    CoreHook hook("sqlecrea_api", [&](const vrxstub_call &) {
        seen = seen_fields(r.descriptor, r.codes);
        return 0;
    });
    EXPECT_EQ(sqlgcrea(0, 0, 0, ca, 0, 0, r.codes, r.descriptor, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(seen.comment, "Comment" + std::string(24, ' '));
    EXPECT_EQ(seen.table, "");
    EXPECT_EQ(seen.codeSet, "UTF-8");
    EXPECT_EQ(seen.territory, "US    ");
    EXPECT_TRUE(mem.unchanged_except());
}

// The descriptor's fields are put back only while it still carries its
// eye-catcher: a core that rewrites it keeps the terminators it was given.
TEST_F(DbLifecycleTest, CreateRestoresTheDescriptorOnlyWhileItCarriesItsEyeCatcher) {
    CallerStorage mem;
    CreateRecords r(mem, "SQLDBD02", "Comment", "TABLE", "UTF-8", "US");
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

// The texts and the fields may share storage: with the alias given inside
// the table, the table is trimmed up to the alias's terminator, and the
// reverse restoration gives back the blanks under both.
TEST_F(DbLifecycleTest, CreateRestoresTextsSharingStorageWithTheDescriptor) {
    CallerStorage mem;
    CreateRecords r(mem, "SQLDBD02", "", "ALIAS");
    sqlca *ca = mem.ca();
    mem.snapshot();
    std::string aliasSeen;
    CoreHook hook("sqlecrea_api", [&](const vrxstub_call &c) {
        aliasSeen = text_arg(c, 1);
        return 0;
    });
    EXPECT_EQ(sqlgcrea(0, 5, 0, ca, 0, 0, nullptr, r.descriptor, nullptr, r.descriptor->collatingTable, nullptr),
              0);
    EXPECT_EQ(aliasSeen, "ALIAS");
    EXPECT_TRUE(mem.unchanged_except());
}

// --- the frame ---------------------------------------------------------------------

TEST_F(DbLifecycleTest, EveryEntryPointReportsAFailedInitialisationAndTouchesNothing) {
    CallerStorage mem;
    char *text = mem.text("SAMPLE", '#');
    CreateRecords r(mem, "SQLDBD02", "Comment");
    CreateRecords older(mem, "SQLDBDB0", "Comment");
    auto *restart = mem.place(vrxgDatabaseRestartStruct{6, 6, 6, 6, text, text, text, text});
    void *options = mem.room(16);
    sqlca *ca = mem.ca();
    const std::pair<const char *, std::function<std::int32_t()>> forms[] = {
        {"SQLGCREA", [&] { return sqlgcrea(6, 6, 6, ca, 0, 0, r.codes, r.descriptor, text, text, text); }},
        {"SQLGDBCR", [&] { return sqlgdbcr(6, 6, ca, older.codes, 0, older.descriptor, text, text); }},
        {"SQLGDRPD", [&] { return sqlgdrpd(0, 6, ca, nullptr, text); }},
        {"SQLGMGDB", [&] { return sqlgmgdb(6, 6, 6, ca, text, text, text); }},
        {"SQLGRSTD", [&] { return sqlgrstd(6, 6, 6, ca, text, text, text); }},
        {"VRXGDATABASERESTART", [&] { return vrxgDatabaseRestart(9050000, restart, ca); }},
        {"SQLG_ACTIVATE_DB", [&] { return sqlg_activate_db(6, 6, 6, text, text, text, 0, ca); }},
        {"SQLG_DEACTIVATE_DB", [&] { return sqlg_deactivate_db(6, 6, 6, text, text, text, 0, ca); }},
        {"SQLGADDN", [&] { return sqlgaddn(0, ca, options); }},
        {"SQLGCRAN", [&] { return sqlgcran(0, 6, ca, nullptr, text); }},
        {"SQLGDPAN", [&] { return sqlgdpan(0, 6, ca, nullptr, text); }},
        {"SQLGDRPN", [&] { return sqlgdrpn(0, ca, nullptr, 1); }},
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
        const auto names = call_names();
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names.back(), "sqlo_create_init_app_data") << "nothing after the initialisation";
        EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
    }
}

// --- end to end through the stand-in ---------------------------------------------------

std::vector<std::string> listed_aliases() {
    sqlca ca{};
    std::uint16_t handle = 0, count = 0;
    EXPECT_EQ(sqlgdosd(0, &ca, &count, &handle, nullptr), 0);
    std::vector<std::string> aliases;
    for (std::uint16_t i = 0; i < count; ++i) {
        vrxDbDirEntry *entry = nullptr;
        EXPECT_EQ(sqlgdgne(handle, &entry, &ca), 0);
        const std::string alias(entry->alias, 8), comment(entry->comment, 30);
        aliases.push_back(alias.substr(0, alias.find_last_not_of(' ') + 1) + ":" +
                          comment.substr(0, comment.find_last_not_of(' ') + 1));
    }
    EXPECT_EQ(sqlgdcls(handle, &ca), 0);
    return aliases;
}

TEST_F(DbLifecycleTest, CreateActivateAndDropEndToEnd) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    char *name = mem.text("SALES", ' ');
    char *alias = mem.text("SALESA", ' ');
    char *path = mem.text("/data", ' ');
    CreateRecords r(mem, "SQLDBD02", "Sales data");
    ASSERT_EQ(sqlgcrea(5, 6, 5, ca, 0, 0, r.codes, r.descriptor, path, alias, name), 0);
    CreateRecords older(mem, "SQLDBDB0", "Older");
    char *other = mem.text("HR", ' ');
    ASSERT_EQ(sqlgdbcr(0, 2, ca, nullptr, 0, older.descriptor, nullptr, other), 0);
    EXPECT_EQ(listed_aliases(), (std::vector<std::string>{"HR:Older", "SALESA:Sales data"}));

    EXPECT_EQ(sqlg_activate_db(6, 0, 0, alias, nullptr, nullptr, 0, ca), 0);
    EXPECT_EQ(sqlgrstd(0, 0, 6, ca, nullptr, nullptr, alias), 0);
    EXPECT_EQ(sqlgmgdb(0, 0, 5, ca, nullptr, nullptr, name), -1013) << "the database name is not an alias";
    EXPECT_EQ(ca->sqlcode, -1013);

    ASSERT_EQ(sqlgdrpd(0, 6, ca, nullptr, alias), 0);
    EXPECT_EQ(sqlg_deactivate_db(6, 0, 0, alias, nullptr, nullptr, 0, ca), -1013);
    EXPECT_EQ(listed_aliases(), (std::vector<std::string>{"HR:Older"}));
}

}  // namespace
