/* Core API: database, node and host database directories, registration and
 * the alternate server. */
#ifndef VRXPLATFORM_DIRECTORY_H
#define VRXPLATFORM_DIRECTORY_H

#include "vrxagapi/directory.h"

/* Kinds of directory entry. */
enum {
    VRX_DB_INDIRECT = 'I', /* a database of this instance */
    VRX_DB_REMOTE = 'R'    /* a database reached through a catalogued node */
};

/* One directory entry as the core API provides it during a scan. Texts are
 * fixed-width and blank-padded, without terminator, so that callers read
 * them in place. The entry stays valid until its scan is closed. */
struct vrxDbDirEntry {
    char alias[8];
    char dbName[8];
    char nodeName[8]; /* remote entries */
    char comment[30];
    uint8_t type;     /* VRX_DB_INDIRECT or VRX_DB_REMOTE */
    uint8_t reserved;
    uint16_t authentication;
    char path[216];      /* where an indirect database lives */
    char principal[256]; /* server principal, for the authentication that needs one */
};

VRX_STATIC_ASSERT(sizeof(struct vrxDbDirEntry) == 530, "directory entry is 530 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxDbDirEntry, comment) == 24, "comment");
VRX_STATIC_ASSERT(offsetof(vrxDbDirEntry, type) == 54, "type");
VRX_STATIC_ASSERT(offsetof(vrxDbDirEntry, authentication) == 56, "authentication");
VRX_STATIC_ASSERT(offsetof(vrxDbDirEntry, path) == 58, "path");
VRX_STATIC_ASSERT(offsetof(vrxDbDirEntry, principal) == 274, "principal");
#endif

/* The records of the versioned scan as the core API takes them; the
 * library builds them on its stack from the caller's records. */
struct vrxDbDirOpenScanStruct {
    char *piPath;
    uint16_t oHandle;
    uint16_t oNumEntries;
};

struct vrxDbDirNextEntryStruct {
    uint16_t iHandle;
    uint16_t reserved;
    struct vrxDbDirEntry *poDbDirEntry;
};

struct vrxDbDirCloseScanStruct {
    uint16_t iHandle;
};

VRX_STATIC_ASSERT(sizeof(struct vrxDbDirCloseScanStruct) == 2, "core close-scan record is 2 bytes");
#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxDbDirOpenScanStruct) == 8, "core open-scan record is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxDbDirNextEntryStruct) == 8, "core next-entry record is 8 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxDbDirOpenScanStruct, oHandle) == 4, "oHandle");
VRX_STATIC_ASSERT(offsetof(vrxDbDirOpenScanStruct, oNumEntries) == 6, "oNumEntries");
VRX_STATIC_ASSERT(offsetof(vrxDbDirNextEntryStruct, poDbDirEntry) == 4, "poDbDirEntry");
#  endif
#endif

/* One node directory entry as the core API provides it during a scan:
 * fixed-width blank-padded texts without terminator. The host and service
 * names are those of a node of protocol 3, 9 or 10, blank for the others. */
struct vrxNodeDirEntry {
    char nodeName[8];
    char comment[30];
    uint8_t protocol;
    uint8_t reserved;
    char hostName[255];
    char serviceName[14];
    uint8_t reserved2;
};

VRX_STATIC_ASSERT(sizeof(struct vrxNodeDirEntry) == 310, "node directory entry is 310 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxNodeDirEntry, protocol) == 38, "protocol");
VRX_STATIC_ASSERT(offsetof(vrxNodeDirEntry, hostName) == 40, "hostName");
VRX_STATIC_ASSERT(offsetof(vrxNodeDirEntry, serviceName) == 295, "serviceName");
#endif

/* The alternate server as the core API takes it: the caller's three
 * texts, terminated for the call. */
struct vrxUpdateAltServerStruct {
    char *piDbAlias;
    char *piHostName;
    char *piPort;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxUpdateAltServerStruct) == 12, "core alternate-server record is 12 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxUpdateAltServerStruct, piHostName) == 4, "piHostName");
VRX_STATIC_ASSERT(offsetof(vrxUpdateAltServerStruct, piPort) == 8, "piPort");
#  endif
#endif

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlecadb_api(char *dbName, char *dbAlias, uint32_t type, char *nodeName, char *path,
                                             char *comment, uint32_t authentication, char *principal,
                                             struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqleuncd_api(char *dbAlias, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledcgd_api(char *dbAlias, char *path, char *comment, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledosd_api(char *path, uint16_t *handle, uint16_t *numEntries, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledgne_api(uint32_t handle, struct vrxDbDirEntry **entry, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxDbDirOpenScan(uint32_t version, struct vrxDbDirOpenScanStruct *params,
                                                 struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxDbDirGetNextEntry(uint32_t version, struct vrxDbDirNextEntryStruct *params,
                                                     struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxDbDirCloseScan(uint32_t version, struct vrxDbDirCloseScanStruct *params,
                                                  struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqlectnd_api(struct vrxNodeRecord *node, void *protocol, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqleuncn_api(char *nodeName, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlenops_api(uint16_t *handle, uint16_t *numEntries, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlengne_api(uint32_t handle, struct vrxNodeDirEntry **entry, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlencls_api(uint32_t handle, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqlegdad_api(struct vrxHostDbEntry *entry, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlegdel_api(struct vrxHostDbEntry *entry, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlegdge_api(struct vrxHostDbEntry *entry, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlegdsc_api(int16_t *count, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlegdgt_api(int16_t *count, struct vrxHostDbEntry *entries, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlegdcl_api(struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlectdd_api(char *text5, char *text4, uint32_t value8, char *text3, char *text2,
                                             char *text1, uint32_t value16, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqleregs_api(uint32_t location, struct vrxRegistration *record, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledreg_api(uint32_t location, struct vrxRegistration *record, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxUpdateAlternateServerForDB(uint32_t version,
                                                              struct vrxUpdateAltServerStruct *params,
                                                              struct sqlca *ca);

VRX_END_DECLS

#endif
