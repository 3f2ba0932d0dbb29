// Restore, the shorter positional form: no text 4, and three arguments
// that never reach the core.
#include "frame/slots.h"
#include "recovery/restore.h"

using namespace vrx;
using namespace vrx::recovery;

namespace {
constexpr PositionalSites kSites{
    {"sqlgrst", 237}, make_tag("sqlgbkup"), {"sqlgrst", 271}, make_tag("sqlgload"),
    {"sqlgrst", 302}, make_tag("sqlgbkup"),
};
}  // namespace

VRX_API int32_t VRX_STDCALL sqlgrst(slot sourceDbAliasLen, slot targetDbAliasLen, slot timestampLen, slot text3Len,
                                    slot userNameLen, slot passwordLen, slot /*ignored*/, char *sourceDbAlias,
                                    char *targetDbAlias, slot value3, slot value4, slot value5, slot value6,
                                    slot value7, char *identifier, char *timestamp, char *text3, slot value11,
                                    vrxTablespaceList *tablespaces, vrxMediaList *media, char *userName,
                                    char *password, slot value16, slot value19, slot /*ignored*/, slot value20,
                                    slot /*ignored*/, slot value21, slot value17, slot value18, slot value22,
                                    sqlca *ca) {
    const PositionalRestore args{
        sourceDbAlias, widen16(sourceDbAliasLen), targetDbAlias, widen16(targetDbAliasLen),
        text3,         widen16(text3Len),         nullptr,       0,
        userName,      widen16(userNameLen),      password,      widen16(passwordLen),
        identifier,    timestamp,                 widen16(timestampLen), tablespaces, media};
    return positional_restore(args, ca, kSites, [&](const RestoreTexts &t) {
        return sqlurst(t.sourceDbAlias, t.targetDbAlias, value3, value4, value5, value6, value7, identifier,
                       t.timestamp, t.text3, value11, tablespaces, media, t.userName, t.password, value16, value17,
                       value18, value19, value20, value21, value22, ca);
    });
}
