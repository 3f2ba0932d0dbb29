/* Directories: the database directory (catalogue, uncatalogue, change a
 * comment, scan in the positional and the versioned form), the node
 * directory, the host database directory, server registration and the
 * alternate server of a database. */
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

/* --- Node directory --------------------------------------------------------- */

/* The structure identifier under which the library trims the node
 * record's texts. */
#define VRX_NODE_STRUCT_ID 0x200

/* A node to catalogue. Texts are blank-padded, with room for the
 * terminator in their last byte. The protocol code selects the layout of
 * the protocol record that goes with it. */
struct vrxNodeRecord {
    uint16_t structId;
    uint16_t reserved1;
    char comment[31];  /* at most 30 significant characters */
    char nodeName[9];  /* at most 8 */
    uint8_t protocol;
    uint8_t reserved2;
};

/* The protocol records, by protocol code. Every text is blank-padded and
 * holds at most its width less one characters; the bytes around the texts
 * are passed on unread. Codes 5, 6, 8 and above 10 have no record the
 * library knows: it passes theirs on unchecked. */
struct vrxNodeProtocol0 { /* code 0 */
    char name1[9];
    char name2[9];
    char name3[9];
};
struct vrxNodeProtocol1 { /* code 1 */
    uint8_t passThrough1[2];
    char name[9];
    uint8_t passThrough2;
};
struct vrxNodeProtocol2 { /* code 2 */
    char name1[9];
    char name2[9];
    char name3[9];
    char name4[9];
    uint8_t passThrough[90];
};
struct vrxNodeProtocolHost { /* codes 3, 9 and 10 */
    char hostName[256];
    char serviceName[15];
};
struct vrxNodeProtocol4 { /* code 4 */
    char name[9];
    uint8_t passThrough[3];
};
struct vrxNodeProtocol7 { /* code 7 */
    char name1[16];
    char name2[9];
};

/* A node directory entry belongs to the core API; a scan hands the caller
 * its address. Its layout is declared with the core API. */
struct vrxNodeDirEntry;

VRX_STATIC_ASSERT(sizeof(struct vrxNodeRecord) == 46, "node record is 46 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxNodeProtocol0) == 27, "protocol 0 record is 27 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxNodeProtocol1) == 12, "protocol 1 record is 12 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxNodeProtocol2) == 126, "protocol 2 record is 126 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxNodeProtocolHost) == 271, "protocol 3 record is 271 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxNodeProtocol4) == 12, "protocol 4 record is 12 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxNodeProtocol7) == 25, "protocol 7 record is 25 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxNodeRecord, comment) == 4, "comment");
VRX_STATIC_ASSERT(offsetof(vrxNodeRecord, nodeName) == 35, "nodeName");
VRX_STATIC_ASSERT(offsetof(vrxNodeRecord, protocol) == 44, "protocol");
VRX_STATIC_ASSERT(offsetof(vrxNodeProtocol0, name3) == 18, "name3");
VRX_STATIC_ASSERT(offsetof(vrxNodeProtocol1, name) == 2, "name");
VRX_STATIC_ASSERT(offsetof(vrxNodeProtocol2, name4) == 27, "name4");
VRX_STATIC_ASSERT(offsetof(vrxNodeProtocolHost, serviceName) == 256, "serviceName");
VRX_STATIC_ASSERT(offsetof(vrxNodeProtocol7, name2) == 16, "name2");
#endif

/* --- Host database directory --------------------------------------------------- */

/* The structure identifier under which the library handles the texts of a
 * host database entry. */
#define VRX_HOST_ENTRY_STRUCT_ID 0x100

/* A host database entry, keyed by its local name: read and written by the
 * core API in the caller's storage. Texts are blank-padded, with room for
 * the terminator in their last byte. */
struct vrxHostDbEntry {
    uint16_t structId;
    uint16_t reserved1;
    uint16_t reserved2;
    char comment[31];       /* at most 30 significant characters */
    char localName[9];      /* at most 8 */
    char targetName[19];    /* at most 18 */
    char requesterName[9];  /* at most 8 */
    char parameters[513];   /* at most 512 */
    char reserved3;
};

VRX_STATIC_ASSERT(sizeof(struct vrxHostDbEntry) == 588, "host database entry is 588 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxHostDbEntry, comment) == 6, "comment");
VRX_STATIC_ASSERT(offsetof(vrxHostDbEntry, localName) == 37, "localName");
VRX_STATIC_ASSERT(offsetof(vrxHostDbEntry, targetName) == 46, "targetName");
VRX_STATIC_ASSERT(offsetof(vrxHostDbEntry, requesterName) == 65, "requesterName");
VRX_STATIC_ASSERT(offsetof(vrxHostDbEntry, parameters) == 74, "parameters");
VRX_STATIC_ASSERT(offsetof(vrxHostDbEntry, reserved3) == 587, "reserved3");
#endif

/* --- Registration and alternate server --------------------------------------- */

/* Registration of the server: two texts with their lengths. The NUL goes
 * at text[length], so the caller keeps the lengths within 48 and 128. */
struct vrxRegistration {
    char userId[49];
    char reserved1;
    uint16_t userIdLen;
    char password[129];
    char reserved2;
    uint16_t passwordLen;
};

VRX_STATIC_ASSERT(sizeof(struct vrxRegistration) == 184, "registration record is 184 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxRegistration, userIdLen) == 50, "userIdLen");
VRX_STATIC_ASSERT(offsetof(vrxRegistration, password) == 52, "password");
VRX_STATIC_ASSERT(offsetof(vrxRegistration, passwordLen) == 182, "passwordLen");
#endif

/* The alternate server of a database: its host name and port, as texts. */
struct vrxgUpdateAltServerStruct {
    uint32_t iDbAliasLen;
    char *piDbAlias;
    uint32_t iHostNameLen;
    char *piHostName;
    uint32_t iPortLen;
    char *piPort;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgUpdateAltServerStruct) == 24, "alternate-server record is 24 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgUpdateAltServerStruct, piDbAlias) == 4, "piDbAlias");
VRX_STATIC_ASSERT(offsetof(vrxgUpdateAltServerStruct, iHostNameLen) == 8, "iHostNameLen");
VRX_STATIC_ASSERT(offsetof(vrxgUpdateAltServerStruct, piHostName) == 12, "piHostName");
VRX_STATIC_ASSERT(offsetof(vrxgUpdateAltServerStruct, iPortLen) == 16, "iPortLen");
VRX_STATIC_ASSERT(offsetof(vrxgUpdateAltServerStruct, piPort) == 20, "piPort");
#  endif
#endif

VRX_BEGIN_DECLS

VRX_API int32_t VRX_STDCALL sqlgcadb(vrx_slot principalLen, vrx_slot commentLen, vrx_slot pathLen,
                                     vrx_slot nodeNameLen, vrx_slot dbAliasLen, vrx_slot dbNameLen,
                                     struct sqlca *ca, char *principal,
                                     vrx_slot authentication, ///< authentication type
                                     char *comment, char *path, char *nodeName,
                                     vrx_slot type, ///< directory entry type
                                     char *dbAlias, char *dbName);
VRX_API int32_t VRX_STDCALL sqlguncd(vrx_slot dbAliasLen, struct sqlca *ca, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgdcgd(vrx_slot commentLen, vrx_slot pathLen, vrx_slot dbAliasLen, struct sqlca *ca,
                                     char *comment, char *path, char *dbAlias);
VRX_API int32_t VRX_STDCALL sqlgdosd(vrx_slot pathLen, struct sqlca *ca,
                                     uint16_t *numEntries, ///< output: number of entries (2 bytes)
                                     uint16_t *handle, ///< output: scan handle (2 bytes)
                                     char *path);
VRX_API int32_t VRX_STDCALL sqlgdgne(vrx_slot handle, ///< scan handle
                                     struct vrxDbDirEntry **entry, ///< output: address of the next entry
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgdcls(vrx_slot handle, ///< scan handle
                                     struct sqlca *ca);

VRX_API int32_t VRX_STDCALL vrxgDbDirOpenScan(uint32_t version, struct vrxgDbDirOpenScanStruct *params,
                                              struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgDbDirGetNextEntry(uint32_t version, struct vrxgDbDirNextEntryStruct *params,
                                                  struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgDbDirCloseScan(uint32_t version, struct vrxgDbDirCloseScanStruct *params,
                                               struct sqlca *ca);

/* Node directory */
VRX_API int32_t VRX_STDCALL sqlgctnd(struct sqlca *ca, struct vrxNodeRecord *node,
                                     void *protocol); ///< vrxNodeProtocol* record of `node`'s protocol
VRX_API int32_t VRX_STDCALL sqlguncn(vrx_slot nodeNameLen, struct sqlca *ca, char *nodeName);
VRX_API int32_t VRX_STDCALL sqlgnops(uint16_t *handle, ///< output: scan handle (2 bytes)
                                     uint16_t *numEntries, ///< output: number of entries (2 bytes)
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgngne(vrx_slot handle, ///< scan handle
                                     struct vrxNodeDirEntry **entry, ///< output: address of the next entry
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgncls(vrx_slot handle, ///< scan handle
                                     struct sqlca *ca);

/* Host database directory */
VRX_API int32_t VRX_STDCALL sqlggdad(struct sqlca *ca, struct vrxHostDbEntry *entry);
VRX_API int32_t VRX_STDCALL sqlggdel(struct sqlca *ca, struct vrxHostDbEntry *entry);
VRX_API int32_t VRX_STDCALL sqlggdge(struct sqlca *ca, struct vrxHostDbEntry *entry);
VRX_API int32_t VRX_STDCALL sqlggdsc(struct sqlca *ca,
                                     int16_t *count); ///< output: number of entries
VRX_API int32_t VRX_STDCALL sqlggdgt(struct sqlca *ca,
                                     int16_t *count, ///< number of entries in `entries`
                                     struct vrxHostDbEntry *entries); ///< entries the core fills, `count` of them
VRX_API int32_t VRX_STDCALL sqlggdcl(struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgctdd(vrx_slot text1Len, vrx_slot text2Len, vrx_slot text3Len, vrx_slot text4Len,
                                     vrx_slot text5Len, struct sqlca *ca, vrx_slot value16, char *text1,
                                     char *text2, char *text3, vrx_slot value8, char *text4, char *text5);

/* Registration and alternate server */
VRX_API int32_t VRX_STDCALL sqlgregs(vrx_slot location, ///< where the server is registered
                                     struct vrxRegistration *record, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgdreg(vrx_slot location, ///< where the server is registered
                                     struct vrxRegistration *record, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgUpdateAlternateServerForDB(uint32_t version, struct vrxgUpdateAltServerStruct *params,
                                                          struct sqlca *ca);

VRX_END_DECLS

#endif
