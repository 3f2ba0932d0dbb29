// Database directory: catalogue and uncatalogue a database, change the
// comment of its entry. Every text is terminated in place in the order of
// the caller's arguments and put back in the reverse order.
#include "frame/frame.h"
#include "frame/slots.h"
#include "frame/marshal.h"
#include "vrxplatform/directory.h"

using namespace vrx;

VRX_API int32_t VRX_STDCALL sqlgcadb(slot principalLen, slot commentLen, slot pathLen, slot nodeNameLen,
                                     slot dbAliasLen, slot dbNameLen, sqlca *ca, char *principal,
                                     slot authentication, char *comment, char *path, char *nodeName, slot type,
                                     char *dbAlias, char *dbName) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *corePrincipal = borrowed.terminate(principal, widen16(principalLen));
    char *coreComment = borrowed.terminate(comment, widen16(commentLen));
    char *corePath = borrowed.terminate(path, widen16(pathLen));
    char *coreNodeName = borrowed.terminate(nodeName, widen16(nodeNameLen));
    char *coreAlias = borrowed.terminate(dbAlias, widen16(dbAliasLen));
    char *coreName = borrowed.terminate(dbName, widen16(dbNameLen));

    const int32_t result = sqlecadb_api(coreName, coreAlias, widen8(type), coreNodeName, corePath, coreComment,
                                        widen16(authentication), corePrincipal, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlguncd(slot dbAliasLen, sqlca *ca, char *dbAlias) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const int32_t result = sqleuncd_api(borrowed.terminate(dbAlias, widen16(dbAliasLen)), ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgdcgd(slot commentLen, slot pathLen, slot dbAliasLen, sqlca *ca, char *comment,
                                     char *path, char *dbAlias) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *coreComment = borrowed.terminate(comment, widen16(commentLen));
    char *corePath = borrowed.terminate(path, widen16(pathLen));
    char *coreAlias = borrowed.terminate(dbAlias, widen16(dbAliasLen));

    const int32_t result = sqledcgd_api(coreAlias, corePath, coreComment, ca);

    borrowed.restore();
    return result;
}
