// Drop a database, and create or drop a database at one node: one text,
// terminated in place, and one value passed through unchanged.
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/control.h"

using namespace vrx;

namespace {

using CoreOneDatabase = int32_t(VRX_STDCALL *)(char *, void *, sqlca *);

int32_t one_database(CoreOneDatabase core, char *name, uint32_t nameLen, void *value, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const int32_t result = core(borrowed.terminate(name, nameLen), value, ca);

    borrowed.restore();
    return result;
}

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgdrpd(slot /*reserved*/, slot dbAliasLen, sqlca *ca, void *reserved,
                                     char *dbAlias) {
    return one_database(sqledrpd_api, dbAlias, widen16(dbAliasLen), reserved, ca);
}

VRX_API int32_t VRX_STDCALL sqlgcran(slot /*reserved*/, slot dbNameLen, sqlca *ca, void *reserved, char *dbName) {
    return one_database(sqlecran_api, dbName, widen16(dbNameLen), reserved, ca);
}

VRX_API int32_t VRX_STDCALL sqlgdpan(slot /*reserved*/, slot dbAliasLen, sqlca *ca, void *reserved,
                                     char *dbAlias) {
    return one_database(sqledpan_api, dbAlias, widen16(dbAliasLen), reserved, ca);
}
