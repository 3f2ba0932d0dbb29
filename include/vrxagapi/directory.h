/* Database directory: catalogue, uncatalogue, change a comment, and scan the
 * directory entry by entry in the positional and the versioned form. */
#ifndef VRXAGAPI_DIRECTORY_H
#define VRXAGAPI_DIRECTORY_H

#include "vrxagapi/common.h"

/* A directory entry belongs to the core API; the library only hands its
 * address to the caller. Its layout is declared with the core API. */
struct vrxDbDirEntry;

/* Open a scan: the caller's path (null: the system database directory),
 * and the scan handle and entry count the call returns. */
struct vrxgDbDirOpenScanStruct {
    uint32_t iPathLen;
    char *piPath;
    uint16_t oHandle;
    uint16_t oNumEntries;
};

/* Get the next entry of an open scan: the address of the entry comes back
 * in poDbDirEntry. */
struct vrxgDbDirNextEntryStruct {
    uint16_t iHandle;
    uint16_t reserved;
    struct vrxDbDirEntry *poDbDirEntry;
};

struct vrxgDbDirCloseScanStruct {
    uint16_t iHandle;
};

VRX_STATIC_ASSERT(sizeof(struct vrxgDbDirCloseScanStruct) == 2, "close-scan record is 2 bytes");
#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgDbDirOpenScanStruct) == 12, "open-scan record is 12 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgDbDirNextEntryStruct) == 8, "next-entry record is 8 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgDbDirOpenScanStruct, piPath) == 4, "piPath");
VRX_STATIC_ASSERT(offsetof(vrxgDbDirOpenScanStruct, oHandle) == 8, "oHandle");
VRX_STATIC_ASSERT(offsetof(vrxgDbDirOpenScanStruct, oNumEntries) == 10, "oNumEntries");
VRX_STATIC_ASSERT(offsetof(vrxgDbDirNextEntryStruct, poDbDirEntry) == 4, "poDbDirEntry");
#  endif
#endif

VRX_BEGIN_DECLS

VRX_API int32_t VRX_STDCALL sqlgcadb(vrx_slot principalLen, vrx_slot commentLen, vrx_slot pathLen,
                                     vrx_slot nodeNameLen, vrx_slot dbAliasLen, vrx_slot dbNameLen,
                                     struct sqlca *ca, char *principal, vrx_slot authentication, char *comment,
                                     char *path, char *nodeName, vrx_slot type, char *dbAlias, char *dbName);
VRX_API int32_t VRX_STDCALL sqlguncd(vrx_slot dbAliasLen, struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgdcgd(vrx_slot commentLen, vrx_slot pathLen, vrx_slot dbAliasLen, struct sqlca *ca,
                                     char *comment, char *path, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgdosd(vrx_slot pathLen, struct sqlca *ca, uint16_t *numEntries, uint16_t *handle,
                                     char *path);
VRX_API int32_t VRX_STDCALL sqlgdgne(vrx_slot handle, struct vrxDbDirEntry **entry, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgdcls(vrx_slot handle, struct sqlca *ca);

VRX_API int32_t VRX_STDCALL vrxgDbDirOpenScan(uint32_t version, struct vrxgDbDirOpenScanStruct *params,
                                              struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgDbDirGetNextEntry(uint32_t version, struct vrxgDbDirNextEntryStruct *params,
                                                  struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgDbDirCloseScan(uint32_t version, struct vrxgDbDirCloseScanStruct *params,
                                               struct sqlca *ca);

VRX_END_DECLS

#endif
