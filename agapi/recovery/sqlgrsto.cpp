// Restore, the shortest positional form: no text 4.
#include "frame/marshal.h"
#include "frame/slots.h"
#include "recovery/backup.h"
#include "recovery/positional_lists.h"
#include "recovery/restore.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {
constexpr PositionalSites kSites{
    {"sqlgrsto", 397}, make_tag("sqlgbkup"), {"sqlgrsto", 431}, make_tag("sqlgload"),
    {"sqlgrsto", 462}, make_tag("sqlgbkup"),
};
}  // namespace

// SQLCODE -83: a list's scratch request refused
VRX_API int32_t VRX_STDCALL sqlgrsto(slot sourceDbAliasLen, slot targetDbAliasLen, slot timestampLen,
                                     slot text3Len, slot userNameLen, slot passwordLen, slot /*ignored*/,
                                     char *sourceDbAlias, char *targetDbAlias, slot value3, slot value4,
                                     slot value5, slot value6, char *identifier, char *timestamp, char *text3,
                                     slot value10, vrxTablespaceList *tablespaces, vrxMediaList *media,
                                     char *userName, char *password, slot value15, slot value16, slot value17,
                                     slot value18, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    PositionalLists lists;
    Borrowed borrowed;
    int32_t result = lists.terminate(tablespaces, media, ca, kSites, borrowed);
    if (result == 0) {
        char *text1 = borrowed.terminate(sourceDbAlias, widen16(sourceDbAliasLen));
        char *text2 = borrowed.terminate(targetDbAlias, widen16(targetDbAliasLen));
        char *coreText3 = borrowed.terminate(text3, widen16(text3Len));
        char *text5 = borrowed.terminate(userName, widen16(userNameLen));
        char *text6 = borrowed.terminate(password, widen16(passwordLen));
        char *coreTimestamp = terminate_timestamp(borrowed, timestamp, widen16(timestampLen));

        result = sqlursto(text1, text2, value3, value4, value5, value6, identifier, coreTimestamp, coreText3, value10,
                          tablespaces, media, text5, text6, value15, value16, value17, value18, ca);

        blank_fill(identifier, kIdentifierWidth);
        blank_fill(timestamp, kTimestampWidth);
    }
    borrowed.restore();
    lists.release();
    return result;
}
