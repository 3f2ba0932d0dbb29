// Restore entry points, through the library's exports: the argument
// mappings of the three positional forms (including the arguments that
// never reach the core), the 15-byte timestamp, the lists, the versioned
// record by version, every scratch failure, and a backup restored end to end.
#include "caller_lists.h"
#include "harness.h"

using namespace vrxtest;

namespace {

class RestoreTest : public PlatformTest {};

constexpr vrx_slot kHigh = 0xBEEF0000u;
constexpr vrx_slot kIgnored[] = {0xDEAD0001u, 0xDEAD0002u, 0xDEAD0003u};

constexpr vrx_slot value(unsigned coreArgument) { return 0x1000u + coreArgument; }

struct RestoreArgs {
    vrx_slot sourceLen, targetLen, timestampLen, text3Len, userNameLen, passwordLen, text4Len;
    char *source, *target, *identifier, *timestamp, *text3, *text4, *userName, *password;
    vrxTablespaceList *tablespaces;
    vrxMediaList *media;
    sqlca *ca;
};

// Where the core receives each converted argument (0-based; -1: not passed).
struct CorePositions {
    int identifier, timestamp, text3, text4, tablespaces, media, userName, password;
};

struct PositionalForm {
    const char *name;
    const char *core;
    std::size_t coreArgs;
    CorePositions at;
    std::vector<unsigned> values;
    std::function<std::int32_t(const RestoreArgs &)> call;
    const char *site;
    std::uint32_t lines[3];
};

const std::vector<PositionalForm> &positional_forms() {
    static const std::vector<PositionalForm> forms = {
        {"SQLGRESTORE", "sqlurestore", 25, {8, 9, 10, 12, 13, 14, 15, 16},
         {3, 4, 5, 6, 7, 8, 12, 18, 19, 20, 21, 22, 23, 24},
         [](const RestoreArgs &a) {
             return sqlgrestore(a.sourceLen, a.targetLen, a.timestampLen, a.text3Len, a.userNameLen, a.passwordLen,
                                a.text4Len, kIgnored[0], a.source, a.target, value(3), value(4), value(5), value(6),
                                value(7), value(8), a.identifier, a.timestamp, a.text3, value(12), a.text4,
                                a.tablespaces, a.media, a.userName, a.password, value(18), value(21), kIgnored[1],
                                value(22), kIgnored[2], value(23), value(19), value(20), value(24), a.ca);
         },
         "sqlgrestore", {240, 274, 305}},
        {"SQLGRST", "sqlurst", 23, {7, 8, 9, -1, 11, 12, 13, 14}, {3, 4, 5, 6, 7, 11, 16, 17, 18, 19, 20, 21, 22},
         [](const RestoreArgs &a) {
             return sqlgrst(a.sourceLen, a.targetLen, a.timestampLen, a.text3Len, a.userNameLen, a.passwordLen,
                            kIgnored[0], a.source, a.target, value(3), value(4), value(5), value(6), value(7),
                            a.identifier, a.timestamp, a.text3, value(11), a.tablespaces, a.media, a.userName,
                            a.password, value(16), value(19), kIgnored[1], value(20), kIgnored[2], value(21),
                            value(17), value(18), value(22), a.ca);
         },
         "sqlgrst", {237, 271, 302}},
        {"SQLGRSTO", "sqlursto", 19, {6, 7, 8, -1, 10, 11, 12, 13}, {3, 4, 5, 6, 10, 15, 16, 17, 18},
         [](const RestoreArgs &a) {
             return sqlgrsto(a.sourceLen, a.targetLen, a.timestampLen, a.text3Len, a.userNameLen, a.passwordLen,
                             kIgnored[0], a.source, a.target, value(3), value(4), value(5), value(6), a.identifier,
                             a.timestamp, a.text3, value(10), a.tablespaces, a.media, a.userName, a.password,
                             value(15), value(16), value(17), value(18), a.ca);
         },
         "sqlgrsto", {397, 431, 462}},
    };
    return forms;
}

// A positional call's caller storage: the texts, the identifier area and
// the timestamp field with a byte of slack each.
struct PositionalCall {
    CallerStorage mem;
    RestoreArgs args{};

    explicit PositionalCall(std::string_view timestamp = "20261205", vrx_slot timestampLen = 8) {
        args.source = mem.text("SAMPLEDB", '#');
        args.target = mem.text("NEWDB", '!');
        args.text3 = mem.text("/target", '3');
        args.text4 = mem.text("/logs", '4');
        args.userName = mem.text("ADMIN", '5');
        args.password = mem.text("secret", '6');
        args.identifier = mem.field("", 34, 'i');
        args.timestamp = mem.field(std::string(timestamp) + std::string(16 - timestamp.size(), ' '), 16, ' ');
        args.timestamp[15] = '#';
        args.sourceLen = kHigh | 6;
        args.targetLen = kHigh | 5;
        args.timestampLen = kHigh | timestampLen;
        args.text3Len = kHigh | 7;
        args.text4Len = kHigh | 5;
        args.userNameLen = kHigh | 5;
        args.passwordLen = kHigh | 6;
        args.ca = mem.ca();
    }
};

TEST_F(RestoreTest, PositionalFormsMapTheirArgumentsOntoTheCore) {
    for (const PositionalForm &form : positional_forms()) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        PositionalCall c;
        c.args.tablespaces = tablespace_list(c.mem, {"TS1"}).list;
        c.args.media = media_list(c.mem, 'S', {"/somewhere"}).list;
        c.mem.snapshot();
        CoreHook hook(form.core, [&](const vrxstub_call &call) {
            EXPECT_EQ(call.argc, form.coreArgs);
            EXPECT_EQ(text_arg(call, 0), "SAMPLE");
            EXPECT_EQ(text_arg(call, 1), "NEWDB");
            EXPECT_EQ(arg<char *>(call, form.at.identifier), c.args.identifier);
            EXPECT_EQ(text_arg(call, form.at.timestamp), "20261205");
            EXPECT_EQ(text_arg(call, form.at.text3), "/target");
            if (form.at.text4 >= 0) {
                EXPECT_EQ(text_arg(call, form.at.text4), "/logs");
            }
            EXPECT_EQ(arg<vrxTablespaceList *>(call, form.at.tablespaces), c.args.tablespaces);
            EXPECT_EQ(arg<vrxMediaList *>(call, form.at.media), c.args.media);
            EXPECT_EQ(text_arg(call, form.at.userName), "ADMIN");
            EXPECT_EQ(text_arg(call, form.at.password), "secret");
            for (unsigned n : form.values) EXPECT_EQ(arg<vrx_slot>(call, n - 1), value(n)) << "core argument " << n;
            EXPECT_EQ(arg<sqlca *>(call, form.coreArgs - 1), c.args.ca);
            for (std::size_t i = 0; i < call.argc; ++i)
                for (vrx_slot ignored : kIgnored) EXPECT_NE(arg<vrx_slot>(call, i), ignored) << "argument " << i;
            return 42;
        });
        EXPECT_EQ(form.call(c.args), 42);
        EXPECT_EQ(count_calls(form.core), 1u);
        // Only the timestamp's terminator position (now a blank) changed.
        EXPECT_EQ(field_text(c.args.timestamp, 16), "20261205       #");
        EXPECT_TRUE(c.mem.unchanged_except());
    }
}

// The timestamp's terminator is not saved: the blank-fill after the call is
// what puts the field back. A length past the field has its byte restored.
TEST_F(RestoreTest, PositionalFormsTerminateTheTimestampWithoutSavingIt) {
    struct Case {
        const char *name;
        std::string field;  // 15 bytes, then the byte after the field
        vrx_slot length;
        std::string seen;
        std::string after;
    } cases[] = {
        {"eight characters", "20261205XXXXXXX#", 8, "20261205", "20261205       #"},
        {"fourteen and a blank", "20261205101010 #", 14, "20261205101010", "20261205101010 #"},
        {"fourteen and another byte", "20261205101010X#", 14, "20261205101010", "20261205101010 #"},
        {"empty", "XXXXXXXXXXXXXXX#", 0, "", "               #"},
        {"past the field", "202612051010101#", 15, "202612051010101", "202612051010101#"},
    };
    for (const PositionalForm &form : positional_forms()) {
        for (const Case &k : cases) {
            SCOPED_TRACE(std::string(form.name) + " " + k.name);
            vrxstub_reset();
            PositionalCall c;
            std::memcpy(c.args.timestamp, k.field.data(), 16);
            c.args.timestampLen = k.length;
            c.mem.snapshot();
            std::string seen;
            CoreHook hook(form.core, [&](const vrxstub_call &call) {
                seen = text_arg(call, form.at.timestamp);
                return 0;
            });
            EXPECT_EQ(form.call(c.args), 0);
            EXPECT_EQ(seen, k.seen);
            EXPECT_EQ(field_text(c.args.timestamp, 16), k.after);
            EXPECT_TRUE(c.mem.unchanged_except({{c.args.timestamp, 15}}));
        }
    }
}

TEST_F(RestoreTest, PositionalFormsBlankFillTheIdentifier) {
    for (const PositionalForm &form : positional_forms()) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        PositionalCall c;
        CoreHook hook(form.core, [&](const vrxstub_call &call) {
            std::memcpy(arg<char *>(call, form.at.identifier), "RESTORED.0001\0zz", 16);
            return 5;
        });
        EXPECT_EQ(form.call(c.args), 5);
        EXPECT_EQ(field_text(c.args.identifier, 34), "RESTORED.0001" + std::string(20, ' ') + "i");
    }
}

TEST_F(RestoreTest, PositionalFormsTerminateTheirListsInPlace) {
    const std::vector<std::string> names = {"USERSPACE1", "TS2"};
    const std::vector<std::string> paths = {"/backup/one", "/two", "/three"};
    for (const PositionalForm &form : positional_forms()) {
        for (char type : {'L', 'O', 'Q'}) {
            SCOPED_TRACE(std::string(form.name) + " " + type);
            vrxstub_reset();
            PositionalCall c;
            auto tablespaces = tablespace_list(c.mem, names);
            auto media = media_list(c.mem, type, paths);
            c.args.tablespaces = tablespaces.list;
            c.args.media = media.list;
            c.mem.snapshot();
            std::vector<bool> seenNames, seenPaths;
            CoreHook hook(form.core, [&](const vrxstub_call &) {
                seenNames = terminated(tablespaces.texts, names);
                seenPaths = terminated(media.texts, paths);
                return 0;
            });
            EXPECT_EQ(form.call(c.args), 0);
            EXPECT_EQ(seenNames, (std::vector<bool>{true, true}));
            EXPECT_EQ(seenPaths, (std::vector<bool>{type != 'Q', type == 'L', type == 'L'}));
            EXPECT_TRUE(c.mem.unchanged_except({{c.args.timestamp, 15}}));
            auto expected = std::vector<std::pair<std::string, std::uint32_t>>{{form.site, form.lines[0]}};
            if (type != 'Q') expected.emplace_back(form.site, form.lines[type == 'L' ? 1 : 2]);
            EXPECT_EQ(scratch_sites(), expected);
        }
    }
}

// Table space list and 'O' failures carry the backup's tag, 'L' failures the load's.
TEST_F(RestoreTest, PositionalFormsSurviveEveryScratchFailure) {
    for (const PositionalForm &form : positional_forms()) {
        for (int media : {1, 2}) {
            SCOPED_TRACE(std::string(form.name) + (media == 1 ? " L" : " O"));
            PositionalCall c;
            c.args.tablespaces = tablespace_list(c.mem, {"TS1", "TS2"}).list;
            c.args.media = media_list(c.mem, media == 1 ? 'L' : 'O', {"/one", "/two"}).list;
            const std::vector<ExpectedFailure> expected = {
                {form.site, form.lines[0], "sqlgbkup"},
                {form.site, form.lines[media], media == 1 ? "sqlgload" : "sqlgbkup"}};
            EXPECT_EQ(sweep_scratch_failures(c.mem, c.args.ca, form.core, [&] { return form.call(c.args); }, expected),
                      2u);
        }
    }
}

// --- versioned restore -----------------------------------------------------------------

struct VersionedCall {
    CallerStorage mem;
    vrxgRestoreStruct *params;
    sqlca *ca;

    VersionedCall() {
        vrxgRestoreStruct p{};
        p.piSourceDbAlias = mem.text("SAMPLEDB", '#');
        p.iSourceDbAliasLen = 6;
        p.piTargetDbAlias = mem.text("NEWDB", '!');
        p.iTargetDbAliasLen = 5;
        p.poIdentifier = mem.field("", 34, 'i');
        p.iIdentifierLen = 33;
        p.piTimestamp = mem.field("20261205       #", 16, ' ');
        p.iTimestampLen = 8;
        p.piText3 = mem.text("/target", '3');
        p.iText3Len = 7;
        p.piText4 = mem.text("/logs", '4');
        p.iText4Len = 5;
        p.piUserName = mem.text("ADMIN", '5');
        p.iUserNameLen = 5;
        p.piPassword = mem.text("secret", '6');
        p.iPasswordLen = 6;
        p.piText7 = mem.text("text7", '7');
        p.iText7Len = 5;
        for (std::uint32_t i = 0; i < 7; ++i) p.iValues[i] = 0x100 + i;
        p.piText8 = mem.text("text8", '8');
        p.iText8Len = 5;
        p.iValues8010400[0] = 0x200;
        p.iValues8010400[1] = 0x201;
        p.piText9 = mem.text("text9", '9');
        p.iText9Len = 5;
        p.reserved[0] = p.reserved[1] = 0xFFFFFFFFu;
        params = mem.place(p);
        ca = mem.ca();
    }

    std::vector<Span> outputs() const {
        return {{params->poIdentifier, params->iIdentifierLen + 1u}, {params->piTimestamp, 15}};
    }
};

TEST_F(RestoreTest, VersionedFormFillsTheCoreRecordByVersion) {
    const std::uint32_t versions[] = {0, 8010399, 8010400, 8019999, 8020000, 8020199, 8020200, 0xFFFFFFFFu};
    for (std::uint32_t version : versions) {
        SCOPED_TRACE(version);
        vrxstub_reset();
        VersionedCall c;
        auto list2 = text_list(c.mem, {"second"});
        c.params->piTextList2 = list2.list;
        c.mem.snapshot();
        vrxRestoreStruct seen{};
        std::vector<std::string> texts;
        std::vector<std::string> secondList;
        CoreHook hook("vrxRestore", [&](const vrxstub_call &call) {
            EXPECT_EQ(arg<std::uint32_t>(call, 0), version);
            seen = *arg<vrxRestoreStruct *>(call, 1);
            for (const char *t : {seen.sourceDbAlias, seen.targetDbAlias, seen.timestamp, seen.text3, seen.text4,
                                  seen.userName, seen.password, seen.text7})
                texts.emplace_back(t);
            if (seen.text8 != nullptr) texts.emplace_back(seen.text8);
            if (seen.text9 != nullptr) texts.emplace_back(seen.text9);
            if (seen.textList2 != nullptr) secondList = core_texts(seen.textList2->names, seen.textList2->count);
            return 0;
        });
        EXPECT_EQ(vrxgRestore(version, c.params, c.ca), 0);

        std::vector<std::string> expected = {"SAMPLE", "NEWDB", "20261205", "/target", "/logs", "ADMIN", "secret", "text7"};
        if (version >= 8010400) expected.push_back("text8");
        if (version >= 8020000) expected.push_back("text9");
        EXPECT_EQ(texts, expected);
        for (std::uint32_t i = 0; i < 7; ++i) EXPECT_EQ(seen.values[i], 0x100 + i);
        EXPECT_EQ(seen.values8010400[1], version >= 8010400 ? 0x201u : 0u);
        EXPECT_EQ(secondList, version >= 8020200 ? std::vector<std::string>{"second"} : std::vector<std::string>{});
        EXPECT_EQ(seen.reserved, 0u);
        // Below 8020200 the second list is never looked at.
        EXPECT_EQ(vrxstub_scratch_request_count(), version >= 8020200 ? 3u : 0u);
        EXPECT_TRUE(c.mem.unchanged_except(c.outputs()));
    }
}

TEST_F(RestoreTest, VersionedFormNeverReadsTheSecondListBelowItsVersion) {
    VersionedCall c;
    c.params->piTextList2 = reinterpret_cast<vrxgTextList *>(std::uintptr_t{0x10});  // not a list
    vrxstub_set_ptr_check(1);
    bool passed = true;
    CoreHook hook("vrxRestore", [&](const vrxstub_call &call) {
        passed = arg<vrxRestoreStruct *>(call, 1)->textList2 != nullptr;
        return 0;
    });
    EXPECT_EQ(vrxgRestore(8020199, c.params, c.ca), 0);
    EXPECT_FALSE(passed);
    for (const vrxstub_call &check : calls("sqlagcptr_real")) EXPECT_NE(arg<std::uintptr_t>(check, 0), 0x10u);
}

TEST_F(RestoreTest, VersionedFormPassesAnEmptySecondListWithoutScratchMemory) {
    VersionedCall c;
    c.params->piTextList2 = text_list(c.mem, {}).list;
    bool empty = false;
    CoreHook hook("vrxRestore", [&](const vrxstub_call &call) {
        const auto *core = arg<vrxRestoreStruct *>(call, 1);
        empty = core->textList2 != nullptr && core->textList2->count == 0 && core->textList2->names == nullptr;
        return 0;
    });
    EXPECT_EQ(vrxgRestore(8020200, c.params, c.ca), 0);
    EXPECT_TRUE(empty);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
}

TEST_F(RestoreTest, VersionedFormPassesItsThreeListsAsCopies) {
    VersionedCall c;
    const std::vector<std::string> names = {"TS1", "TS2"};
    const std::vector<std::string> paths = {"/b"};
    const std::vector<std::string> second = {"x", "yy"};
    auto tablespaces = text_list(c.mem, names);
    auto media = versioned_media_list(c.mem, 'O', paths);
    auto list2 = text_list(c.mem, second);
    c.params->piTablespaceList = tablespaces.list;
    c.params->piMediaList = media.list;
    c.params->piTextList2 = list2.list;
    c.mem.snapshot();
    std::vector<std::string> seen[3];
    char type = 0;
    CoreHook hook("vrxRestore", [&](const vrxstub_call &call) {
        const auto *core = arg<vrxRestoreStruct *>(call, 1);
        seen[0] = core_texts(core->tablespaces->names, core->tablespaces->count);
        seen[1] = core_texts(core->media->locations, core->media->count);
        seen[2] = core_texts(core->textList2->names, core->textList2->count);
        type = core->media->mediaType;
        return 0;
    });
    EXPECT_EQ(vrxgRestore(9050000, c.params, c.ca), 0);
    EXPECT_EQ(seen[0], names);
    EXPECT_EQ(seen[1], paths);
    EXPECT_EQ(seen[2], second);
    EXPECT_EQ(type, 'O');
    EXPECT_TRUE(c.mem.unchanged_except(c.outputs()));
    const std::vector<std::pair<std::string, std::uint32_t>> sites = {
        {"sqlgrestore", 514}, {"sqlgrestore", 518}, {"sqlgrestore", 538}, {"sqlgrestore", 538},
        {"sqlgrestore", 586}, {"sqlgrestore", 590}, {"sqlgrestore", 610},
        {"sqlgrestore", 698}, {"sqlgrestore", 703}, {"sqlgrestore", 729}, {"sqlgrestore", 729}};
    EXPECT_EQ(scratch_sites(), sites);
}

TEST_F(RestoreTest, VersionedFormCopiesAndBlankFillsItsOutputs) {
    VersionedCall c;
    c.params->iIdentifierLen = 12;
    CoreHook hook("vrxRestore", [&](const vrxstub_call &call) {
        std::memcpy(arg<vrxRestoreStruct *>(call, 1)->identifier, "RESTORED\0zz", 11);
        return -7;
    });
    EXPECT_EQ(vrxgRestore(9050000, c.params, c.ca), -7);
    EXPECT_EQ(field_text(c.params->poIdentifier, 14), "RESTORED     i");
    EXPECT_EQ(field_text(c.params->piTimestamp, 16), "20261205       #");
}

TEST_F(RestoreTest, VersionedFormRefusesAMissingOrUnreadableRecord) {
    for (bool missing : {true, false}) {
        SCOPED_TRACE(missing);
        vrxstub_reset();
        VersionedCall c;
        c.mem.snapshot();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(c.params, sizeof(vrxgRestoreStruct), 3);
        EXPECT_EQ(vrxgRestore(9050000, missing ? nullptr : c.params, c.ca), -83);
        EXPECT_TRUE(reports_no_memory(*c.ca, "vrxgRest"));
        EXPECT_EQ(count_calls("vrxRestore"), 0u);
        EXPECT_TRUE(c.mem.unchanged_except({{c.ca, sizeof(sqlca)}}));
    }
}

TEST_F(RestoreTest, VersionedFormSurvivesEveryScratchFailure) {
    VersionedCall c;
    c.params->piTablespaceList = text_list(c.mem, {"TS1"}).list;
    c.params->piMediaList = versioned_media_list(c.mem, 'L', {"/a", "/b"}).list;
    c.params->piTextList2 = text_list(c.mem, {"(null)"}).list;
    std::vector<ExpectedFailure> expected;
    for (std::uint32_t line : {514, 518, 538, 586, 590, 610, 610, 698, 703, 729})
        expected.push_back({"sqlgrestore", line, "vrxgRest"});
    EXPECT_EQ(sweep_scratch_failures(c.mem, c.ca, "vrxRestore", [&] { return vrxgRestore(8020200, c.params, c.ca); },
                                     expected),
              10u);
}

TEST_F(RestoreTest, FailedInitialisationTouchesNothing) {
    PositionalCall c;
    VersionedCall v;
    for (std::size_t i = 0; i <= positional_forms().size(); ++i) {
        SCOPED_TRACE(i);
        vrxstub_reset();
        vrxstub_set_init_result(-1);
        *c.args.ca = sqlca{};
        *v.ca = sqlca{};
        c.mem.snapshot();
        v.mem.snapshot();
        const bool versioned = i == positional_forms().size();
        EXPECT_EQ(versioned ? vrxgRestore(9050000, v.params, v.ca) : positional_forms()[i].call(c.args), 0);
        EXPECT_EQ((versioned ? v.ca : c.args.ca)->sqlcode, -1022);
        EXPECT_TRUE(c.mem.unchanged_except({{&c.args.ca->sqlcode, 4}}));
        EXPECT_TRUE(v.mem.unchanged_except({{&v.ca->sqlcode, 4}}));
        EXPECT_EQ(calls().size(), 1u) << "only the initialisation is called";
    }
}

// --- end to end ---------------------------------------------------------------------------

// A versioned backup with a table space list and a media list returns the
// image's timestamp; a versioned restore accepts it, a wrong one is refused.
TEST_F(RestoreTest, ABackupIsRestoredByTheTimestampItReturned) {
    CallerStorage mem;
    vrxgBackupStruct backup{};
    backup.piDbAlias = mem.text("SAMPLE");
    backup.iDbAliasLen = 6;
    backup.poTimestamp = mem.field("", 16, '?');
    backup.iTimestampLen = 15;
    backup.piTablespaceList = text_list(mem, {"USERSPACE1", "SYSCATSPACE"}).list;
    backup.piMediaList = versioned_media_list(mem, 'L', {"/backups"}).list;
    sqlca *ca = mem.ca();
    ASSERT_EQ(vrxgBackup(9050000, &backup, ca), 0);
    EXPECT_EQ(ca->sqlcode, 0);
    const std::string timestamp(backup.poTimestamp, 14);
    EXPECT_EQ(timestamp.find_first_not_of("0123456789"), std::string::npos) << timestamp;
    EXPECT_EQ(backup.poTimestamp[14], ' ') << "blank-filled, no NUL";

    vrxgRestoreStruct restore{};
    restore.piSourceDbAlias = backup.piDbAlias;
    restore.iSourceDbAliasLen = 6;
    restore.piTargetDbAlias = mem.text("COPY");
    restore.iTargetDbAliasLen = 4;
    restore.piTimestamp = backup.poTimestamp;
    restore.iTimestampLen = 14;
    restore.poIdentifier = mem.field("", 34, '?');
    restore.iIdentifierLen = 33;
    EXPECT_EQ(vrxgRestore(9050000, &restore, ca), 0);
    EXPECT_EQ(ca->sqlcode, 0);
    EXPECT_EQ(field_text(restore.poIdentifier, 33), "VRXAPP.COPY." + timestamp + std::string(7, ' '));

    // The positional form accepts it too; another timestamp is refused.
    char identifier[34];
    char *stamp = mem.field(timestamp, 15);
    EXPECT_EQ(sqlgrsto(6, 0, 14, 0, 0, 0, 0, backup.piDbAlias, nullptr, 0, 0, 0, 0, identifier, stamp, nullptr, 0,
                       nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, ca),
              0);
    char *wrong = mem.field("19990101000000", 15);
    EXPECT_NE(sqlgrst(6, 0, 14, 0, 0, 0, 0, backup.piDbAlias, nullptr, 0, 0, 0, 0, 0, identifier, wrong, nullptr, 0,
                      nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, ca),
              0);
    EXPECT_LT(ca->sqlcode, 0);
}

}  // namespace
