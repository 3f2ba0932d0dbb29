// Restore, the shortest positional form: no text 4.
#include "frame/slots.h"
#include "recovery/restore.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {
constexpr PositionalSites kSites{
    {"sqlgrsto", 397}, make_tag("sqlgbkup"), {"sqlgrsto", 431}, make_tag("sqlgload"),
    {"sqlgrsto", 462}, make_tag("sqlgbkup"),
};
}  // namespace

VRX_API int32_t VRX_STDCALL sqlgrsto(slot sourceDbAliasLen, slot targetDbAliasLen, slot timestampLen,
                                     slot text3Len, slot userNameLen, slot passwordLen, slot /*ignored*/,
                                     char *sourceDbAlias, char *targetDbAlias, slot value3, slot value4,
                                     slot value5, slot value6, char *identifier, char *timestamp, char *text3,
                                     slot value10, vrxTablespaceList *tablespaces, vrxMediaList *media,
                                     char *userName, char *password, slot value15, slot value16, slot value17,
                                     slot value18, sqlca *ca) {
    const PositionalRestore args{
        sourceDbAlias, widen16(sourceDbAliasLen), targetDbAlias, widen16(targetDbAliasLen),
        text3,         widen16(text3Len),         nullptr,       0,
        userName,      widen16(userNameLen),      password,      widen16(passwordLen),
        identifier,    timestamp,                 widen16(timestampLen), tablespaces, media};
    return positional_restore(args, ca, kSites, [&](const RestoreTexts &t) {
        return sqlursto(t.sourceDbAlias, t.targetDbAlias, value3, value4, value5, value6, identifier, t.timestamp,
                        t.text3, value10, tablespaces, media, t.userName, t.password, value15, value16, value17,
                        value18, ca);
    });
}
