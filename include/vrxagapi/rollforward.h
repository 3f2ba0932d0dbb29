/* Rollforward and recover: the caller records and the entry points.
 *
 * Every text comes with a 32-bit length (16-bit in the positional record)
 * and is validated before it is terminated in place; a text the library may
 * not read is reported by its parameter name in the sqlca. Values named
 * iValueN or pvValueN are handed on unread; pointer-sized where a core may
 * take them for addresses. */
#ifndef VRXAGAPI_ROLLFORWARD_H
#define VRXAGAPI_ROLLFORWARD_H

#include "vrxagapi/common.h"
#include "vrxagapi/recovery.h"

/* Version from which the fourth word of the output record comes back. */
enum { VRX_VERSION_9000000 = 9000000 };

/* --- versioned rollforward: the seven lengths first, then the values --- */

struct vrxgRfwdInputStruct {
    uint32_t iDbAliasLen;
    uint32_t iStopTimeLen;
    uint32_t iUserNameLen;
    uint32_t iPasswordLen;
    uint32_t iOverflowLogPathLen;
    uint32_t iDroppedTblIDLen;
    uint32_t iExportDirLen;
    uint32_t iValue28;
    char *piDbAlias;
    uint32_t iValue36;
    char *piStopTime;
    char *piUserName;
    char *piPassword;
    char *piOverflowLogPath;
    uint32_t iValues56[3];
    struct vrxTablespaceList *piTablespaceList; /* terminated as the positional backup's list */
    uint32_t iValues72[4];
    char *piDroppedTblID;
    char *piExportDir;
    uint32_t iValue96;
};

/* The 33-byte area comes back blank-filled; oValue12 is written from
 * version 9000000 on. */
struct vrxgRfwdOutputStruct {
    char *poApplicationId;
    void *pvValue4;
    void *pvValue8;
    uint32_t oValue12;
};

struct vrxgRollforwardStruct {
    struct vrxgRfwdInputStruct *piRfwdInput;
    struct vrxgRfwdOutputStruct *poRfwdOutput;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgRfwdInputStruct) == 100, "rollforward input record is 100 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgRfwdOutputStruct) == 16, "rollforward output record is 16 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgRollforwardStruct) == 8, "rollforward record is 8 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, iExportDirLen) == 24, "iExportDirLen");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, iValue28) == 28, "iValue28");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, piDbAlias) == 32, "piDbAlias");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, iValue36) == 36, "iValue36");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, piStopTime) == 40, "piStopTime");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, piOverflowLogPath) == 52, "piOverflowLogPath");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, iValues56) == 56, "iValues56");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, piTablespaceList) == 68, "piTablespaceList");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, iValues72) == 72, "iValues72");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, piDroppedTblID) == 88, "piDroppedTblID");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, piExportDir) == 92, "piExportDir");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdInputStruct, iValue96) == 96, "iValue96");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdOutputStruct, pvValue4) == 4, "pvValue4");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdOutputStruct, pvValue8) == 8, "pvValue8");
VRX_STATIC_ASSERT(offsetof(vrxgRfwdOutputStruct, oValue12) == 12, "oValue12");
VRX_STATIC_ASSERT(offsetof(vrxgRollforwardStruct, poRfwdOutput) == 4, "poRfwdOutput");
#  endif
#endif

/* --- positional rollforward: 16-bit lengths and values, widened --- */

struct vrxRfwdPositionalInput {
    uint16_t dbAliasLen;
    uint16_t stopTimeLen;
    uint16_t userNameLen;
    uint16_t passwordLen;
    uint16_t overflowLogPathLen;
    uint16_t unused10;
    uint32_t value12;
    char *dbAlias;
    uint16_t value20;
    uint16_t unused22;
    char *stopTime;
    char *userName;
    char *password;
    char *overflowLogPath;
    uint16_t value40;
    uint16_t unused42;
    uint32_t value44;
    uint16_t value48;
    uint16_t unused50;
    struct vrxTablespaceList *tablespaces;
    int16_t value56;
    int16_t value58;
    uint32_t value60;
    int16_t value64;
    uint16_t unused66[3];
    char *droppedTblID;
    char *exportDir;
};

/* The first three words of the versioned output record. */
struct vrxRfwdPositionalOutput {
    char *applicationId; /* 33 bytes, blank-filled */
    void *value4;
    void *value8;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxRfwdPositionalInput) == 80, "positional rollforward input is 80 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxRfwdPositionalOutput) == 12, "positional rollforward output is 12 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value12) == 12, "value12");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, dbAlias) == 16, "dbAlias");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value20) == 20, "value20");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, stopTime) == 24, "stopTime");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, overflowLogPath) == 36, "overflowLogPath");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value40) == 40, "value40");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value44) == 44, "value44");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value48) == 48, "value48");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, tablespaces) == 52, "tablespaces");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value56) == 56, "value56");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value58) == 58, "value58");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value60) == 60, "value60");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, value64) == 64, "value64");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, droppedTblID) == 72, "droppedTblID");
VRX_STATIC_ASSERT(offsetof(vrxRfwdPositionalInput, exportDir) == 76, "exportDir");
#  endif
#endif

/* --- versioned recover: each pointer followed by its length --- */

struct vrxgRecoverStruct {
    char *piSourceDBAlias;
    uint32_t iSourceDBAliasLen;
    char *piUserName;
    uint32_t iUserNameLen;
    char *piPassword;
    uint32_t iPasswordLen;
    uint32_t iValues24[4];
    char *piStopTime;
    uint32_t iStopTimeLen;
    char *piOverflowLogPath;
    uint32_t iOverflowLogPathLen;
    uint32_t iValues56[6];
    char *piHistoryFile;
    uint32_t iHistoryFileLen;
    uint32_t iValues88[2];
    char *piComprLibrary;
    uint32_t iComprLibraryLen;
    uint32_t iValues104[2];
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgRecoverStruct) == 112, "recover record is 112 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, piUserName) == 8, "piUserName");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, piPassword) == 16, "piPassword");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, iValues24) == 24, "iValues24");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, piStopTime) == 40, "piStopTime");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, piOverflowLogPath) == 48, "piOverflowLogPath");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, iValues56) == 56, "iValues56");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, piHistoryFile) == 80, "piHistoryFile");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, iValues88) == 88, "iValues88");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, piComprLibrary) == 96, "piComprLibrary");
VRX_STATIC_ASSERT(offsetof(vrxgRecoverStruct, iValues104) == 104, "iValues104");
#  endif
#endif

VRX_BEGIN_DECLS

VRX_API int32_t VRX_STDCALL sqlgroll(struct vrxRfwdPositionalInput *input, struct vrxRfwdPositionalOutput *output,
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgRollforward(uint32_t version, struct vrxgRollforwardStruct *params,
                                            struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgRecover(uint32_t version, struct vrxgRecoverStruct *params, struct sqlca *ca);

VRX_END_DECLS

#endif
