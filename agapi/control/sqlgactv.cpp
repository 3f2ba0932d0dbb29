// Activate and deactivate a database: alias, user name and password reach
// the core in the caller's order, with a null in the reserved place.
#include "frame/frame.h"
#include "frame/slots.h"
#include "frame/marshal.h"
#include "vrxplatform/control.h"

using namespace vrx;

namespace {

using CoreActivation = int32_t(VRX_STDCALL *)(char *, char *, char *, void *, sqlca *);

int32_t activation(CoreActivation core, char *dbAlias, uint32_t dbAliasLen, char *userName, uint32_t userNameLen,
                   char *password, uint32_t passwordLen, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *coreAlias = borrowed.terminate(dbAlias, dbAliasLen);
    char *coreUser = borrowed.terminate(userName, userNameLen);
    char *corePassword = borrowed.terminate(password, passwordLen);

    const int32_t result = core(coreAlias, coreUser, corePassword, nullptr, ca);

    borrowed.restore();
    return result;
}

}  // namespace

VRX_API int32_t VRX_STDCALL sqlg_activate_db(slot dbAliasLen, slot userNameLen, slot passwordLen, char *dbAlias,
                                             char *userName, char *password, slot /*reserved*/, sqlca *ca) {
    return activation(sqle_activate_db_api, dbAlias, widen16(dbAliasLen), userName, widen16(userNameLen), password,
                      widen16(passwordLen), ca);
}

VRX_API int32_t VRX_STDCALL sqlg_deactivate_db(slot dbAliasLen, slot userNameLen, slot passwordLen, char *dbAlias,
                                               char *userName, char *password, slot /*reserved*/, sqlca *ca) {
    return activation(sqle_deactivate_db_api, dbAlias, widen16(dbAliasLen), userName, widen16(userNameLen),
                      password, widen16(passwordLen), ca);
}
