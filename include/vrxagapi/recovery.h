/* Backup, log archiving and restore: the caller-side lists and records and
 * the entry points.
 *
 * Positional forms take each value as an argument of its own; an argument
 * named valueN reaches the core as its Nth argument, unchanged. Texts come
 * with 16-bit lengths (the low half of the slot is read). Versioned forms
 * take a version number, a caller record and the sqlca; the version decides
 * which of the record's later fields exist. */
#ifndef VRXAGAPI_RECOVERY_H
#define VRXAGAPI_RECOVERY_H

#include "vrxagapi/common.h"
#include "vrxagapi/media.h"

/* --- lists of the positional forms (terminated in the caller's storage) --- */

/* A table space name of at most 19 bytes; the byte after it is the
 * terminator's room. */
struct vrxTablespaceEntry {
    uint32_t length;
    char text[20];
};

struct vrxTablespaceList {
    int32_t count;
    struct vrxTablespaceEntry *entries;
};

VRX_STATIC_ASSERT(sizeof(struct vrxTablespaceEntry) == 24, "table space entry is 24 bytes");
#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxTablespaceList) == 8, "table space list is 8 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxTablespaceList, entries) == 4, "entries");
#  endif
#endif

/* --- lists of the versioned forms (copied into NUL-terminated scratch copies) --- */

struct vrxgTextEntry {
    char *text;
    uint32_t length;
    uint32_t reserved; /* not read */
};

struct vrxgTextList {
    struct vrxgTextEntry *entries;
    uint32_t count;
};

/* A text list with a media type code, passed on without interpretation. */
struct vrxgMediaList {
    struct vrxgTextEntry *entries;
    uint32_t count;
    char mediaType;
    char reserved[3];
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgTextEntry) == 12, "text entry is 12 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgTextList) == 8, "text list is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgMediaList) == 12, "versioned media list is 12 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgTextEntry, length) == 4, "length");
VRX_STATIC_ASSERT(offsetof(vrxgTextEntry, reserved) == 8, "reserved");
VRX_STATIC_ASSERT(offsetof(vrxgTextList, count) == 4, "count");
VRX_STATIC_ASSERT(offsetof(vrxgMediaList, count) == 4, "count");
VRX_STATIC_ASSERT(offsetof(vrxgMediaList, mediaType) == 8, "mediaType");
#  endif
#endif

/* Version numbers from which the versioned records grow. */
enum {
    VRX_VERSION_8010200 = 8010200,
    VRX_VERSION_8010400 = 8010400,
    VRX_VERSION_8020000 = 8020000,
    VRX_VERSION_8020200 = 8020200,
    VRX_VERSION_9050000 = 9050000
};

/* --- versioned backup --- */

struct vrxgBackupStruct {
    char *piDbAlias;
    uint32_t iDbAliasLen;
    char *poIdentifier;         /* receives up to 33 bytes, blank-filled; or null */
    uint32_t iIdentifierLen;    /* at most 33; the area holds length + 1 bytes */
    char *poTimestamp;          /* receives up to 15 bytes, blank-filled; or null */
    uint32_t iTimestampLen;     /* at most 15; the area holds length + 1 bytes */
    struct vrxgTextList *piTablespaceList;
    struct vrxgMediaList *piMediaList;
    char *piUserName;
    uint32_t iUserNameLen;
    char *piPassword;
    uint32_t iPasswordLen;
    uint32_t iValues[8];
    uint32_t iValue8010200;     /* read from version 8010200 on */
    char *piText4;              /* read from version 8010400 on, with the next three */
    uint32_t iText4Len;
    uint32_t iValues8010400[2];
    uint32_t iValues9050000[5]; /* read from version 9050000 on */
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgBackupStruct) == 120, "backup record is 120 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iDbAliasLen) == 4, "iDbAliasLen");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, poIdentifier) == 8, "poIdentifier");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iIdentifierLen) == 12, "iIdentifierLen");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, poTimestamp) == 16, "poTimestamp");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iTimestampLen) == 20, "iTimestampLen");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, piTablespaceList) == 24, "piTablespaceList");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, piMediaList) == 28, "piMediaList");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, piUserName) == 32, "piUserName");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iUserNameLen) == 36, "iUserNameLen");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, piPassword) == 40, "piPassword");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iPasswordLen) == 44, "iPasswordLen");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iValues) == 48, "iValues");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iValue8010200) == 80, "iValue8010200");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, piText4) == 84, "piText4");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iText4Len) == 88, "iText4Len");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iValues8010400) == 92, "iValues8010400");
VRX_STATIC_ASSERT(offsetof(vrxgBackupStruct, iValues9050000) == 100, "iValues9050000");
#  endif
#endif

/* --- versioned log archiving: the three lengths come before the texts --- */

struct vrxgArchiveLogStruct {
    uint32_t iDbAliasLen;
    uint32_t iUserNameLen;
    uint32_t iPasswordLen;
    char *piDbAlias;
    char *piUserName;
    char *piPassword;
    uint16_t iValue1;
    uint16_t iValue2;
    uint32_t iValue3;
    uint32_t iValue4;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgArchiveLogStruct) == 36, "archive-log record is 36 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgArchiveLogStruct, iPasswordLen) == 8, "iPasswordLen");
VRX_STATIC_ASSERT(offsetof(vrxgArchiveLogStruct, piDbAlias) == 12, "piDbAlias");
VRX_STATIC_ASSERT(offsetof(vrxgArchiveLogStruct, piUserName) == 16, "piUserName");
VRX_STATIC_ASSERT(offsetof(vrxgArchiveLogStruct, piPassword) == 20, "piPassword");
VRX_STATIC_ASSERT(offsetof(vrxgArchiveLogStruct, iValue1) == 24, "iValue1");
VRX_STATIC_ASSERT(offsetof(vrxgArchiveLogStruct, iValue2) == 26, "iValue2");
VRX_STATIC_ASSERT(offsetof(vrxgArchiveLogStruct, iValue3) == 28, "iValue3");
VRX_STATIC_ASSERT(offsetof(vrxgArchiveLogStruct, iValue4) == 32, "iValue4");
#  endif
#endif

/* --- versioned restore --- */

struct vrxgRestoreStruct {
    char *piSourceDbAlias;
    uint32_t iSourceDbAliasLen;
    char *piTargetDbAlias;
    uint32_t iTargetDbAliasLen;
    char *poIdentifier;          /* receives up to 33 bytes, blank-filled; or null */
    uint32_t iIdentifierLen;     /* at most 33; the area holds length + 1 bytes */
    char *piTimestamp;           /* a 15-byte field, blank-filled after the call */
    uint32_t iTimestampLen;      /* at most 14 */
    char *piText3;
    uint32_t iText3Len;
    char *piText4;
    uint32_t iText4Len;
    struct vrxgTextList *piTablespaceList;
    struct vrxgMediaList *piMediaList;
    char *piUserName;
    uint32_t iUserNameLen;
    char *piPassword;
    uint32_t iPasswordLen;
    char *piText7;
    uint32_t iText7Len;
    uint32_t iValues[7];
    char *piText8;               /* read from version 8010400 on, with the next three */
    uint32_t iText8Len;
    uint32_t iValues8010400[2];
    char *piText9;               /* read from version 8020000 on, with its length */
    uint32_t iText9Len;
    struct vrxgTextList *piTextList2; /* read from version 8020200 on */
    uint32_t reserved[2];        /* not read */
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgRestoreStruct) == 144, "restore record is 144 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piTargetDbAlias) == 8, "piTargetDbAlias");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, poIdentifier) == 16, "poIdentifier");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, iIdentifierLen) == 20, "iIdentifierLen");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piTimestamp) == 24, "piTimestamp");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, iTimestampLen) == 28, "iTimestampLen");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piText3) == 32, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piText4) == 40, "piText4");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piTablespaceList) == 48, "piTablespaceList");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piMediaList) == 52, "piMediaList");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piUserName) == 56, "piUserName");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piPassword) == 64, "piPassword");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piText7) == 72, "piText7");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, iText7Len) == 76, "iText7Len");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, iValues) == 80, "iValues");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piText8) == 108, "piText8");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, iText8Len) == 112, "iText8Len");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, iValues8010400) == 116, "iValues8010400");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piText9) == 124, "piText9");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, iText9Len) == 128, "iText9Len");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, piTextList2) == 132, "piTextList2");
VRX_STATIC_ASSERT(offsetof(vrxgRestoreStruct, reserved) == 136, "reserved");
#  endif
#endif

VRX_BEGIN_DECLS

/* Backup, positional forms. The identifier area holds 33 bytes and the
 * timestamp area 15; both come back blank-filled. */
VRX_API int32_t VRX_STDCALL sqlgbkp(vrx_slot dbAliasLen, vrx_slot userNameLen, vrx_slot passwordLen,
                                    vrx_slot ignored, char *dbAlias, vrx_slot value2, vrx_slot value3,
                                    vrx_slot value4, vrx_slot value5,
                                    char *identifier, ///< output: identifier area, 33 bytes, blank-filled
                                    char *timestamp, ///< output: timestamp area, 15 bytes, blank-filled
                                    vrx_slot value8, struct vrxTablespaceList *tablespaces,
                                    struct vrxMediaList *media, char *userName, char *password, vrx_slot value13,
                                    vrx_slot value14, vrx_slot value15, vrx_slot value16, vrx_slot value17,
                                    vrx_slot value18, vrx_slot value19, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgbkup(vrx_slot dbAliasLen, vrx_slot userNameLen, vrx_slot passwordLen,
                                     vrx_slot ignored, char *dbAlias, vrx_slot value2, vrx_slot value3,
                                     vrx_slot value4, vrx_slot value5,
                                     char *identifier, ///< output: identifier area, 33 bytes, blank-filled
                                     char *timestamp, ///< output: timestamp area, 15 bytes, blank-filled
                                     vrx_slot value8, struct vrxTablespaceList *tablespaces,
                                     struct vrxMediaList *media, char *userName, char *password, vrx_slot value13,
                                     vrx_slot value14, vrx_slot value15, vrx_slot value16, struct sqlca *ca);

VRX_API int32_t VRX_STDCALL vrxgBackup(uint32_t version, struct vrxgBackupStruct *params, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgArchiveLog(uint32_t version, struct vrxgArchiveLogStruct *params,
                                           struct sqlca *ca);

/* Restore, positional forms. The timestamp is a 15-byte field holding a
 * text of at most 14 bytes; it comes back blank-filled, as does the 33-byte
 * identifier area. */
VRX_API int32_t VRX_STDCALL sqlgrestore(vrx_slot sourceDbAliasLen, vrx_slot targetDbAliasLen, vrx_slot timestampLen,
                                        vrx_slot text3Len, vrx_slot userNameLen, vrx_slot passwordLen,
                                        vrx_slot text4Len, vrx_slot ignored1, char *sourceDbAlias,
                                        char *targetDbAlias, vrx_slot value3, vrx_slot value4, vrx_slot value5,
                                        vrx_slot value6, vrx_slot value7, vrx_slot value8,
                                        char *identifier, ///< output: identifier area, 33 bytes, blank-filled
                                        char *timestamp, char *text3, vrx_slot value12, char *text4,
                                        struct vrxTablespaceList *tablespaces, struct vrxMediaList *media,
                                        char *userName, char *password, vrx_slot value18, vrx_slot value21,
                                        vrx_slot ignored2, vrx_slot value22, vrx_slot ignored3, vrx_slot value23,
                                        vrx_slot value19, vrx_slot value20, vrx_slot value24, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgrst(vrx_slot sourceDbAliasLen, vrx_slot targetDbAliasLen, vrx_slot timestampLen,
                                    vrx_slot text3Len, vrx_slot userNameLen, vrx_slot passwordLen,
                                    vrx_slot ignored1, char *sourceDbAlias, char *targetDbAlias, vrx_slot value3,
                                    vrx_slot value4, vrx_slot value5, vrx_slot value6, vrx_slot value7,
                                    char *identifier, ///< output: identifier area, 33 bytes, blank-filled
                                    char *timestamp, char *text3, vrx_slot value11,
                                    struct vrxTablespaceList *tablespaces, struct vrxMediaList *media,
                                    char *userName, char *password, vrx_slot value16, vrx_slot value19,
                                    vrx_slot ignored2, vrx_slot value20, vrx_slot ignored3, vrx_slot value21,
                                    vrx_slot value17, vrx_slot value18, vrx_slot value22, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgrsto(vrx_slot sourceDbAliasLen, vrx_slot targetDbAliasLen, vrx_slot timestampLen,
                                     vrx_slot text3Len, vrx_slot userNameLen, vrx_slot passwordLen,
                                     vrx_slot ignored, char *sourceDbAlias, char *targetDbAlias, vrx_slot value3,
                                     vrx_slot value4, vrx_slot value5, vrx_slot value6,
                                     char *identifier, ///< output: identifier area, 33 bytes, blank-filled
                                     char *timestamp, char *text3, vrx_slot value10,
                                     struct vrxTablespaceList *tablespaces, struct vrxMediaList *media,
                                     char *userName, char *password, vrx_slot value15, vrx_slot value16,
                                     vrx_slot value17, vrx_slot value18, struct sqlca *ca);

VRX_API int32_t VRX_STDCALL vrxgRestore(uint32_t version, struct vrxgRestoreStruct *params, struct sqlca *ca);

VRX_END_DECLS

#endif
