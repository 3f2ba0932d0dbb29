/* Core API: database configuration. */
#ifndef VRXPLATFORM_CONFIG_H
#define VRXPLATFORM_CONFIG_H

#include "vrxagapi/config.h"

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlfxdb(char *dbAlias, uint32_t count, struct vrxConfigItem *items,
                                        struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfddb(char *dbAlias, uint32_t count, struct vrxConfigItem *items,
                                        struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfudb(char *dbAlias, uint32_t count, struct vrxConfigItem *items,
                                        struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlfrdb(char *dbAlias, struct sqlca *ca);

VRX_END_DECLS

#endif
