/* Database lifecycle: create, drop, migrate, restart, activate and
 * deactivate databases; add and drop nodes, create and drop a database at
 * one node. */
#ifndef VRXAGAPI_CONTROL_H
#define VRXAGAPI_CONTROL_H

#include "vrxagapi/common.h"

/* Eye-catchers of the database descriptor: SQLGCREA terminates the fields
 * of a descriptor that carries the first, SQLGDBCR of one that carries the
 * second; any other descriptor reaches the core untouched. */
#define VRX_DB_DESCRIPTOR_CREA "SQLDBD02"
#define VRX_DB_DESCRIPTOR_DBCR "SQLDBDB0"

/* Database descriptor of the create-database entry points. The library
 * reads the eye-catcher and, for the call, terminates the comment and the
 * collating-sequence table after their last non-blank; everything else
 * passes through. The core API's descriptor may continue beyond these
 * 303 bytes; the library never reads further. */
struct vrxDbDescriptor {
    char eyeCatcher[8];
    int32_t passThrough[2];
    char collatingTable[256]; /* blank-padded */
    char comment[31];         /* at most 30 significant characters, blank-padded */
};

/* Code set and territory of a new database, blank-padded. */
struct vrxDbCodeSet {
    char codeSet[10];  /* at most 9 significant characters */
    char territory[6]; /* at most 5 significant characters */
};

/* Restart parameters of the versioned restart: four texts with their
 * lengths; a null pointer passes as null. */
struct vrxgDatabaseRestartStruct {
    uint32_t iDbAliasLen;
    uint32_t iUserNameLen;
    uint32_t iPasswordLen;
    uint32_t iTablespaceNamesLen;
    char *piDbAlias;
    char *piUserName;
    char *piPassword;
    char *piTablespaceNames;
};

VRX_STATIC_ASSERT(sizeof(struct vrxDbDescriptor) == 304, "descriptor: 303 bytes read, aligned to 304");
VRX_STATIC_ASSERT(sizeof(struct vrxDbCodeSet) == 16, "code-set record is 16 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxDbDescriptor, passThrough) == 8, "passThrough");
VRX_STATIC_ASSERT(offsetof(vrxDbDescriptor, collatingTable) == 16, "collatingTable");
VRX_STATIC_ASSERT(offsetof(vrxDbDescriptor, comment) == 272, "comment");
VRX_STATIC_ASSERT(offsetof(vrxDbCodeSet, territory) == 10, "territory");
#endif
#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgDatabaseRestartStruct) == 32, "restart record is 32 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgDatabaseRestartStruct, iTablespaceNamesLen) == 12, "iTablespaceNamesLen");
VRX_STATIC_ASSERT(offsetof(vrxgDatabaseRestartStruct, piDbAlias) == 16, "piDbAlias");
VRX_STATIC_ASSERT(offsetof(vrxgDatabaseRestartStruct, piTablespaceNames) == 28, "piTablespaceNames");
#  endif
#endif

VRX_BEGIN_DECLS

VRX_API int32_t VRX_STDCALL sqlgcrea(vrx_slot pathLen, vrx_slot dbAliasLen, vrx_slot dbNameLen, struct sqlca *ca,
                                     vrx_slot reserved1, vrx_slot reserved2, struct vrxDbCodeSet *codeSet,
                                     struct vrxDbDescriptor *descriptor, char *path, char *dbAlias, char *dbName);
VRX_API int32_t VRX_STDCALL sqlgdbcr(vrx_slot pathLen, vrx_slot dbNameLen, struct sqlca *ca,
                                     struct vrxDbCodeSet *codeSet,
                                     vrx_slot option, ///< creation option
                                     struct vrxDbDescriptor *descriptor, char *path, char *dbName);
VRX_API int32_t VRX_STDCALL sqlgdrpd(vrx_slot reserved1, vrx_slot dbAliasLen, struct sqlca *ca, void *reserved2,
                                     char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgmgdb(vrx_slot passwordLen, vrx_slot userNameLen, vrx_slot dbAliasLen,
                                     struct sqlca *ca, char *password, char *userName, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgrstd(vrx_slot passwordLen, vrx_slot userNameLen, vrx_slot dbAliasLen,
                                     struct sqlca *ca, char *password, char *userName, char *dbAlias);
VRX_API int32_t VRX_STDCALL vrxgDatabaseRestart(uint32_t version, struct vrxgDatabaseRestartStruct *params,
                                                struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlg_activate_db(vrx_slot dbAliasLen, vrx_slot userNameLen, vrx_slot passwordLen,
                                             char *dbAlias, char *userName, char *password, vrx_slot reserved,
                                             struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlg_deactivate_db(vrx_slot dbAliasLen, vrx_slot userNameLen, vrx_slot passwordLen,
                                               char *dbAlias, char *userName, char *password, vrx_slot reserved,
                                               struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgaddn(vrx_slot reserved, struct sqlca *ca,
                                     void *options); ///< node options record, handed to the core
VRX_API int32_t VRX_STDCALL sqlgcran(vrx_slot reserved1, vrx_slot dbNameLen, struct sqlca *ca, void *reserved2,
                                     char *dbName);
VRX_API int32_t VRX_STDCALL sqlgdpan(vrx_slot reserved1, vrx_slot dbAliasLen, struct sqlca *ca, void *reserved2,
                                     char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgdrpn(vrx_slot reserved, struct sqlca *ca,
                                     void *params, ///< parameters, handed to the core
                                     vrx_slot action); ///< action code

VRX_END_DECLS

#endif
