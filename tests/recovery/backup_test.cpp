// Backup and log archiving entry points, through the library's exports:
// what the core receives (texts, lists, values, the versioned record), what
// the caller's storage holds afterwards, and every scratch failure.
#include "caller_lists.h"
#include "harness.h"

using namespace vrxtest;

namespace {

class BackupTest : public PlatformTest {};

constexpr vrx_slot kIgnored = 0xDEAD0004u;

// The value slots carry 0x1000 + the core argument they must become.
constexpr vrx_slot value(unsigned coreArgument) { return 0x1000u + coreArgument; }

// A positional backup's caller storage: three texts (lengths with high
// bits set), two output areas with a byte of slack each, and its lists.
struct PositionalCall {
    CallerStorage mem;
    vrx_slot dbAliasLen = kHigh | 6, userNameLen = kHigh | 5, passwordLen = kHigh | 6;
    char *dbAlias = mem.text("SAMPLEDB", '#'), *userName = mem.text("ADMIN", '!'), *password = mem.text("secret", '?');
    char *identifier = mem.field("", 34, 'i'), *timestamp = mem.field("", 16, 't');
    vrxTablespaceList *tablespaces = nullptr;
    vrxMediaList *media = nullptr;
    sqlca *ca = mem.ca();
};

struct PositionalForm {
    ListForm lists;
    std::size_t coreArgs;
    std::vector<unsigned> values;  // core arguments (1-based) that are values
    std::function<std::int32_t(const PositionalCall &)> call;
};

const PositionalForm kForms[] = {
    {{"SQLGBKP", "sqlubkp", "sqlgbkp", {126, 160, 191}, {"sqlgbkp", "sqlgbkp", "sqlgbkp"}},
     20, {2, 3, 4, 5, 8, 13, 14, 15, 16, 17, 18, 19},
     [](const PositionalCall &a) {
         return sqlgbkp(a.dbAliasLen, a.userNameLen, a.passwordLen, kIgnored, a.dbAlias, value(2), value(3), value(4),
                        value(5), a.identifier, a.timestamp, value(8), a.tablespaces, a.media, a.userName, a.password,
                        value(13), value(14), value(15), value(16), value(17), value(18), value(19), a.ca);
     }},
    {{"SQLGBKUP", "sqlubkup", "sqlgbkup", {357, 391, 422}, {"sqlgbkup", "sqlgload", "sqlgbkup"}},
     17, {2, 3, 4, 5, 8, 13, 14, 15, 16},
     [](const PositionalCall &a) {
         return sqlgbkup(a.dbAliasLen, a.userNameLen, a.passwordLen, kIgnored, a.dbAlias, value(2), value(3), value(4),
                         value(5), a.identifier, a.timestamp, value(8), a.tablespaces, a.media, a.userName, a.password,
                         value(13), value(14), value(15), value(16), a.ca);
     }},
};

// Terminated texts, values and the caller's pointers reach the core; the
// NUL-terminated texts it leaves in both areas come back blank-filled, and
// areas left out stay out. Each list, text and area is checked as it is used.
TEST_F(BackupTest, PositionalFormsMapTheirArgumentsAndBlankFillTheOutputs) {
    for (const PositionalForm &form : kForms) {
        SCOPED_TRACE(form.lists.name);
        vrxstub_reset();
        PositionalCall c;
        auto tablespaces = tablespace_list(c.mem, {"A", "BB"});
        auto media = media_list(c.mem, 'O', {"lib", "other"});
        c.tablespaces = tablespaces.list;
        c.media = media.list;
        c.mem.snapshot();
        vrxstub_set_ptr_check(1);
        CoreHook hook(form.lists.core, [&](const vrxstub_call &call) {
            EXPECT_EQ(call.argc, form.coreArgs);
            EXPECT_EQ(text_arg(call, 0), "SAMPLE");
            EXPECT_EQ(arg<char *>(call, 5), c.identifier);
            EXPECT_EQ(arg<char *>(call, 6), c.timestamp);
            EXPECT_EQ(arg<vrxTablespaceList *>(call, 8), c.tablespaces);
            EXPECT_EQ(arg<vrxMediaList *>(call, 9), c.media);
            EXPECT_EQ(text_arg(call, 10), "ADMIN");
            EXPECT_EQ(text_arg(call, 11), "secret");
            for (unsigned n : form.values) EXPECT_EQ(arg<vrx_slot>(call, n - 1), value(n)) << "core argument " << n;
            EXPECT_EQ(arg<sqlca *>(call, form.coreArgs - 1), c.ca);
            for (std::size_t i = 0; i < call.argc; ++i) EXPECT_NE(arg<vrx_slot>(call, i), kIgnored);
            if (char *timestamp = arg<char *>(call, 6)) std::memcpy(timestamp, "ABC\0junk", 8);
            if (char *identifier = arg<char *>(call, 5)) std::memcpy(identifier, "APPLICATION.ID.0001\0zz", 22);
            return 42;
        });
        EXPECT_EQ(form.call(c), 42);
        EXPECT_EQ(field_text(c.timestamp, 16), "ABC" + std::string(12, ' ') + "t");
        EXPECT_EQ(field_text(c.identifier, 34), "APPLICATION.ID.0001" + std::string(14, ' ') + "i");
        EXPECT_TRUE(c.mem.unchanged_except({{c.timestamp, 15}, {c.identifier, 33}}));
        std::vector<std::pair<const void *, std::uint32_t>> seen;
        for (const vrxstub_call &call : calls("sqlagcptr_real"))
            seen.emplace_back(arg<const void *>(call, 0), arg<std::uint32_t>(call, 1));
        const std::vector<std::pair<const void *, std::uint32_t>> expected = {
            {tablespaces.list, sizeof(vrxTablespaceList)}, {tablespaces.list->entries, 48}, {tablespaces.texts[0], 2},
            {tablespaces.texts[1], 3}, {media.list, sizeof(vrxMediaList)}, {media.list->entries, 520},
            {media.texts[0], 4}, {c.dbAlias, 7}, {c.userName, 6}, {c.password, 7}, {c.timestamp, 15}, {c.identifier, 33}};
        EXPECT_EQ(seen, expected);

        c.identifier = c.timestamp = nullptr;
        EXPECT_EQ(form.call(c), 42);
    }
}

TEST_F(BackupTest, PositionalFormsTerminateTheirListsAndSurviveEveryScratchFailure) {
    check_positional_forms<PositionalCall>(kForms);
}

// --- versioned backup ----------------------------------------------------------------

// A versioned record with every text and value set; the lists are added by each test.
struct VersionedCall {
    CallerStorage mem;
    vrxgBackupStruct *params;
    sqlca *ca = mem.ca();

    VersionedCall() {
        vrxgBackupStruct p{};
        std::tie(p.piDbAlias, p.iDbAliasLen) = std::make_pair(mem.text("SAMPLEDB", '#'), 6u);
        std::tie(p.poIdentifier, p.iIdentifierLen) = std::make_pair(mem.field("", 41, 'i'), 33u);
        std::tie(p.poTimestamp, p.iTimestampLen) = std::make_pair(mem.field("", 21, 't'), 15u);
        std::tie(p.piUserName, p.iUserNameLen) = std::make_pair(mem.text("ADMIN", '!'), 5u);
        std::tie(p.piPassword, p.iPasswordLen) = std::make_pair(mem.text("secret", '?'), 6u);
        std::tie(p.piText4, p.iText4Len) = std::make_pair(mem.text("text4", '4'), 5u);
        for (std::uint32_t i = 0; i < 8; ++i) p.iValues[i] = 0x100 + i;
        p.iValue8010200 = 0x200;
        p.iValues8010400[0] = 0x300;
        p.iValues8010400[1] = 0x301;
        for (std::uint32_t i = 0; i < 5; ++i) p.iValues9050000[i] = 0x400 + i;
        params = mem.place(p);
    }
    // The output areas, length + 1 bytes each.
    std::vector<Span> outputs() const {
        return {{params->poIdentifier, params->iIdentifierLen + 1u}, {params->poTimestamp, params->iTimestampLen + 1u}};
    }
};

// Fields come over as far as the version supplies them; the lists reach the
// core as scratch copies, the caller's texts terminated only for the call.
// The outputs take as many bytes as the caller's lengths say (at most the
// core text's width) and are blank-filled over length + 1 bytes.
TEST_F(BackupTest, VersionedFormFillsTheCoreRecordByVersion) {
    const std::vector<std::string> names = {"USERSPACE1", "TS2"}, paths = {"/backups/a", "/backups/b"};
    const struct Output {
        std::uint32_t identifierLen, timestampLen;
        std::string identifier, timestamp;  // what the caller holds afterwards (incl. the byte past length)
    } outputs[] = {
        {33, 15, "APP.0001" + std::string(26, ' '), "20261205101010  "},
        {5, 4, "APP.0" + std::string(29, 'i'), "2026" + std::string(12, 't')},  // no NUL within length + 1
        {40, 20, "APP.0001" + std::string(26, ' '), "20261205101010  "},
    };
    const std::uint32_t versions[] = {0u, 8010199u, 8010200u, 8010399u, 8010400u, 9049999u, 9050000u, 0xFFFFFFFFu};
    for (std::size_t v = 0; v < std::size(versions); ++v) {
        const std::uint32_t version = versions[v];
        const Output &out = outputs[v % std::size(outputs)];
        SCOPED_TRACE(version);
        vrxstub_reset();
        VersionedCall c;
        auto tablespaces = text_list(c.mem, names);
        c.params->piTablespaceList = tablespaces.list;
        c.params->piMediaList = versioned_media_list(c.mem, 'L', paths).list;
        std::tie(c.params->iIdentifierLen, c.params->iTimestampLen) = std::make_pair(out.identifierLen, out.timestampLen);
        c.mem.snapshot();
        CoreHook hook("vrxBackup", [&](const vrxstub_call &call) {  // the core lists live on the library's stack
            EXPECT_EQ(arg<std::uint32_t>(call, 0), version);
            EXPECT_EQ(arg<sqlca *>(call, 2), c.ca);
            vrxBackupStruct &seen = *arg<vrxBackupStruct *>(call, 1);
            EXPECT_EQ((std::vector<std::string>{seen.dbAlias, seen.userName, seen.password,
                                                seen.text4 != nullptr ? seen.text4 : kNoText}),
                      (std::vector<std::string>{"SAMPLE", "ADMIN", "secret", version >= 8010400 ? "text4" : kNoText}));
            EXPECT_EQ(seen.dbAlias, c.params->piDbAlias) << "terminated in place";
            for (std::uint32_t i = 0; i < 8; ++i) EXPECT_EQ(seen.values[i], 0x100 + i);
            EXPECT_EQ(seen.value8010200, version >= 8010200 ? 0x200u : 0u);
            EXPECT_EQ(seen.values8010400[1], version >= 8010400 ? 0x301u : 0u);
            for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(seen.values9050000[i], version >= 9050000 ? 0x400 + i : 0u);
            EXPECT_EQ(core_texts(seen.tablespaces->names, seen.tablespaces->count), names);
            EXPECT_EQ(core_texts(seen.media->locations, seen.media->count), paths);
            EXPECT_EQ(seen.media->mediaType, 'L');
            EXPECT_EQ(terminated(tablespaces.texts, names), (std::vector<bool>{true, true}));
            std::memcpy(seen.identifier, "APP.0001\0", 9);
            std::memcpy(seen.timestamp, "20261205101010", 15);
            return 3;
        });
        EXPECT_EQ(vrxgBackup(version, c.params, c.ca), 3);
        EXPECT_EQ(field_text(c.params->poIdentifier, 34), out.identifier);
        EXPECT_EQ(field_text(c.params->poTimestamp, 16), out.timestamp);
        EXPECT_TRUE(c.mem.unchanged_except(c.outputs()));
    }
}

// A list record that fails its check reaches the core as an empty list; a
// refused terminator of a list's last text ends the call before the core.
TEST_F(BackupTest, VersionedFormActsOnRefusedLists) {
    for (bool lastText : {false, true}) {
        SCOPED_TRACE(lastText);
        vrxstub_reset();
        VersionedCall c;
        auto tablespaces = text_list(c.mem, {"TS1"});
        auto media = versioned_media_list(c.mem, 'L', {"/a", "/b"});
        std::tie(c.params->piTablespaceList, c.params->piMediaList) = std::make_pair(tablespaces.list, media.list);
        c.mem.snapshot();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(lastText ? static_cast<const void *>(media.texts[1]) : tablespaces.list, lastText ? 3 : 0, 3);
        std::vector<vrxNameList> seen;
        const auto need = lastText ? CoreHook::mayNotRun : CoreHook::mustRun;
        CoreHook hook("vrxBackup", need, [&](const vrxstub_call &call) {
            seen.push_back(*arg<vrxBackupStruct *>(call, 1)->tablespaces);
            return 0;
        });
        EXPECT_EQ(vrxgBackup(9050000, c.params, c.ca), lastText ? 1 : 0);
        EXPECT_EQ(seen.size(), lastText ? 0u : 1u);
        for (const vrxNameList &core : seen) EXPECT_TRUE(core.names == nullptr && core.count == 0);
        EXPECT_TRUE(c.mem.unchanged_except(lastText ? std::vector<Span>{} : c.outputs()));
    }
}

// The two arrays of a list are both requested before either is looked at;
// a null text still gets its copy.
TEST_F(BackupTest, VersionedFormRefusesEarlyAndSurvivesEveryScratchFailure) {
    VersionedCall c;
    c.params->piTablespaceList = text_list(c.mem, {"TS1", "TS2"}).list;
    c.params->piMediaList = versioned_media_list(c.mem, 'O', {"lib", kNoText}).list;
    check_versioned_failures(c.mem, c.ca, c.params, "vrxgBack", "vrxBackup", vrxgBackup, 9050000, "sqlgbkp",
                             {446, 450, 470, 470, 519, 523, 543, 543});
}

TEST_F(BackupTest, PositionalFormsTouchNothingWhenInitialisationFails) {
    for (const PositionalForm &form : kForms) {
        PositionalCall c;
        expect_failed_initialisation(c.mem, c.ca, [&] { return form.call(c); });
    }
}

// A media list whose type the core rewrote no longer has the layout its
// bytes were saved under: nothing is written back into it (its terminator
// stays as the core left it), and its saved-byte array is still released.
TEST_F(BackupTest, MediaListRetypedByTheCoreIsNotWrittenBack) {
    PositionalCall c;
    Caller<vrxMediaList> media = media_list(c.mem, VRX_MEDIA_LOCAL, {"/backups"});
    c.media = media.list;
    c.mem.snapshot();
    CoreHook hook("sqlubkp", [&](const vrxstub_call &) {
        c.media->mediaType = VRX_MEDIA_SERVER;
        return 0;
    });
    EXPECT_EQ(kForms[0].call(c), 0);
    EXPECT_EQ(media.texts[0][8], '\0');
    EXPECT_TRUE(c.mem.unchanged_except({{c.media, 1}, {media.texts[0] + 8, 1}, {c.ca, sizeof(sqlca)},
                                        {c.identifier, 33}, {c.timestamp, 15}}));
}

// --- log archiving ----------------------------------------------------------------------

// Texts are terminated in place around the call without initialisation or
// scratch memory; a refused terminator leaves its text as it is, and a
// missing record reaches the core for it to report.
TEST_F(BackupTest, ArchiveLogTerminatesItsTextsAndCopiesItsValues) {
    CallerStorage mem;
    const vrxgArchiveLogStruct p{6, 3, 9, mem.text("SAMPLEDB", '#'), mem.text("ADMIN", '!'), nullptr,
                                 0xABCD, 0x1234, 0xCAFEF00D, 7};
    auto *params = mem.place(p);
    sqlca *ca = mem.ca();
    mem.snapshot();
    std::vector<std::uintptr_t> seen;
    CoreHook hook("vrxArchiveLog", [&](const vrxstub_call &call) {
        const auto *core = arg<vrxArchiveLogStruct *>(call, 1);
        if (core == nullptr) return -1078;
        seen = {arg<std::uint32_t>(call, 0), core->dbAlias == p.piDbAlias && core->dbAlias[6] == '\0',
                core->userName == p.piUserName && core->userName[3] == '\0', reinterpret_cast<std::uintptr_t>(core->password),
                core->value1, core->value2, core->value3, core->value4};
        return 8;
    });
    EXPECT_EQ(vrxgArchiveLog(9050000, params, ca), 8);
    EXPECT_EQ(seen, (std::vector<std::uintptr_t>{9050000, 1, 1, 0, 0xABCD, 0x1234, 0xCAFEF00D, 7}));
    EXPECT_EQ(count_calls("sqlo_create_init_app_data"), 0u);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
    EXPECT_TRUE(mem.unchanged_except());

    vrxstub_set_ptr_check(1);
    vrxstub_refuse_region(p.piDbAlias, 7, 3);
    EXPECT_EQ(vrxgArchiveLog(1, params, ca), 8);
    EXPECT_EQ(seen[0], 1u);
    EXPECT_EQ(seen[1], 0u) << "the refused alias is not terminated";
    EXPECT_EQ(vrxgArchiveLog(1, nullptr, ca), -1078);
    EXPECT_EQ(count_calls("vrxArchiveLog"), 3u);
    EXPECT_TRUE(mem.unchanged_except());
}

}  // namespace
