// Backup, log archiving and restore: the positional forms' lists and the
// versioned forms' missing and refused records. (The conformance rows and
// their variants hold the argument mappings, versions and timestamps.)
#include "caller_lists.h"

using namespace vrxtest;

namespace {

class RecoveryTest : public PlatformTest {};

// The texts of a core list, each after a blank.
std::string listed(char *const *texts, std::uint32_t count) {
    std::string out;
    for (const std::string &t : core_texts(texts, count)) out += " " + t;
    return out;
}

// A positional form with its lists, the lines of its requests (table
// spaces, 'L' list, 'O' list) and the tags they fail with.
const struct ListForm {
    const char *core, *site;
    std::uint32_t lines[3];
    const char *tags[3];
    std::int32_t (*call)(vrxTablespaceList *, vrxMediaList *, sqlca *);
} kListForms[] = {
    {"sqlubkp", "sqlgbkp", {126, 160, 191}, {"sqlgbkp", "sqlgbkp", "sqlgbkp"}, [](auto *t, auto *m, sqlca *ca) {
         return sqlgbkp(0, 0, 0, 0, nullptr, 0, 0, 0, 0, nullptr, nullptr, 0, t, m, nullptr, nullptr, 0, 0, 0, 0, 0,
                        0, 0, ca);
     }},
    {"sqlubkup", "sqlgbkup", {357, 391, 422}, {"sqlgbkup", "sqlgload", "sqlgbkup"}, [](auto *t, auto *m, sqlca *ca) {
         return sqlgbkup(0, 0, 0, 0, nullptr, 0, 0, 0, 0, nullptr, nullptr, 0, t, m, nullptr, nullptr, 0, 0, 0, 0, ca);
     }},
    {"sqlurestore", "sqlgrestore", {240, 274, 305}, {"sqlgbkup", "sqlgload", "sqlgbkup"},
     [](auto *t, auto *m, sqlca *ca) {
         return sqlgrestore(0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, 0,
                            nullptr, t, m, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, ca);
     }},
    {"sqlurst", "sqlgrst", {237, 271, 302}, {"sqlgbkup", "sqlgload", "sqlgbkup"}, [](auto *t, auto *m, sqlca *ca) {
         return sqlgrst(0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, 0, t, m,
                        nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, ca);
     }},
    {"sqlursto", "sqlgrsto", {397, 431, 462}, {"sqlgbkup", "sqlgload", "sqlgbkup"}, [](auto *t, auto *m, sqlca *ca) {
         return sqlgrsto(0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, 0, 0, 0, nullptr, nullptr, nullptr, 0, t, m, nullptr,
                         nullptr, 0, 0, 0, 0, ca);
     }},
};

// 'L' terminates every path, 'O' the first entry, other types nothing; a
// negative count, a refused list record or entry array leave a list alone;
// a refused text is skipped, unless it is the last, whose check ends the call.
TEST_F(RecoveryTest, PositionalFormsTerminateTheirListsInTheCallersStorage) {
    const std::vector<std::string> names = {"USERSPACE1", "", "TS3"}, paths = {"/one", "/two", "/three"};
    using Flags = std::vector<bool>;
    const Flags all(3, true), none(3, false), notFirst = {false, true, true};
    const struct {
        char type;
        int list;     // 0 table spaces, 1 media (-1: both counts negative)
        int refused;  // -2 nothing, -1 the list record, 3 its entries, else its text
        Flags names, paths;  // terminated while the core runs (the core not called: empty)
        std::vector<std::pair<int, std::uint32_t>> requests;  // (line, bytes)
    } cases[] = {
        {'L', 0, -2, all, all, {{0, 24}, {1, 24}}},     {'O', 0, -2, all, {1, 0, 0}, {{0, 24}, {2, 8}}},
        {'S', 0, -2, all, none, {{0, 24}}},             {'L', -1, -2, none, none, {}},
        {'L', 0, -1, none, all, {{1, 24}}},             {'L', 0, 3, none, all, {{1, 24}}},
        {'L', 0, 0, notFirst, all, {{0, 24}, {1, 24}}}, {'L', 0, 2, {}, {}, {{0, 24}}},
        {'L', 1, -1, all, none, {{0, 24}}},             {'L', 1, 3, all, none, {{0, 24}}},
        {'L', 1, 0, all, notFirst, {{0, 24}, {1, 24}}}, {'L', 1, 2, {}, {}, {{0, 24}, {1, 24}}},
    };
    for (const ListForm &form : kListForms) {
        for (const auto &k : cases) {
            SCOPED_TRACE(std::string(form.site) + " " + k.type + std::to_string(k.list) + std::to_string(k.refused));
            vrxstub_reset();
            CallerStorage mem;
            auto t = tablespace_list(mem, names);
            auto m = media_list(mem, k.type, paths);
            if (k.list < 0) t.list->count = m.list->entryCount = -1;
            const void *regions[2][5] = {{t.texts[0], t.texts[1], t.texts[2], t.list->entries, t.list},
                                         {m.texts[0], m.texts[1], m.texts[2], m.list->entries, m.list}};
            vrxstub_set_ptr_check(k.refused != -2);
            if (k.refused != -2) vrxstub_refuse_region(regions[k.list][k.refused < 0 ? 4 : k.refused], 0, 3);
            sqlca *ca = mem.ca();
            mem.snapshot();
            Flags seen[2];
            const CoreHook::Need need = k.names.empty() ? CoreHook::mayNotRun : CoreHook::mustRun;
            CoreHook hook(form.core, need, [&](const vrxstub_call &) {
                std::tie(seen[0], seen[1]) = std::make_pair(terminated(t.texts, names), terminated(m.texts, paths));
                return 0;
            });
            EXPECT_EQ(form.call(t.list, m.list, ca), k.names.empty() ? 1 : 0);
            EXPECT_EQ(seen[0], k.names);
            EXPECT_EQ(seen[1], k.paths);
            EXPECT_TRUE(mem.unchanged_except());
            std::vector<std::pair<std::uint32_t, std::uint32_t>> requests, expected;
            for (std::size_t i = 0; i < vrxstub_scratch_request_count(); ++i)
                requests.emplace_back(vrxstub_scratch_request_at(i)->line, vrxstub_scratch_request_at(i)->size);
            for (const auto &[line, bytes] : k.requests) expected.emplace_back(form.lines[line], bytes);
            EXPECT_EQ(requests, expected);
        }
        for (int type : {1, 2}) {  // a failed request of either media list, with its tag
            vrxstub_reset();
            CallerStorage mem;
            sqlca *ca = mem.ca();
            vrxstub_fail_scratch_at(1);
            EXPECT_EQ(form.call(nullptr, media_list(mem, type == 1 ? 'L' : 'O', {"/x"}).list, ca), -83);
            EXPECT_TRUE(reports_no_memory(*ca, form.tags[type]));
            EXPECT_EQ(vrxstub_scratch_request_at(0)->line, form.lines[type]);
        }
    }
}

// A media list whose type the core rewrote no longer has the layout its
// bytes were saved under: nothing is written back into it (its terminator
// stays as the core left it), and its saved-byte array is still released.
TEST_F(RecoveryTest, MediaListRetypedByTheCoreIsNotWrittenBack) {
    CallerStorage mem;
    Caller<vrxMediaList> media = media_list(mem, VRX_MEDIA_LOCAL, {"/backups"});
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook(kListForms[0].core, [&](const vrxstub_call &) {
        media.list->mediaType = VRX_MEDIA_SERVER;
        return 0;
    });
    EXPECT_EQ(kListForms[0].call(nullptr, media.list, ca), 0);
    EXPECT_EQ(media.texts[0][8], '\0');
    EXPECT_TRUE(mem.unchanged_except({{media.list, 1}, {media.texts[0] + 8, 1}, {ca, sizeof(sqlca)}}));
}

// A missing record is reported as a memory failure; a refused list record
// leaves the core an empty list; a refused terminator of a list's last text
// ends the call. The archive log passes a null record on.
TEST_F(RecoveryTest, VersionedFormsActOnMissingAndRefusedRecords) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    EXPECT_EQ(vrxgBackup(1, nullptr, ca), -83);
    EXPECT_TRUE(reports_no_memory(*ca, "vrxgBack"));
    EXPECT_EQ(vrxgRestore(1, nullptr, ca), -83);
    EXPECT_TRUE(reports_no_memory(*ca, "vrxgRest"));

    vrxstub_reset();
    vrxstub_set_ptr_check(1);
    auto *backup = mem.place(vrxgBackupStruct{});
    backup->piTablespaceList = text_list(mem, {"TS1"}).list;
    auto media = versioned_media_list(mem, 'L', {"/a", "/b"});
    backup->piMediaList = media.list;
    vrxstub_refuse_region(backup->piTablespaceList, 0, 3);
    std::string seen = "not called";
    CoreHook hook("vrxBackup", [&](const vrxstub_call &call) {
        const vrxNameList *names = arg<vrxBackupStruct *>(call, 1)->tablespaces;
        return seen = names != nullptr ? listed(names->names, names->count) : "no list", 0;
    });
    EXPECT_EQ(vrxgBackup(1, backup, ca), 0);
    EXPECT_EQ(seen, "");
    vrxstub_refuse_region(media.texts[1], 3, 3);
    EXPECT_EQ(vrxgBackup(1, backup, ca), 1);
    EXPECT_EQ(count_calls("vrxBackup"), 1u);
    CoreHook archive("vrxArchiveLog", [](const vrxstub_call &c) { return arg<void *>(c, 1) == nullptr ? -1078 : 0; });
    EXPECT_EQ(vrxgArchiveLog(1, nullptr, ca), -1078);
}

}  // namespace
