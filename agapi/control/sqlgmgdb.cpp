// Migrate and restart a database: the caller gives password, user name and
// alias; the core takes them the other way round, and they are terminated
// in the core's order.
#include "frame/frame.h"
#include "frame/slots.h"
#include "frame/marshal.h"
#include "vrxplatform/control.h"

using namespace vrx;

namespace {

using CoreAliasUserPassword = int32_t(VRX_STDCALL *)(char *, char *, char *, sqlca *);

int32_t reversed_texts(CoreAliasUserPassword core, char *password, uint32_t passwordLen, char *userName,
                       uint32_t userNameLen, char *dbAlias, uint32_t dbAliasLen, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *coreAlias = borrowed.terminate(dbAlias, dbAliasLen);
    char *coreUser = borrowed.terminate(userName, userNameLen);
    char *corePassword = borrowed.terminate(password, passwordLen);

    const int32_t result = core(coreAlias, coreUser, corePassword, ca);

    borrowed.restore();
    return result;
}

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgmgdb(slot passwordLen, slot userNameLen, slot dbAliasLen, sqlca *ca,
                                     char *password, char *userName, char *dbAlias) {
    return reversed_texts(sqlemgdb_api, password, widen16(passwordLen), userName, widen16(userNameLen), dbAlias,
                          widen16(dbAliasLen), ca);
}

VRX_API int32_t VRX_STDCALL sqlgrstd(slot passwordLen, slot userNameLen, slot dbAliasLen, sqlca *ca,
                                     char *password, char *userName, char *dbAlias) {
    return reversed_texts(sqlerstd_api, password, widen16(passwordLen), userName, widen16(userNameLen), dbAlias,
                          widen16(dbAliasLen), ca);
}
