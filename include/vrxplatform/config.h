/* Core API: database, instance and versioned configuration. */
#ifndef VRXPLATFORM_CONFIG_H
#define VRXPLATFORM_CONFIG_H

#include "vrxagapi/config.h"

/* The versioned records as the core API takes them; the library builds
 * them on its stack from the caller's records. */
struct vrxCfgItem {
    int32_t iToken;
    char *pioValue; /* the caller's buffer, terminated for the call */
    uint32_t iFlags;
};

struct vrxCfgStruct {
    uint32_t iNumItems;
    struct vrxCfgItem *piItems;
    uint32_t iFlags;
    char *piDbName;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxCfgItem) == 12, "core configuration item is 12 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxCfgStruct) == 16, "core configuration record is 16 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxCfgItem, pioValue) == 4, "pioValue");
VRX_STATIC_ASSERT(offsetof(vrxCfgItem, iFlags) == 8, "iFlags");
VRX_STATIC_ASSERT(offsetof(vrxCfgStruct, piItems) == 4, "piItems");
VRX_STATIC_ASSERT(offsetof(vrxCfgStruct, iFlags) == 8, "iFlags");
VRX_STATIC_ASSERT(offsetof(vrxCfgStruct, piDbName) == 12, "piDbName");
#  endif
#endif

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlfxdb(char *dbAlias, uint32_t count, struct vrxConfigItem *items,
                                        struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfddb(char *dbAlias, uint32_t count, struct vrxConfigItem *items,
                                        struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfudb(char *dbAlias, uint32_t count, struct vrxConfigItem *items,
                                        struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfrdb(char *dbAlias, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqlfxsys(uint32_t count, struct vrxConfigItem *items, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfdsys(uint32_t count, struct vrxConfigItem *items, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfusys(uint32_t count, struct vrxConfigItem *items, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfrsys(struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxCfgGet(uint32_t version, struct vrxCfgStruct *params, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxCfgSet(uint32_t version, struct vrxCfgStruct *params, struct sqlca *ca);

VRX_END_DECLS

#endif
