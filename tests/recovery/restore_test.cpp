// Restore entry points, through the library's exports: the argument
// mappings of the three positional forms (including the arguments that
// never reach the core), the 15-byte timestamp, the lists, the versioned
// record by version, every scratch failure, and a backup restored end to end.
#include "caller_lists.h"
#include "harness.h"

using namespace vrxtest;

namespace {

class RestoreTest : public PlatformTest {};

constexpr vrx_slot kIgnored[] = {0xDEAD0001u, 0xDEAD0002u, 0xDEAD0003u};

constexpr vrx_slot value(unsigned coreArgument) { return 0x1000u + coreArgument; }

// A positional restore's caller storage: the texts (lengths with high bits
// set), the identifier area and the timestamp field with a byte of slack each.
struct PositionalCall {
    CallerStorage mem;
    vrx_slot sourceLen = kHigh | 6, targetLen = kHigh | 5, timestampLen = kHigh | 8, text3Len = kHigh | 7,
             userNameLen = kHigh | 5, passwordLen = kHigh | 6, text4Len = kHigh | 5;
    char *source = mem.text("SAMPLEDB", '#'), *target = mem.text("NEWDB", '!'), *text3 = mem.text("/target", '3'),
         *text4 = mem.text("/logs", '4'), *userName = mem.text("ADMIN", '5'), *password = mem.text("secret", '6');
    char *identifier = mem.field("", 34, 'i'), *timestamp = mem.field("20261205       #", 16, ' ');
    vrxTablespaceList *tablespaces = nullptr;
    vrxMediaList *media = nullptr;
    sqlca *ca = mem.ca();
};

// Where the core receives each converted argument (0-based; -1: not passed).
struct CorePositions {
    int identifier, timestamp, text3, text4, tablespaces, media, userName, password;
};

struct PositionalForm {
    ListForm lists;
    std::size_t coreArgs;
    CorePositions at;
    std::vector<unsigned> values;
    std::function<std::int32_t(const PositionalCall &)> call;
};

constexpr const char *kTags[] = {"sqlgbkup", "sqlgload", "sqlgbkup"};  // the backup's and the load's

const PositionalForm kForms[] = {
    {{"SQLGRESTORE", "sqlurestore", "sqlgrestore", {240, 274, 305}, {kTags[0], kTags[1], kTags[2]}},
     25, {8, 9, 10, 12, 13, 14, 15, 16}, {3, 4, 5, 6, 7, 8, 12, 18, 19, 20, 21, 22, 23, 24},
     [](const PositionalCall &a) {
         return sqlgrestore(a.sourceLen, a.targetLen, a.timestampLen, a.text3Len, a.userNameLen, a.passwordLen,
                            a.text4Len, kIgnored[0], a.source, a.target, value(3), value(4), value(5), value(6),
                            value(7), value(8), a.identifier, a.timestamp, a.text3, value(12), a.text4, a.tablespaces,
                            a.media, a.userName, a.password, value(18), value(21), kIgnored[1], value(22), kIgnored[2],
                            value(23), value(19), value(20), value(24), a.ca);
     }},
    {{"SQLGRST", "sqlurst", "sqlgrst", {237, 271, 302}, {kTags[0], kTags[1], kTags[2]}},
     23, {7, 8, 9, -1, 11, 12, 13, 14}, {3, 4, 5, 6, 7, 11, 16, 17, 18, 19, 20, 21, 22},
     [](const PositionalCall &a) {
         return sqlgrst(a.sourceLen, a.targetLen, a.timestampLen, a.text3Len, a.userNameLen, a.passwordLen,
                        kIgnored[0], a.source, a.target, value(3), value(4), value(5), value(6), value(7),
                        a.identifier, a.timestamp, a.text3, value(11), a.tablespaces, a.media, a.userName,
                        a.password, value(16), value(19), kIgnored[1], value(20), kIgnored[2], value(21), value(17),
                        value(18), value(22), a.ca);
     }},
    {{"SQLGRSTO", "sqlursto", "sqlgrsto", {397, 431, 462}, {kTags[0], kTags[1], kTags[2]}},
     19, {6, 7, 8, -1, 10, 11, 12, 13}, {3, 4, 5, 6, 10, 15, 16, 17, 18},
     [](const PositionalCall &a) {
         return sqlgrsto(a.sourceLen, a.targetLen, a.timestampLen, a.text3Len, a.userNameLen, a.passwordLen,
                         kIgnored[0], a.source, a.target, value(3), value(4), value(5), value(6), a.identifier,
                         a.timestamp, a.text3, value(10), a.tablespaces, a.media, a.userName, a.password, value(15),
                         value(16), value(17), value(18), a.ca);
     }},
};

// Terminated texts, values and the caller's pointers reach the core, the
// ignored slots do not; the identifier comes back blank-filled. The
// timestamp's terminator is not saved: the blank-fill after the call is what
// puts the field back. A length past the field has its byte restored.
TEST_F(RestoreTest, PositionalFormsMapTheirArgumentsOntoTheCore) {
    struct Case {
        std::string field;  // 15 bytes, then the byte after the field
        vrx_slot length;
        std::string seen, after;
    } cases[] = {
        {"20261205XXXXXXX#", 8, "20261205", "20261205       #"},
        {"20261205101010X#", 14, "20261205101010", "20261205101010 #"},
        {"XXXXXXXXXXXXXXX#", 0, "", "               #"},
        {"202612051010101#", 15, "202612051010101", "202612051010101#"},
    };
    for (const PositionalForm &form : kForms) {
        for (const Case &k : cases) {
            SCOPED_TRACE(std::string(form.lists.name) + " " + k.field);
            vrxstub_reset();
            PositionalCall c;
            c.tablespaces = tablespace_list(c.mem, {"TS1"}).list;
            c.media = media_list(c.mem, 'S', {"/somewhere"}).list;
            std::memcpy(c.timestamp, k.field.data(), 16);
            c.timestampLen = kHigh | k.length;
            c.mem.snapshot();
            CoreHook hook(form.lists.core, [&](const vrxstub_call &call) {
                EXPECT_EQ(call.argc, form.coreArgs);
                const std::pair<int, std::string> texts[] = {
                    {0, "SAMPLE"},       {1, "NEWDB"},           {form.at.timestamp, k.seen}, {form.at.text3, "/target"},
                    {form.at.text4, "/logs"}, {form.at.userName, "ADMIN"}, {form.at.password, "secret"}};
                for (const auto &[at, text] : texts)
                    if (at >= 0) {  // a form without text 4 has no position for it
                        EXPECT_EQ(text_arg(call, at), text) << "argument " << at;
                    }
                EXPECT_EQ(arg<vrxTablespaceList *>(call, form.at.tablespaces), c.tablespaces);
                EXPECT_EQ(arg<vrxMediaList *>(call, form.at.media), c.media);
                for (unsigned n : form.values) EXPECT_EQ(arg<vrx_slot>(call, n - 1), value(n)) << "core argument " << n;
                EXPECT_EQ(arg<sqlca *>(call, form.coreArgs - 1), c.ca);
                for (std::size_t i = 0; i < call.argc; ++i)
                    for (vrx_slot ignored : kIgnored) EXPECT_NE(arg<vrx_slot>(call, i), ignored) << "argument " << i;
                std::memcpy(arg<char *>(call, form.at.identifier), "RESTORED.0001\0zz", 16);
                return 42;
            });
            EXPECT_EQ(form.call(c), 42);
            EXPECT_EQ(count_calls(form.lists.core), 1u);
            EXPECT_EQ(field_text(c.identifier, 34), "RESTORED.0001" + std::string(20, ' ') + "i");
            EXPECT_EQ(field_text(c.timestamp, 16), k.after);
            EXPECT_TRUE(c.mem.unchanged_except({{c.identifier, 33}, {c.timestamp, 15}}));
        }
    }
}

TEST_F(RestoreTest, PositionalFormsTerminateTheirListsAndSurviveEveryScratchFailure) {
    check_positional_forms<PositionalCall>(kForms);
}

// --- versioned restore -----------------------------------------------------------------

struct VersionedCall {
    CallerStorage mem;
    vrxgRestoreStruct *params;
    sqlca *ca = mem.ca();

    VersionedCall() {
        vrxgRestoreStruct p{};
        auto text = [&](char *&to, std::uint32_t &length, const char *value, char after) {
            to = mem.text(value, after);
            length = static_cast<std::uint32_t>(std::strlen(value));
        };
        text(p.piSourceDbAlias, p.iSourceDbAliasLen, "SAMPLE", '#');
        text(p.piTargetDbAlias, p.iTargetDbAliasLen, "NEWDB", '!');
        text(p.piText3, p.iText3Len, "/target", '3');
        text(p.piText4, p.iText4Len, "/logs", '4');
        text(p.piUserName, p.iUserNameLen, "ADMIN", '5');
        text(p.piPassword, p.iPasswordLen, "secret", '6');
        text(p.piText7, p.iText7Len, "text7", '7');
        text(p.piText8, p.iText8Len, "text8", '8');
        text(p.piText9, p.iText9Len, "text9", '9');
        p.poIdentifier = mem.field("", 34, 'i');
        p.iIdentifierLen = 12;
        p.piTimestamp = mem.field("20261205       #", 16, ' ');
        p.iTimestampLen = 8;
        for (std::uint32_t i = 0; i < 7; ++i) p.iValues[i] = 0x100 + i;
        p.iValues8010400[0] = 0x200;
        p.iValues8010400[1] = 0x201;
        p.reserved[0] = p.reserved[1] = 0xFFFFFFFFu;
        params = mem.place(p);
    }
    std::vector<Span> outputs() const {
        return {{params->poIdentifier, params->iIdentifierLen + 1u}, {params->piTimestamp, 15}};
    }
};

// Fields come over as far as the version supplies them; the lists reach the
// core as copies. Below 8020200 the second list is never looked at (here
// not even a list), from then on an empty one is passed without scratch
// memory. The identifier comes back as long as the caller's length says,
// blank-filled, whatever the core's result; the timestamp field is put back.
TEST_F(RestoreTest, VersionedFormFillsTheCoreRecordByVersion) {
    const std::vector<std::string> names = {"TS1", "TS2"}, paths = {"/b"}, second = {"x", "yy"};
    for (std::uint32_t version : {0u, 8010399u, 8010400u, 8019999u, 8020000u, 8020199u, 8020200u, 0xFFFFFFFFu}) {
        for (bool emptySecond : {false, true}) {
            SCOPED_TRACE(std::to_string(version) + (emptySecond ? " empty second list" : ""));
            vrxstub_reset();
            VersionedCall c;
            c.params->piTablespaceList = text_list(c.mem, names).list;
            c.params->piMediaList = versioned_media_list(c.mem, 'O', paths).list;
            const bool hasSecond = version >= 8020200;
            c.params->piTextList2 = hasSecond ? text_list(c.mem, emptySecond ? std::vector<std::string>{} : second).list
                                              : reinterpret_cast<vrxgTextList *>(std::uintptr_t{0x10});
            c.mem.snapshot();
            vrxstub_set_ptr_check(1);
            CoreHook hook("vrxRestore", [&](const vrxstub_call &call) {  // the core lists live on the library's stack
                EXPECT_EQ(arg<std::uint32_t>(call, 0), version);
                vrxRestoreStruct &seen = *arg<vrxRestoreStruct *>(call, 1);
                std::vector<std::string> texts;
                for (const char *t : {seen.sourceDbAlias, seen.targetDbAlias, seen.timestamp, seen.text3, seen.text4,
                                      seen.userName, seen.password, seen.text7, seen.text8, seen.text9})
                    texts.emplace_back(t != nullptr ? t : kNoText);
                EXPECT_EQ(texts, (std::vector<std::string>{"SAMPLE", "NEWDB", "20261205", "/target", "/logs", "ADMIN",
                                                           "secret", "text7", version >= 8010400 ? "text8" : kNoText,
                                                           version >= 8020000 ? "text9" : kNoText}));
                for (std::uint32_t i = 0; i < 7; ++i) EXPECT_EQ(seen.values[i], 0x100 + i);
                EXPECT_EQ(seen.values8010400[1], version >= 8010400 ? 0x201u : 0u);
                EXPECT_EQ(seen.reserved, 0u);
                EXPECT_EQ(core_texts(seen.tablespaces->names, seen.tablespaces->count), names);
                EXPECT_EQ(core_texts(seen.media->locations, seen.media->count), paths);
                EXPECT_EQ(seen.media->mediaType, 'O');
                EXPECT_EQ(seen.textList2 != nullptr, hasSecond);
                EXPECT_EQ(seen.textList2 != nullptr ? core_texts(seen.textList2->names, seen.textList2->count)
                                                    : std::vector<std::string>{},
                          hasSecond && !emptySecond ? second : std::vector<std::string>{});
                std::memcpy(seen.identifier, "RESTORED\0zz", 11);
                return -7;
            });
            EXPECT_EQ(vrxgRestore(version, c.params, c.ca), -7);
            EXPECT_EQ(field_text(c.params->poIdentifier, 14), "RESTORED     i");
            EXPECT_EQ(field_text(c.params->piTimestamp, 16), "20261205       #");
            EXPECT_EQ(vrxstub_scratch_request_count(), 7u + (hasSecond && !emptySecond ? 4u : 0u));
            for (const vrxstub_call &check : calls("sqlagcptr_real")) EXPECT_NE(arg<std::uintptr_t>(check, 0), 0x10u);
            EXPECT_TRUE(c.mem.unchanged_except(c.outputs()));
        }
    }
}

TEST_F(RestoreTest, VersionedFormRefusesEarlyAndSurvivesEveryScratchFailure) {
    VersionedCall c;
    c.params->piTablespaceList = text_list(c.mem, {"TS1"}).list;
    c.params->piMediaList = versioned_media_list(c.mem, 'L', {"/a", "/b"}).list;
    c.params->piTextList2 = text_list(c.mem, {kNoText}).list;
    check_versioned_failures(c.mem, c.ca, c.params, "vrxgRest", "vrxRestore", vrxgRestore, 8020200, "sqlgrestore",
                             {514, 518, 538, 586, 590, 610, 610, 698, 703, 729});
}

TEST_F(RestoreTest, PositionalFormsTouchNothingWhenInitialisationFails) {
    for (const PositionalForm &form : kForms) {
        PositionalCall c;
        expect_failed_initialisation(c.mem, c.ca, [&] { return form.call(c); });
    }
}

// --- end to end ---------------------------------------------------------------------------

// A versioned backup with a table space list and a media list returns the
// image's timestamp; a versioned restore accepts it, a wrong one is refused.
TEST_F(RestoreTest, ABackupIsRestoredByTheTimestampItReturned) {
    CallerStorage mem;
    vrxgBackupStruct backup{};
    std::tie(backup.piDbAlias, backup.iDbAliasLen) = std::make_pair(mem.text("SAMPLE"), 6u);
    std::tie(backup.poTimestamp, backup.iTimestampLen) = std::make_pair(mem.field("", 16, '?'), 15u);
    backup.piTablespaceList = text_list(mem, {"USERSPACE1", "SYSCATSPACE"}).list;
    backup.piMediaList = versioned_media_list(mem, 'L', {"/backups"}).list;
    sqlca *ca = mem.ca();
    ASSERT_EQ(vrxgBackup(9050000, &backup, ca), 0);
    EXPECT_EQ(ca->sqlcode, 0);
    const std::string timestamp(backup.poTimestamp, 14);
    EXPECT_EQ(timestamp.find_first_not_of("0123456789"), std::string::npos) << timestamp;
    EXPECT_EQ(backup.poTimestamp[14], ' ') << "blank-filled, no NUL";

    vrxgRestoreStruct restore{};
    std::tie(restore.piSourceDbAlias, restore.iSourceDbAliasLen) = std::make_pair(backup.piDbAlias, 6u);
    std::tie(restore.piTargetDbAlias, restore.iTargetDbAliasLen) = std::make_pair(mem.text("COPY"), 4u);
    std::tie(restore.piTimestamp, restore.iTimestampLen) = std::make_pair(backup.poTimestamp, 14u);
    std::tie(restore.poIdentifier, restore.iIdentifierLen) = std::make_pair(mem.field("", 34, '?'), 33u);
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
