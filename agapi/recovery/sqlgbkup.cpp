// Backup, the positional form with four trailing values. Its 'L' media
// list failures carry the tag of the load family.
#include "frame/slots.h"
#include "recovery/backup.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {
constexpr PositionalSites kSites{
    {"sqlgbkup", 357}, make_tag("sqlgbkup"), {"sqlgbkup", 391}, make_tag("sqlgload"),
    {"sqlgbkup", 422}, make_tag("sqlgbkup"),
};
}  // namespace

VRX_API int32_t VRX_STDCALL sqlgbkup(slot dbAliasLen, slot userNameLen, slot passwordLen, slot /*ignored*/,
                                     char *dbAlias, slot value2, slot value3, slot value4, slot value5,
                                     char *identifier, char *timestamp, slot value8,
                                     vrxTablespaceList *tablespaces, vrxMediaList *media, char *userName,
                                     char *password, slot value13, slot value14, slot value15, slot value16,
                                     sqlca *ca) {
    const PositionalBackup args{dbAlias,  widen16(dbAliasLen), userName,   widen16(userNameLen), password,
                                widen16(passwordLen), identifier, timestamp, tablespaces, media};
    return positional_backup(args, ca, kSites, [&](const BackupTexts &texts) {
        return sqlubkup(texts.dbAlias, value2, value3, value4, value5, identifier, timestamp, value8, tablespaces,
                        media, texts.userName, texts.password, value13, value14, value15, value16, ca);
    });
}
