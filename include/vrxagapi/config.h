/* Database configuration: read, update and reset by token list. */
#ifndef VRXAGAPI_CONFIG_H
#define VRXAGAPI_CONFIG_H

#include "vrxagapi/common.h"

/* One configuration item. The library hands the caller's array to the core
 * unchanged; for a string-valued token `value` is the caller's text (update)
 * or output field (get), otherwise a number the core reads or writes. */
struct vrxConfigItem {
    uint16_t token;
    uint16_t reserved;
    void *value;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxConfigItem) == 8, "configuration item is 8 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxConfigItem, value) == 4, "value");
#  endif
#endif

VRX_BEGIN_DECLS

VRX_API int32_t VRX_STDCALL sqlgxdb(vrx_slot dbAliasLen, vrx_slot count, struct vrxConfigItem *items,
                                    struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgddb(vrx_slot dbAliasLen, vrx_slot count, struct vrxConfigItem *items,
                                    struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgxdbc(vrx_slot ignored1, vrx_slot dbAliasLen, vrx_slot count,
                                     struct vrxConfigItem *items, struct sqlca *ca, vrx_slot ignored2,
                                     char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgudb(vrx_slot dbAliasLen, vrx_slot count, uint16_t *valueLens,
                                    struct vrxConfigItem *items, struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgeudb(vrx_slot ignored1, vrx_slot dbAliasLen, vrx_slot count,
                                     uint16_t *valueLens, struct vrxConfigItem *items, struct sqlca *ca,
                                     vrx_slot ignored2, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgrdb(vrx_slot dbAliasLen, struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgrdbc(vrx_slot ignored1, vrx_slot dbAliasLen, struct sqlca *ca,
                                     vrx_slot ignored2, char *dbAlias);

VRX_END_DECLS

#endif
