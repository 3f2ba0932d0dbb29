/* Core API: database lifecycle. */
#ifndef VRXPLATFORM_CONTROL_H
#define VRXPLATFORM_CONTROL_H

#include "vrxagapi/control.h"

/* The restart parameters as the core API takes them: the caller's four
 * texts, terminated for the call. */
struct vrxDatabaseRestartStruct {
    char *piDbAlias;
    char *piUserName;
    char *piPassword;
    char *piTablespaceNames;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxDatabaseRestartStruct) == 16, "core restart record is 16 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxDatabaseRestartStruct, piTablespaceNames) == 12, "piTablespaceNames");
#  endif
#endif

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlecrea_api(char *dbName, char *dbAlias, char *path,
                                             struct vrxDbDescriptor *descriptor, struct vrxDbCodeSet *codeSet,
                                             uint32_t reserved1, void *reserved2, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledbcr_api(char *dbName, char *path, struct vrxDbDescriptor *descriptor,
                                             uint32_t option, struct vrxDbCodeSet *codeSet, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledrpd_api(char *dbAlias, void *reserved, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlemgdb_api(char *dbAlias, char *userName, char *password, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlerstd_api(char *dbAlias, char *userName, char *password, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxDatabaseRestart(uint32_t version, struct vrxDatabaseRestartStruct *params,
                                                   struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqle_activate_db_api(char *dbAlias, char *userName, char *password, void *reserved,
                                                     struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqle_deactivate_db_api(char *dbAlias, char *userName, char *password,
                                                       void *reserved, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqleaddn_api(void *options, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlecran_api(char *dbName, void *reserved, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledpan_api(char *dbAlias, void *reserved, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledrpn_api(uint32_t action, void *params, struct sqlca *ca);

VRX_END_DECLS

#endif
