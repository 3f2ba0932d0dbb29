// Backup, the positional form with four trailing values. Its 'L' media
// list failures carry the tag of the load family.
#include "frame/marshal.h"
#include "frame/slots.h"
#include "recovery/backup.h"
#include "recovery/positional_lists.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {
constexpr PositionalSites kSites{
    {"sqlgbkup", 357}, make_tag("sqlgbkup"), {"sqlgbkup", 391}, make_tag("sqlgload"),
    {"sqlgbkup", 422}, make_tag("sqlgbkup"),
};
}  // namespace

// SQLCODE -83: a list's scratch request refused
VRX_API int32_t VRX_STDCALL sqlgbkup(slot dbAliasLen, slot userNameLen, slot passwordLen, slot /*ignored*/, char *dbAlias,
                                     slot value2, slot value3, slot value4, slot value5, char *identifier,
                                     char *timestamp, slot value8, vrxTablespaceList *tablespaces,
                                     vrxMediaList *media, char *userName, char *password, slot value13, slot value14,
                                     slot value15, slot value16, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    PositionalLists lists;
    Borrowed borrowed;
    int32_t result = lists.terminate(tablespaces, media, ca, kSites, borrowed);
    if (result == 0) {
        char *text1 = borrowed.terminate(dbAlias, widen16(dbAliasLen));
        char *text2 = borrowed.terminate(userName, widen16(userNameLen));
        char *text3 = borrowed.terminate(password, widen16(passwordLen));

        result = sqlubkup(text1, value2, value3, value4, value5, identifier, timestamp, value8, tablespaces,
                          media, text2, text3, value13, value14, value15, value16, ca);

        blank_fill(timestamp, kTimestampWidth);
        blank_fill(identifier, kIdentifierWidth);
    }
    borrowed.restore();
    lists.release();
    return result;
}
