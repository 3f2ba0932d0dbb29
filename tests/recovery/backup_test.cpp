// Backup and log archiving entry points, through the library's exports:
// what the core receives (texts, lists, values, the versioned record), what
// the caller's storage holds afterwards, and every scratch failure.
#include "caller_lists.h"
#include "harness.h"

using namespace vrxtest;

namespace {

class BackupTest : public PlatformTest {};

constexpr vrx_slot kHigh = 0xBEEF0000u;
constexpr vrx_slot kIgnored = 0xDEAD0004u;

// The value slots carry 0x1000 + the core argument they must become.
constexpr vrx_slot value(unsigned coreArgument) { return 0x1000u + coreArgument; }

// What a positional backup is given, besides its values.
struct BackupArgs {
    vrx_slot dbAliasLen, userNameLen, passwordLen;
    char *dbAlias, *userName, *password, *identifier, *timestamp;
    vrxTablespaceList *tablespaces;
    vrxMediaList *media;
    sqlca *ca;
};

struct PositionalForm {
    const char *name;
    const char *core;
    std::size_t coreArgs;
    std::vector<unsigned> values;  // core arguments (1-based) that are values
    std::function<std::int32_t(const BackupArgs &)> call;
    const char *site;
    std::uint32_t lines[3];  // table space list, 'L' list, 'O' list
    std::string tags[3];
};

const std::vector<PositionalForm> &positional_forms() {
    static const std::vector<PositionalForm> forms = {
        {"SQLGBKP", "sqlubkp", 20, {2, 3, 4, 5, 8, 13, 14, 15, 16, 17, 18, 19},
         [](const BackupArgs &a) {
             return sqlgbkp(a.dbAliasLen, a.userNameLen, a.passwordLen, kIgnored, a.dbAlias, value(2), value(3),
                            value(4), value(5), a.identifier, a.timestamp, value(8), a.tablespaces, a.media,
                            a.userName, a.password, value(13), value(14), value(15), value(16), value(17), value(18),
                            value(19), a.ca);
         },
         "sqlgbkp", {126, 160, 191}, {std::string("sqlgbkp\0", 8), std::string("sqlgbkp\0", 8),
                                       std::string("sqlgbkp\0", 8)}},
        {"SQLGBKUP", "sqlubkup", 17, {2, 3, 4, 5, 8, 13, 14, 15, 16},
         [](const BackupArgs &a) {
             return sqlgbkup(a.dbAliasLen, a.userNameLen, a.passwordLen, kIgnored, a.dbAlias, value(2), value(3),
                             value(4), value(5), a.identifier, a.timestamp, value(8), a.tablespaces, a.media,
                             a.userName, a.password, value(13), value(14), value(15), value(16), a.ca);
         },
         "sqlgbkup", {357, 391, 422}, {"sqlgbkup", "sqlgload", "sqlgbkup"}},
    };
    return forms;
}

// A positional call's caller storage: three texts, two output areas with a
// byte of slack each, and the lists the test puts in.
struct PositionalCall {
    CallerStorage mem;
    BackupArgs args{};

    PositionalCall() {
        args.dbAlias = mem.text("SAMPLEDB", '#');
        args.userName = mem.text("ADMIN", '!');
        args.password = mem.text("secret", '?');
        args.identifier = mem.field("", 34, 'i');
        args.timestamp = mem.field("", 16, 't');
        args.dbAliasLen = kHigh | 6;
        args.userNameLen = kHigh | 5;
        args.passwordLen = kHigh | 6;
        args.ca = mem.ca();
    }
};

TEST_F(BackupTest, PositionalFormsPassTerminatedTextsValuesAndTheCallersPointers) {
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
            EXPECT_EQ(arg<char *>(call, 5), c.args.identifier);
            EXPECT_EQ(arg<char *>(call, 6), c.args.timestamp);
            EXPECT_EQ(arg<vrxTablespaceList *>(call, 8), c.args.tablespaces);
            EXPECT_EQ(arg<vrxMediaList *>(call, 9), c.args.media);
            EXPECT_EQ(text_arg(call, 10), "ADMIN");
            EXPECT_EQ(text_arg(call, 11), "secret");
            for (unsigned n : form.values) EXPECT_EQ(arg<vrx_slot>(call, n - 1), value(n)) << "core argument " << n;
            EXPECT_EQ(arg<sqlca *>(call, form.coreArgs - 1), c.args.ca);
            for (std::size_t i = 0; i < call.argc; ++i) EXPECT_NE(arg<vrx_slot>(call, i), kIgnored);
            return 42;
        });
        EXPECT_EQ(form.call(c.args), 42);
        EXPECT_EQ(count_calls(form.core), 1u);
        EXPECT_TRUE(c.mem.unchanged_except());
    }
}

// The table space list and an 'L' or 'O' media list are terminated in the
// caller's storage for the call; other media types are not touched.
TEST_F(BackupTest, PositionalFormsTerminateTheTablespaceAndMediaListsInPlace) {
    const std::vector<std::string> names = {"USERSPACE1", "", "TS3"};
    struct Case {
        char type;
        std::vector<std::string> media;
        std::vector<bool> terminatedMedia;
        std::size_t mediaRequest;  // bytes requested for the media list, 0: none
    } cases[] = {
        {'L', {"/backup/one", "/two"}, {true, true}, 16},
        {'O', {"vendorlib", "second", "third"}, {true, false, false}, 8},
        {'S', {"/srv"}, {false}, 0},
        {'C', {"client"}, {false}, 0},
        {'Q', {"pointer"}, {false}, 0},
    };
    for (const PositionalForm &form : positional_forms()) {
        for (const Case &k : cases) {
            SCOPED_TRACE(std::string(form.name) + " " + k.type);
            vrxstub_reset();
            PositionalCall c;
            auto tablespaces = tablespace_list(c.mem, names);
            auto media = media_list(c.mem, k.type, k.media);
            c.args.tablespaces = tablespaces.list;
            c.args.media = media.list;
            c.mem.snapshot();
            std::vector<bool> seenNames, seenMedia;
            CoreHook hook(form.core, [&](const vrxstub_call &) {
                seenNames = terminated(tablespaces.texts, names);
                seenMedia = terminated(media.texts, k.media);
                return 0;
            });
            EXPECT_EQ(form.call(c.args), 0);
            EXPECT_EQ(seenNames, (std::vector<bool>{true, true, true}));
            EXPECT_EQ(seenMedia, k.terminatedMedia);
            EXPECT_TRUE(c.mem.unchanged_except());

            auto expected = std::vector<std::pair<std::string, std::uint32_t>>{{form.site, form.lines[0]}};
            if (k.mediaRequest != 0) expected.emplace_back(form.site, form.lines[k.type == 'L' ? 1 : 2]);
            EXPECT_EQ(scratch_sites(), expected);
            EXPECT_EQ(vrxstub_scratch_request_at(0)->size, 24u);
            if (k.mediaRequest != 0) {
                EXPECT_EQ(vrxstub_scratch_request_at(1)->size, k.mediaRequest);
            }
        }
    }
}

TEST_F(BackupTest, PositionalFormsCheckTheListsAsTheyConvertThem) {
    const PositionalForm &form = positional_forms()[0];
    PositionalCall c;
    auto tablespaces = tablespace_list(c.mem, {"A", "BB"});
    auto media = media_list(c.mem, 'O', {"lib", "other"});
    c.args.tablespaces = tablespaces.list;
    c.args.media = media.list;
    vrxstub_set_ptr_check(1);
    EXPECT_EQ(form.call(c.args), 0);
    std::vector<std::pair<const void *, std::uint32_t>> seen;
    for (const vrxstub_call &call : calls("sqlagcptr_real"))
        seen.emplace_back(arg<const void *>(call, 0), arg<std::uint32_t>(call, 1));
    const std::vector<std::pair<const void *, std::uint32_t>> expected = {
        {tablespaces.list, sizeof(vrxTablespaceList)}, {tablespaces.list->entries, 48},
        {tablespaces.texts[0], 2}, {tablespaces.texts[1], 3},
        {media.list, sizeof(vrxMediaList)}, {media.list->entries, 520}, {media.texts[0], 4},
        {c.args.dbAlias, 7}, {c.args.userName, 6}, {c.args.password, 7},
        {c.args.timestamp, 15}, {c.args.identifier, 33},
    };
    EXPECT_EQ(seen, expected);
}

// A refused list record or entry array leaves the list alone; a refused
// text is skipped, unless it is the last one, whose check ends the call.
TEST_F(BackupTest, PositionalFormsActOnRefusedRegions) {
    struct Case {
        const char *name;
        int list;     // 0 table space list, 1 media list
        int refused;  // -1 the record, -2 the entries, else a text
        std::int32_t result;
        std::vector<bool> terminatedTexts;
    } cases[] = {
        {"table space record", 0, -1, 0, {false, false}},
        {"table space entries", 0, -2, 0, {false, false}},
        {"first table space", 0, 0, 0, {false, true}},
        {"last table space", 0, 1, 1, {false, false}},
        {"media record", 1, -1, 0, {false, false}},
        {"media entries", 1, -2, 0, {false, false}},
        {"first path", 1, 0, 0, {false, true}},
        {"last path", 1, 1, 1, {false, false}},
    };
    const std::vector<std::string> values = {"AAA", "BB"};
    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        vrxstub_reset();
        PositionalCall c;
        auto tablespaces = tablespace_list(c.mem, values);
        auto media = media_list(c.mem, 'L', values);
        c.args.tablespaces = tablespaces.list;
        c.args.media = media.list;
        c.mem.snapshot();
        const std::vector<char *> &texts = k.list == 0 ? tablespaces.texts : media.texts;
        const void *region = k.refused == -1   ? (k.list == 0 ? static_cast<const void *>(tablespaces.list)
                                                              : static_cast<const void *>(media.list))
                             : k.refused == -2 ? (k.list == 0 ? static_cast<const void *>(tablespaces.list->entries)
                                                              : media.list->entries)
                                               : texts[k.refused];
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(region, 0, 3);
        std::vector<bool> seen;
        CoreHook hook("sqlubkp", [&](const vrxstub_call &) {
            seen = terminated(texts, values);
            return 0;
        });
        EXPECT_EQ(positional_forms()[0].call(c.args), k.result);
        EXPECT_EQ(count_calls("sqlubkp"), k.result == 0 ? 1u : 0u);
        if (k.result == 0) {
            EXPECT_EQ(seen, k.terminatedTexts);
        }
        EXPECT_TRUE(c.mem.unchanged_except());
    }
}

// A count that cannot describe an entry array leaves the list to the core.
TEST_F(BackupTest, PositionalFormsLeaveNegativeCountsToTheCore) {
    PositionalCall c;
    auto tablespaces = tablespace_list(c.mem, {"A"});
    auto media = media_list(c.mem, 'L', {"/p"});
    tablespaces.list->count = -1;
    media.list->entryCount = -3;
    c.args.tablespaces = tablespaces.list;
    c.args.media = media.list;
    c.mem.snapshot();
    EXPECT_EQ(positional_forms()[1].call(c.args), 0);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
    EXPECT_EQ(count_calls("sqlubkup"), 1u);
    EXPECT_TRUE(c.mem.unchanged_except({{c.args.identifier, 33}, {c.args.timestamp, 15}, {c.args.ca, sizeof(sqlca)}}));
}

// The core leaves NUL-terminated texts in both areas; the caller receives
// them blank-filled. An area without a NUL, or none at all, is left alone.
TEST_F(BackupTest, PositionalFormsBlankFillBothOutputAreas) {
    for (const PositionalForm &form : positional_forms()) {
        SCOPED_TRACE(form.name);
        vrxstub_reset();
        PositionalCall c;
        c.mem.snapshot();
        CoreHook hook(form.core, [&](const vrxstub_call &call) {
            if (char *timestamp = arg<char *>(call, 6)) std::memcpy(timestamp, "ABC\0junk", 8);
            if (char *identifier = arg<char *>(call, 5)) std::memcpy(identifier, "APPLICATION.ID.0001\0zz", 22);
            return -1;
        });
        EXPECT_EQ(form.call(c.args), -1);
        EXPECT_EQ(field_text(c.args.timestamp, 16), "ABC" + std::string(12, ' ') + "t");
        EXPECT_EQ(field_text(c.args.identifier, 34), "APPLICATION.ID.0001" + std::string(14, ' ') + "i");
        EXPECT_TRUE(c.mem.unchanged_except({{c.args.timestamp, 15}, {c.args.identifier, 33}}));

        c.args.identifier = nullptr;
        c.args.timestamp = nullptr;
        EXPECT_EQ(form.call(c.args), -1);
    }
}

// Every scratch request of both positional forms, with 'L' and with 'O'
// media lists, is failed in turn.
TEST_F(BackupTest, PositionalFormsSurviveEveryScratchFailure) {
    for (const PositionalForm &form : positional_forms()) {
        for (int media : {1, 2}) {
            SCOPED_TRACE(std::string(form.name) + (media == 1 ? " L" : " O"));
            PositionalCall c;
            c.args.tablespaces = tablespace_list(c.mem, {"TS1", "TS2"}).list;
            c.args.media = media_list(c.mem, media == 1 ? 'L' : 'O', {"/one", "/two"}).list;
            const std::vector<ExpectedFailure> expected = {
                {form.site, form.lines[0], form.tags[0]}, {form.site, form.lines[media], form.tags[media]}};
            EXPECT_EQ(sweep_scratch_failures(c.mem, c.args.ca, form.core, [&] { return form.call(c.args); }, expected),
                      2u);
        }
    }
}

TEST_F(BackupTest, AMemoryFailureWithARefusedSqlcaWritesNothing) {
    PositionalCall c;
    c.args.tablespaces = tablespace_list(c.mem, {"TS1"}).list;
    c.mem.snapshot();
    vrxstub_fail_scratch_at(1);
    vrxstub_refuse_sqlca(1);
    EXPECT_EQ(positional_forms()[0].call(c.args), -83);
    EXPECT_EQ(count_calls("sqloincaChkptr"), 1u);
    EXPECT_TRUE(c.mem.unchanged_except());
}

// --- versioned backup ----------------------------------------------------------------

// A versioned record with every text and value set; the lists are added by each test.
struct VersionedCall {
    CallerStorage mem;
    vrxgBackupStruct *params;
    sqlca *ca;

    VersionedCall() {
        vrxgBackupStruct p{};
        p.piDbAlias = mem.text("SAMPLEDB", '#');
        p.iDbAliasLen = 6;
        p.poIdentifier = mem.field("", 34, 'i');
        p.iIdentifierLen = 33;
        p.poTimestamp = mem.field("", 16, 't');
        p.iTimestampLen = 15;
        p.piUserName = mem.text("ADMIN", '!');
        p.iUserNameLen = 5;
        p.piPassword = mem.text("secret", '?');
        p.iPasswordLen = 6;
        for (std::uint32_t i = 0; i < 8; ++i) p.iValues[i] = 0x100 + i;
        p.iValue8010200 = 0x200;
        p.piText4 = mem.text("text4", '4');
        p.iText4Len = 5;
        p.iValues8010400[0] = 0x300;
        p.iValues8010400[1] = 0x301;
        for (std::uint32_t i = 0; i < 5; ++i) p.iValues9050000[i] = 0x400 + i;
        params = mem.place(p);
        ca = mem.ca();
    }

    // The output areas, length + 1 bytes each.
    std::vector<Span> outputs() const {
        return {{params->poIdentifier, params->iIdentifierLen + 1u}, {params->poTimestamp, params->iTimestampLen + 1u}};
    }
};

TEST_F(BackupTest, VersionedFormFillsTheCoreRecordByVersion) {
    const std::uint32_t versions[] = {0, 8010199, 8010200, 8010399, 8010400, 9049999, 9050000, 0xFFFFFFFFu};
    for (std::uint32_t version : versions) {
        SCOPED_TRACE(version);
        vrxstub_reset();
        VersionedCall c;
        c.mem.snapshot();
        vrxBackupStruct seen{};
        std::string texts[4];
        bool text4Terminated = false;
        CoreHook hook("vrxBackup", [&](const vrxstub_call &call) {
            EXPECT_EQ(arg<std::uint32_t>(call, 0), version);
            EXPECT_EQ(arg<sqlca *>(call, 2), c.ca);
            seen = *arg<vrxBackupStruct *>(call, 1);
            texts[0] = seen.dbAlias;
            texts[1] = seen.userName;
            texts[2] = seen.password;
            text4Terminated = c.params->piText4[5] == '\0';
            return 3;
        });
        EXPECT_EQ(vrxgBackup(version, c.params, c.ca), 3);

        EXPECT_EQ(seen.dbAlias, c.params->piDbAlias);
        EXPECT_EQ(texts[0], "SAMPLE");
        EXPECT_EQ(texts[1], "ADMIN");
        EXPECT_EQ(texts[2], "secret");
        EXPECT_EQ(seen.tablespaces, nullptr);
        EXPECT_EQ(seen.media, nullptr);
        for (std::uint32_t i = 0; i < 8; ++i) EXPECT_EQ(seen.values[i], 0x100 + i);
        EXPECT_EQ(seen.value8010200, version >= 8010200 ? 0x200u : 0u);
        EXPECT_EQ(seen.text4, version >= 8010400 ? c.params->piText4 : nullptr);
        EXPECT_EQ(text4Terminated, version >= 8010400);
        EXPECT_EQ(seen.values8010400[1], version >= 8010400 ? 0x301u : 0u);
        for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(seen.values9050000[i], version >= 9050000 ? 0x400 + i : 0u);
        EXPECT_TRUE(c.mem.unchanged_except(c.outputs()));
    }
}

TEST_F(BackupTest, VersionedFormPassesItsListsAsScratchCopies) {
    VersionedCall c;
    const std::vector<std::string> names = {"USERSPACE1", "TS2", "SYSCATSPACE"};
    const std::vector<std::string> paths = {"/backups/a", "/backups/b"};
    auto tablespaces = text_list(c.mem, names);
    auto media = versioned_media_list(c.mem, 'L', paths);
    c.params->piTablespaceList = tablespaces.list;
    c.params->piMediaList = media.list;
    c.mem.snapshot();
    std::vector<std::string> seenNames, seenPaths;
    char seenType = 0;
    std::vector<bool> callerTerminated;
    CoreHook hook("vrxBackup", [&](const vrxstub_call &call) {
        const auto *core = arg<vrxBackupStruct *>(call, 1);
        seenNames = core_texts(core->tablespaces->names, core->tablespaces->count);
        seenPaths = core_texts(core->media->locations, core->media->count);
        seenType = core->media->mediaType;
        callerTerminated = terminated(tablespaces.texts, names);
        return 0;
    });
    EXPECT_EQ(vrxgBackup(9050000, c.params, c.ca), 0);
    EXPECT_EQ(seenNames, names);
    EXPECT_EQ(seenPaths, paths);
    EXPECT_EQ(seenType, 'L');
    EXPECT_EQ(callerTerminated, (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(c.mem.unchanged_except(c.outputs()));
    const std::vector<std::pair<std::string, std::uint32_t>> sites = {
        {"sqlgbkp", 446}, {"sqlgbkp", 450}, {"sqlgbkp", 470}, {"sqlgbkp", 470}, {"sqlgbkp", 470},
        {"sqlgbkp", 519}, {"sqlgbkp", 523}, {"sqlgbkp", 543}, {"sqlgbkp", 543}};
    EXPECT_EQ(scratch_sites(), sites);
}

// A list whose record fails its check is passed as an empty core list.
TEST_F(BackupTest, VersionedFormPassesARefusedListEmpty) {
    VersionedCall c;
    auto tablespaces = text_list(c.mem, {"TS1"});
    c.params->piTablespaceList = tablespaces.list;
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(tablespaces.list, 0, 3);
    bool empty = false;
    CoreHook hook("vrxBackup", [&](const vrxstub_call &call) {
        const auto *core = arg<vrxBackupStruct *>(call, 1);
        empty = core->tablespaces != nullptr && core->tablespaces->names == nullptr && core->tablespaces->count == 0;
        return 0;
    });
    EXPECT_EQ(vrxgBackup(9050000, c.params, c.ca), 0);
    EXPECT_TRUE(empty);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
}

TEST_F(BackupTest, VersionedFormEndsWhenTheLastListTextIsRefused) {
    VersionedCall c;
    auto media = versioned_media_list(c.mem, 'L', {"/a", "/b"});
    c.params->piMediaList = media.list;
    c.mem.snapshot();
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(media.texts[1], 3, 3);
    EXPECT_EQ(vrxgBackup(9050000, c.params, c.ca), 1);
    EXPECT_EQ(count_calls("vrxBackup"), 0u);
    EXPECT_TRUE(c.mem.unchanged_except());
}

// The output copies take as many bytes as the caller's lengths say (at most
// the core text's width) and are blank-filled over length + 1 bytes.
TEST_F(BackupTest, VersionedFormCopiesAndBlankFillsItsOutputs) {
    struct Case {
        std::uint32_t identifierLen, timestampLen;
        std::string identifier, timestamp;  // what the caller holds afterwards (incl. the byte past length)
    } cases[] = {
        {33, 15, "APP.0001" + std::string(26, ' '), "20261205101010  "},
        {5, 4, "APP.0" + std::string(29, 'i'), "2026" + std::string(12, 't')},  // no NUL within length + 1
        {40, 20, "APP.0001" + std::string(26, ' '), "20261205101010  "},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.identifierLen);
        vrxstub_reset();
        VersionedCall c;
        c.params->poIdentifier = c.mem.field("", 41, 'i');
        c.params->poTimestamp = c.mem.field("", 21, 't');
        c.params->iIdentifierLen = k.identifierLen;
        c.params->iTimestampLen = k.timestampLen;
        CoreHook hook("vrxBackup", [&](const vrxstub_call &call) {
            auto *core = arg<vrxBackupStruct *>(call, 1);
            std::memcpy(core->identifier, "APP.0001\0", 9);
            std::memcpy(core->timestamp, "20261205101010", 15);
            return 0;
        });
        EXPECT_EQ(vrxgBackup(8010400, c.params, c.ca), 0);
        EXPECT_EQ(field_text(c.params->poIdentifier, 34), k.identifier);
        EXPECT_EQ(field_text(c.params->poTimestamp, 16), k.timestamp);
    }
}

TEST_F(BackupTest, VersionedFormRefusesAMissingOrUnreadableRecord) {
    for (bool missing : {true, false}) {
        SCOPED_TRACE(missing);
        vrxstub_reset();
        VersionedCall c;
        c.mem.snapshot();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(c.params, 0, 3);
        EXPECT_EQ(vrxgBackup(9050000, missing ? nullptr : c.params, c.ca), -83);
        EXPECT_TRUE(reports_no_memory(*c.ca, "vrxgBack"));
        EXPECT_EQ(count_calls("vrxBackup"), 0u);
        EXPECT_TRUE(c.mem.unchanged_except({{c.ca, sizeof(sqlca)}}));
    }
}

// The two arrays of a list are both requested before either is looked at;
// a null text still gets its copy.
TEST_F(BackupTest, VersionedFormSurvivesEveryScratchFailure) {
    VersionedCall c;
    c.params->piTablespaceList = text_list(c.mem, {"TS1", "TS2"}).list;
    c.params->piMediaList = versioned_media_list(c.mem, 'O', {"lib", "(null)"}).list;
    std::vector<ExpectedFailure> expected;
    for (std::uint32_t line : {446, 450, 470, 470, 519, 523, 543, 543}) expected.push_back({"sqlgbkp", line, "vrxgBack"});
    EXPECT_EQ(sweep_scratch_failures(c.mem, c.ca, "vrxBackup", [&] { return vrxgBackup(9050000, c.params, c.ca); },
                                     expected),
              8u);
}

// --- log archiving ----------------------------------------------------------------------

TEST_F(BackupTest, ArchiveLogTerminatesItsTextsAndCopiesItsValues) {
    CallerStorage mem;
    vrxgArchiveLogStruct p{};
    p.piDbAlias = mem.text("SAMPLEDB", '#');
    p.iDbAliasLen = 6;
    p.piUserName = mem.text("ADMIN", '!');
    p.iUserNameLen = 3;
    p.piPassword = nullptr;
    p.iPasswordLen = 9;
    p.iValue1 = 0xABCD;
    p.iValue2 = 0x1234;
    p.iValue3 = 0xCAFEF00D;
    p.iValue4 = 7;
    auto *params = mem.place(p);
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxArchiveLogStruct seen{};
    std::string alias, user;
    CoreHook hook("vrxArchiveLog", [&](const vrxstub_call &call) {
        EXPECT_EQ(arg<std::uint32_t>(call, 0), 9050000u);
        seen = *arg<vrxArchiveLogStruct *>(call, 1);
        alias = seen.dbAlias;
        user = seen.userName;
        return 8;
    });
    EXPECT_EQ(vrxgArchiveLog(9050000, params, ca), 8);
    EXPECT_EQ(alias, "SAMPLE");
    EXPECT_EQ(user, "ADM");
    EXPECT_EQ(seen.password, nullptr);
    EXPECT_EQ(seen.value1, 0xABCD);
    EXPECT_EQ(seen.value2, 0x1234);
    EXPECT_EQ(seen.value3, 0xCAFEF00Du);
    EXPECT_EQ(seen.value4, 7u);
    EXPECT_TRUE(mem.unchanged_except());
    // No initialisation and no scratch memory.
    EXPECT_EQ(count_calls("sqlo_create_init_app_data"), 0u);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
}

TEST_F(BackupTest, ArchiveLogLeavesRefusedTextsAndAMissingRecordToTheCore) {
    CallerStorage mem;
    vrxgArchiveLogStruct p{};
    p.piDbAlias = mem.text("DB", '#');
    p.iDbAliasLen = 2;
    auto *params = mem.place(p);
    sqlca *ca = mem.ca();
    mem.snapshot();
    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(p.piDbAlias, 3, 3);
    bool terminatedAlias = true;
    CoreHook hook("vrxArchiveLog", [&](const vrxstub_call &call) {
        const auto *core = arg<vrxArchiveLogStruct *>(call, 1);
        terminatedAlias = core != nullptr && core->dbAlias[2] == '\0';
        return core == nullptr ? -1078 : 0;
    });
    EXPECT_EQ(vrxgArchiveLog(1, params, ca), 0);
    EXPECT_FALSE(terminatedAlias);
    EXPECT_EQ(vrxgArchiveLog(1, nullptr, ca), -1078);
    EXPECT_EQ(count_calls("vrxArchiveLog"), 2u);
    EXPECT_TRUE(mem.unchanged_except());
}

TEST_F(BackupTest, FailedInitialisationTouchesNothing) {
    PositionalCall c;
    VersionedCall v;
    const std::function<std::int32_t()> all[] = {
        [&] { return positional_forms()[0].call(c.args); },
        [&] { return positional_forms()[1].call(c.args); },
        [&] { return vrxgBackup(9050000, v.params, v.ca); },
    };
    for (std::size_t i = 0; i < std::size(all); ++i) {
        SCOPED_TRACE(i);
        vrxstub_reset();
        vrxstub_set_init_result(-1);
        *c.args.ca = sqlca{};
        *v.ca = sqlca{};
        c.mem.snapshot();
        v.mem.snapshot();
        EXPECT_EQ(all[i](), 0);
        EXPECT_EQ((i < 2 ? c.args.ca : v.ca)->sqlcode, -1022);
        EXPECT_TRUE(c.mem.unchanged_except({{&c.args.ca->sqlcode, 4}}));
        EXPECT_TRUE(v.mem.unchanged_except({{&v.ca->sqlcode, 4}}));
        EXPECT_EQ(calls().size(), 1u) << "only the initialisation is called";
    }
}

}  // namespace
