/* Core API: database directory. */
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

VRX_END_DECLS

#endif
