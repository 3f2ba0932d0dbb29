// Database configuration update, extended argument list: only the values of
// token 20 are terminated.
#include "config/db_config.h"
#include "frame/slots.h"

using namespace vrx;
using namespace vrx::config;

namespace {
constexpr ScratchSite kUpdateSite{"sqlgeudb", 340};
constexpr Tag kUpdateTag = make_tag("sqlgeudb");
}  // namespace

// SQLCODE -83: a scratch request for the values' terminations refused
VRX_API int32_t VRX_STDCALL sqlgeudb(slot /*ignored*/, slot dbAliasLen, slot count, uint16_t *valueLens,
                                     vrxConfigItem *items, sqlca *ca, slot /*ignored*/, char *dbAlias) {
    return update_config(dbAlias, widen16(dbAliasLen), widen16(count), valueLens, items, ca,
                         kExtendedUpdateTextTokens, kUpdateSite, kUpdateTag);
}
