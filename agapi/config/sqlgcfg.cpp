// Database configuration: get, get defaults, update and reset.
#include "config/db_config.h"
#include "frame/slots.h"
#include "vrxplatform/config.h"

using namespace vrx;
using namespace vrx::config;

namespace {
constexpr ScratchSite kUpdateSite{"sqlgcfg", 915};
constexpr Tag kUpdateTag = make_tag("sqlgudb");
}  // namespace

VRX_API int32_t VRX_STDCALL sqlgxdb(slot dbAliasLen, slot count, vrxConfigItem *items, sqlca *ca, char *dbAlias) {
    return get_config(sqlfxdb, dbAlias, widen16(dbAliasLen), widen16(count), items, ca, kAllDbTextTokens);
}

VRX_API int32_t VRX_STDCALL sqlgddb(slot dbAliasLen, slot count, vrxConfigItem *items, sqlca *ca, char *dbAlias) {
    return get_config(sqlfddb, dbAlias, widen16(dbAliasLen), widen16(count), items, ca, kAllDbTextTokens);
}

VRX_API int32_t VRX_STDCALL sqlgxdbc(slot /*ignored*/, slot dbAliasLen, slot count, vrxConfigItem *items, sqlca *ca,
                                     slot /*ignored*/, char *dbAlias) {
    return get_config(sqlfxdb, dbAlias, widen16(dbAliasLen), widen16(count), items, ca, kExtendedGetTextTokens);
}

// SQLCODE -83: a scratch request for the values' terminations refused
VRX_API int32_t VRX_STDCALL sqlgudb(slot dbAliasLen, slot count, uint16_t *valueLens, vrxConfigItem *items,
                                    sqlca *ca, char *dbAlias) {
    return update_config(dbAlias, widen16(dbAliasLen), widen16(count), valueLens, items, ca, kAllDbTextTokens,
                         kUpdateSite, kUpdateTag);
}

VRX_API int32_t VRX_STDCALL sqlgrdb(slot dbAliasLen, sqlca *ca, char *dbAlias) {
    return reset_config(dbAlias, widen16(dbAliasLen), ca);
}

VRX_API int32_t VRX_STDCALL sqlgrdbc(slot /*ignored*/, slot dbAliasLen, sqlca *ca, slot /*ignored*/, char *dbAlias) {
    return reset_config(dbAlias, widen16(dbAliasLen), ca);
}
