/* Configuration: the database's and the instance's, read, updated and reset
 * by token list; and the versioned get and set, whose values are all texts. */
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

/* Versioned get and set: one parameter, with its own value buffer and the
 * length of the value in it. The library terminates every value for the
 * call, whatever its token. */
struct vrxgCfgItem {
    int32_t iToken;
    uint32_t iValueLen;
    char *pioValue;
    uint32_t iFlags;
};

/* Versioned get and set: the parameters, and the database they belong to
 * (a null name: the instance). */
struct vrxgCfgStruct {
    uint32_t iNumItems;
    struct vrxgCfgItem *piItems;
    uint32_t iFlags;
    uint32_t iDbNameLen;
    char *piDbName;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgCfgItem) == 16, "versioned configuration item is 16 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgCfgStruct) == 20, "versioned configuration record is 20 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgCfgItem, iValueLen) == 4, "iValueLen");
VRX_STATIC_ASSERT(offsetof(vrxgCfgItem, pioValue) == 8, "pioValue");
VRX_STATIC_ASSERT(offsetof(vrxgCfgItem, iFlags) == 12, "iFlags");
VRX_STATIC_ASSERT(offsetof(vrxgCfgStruct, piItems) == 4, "piItems");
VRX_STATIC_ASSERT(offsetof(vrxgCfgStruct, iFlags) == 8, "iFlags");
VRX_STATIC_ASSERT(offsetof(vrxgCfgStruct, iDbNameLen) == 12, "iDbNameLen");
VRX_STATIC_ASSERT(offsetof(vrxgCfgStruct, piDbName) == 16, "piDbName");
#  endif
#endif

VRX_BEGIN_DECLS

VRX_API int32_t VRX_STDCALL sqlgxdb(vrx_slot dbAliasLen,
                                    vrx_slot count, ///< number of entries in `items`
                                    struct vrxConfigItem *items, ///< configuration items, `count` of them
                                    struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgddb(vrx_slot dbAliasLen,
                                    vrx_slot count, ///< number of entries in `items`
                                    struct vrxConfigItem *items, ///< configuration items, `count` of them
                                    struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgxdbc(vrx_slot ignored1, vrx_slot dbAliasLen,
                                     vrx_slot count, ///< number of entries in `items`
                                     struct vrxConfigItem *items, ///< configuration items, `count` of them
                                     struct sqlca *ca, vrx_slot ignored2, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgudb(vrx_slot dbAliasLen,
                                    vrx_slot count, ///< number of entries in `items`
                                    uint16_t *valueLens, ///< length of each item's text value, `count` of them
                                    struct vrxConfigItem *items, ///< configuration items, `count` of them
                                    struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgeudb(vrx_slot ignored1, vrx_slot dbAliasLen,
                                     vrx_slot count, ///< number of entries in `items`
                                     uint16_t *valueLens, ///< length of each item's text value, `count` of them
                                     struct vrxConfigItem *items, ///< configuration items, `count` of them
                                     struct sqlca *ca, vrx_slot ignored2, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgrdb(vrx_slot dbAliasLen, struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgrdbc(vrx_slot ignored1, vrx_slot dbAliasLen, struct sqlca *ca,
                                     vrx_slot ignored2, char *dbAlias);

/* Instance configuration */
VRX_API int32_t VRX_STDCALL sqlgxsys(vrx_slot count, ///< number of entries in `items`
                                     struct vrxConfigItem *items, ///< configuration items, `count` of them
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgdsys(vrx_slot count, ///< number of entries in `items`
                                     struct vrxConfigItem *items, ///< configuration items, `count` of them
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgusys(vrx_slot count, ///< number of entries in `items`
                                     uint16_t *valueLens, ///< length of each item's text value, `count` of them
                                     struct vrxConfigItem *items, ///< configuration items, `count` of them
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgrsys(struct sqlca *ca);

/* Versioned configuration */
VRX_API int32_t VRX_STDCALL vrxgCfgGet(uint32_t version, struct vrxgCfgStruct *params, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgCfgSet(uint32_t version, struct vrxgCfgStruct *params, struct sqlca *ca);

VRX_END_DECLS

#endif
