/* Core API: backup, log archiving and restore, with the core records and
 * lists that the versioned entry points build from the caller's. */
#ifndef VRXPLATFORM_RECOVERY_H
#define VRXPLATFORM_RECOVERY_H

#include "vrxagapi/recovery.h"

/* A list of NUL-terminated texts: `names` points to `count` text pointers. */
struct vrxNameList {
    char **names;
    uint32_t count;
};

/* The same with a media type code. */
struct vrxLocationList {
    char **locations;
    uint32_t count;
    char mediaType;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxNameList) == 8, "core name list is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxLocationList) == 12, "core media list is 12 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxLocationList, count) == 4, "count");
VRX_STATIC_ASSERT(offsetof(vrxLocationList, mediaType) == 8, "mediaType");
#  endif
#endif

/* Built from vrxgBackupStruct; the core returns its two texts inside it. */
struct vrxBackupStruct {
    char *dbAlias;
    char identifier[33];
    char timestamp[15];
    struct vrxNameList *tablespaces;
    struct vrxLocationList *media;
    char *userName;
    char *password;
    uint32_t values[8];
    uint32_t value8010200;
    char *text4;
    uint32_t values8010400[2];
    uint32_t values9050000[5];
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxBackupStruct) == 136, "core backup record is 136 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, identifier) == 4, "identifier");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, timestamp) == 37, "timestamp");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, tablespaces) == 52, "tablespaces");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, media) == 56, "media");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, userName) == 60, "userName");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, password) == 64, "password");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, values) == 68, "values");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, value8010200) == 100, "value8010200");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, text4) == 104, "text4");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, values8010400) == 108, "values8010400");
VRX_STATIC_ASSERT(offsetof(vrxBackupStruct, values9050000) == 116, "values9050000");
#  endif
#endif

struct vrxArchiveLogStruct {
    char *dbAlias;
    char *userName;
    char *password;
    uint16_t value1;
    uint16_t value2;
    uint32_t value3;
    uint32_t value4;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxArchiveLogStruct) == 24, "core archive-log record is 24 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxArchiveLogStruct, value1) == 12, "value1");
VRX_STATIC_ASSERT(offsetof(vrxArchiveLogStruct, value2) == 14, "value2");
VRX_STATIC_ASSERT(offsetof(vrxArchiveLogStruct, value3) == 16, "value3");
VRX_STATIC_ASSERT(offsetof(vrxArchiveLogStruct, value4) == 20, "value4");
#  endif
#endif

/* Built from vrxgRestoreStruct; the core returns the identifier inside it. */
struct vrxRestoreStruct {
    char *sourceDbAlias;
    char *targetDbAlias;
    char identifier[33];
    char *timestamp;
    char *text3;
    char *text4;
    struct vrxNameList *tablespaces;
    struct vrxLocationList *media;
    char *userName;
    char *password;
    char *text7;
    uint32_t values[7];
    char *text8;
    uint32_t values8010400[2];
    char *text9;
    struct vrxNameList *textList2;
    uint32_t reserved;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxRestoreStruct) == 128, "core restore record is 128 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, identifier) == 8, "identifier");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, timestamp) == 44, "timestamp");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, text3) == 48, "text3");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, text4) == 52, "text4");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, tablespaces) == 56, "tablespaces");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, media) == 60, "media");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, userName) == 64, "userName");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, password) == 68, "password");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, text7) == 72, "text7");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, values) == 76, "values");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, text8) == 104, "text8");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, values8010400) == 108, "values8010400");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, text9) == 116, "text9");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, textList2) == 120, "textList2");
VRX_STATIC_ASSERT(offsetof(vrxRestoreStruct, reserved) == 124, "reserved");
#  endif
#endif

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlubkp(char *dbAlias, uint32_t value2, uint32_t value3, uint32_t value4,
                                        uint32_t value5, char *identifier, char *timestamp, uint32_t value8,
                                        struct vrxTablespaceList *tablespaces, struct vrxMediaList *media,
                                        char *userName, char *password, uint32_t value13, uint32_t value14,
                                        uint32_t value15, uint32_t value16, uint32_t value17, uint32_t value18,
                                        uint32_t value19, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlubkup(char *dbAlias, uint32_t value2, uint32_t value3, uint32_t value4,
                                         uint32_t value5, char *identifier, char *timestamp, uint32_t value8,
                                         struct vrxTablespaceList *tablespaces, struct vrxMediaList *media,
                                         char *userName, char *password, uint32_t value13, uint32_t value14,
                                         uint32_t value15, uint32_t value16, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxBackup(uint32_t version, struct vrxBackupStruct *params, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxArchiveLog(uint32_t version, struct vrxArchiveLogStruct *params,
                                              struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqlurestore(char *sourceDbAlias, char *targetDbAlias, uint32_t value3,
                                            uint32_t value4, uint32_t value5, uint32_t value6, uint32_t value7,
                                            uint32_t value8, char *identifier, char *timestamp, char *text3,
                                            uint32_t value12, char *text4, struct vrxTablespaceList *tablespaces,
                                            struct vrxMediaList *media, char *userName, char *password,
                                            uint32_t value18, uint32_t value19, uint32_t value20, uint32_t value21,
                                            uint32_t value22, uint32_t value23, uint32_t value24, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlurst(char *sourceDbAlias, char *targetDbAlias, uint32_t value3, uint32_t value4,
                                        uint32_t value5, uint32_t value6, uint32_t value7, char *identifier,
                                        char *timestamp, char *text3, uint32_t value11,
                                        struct vrxTablespaceList *tablespaces, struct vrxMediaList *media,
                                        char *userName, char *password, uint32_t value16, uint32_t value17,
                                        uint32_t value18, uint32_t value19, uint32_t value20, uint32_t value21,
                                        uint32_t value22, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlursto(char *sourceDbAlias, char *targetDbAlias, uint32_t value3,
                                         uint32_t value4, uint32_t value5, uint32_t value6, char *identifier,
                                         char *timestamp, char *text3, uint32_t value10,
                                         struct vrxTablespaceList *tablespaces, struct vrxMediaList *media,
                                         char *userName, char *password, uint32_t value15, uint32_t value16,
                                         uint32_t value17, uint32_t value18, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxRestore(uint32_t version, struct vrxRestoreStruct *params, struct sqlca *ca);

VRX_END_DECLS

#endif
