// Backup, log archiving and restore: a media list the core retypes, and the
// versioned forms' missing and refused records. (The conformance rows and
// their variants hold the argument mappings, versions, timestamps and the
// positional forms' lists.)
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

// A media list whose type the core rewrote no longer has the layout its
// bytes were saved under: nothing is written back into it (its terminator
// stays as the core left it), and its saved-byte array is still released.
TEST_F(RecoveryTest, MediaListRetypedByTheCoreIsNotWrittenBack) {
    CallerStorage mem;
    Caller<vrxMediaList> media = media_list(mem, VRX_MEDIA_LOCAL, {"/backups"});
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook("sqlubkp", [&](const vrxstub_call &) {
        media.list->mediaType = VRX_MEDIA_SERVER;
        return 0;
    });
    EXPECT_EQ(sqlgbkp(0, 0, 0, 0, nullptr, 0, 0, 0, 0, nullptr, nullptr, 0, nullptr, media.list, nullptr, nullptr, 0,
                      0, 0, 0, 0, 0, 0, ca),
              0);
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
