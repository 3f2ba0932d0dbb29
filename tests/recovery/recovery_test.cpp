// Backup: a media list the core retypes. (The conformance rows and their
// variants hold the argument mappings, versions, timestamps, lists and
// refused records of backup, log archiving and restore.)
#include "caller_lists.h"

using namespace vrxtest;

namespace {

class RecoveryTest : public PlatformTest {};

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

}  // namespace
