// Database configuration entry points, through the library's exports:
// what the core receives, what the caller's storage holds afterwards, and
// the library's own refusals.
#include <map>

#include "harness.h"

using namespace vrxtest;

namespace {

class DbConfigTest : public PlatformTest {};

// Every string-valued database token with its output width.
const std::map<std::uint16_t, std::uint32_t> kWidths = {
    {46, 256}, {44, 261}, {20, 243}, {103, 243}, {105, 13}, {107, 13}, {121, 34},
    {120, 18}, {501, 65}, {305, 65}, {306, 65}, {307, 31}, {702, 23}, {602, 11},
};

using GetCall = std::function<std::int32_t(vrx_slot aliasLen, vrx_slot count, vrxConfigItem *, sqlca *, char *)>;

struct GetForm {
    const char *name;
    const char *core;
    GetCall call;
    std::vector<std::uint16_t> texts;
};

std::vector<std::uint16_t> all_tokens() {
    std::vector<std::uint16_t> tokens;
    for (const auto &[token, width] : kWidths) tokens.push_back(token);
    return tokens;
}

const std::vector<GetForm> &get_forms() {
    static const std::vector<GetForm> forms = {
        {"SQLGXDB", "sqlfxdb", sqlgxdb, all_tokens()},
        {"SQLGDDB", "sqlfddb", sqlgddb, all_tokens()},
        {"SQLGXDBC", "sqlfxdb",
         [](vrx_slot len, vrx_slot count, vrxConfigItem *items, sqlca *ca, char *alias) {
             return sqlgxdbc(0xFFFFFFFFu, len, count, items, ca, 0x12345678u, alias);
         },
         {20, 103, 105, 107, 121, 120}},
    };
    return forms;
}

using UpdateCall = std::function<std::int32_t(vrx_slot aliasLen, vrx_slot count, std::uint16_t *, vrxConfigItem *,
                                              sqlca *, char *)>;

struct UpdateForm {
    const char *name;
    UpdateCall call;
    std::vector<std::uint16_t> texts;
    const char *tag;  // 8 bytes
    const char *site;
    std::uint32_t line;
};

const std::vector<UpdateForm> &update_forms() {
    static const std::vector<UpdateForm> forms = {
        {"SQLGUDB", sqlgudb, all_tokens(), "sqlgudb\0", "sqlgcfg", 915},
        {"SQLGEUDB",
         [](vrx_slot len, vrx_slot count, std::uint16_t *lens, vrxConfigItem *items, sqlca *ca, char *alias) {
             return sqlgeudb(0xFFFFFFFFu, len, count, lens, items, ca, 0xCAFEF00Du, alias);
         },
         {20}, "sqlgeudb", "sqlgeudb", 340},
    };
    return forms;
}

bool contains(const std::vector<std::uint16_t> &set, std::uint16_t token) {
    return std::find(set.begin(), set.end(), token) != set.end();
}

TEST_F(DbConfigTest, GetPassesTheTerminatedAliasAndTheCallersList) {
    for (const GetForm &form : get_forms()) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        CallerStorage mem;
        char *alias = mem.text("SAMPLEDB", '#');
        std::uint32_t number = 0;
        auto *items = mem.place(vrxConfigItem{1, 0, &number});
        sqlca *ca = mem.ca();
        mem.snapshot();

        CoreHook hook(form.core, [&](const vrxstub_call &c) {
            EXPECT_EQ(text_arg(c, 0), "SAMPLE");
            EXPECT_EQ(arg<std::uint32_t>(c, 1), 1u);
            EXPECT_EQ(arg<vrxConfigItem *>(c, 2), items);
            EXPECT_EQ(arg<sqlca *>(c, 3), ca);
            return 17;
        });
        EXPECT_EQ(form.call(kHigh | 6, kHigh | 1, items, ca, alias), 17);
        EXPECT_EQ(count_calls(form.core), 1u);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// The core writes "ABC" and a NUL into every output field, followed by
// junk; the library blank-fills exactly the fields of its token set, to
// their width, and leaves every other byte alone.
TEST_F(DbConfigTest, GetBlankFillsTheStringValuesOfItsTokenSet) {
    for (const GetForm &form : get_forms()) {
        for (std::int32_t coreResult : {0, -1013}) {
            SCOPED_TRACE(std::string(form.name) + " core result " + std::to_string(coreResult));
            CallerStorage mem;
            char *alias = mem.text("DB");
            std::vector<vrxConfigItem> list;
            std::vector<Span> outputs;
            for (const auto &[token, width] : kWidths) {
                char *field = mem.field("", width + 1, 'z');  // one byte past the field
                list.push_back({token, 0, field});
                outputs.push_back({field, width});
            }
            auto *items = static_cast<vrxConfigItem *>(mem.room(list.size() * sizeof(vrxConfigItem)));
            std::copy(list.begin(), list.end(), items);
            sqlca *ca = mem.ca();
            mem.snapshot();

            CoreHook hook(form.core, [&](const vrxstub_call &) {
                for (std::size_t i = 0; i < list.size(); ++i) std::memcpy(items[i].value, "ABC\0junk", 8);
                return coreResult;
            });
            EXPECT_EQ(form.call(2, static_cast<vrx_slot>(list.size()), items, ca, alias), coreResult);

            EXPECT_TRUE(mem.unchanged_except(outputs));
            for (std::size_t i = 0; i < list.size(); ++i) {
                const std::uint32_t width = kWidths.at(items[i].token);
                const char *field = static_cast<const char *>(items[i].value);
                SCOPED_TRACE(items[i].token);
                if (contains(form.texts, items[i].token))
                    EXPECT_EQ(field_text(field, width), "ABC" + std::string(width - 3, ' '));
                else
                    EXPECT_EQ(field_text(field, 8), std::string("ABC\0junk", 8));
                EXPECT_EQ(field[width], 'z');
            }
        }
    }
}

TEST_F(DbConfigTest, GetLeavesNullValuesNullListsAndRefusedFieldsAlone) {
    CallerStorage mem;
    char *alias = mem.text("DB");
    char *refused = mem.field("", 13, 'z');
    vrxConfigItem list[] = {{105, 0, nullptr}, {107, 0, refused}};
    auto *items = static_cast<vrxConfigItem *>(mem.room(sizeof list));
    std::memcpy(static_cast<void *>(items), list, sizeof list);
    sqlca *ca = mem.ca();
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(refused, 13, 2);
    CoreHook hook("sqlfxdb", [&](const vrxstub_call &) {
        std::memcpy(refused, "ABC", 4);
        return 0;
    });
    EXPECT_EQ(sqlgxdb(2, 2, items, ca, alias), 0);
    EXPECT_EQ(field_text(refused, 5), std::string("ABC\0z", 5));

    // A null item list with a count: the core judges it, nothing is filled.
    EXPECT_EQ(sqlgxdb(2, 3, nullptr, ca, alias), 0);
}

TEST_F(DbConfigTest, UpdateTerminatesTheStringValuesOfItsTokenSet) {
    for (const UpdateForm &form : update_forms()) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        CallerStorage mem;
        char *alias = mem.text("MYDB", '#');
        std::vector<vrxConfigItem> list;
        std::vector<std::uint16_t> lens;
        for (const auto &[token, width] : kWidths) {
            list.push_back({token, 0, mem.text("VALUE" + std::to_string(token), '!')});
            lens.push_back(static_cast<std::uint16_t>(5 + std::to_string(token).size()));
        }
        std::uint32_t number = 99;
        list.push_back({1, 0, &number});
        lens.push_back(0xFFFF);  // not read for a numeric token
        auto *items = static_cast<vrxConfigItem *>(mem.room(list.size() * sizeof(vrxConfigItem)));
        std::copy(list.begin(), list.end(), items);
        auto *lengths = static_cast<std::uint16_t *>(mem.room(lens.size() * 2));
        std::copy(lens.begin(), lens.end(), lengths);
        sqlca *ca = mem.ca();
        mem.snapshot();

        std::map<std::uint16_t, bool> terminated;
        CoreHook hook("sqlfudb", [&](const vrxstub_call &c) {
            EXPECT_EQ(text_arg(c, 0), "MYDB");
            EXPECT_EQ(arg<std::uint32_t>(c, 1), list.size());
            EXPECT_EQ(arg<vrxConfigItem *>(c, 2), items);
            for (std::size_t i = 0; i + 1 < list.size(); ++i)
                terminated[items[i].token] = static_cast<char *>(items[i].value)[lengths[i]] == '\0';
            EXPECT_EQ(number, 99u);
            return 0;
        });
        EXPECT_EQ(form.call(kHigh | 4, kHigh | static_cast<vrx_slot>(list.size()), lengths, items, ca, alias), 0);

        for (const auto &[token, width] : kWidths)
            EXPECT_EQ(terminated[token], contains(form.texts, token)) << "token " << token;
        const auto sites = scratch_sites();
        EXPECT_EQ(sites.size(), form.texts.size());
        for (const auto &site : sites) EXPECT_EQ(site, std::make_pair(std::string(form.site), form.line));
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(DbConfigTest, UpdateWithNoItemsTerminatesOnlyTheAlias) {
    CallerStorage mem;
    char *alias = mem.text("MYDB", '#');
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook("sqlfudb", [&](const vrxstub_call &c) {
        EXPECT_EQ(text_arg(c, 0), "MYDB");
        EXPECT_EQ(arg<std::uint32_t>(c, 1), 0u);
        return 0;
    });
    EXPECT_EQ(sqlgudb(4, kHigh, nullptr, nullptr, ca, alias), 0);
    EXPECT_EQ(count_calls("sqlfudb"), 1u);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
    EXPECT_TRUE(mem.unchanged_except());
}

TEST_F(DbConfigTest, UpdateLeavesRefusedTextsAndArraysUnterminated) {
    CallerStorage mem;
    char *alias = mem.text("MYDB", '#');
    char *refused = mem.text("KEEP", '!');
    char *accepted = mem.text("TERM", '!');
    vrxConfigItem list[] = {{20, 0, refused}, {103, 0, accepted}};
    auto *items = static_cast<vrxConfigItem *>(mem.room(sizeof list));
    std::memcpy(static_cast<void *>(items), list, sizeof list);
    auto *lengths = static_cast<std::uint16_t *>(mem.room(4));
    lengths[0] = lengths[1] = 4;
    sqlca *ca = mem.ca();
    mem.snapshot();

    struct Case {
        const char *name;
        const void *region;
        std::uint32_t length;
        bool aliasTerminated, refusedTerminated, acceptedTerminated;
    } cases[] = {
        {"alias", alias, 5, false, true, true},
        {"one value", refused, 5, true, false, true},
        {"lengths array", lengths, 4, true, false, false},
        {"item array", items, 2 * sizeof(vrxConfigItem), true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(c.region, c.length, 3);
        CoreHook hook("sqlfudb", [&](const vrxstub_call &) {
            EXPECT_EQ(alias[4] == '\0', c.aliasTerminated);
            EXPECT_EQ(refused[4] == '\0', c.refusedTerminated);
            EXPECT_EQ(accepted[4] == '\0', c.acceptedTerminated);
            return 0;
        });
        EXPECT_EQ(sqlgudb(4, 2, lengths, items, ca, alias), 0);
        EXPECT_EQ(count_calls("sqlfudb"), 1u);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// Every scratch request of both update forms is failed in turn: the core
// is skipped, the caller's texts and alias are as before, the tag names
// the entry point and nothing is left outstanding.
TEST_F(DbConfigTest, UpdateSurvivesEveryScratchFailure) {
    for (const UpdateForm &form : update_forms()) {
        SCOPED_TRACE(form.name);
        CallerStorage mem;
        char *alias = mem.text("MYDB", '#');
        vrxConfigItem list[] = {
            {20, 0, mem.text("first", '1')}, {46, 0, mem.text("second", '2')}, {20, 0, mem.text("third", '3')}};
        auto *items = static_cast<vrxConfigItem *>(mem.room(sizeof list));
        std::memcpy(static_cast<void *>(items), list, sizeof list);
        auto *lengths = static_cast<std::uint16_t *>(mem.room(6));
        lengths[0] = 5;
        lengths[1] = 6;
        lengths[2] = 5;
        sqlca *ca = mem.ca();
        std::int32_t result = 0;

        const std::uint32_t injected = fault_sweep(
            [&] {
                *ca = sqlca{};
                mem.snapshot();
                result = form.call(4, 3, lengths, items, ca, alias);
            },
            [&](std::uint32_t k) {
                SCOPED_TRACE(k);
                EXPECT_EQ(result, -83);
                EXPECT_TRUE(reports_no_memory(*ca, form.tag));
                EXPECT_EQ(count_calls("sqlfudb"), 0u);
                EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
                for (const auto &site : scratch_sites())
                    EXPECT_EQ(site, std::make_pair(std::string(form.site), form.line));
            });
        EXPECT_EQ(injected, std::string(form.name) == "SQLGUDB" ? 3u : 2u);
    }
}

TEST_F(DbConfigTest, UpdateMemoryFailureWithARefusedSqlcaWritesNothing) {
    CallerStorage mem;
    char *alias = mem.text("MYDB", '#');
    auto *items = mem.place(vrxConfigItem{20, 0, mem.text("value", '!')});
    auto *lengths = mem.place(std::uint16_t{5});
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_fail_scratch_at(1);
    vrxstub_refuse_sqlca(1);
    EXPECT_EQ(sqlgudb(4, 1, lengths, items, ca, alias), -83);
    EXPECT_EQ(count_calls("sqloincaChkptr"), 1u);
    EXPECT_EQ(count_calls("sqlfudb"), 0u);
    EXPECT_TRUE(mem.unchanged_except());
}

TEST_F(DbConfigTest, ResetPassesOnlyTheAlias) {
    struct Form {
        const char *name;
        std::function<std::int32_t(vrx_slot, sqlca *, char *)> call;
    } forms[] = {
        {"SQLGRDB", sqlgrdb},
        {"SQLGRDBC", [](vrx_slot len, sqlca *ca, char *a) { return sqlgrdbc(0xFFFFFFFFu, len, ca, 7, a); }},
    };
    for (const Form &form : forms) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        CallerStorage mem;
        char *alias = mem.text("MYDB", '#');
        sqlca *ca = mem.ca();
        mem.snapshot();
        CoreHook hook("sqlfrdb", [&](const vrxstub_call &c) {
            EXPECT_EQ(text_arg(c, 0), "MYD");
            EXPECT_EQ(arg<sqlca *>(c, 1), ca);
            return -5;
        });
        EXPECT_EQ(form.call(kHigh | 3, ca, alias), -5);
        EXPECT_TRUE(mem.unchanged_except());

        vrxstub_reset();
        CoreHook nullHook("sqlfrdb", [&](const vrxstub_call &c) {
            EXPECT_EQ(arg<char *>(c, 0), nullptr);
            return 0;
        });
        EXPECT_EQ(form.call(3, ca, nullptr), 0);
        EXPECT_EQ(count_calls("sqlfrdb"), 1u);
    }
}

// A hook's call stays valid however far the calls the hook makes grow the log.
TEST_F(DbConfigTest, AHookKeepsItsCallThroughTheCallsItMakes) {
    sqlca ca{};
    CoreHook hook("sqlfrdb", [&](const vrxstub_call &c) {
        for (int i = 0; i < 100; ++i) sqlgxdb(0, 0, nullptr, &ca, nullptr);
        EXPECT_EQ(arg<sqlca *>(c, 1), &ca);
        return 0;
    });
    EXPECT_EQ(sqlgrdb(0, &ca, nullptr), 0);
}

TEST_F(DbConfigTest, FailedInitialisationTouchesNothing) {
    CallerStorage mem;
    char *alias = mem.text("MYDB", '#');
    char *field = mem.field("", 13, 'z');
    auto *items = mem.place(vrxConfigItem{105, 0, field});
    auto *lengths = mem.place(std::uint16_t{4});
    sqlca *ca = mem.ca();
    const std::function<std::int32_t()> all[] = {
        [&] { return sqlgxdb(4, 1, items, ca, alias); },
        [&] { return sqlgddb(4, 1, items, ca, alias); },
        [&] { return sqlgxdbc(0, 4, 1, items, ca, 0, alias); },
        [&] { return sqlgudb(4, 1, lengths, items, ca, alias); },
        [&] { return sqlgeudb(0, 4, 1, lengths, items, ca, 0, alias); },
        [&] { return sqlgrdb(4, ca, alias); },
        [&] { return sqlgrdbc(0, 4, ca, 0, alias); },
    };
    for (std::size_t i = 0; i < std::size(all); ++i) {
        SCOPED_TRACE(i);
        expect_failed_initialisation(mem, ca, all[i]);
    }
}

// The stand-in keeps a configuration per alias: an update is read back
// blank-filled, a reset brings back the defaults.
TEST_F(DbConfigTest, UpdateReadBackAndResetEndToEnd) {
    CallerStorage mem;
    char *alias = mem.text("SAMPLE", ' ');
    sqlca *ca = mem.ca();

    char *newPath = mem.text("/data/logs", ' ');
    std::uint32_t logSize = 2048;
    vrxConfigItem update[] = {{103, 0, newPath}, {4, 0, &logSize}};
    std::uint16_t lens[] = {10, 0};
    ASSERT_EQ(sqlgudb(6, 2, lens, update, ca, alias), 0);
    EXPECT_EQ(ca->sqlcode, 0);

    char path[243];
    std::uint32_t size = 0;
    vrxConfigItem get[] = {{103, 0, path}, {4, 0, &size}};
    ASSERT_EQ(sqlgxdb(6, 2, get, ca, alias), 0);
    EXPECT_EQ(field_text(path, 243), "/data/logs" + std::string(233, ' '));
    EXPECT_EQ(size, 2048u);

    ASSERT_EQ(sqlgrdb(6, ca, alias), 0);
    ASSERT_EQ(sqlgxdb(6, 2, get, ca, alias), 0);
    EXPECT_EQ(field_text(path, 243), std::string(243, ' '));
    EXPECT_EQ(size, 10000u);
}

}  // namespace
