/* Core API: rollforward and recover, with the core records the entry
 * points build in their own storage. */
#ifndef VRXPLATFORM_ROLLFORWARD_H
#define VRXPLATFORM_ROLLFORWARD_H

#include "vrxagapi/rollforward.h"

struct vrxRfwdInputStruct {
    uint32_t value0;
    char *dbAlias;
    uint32_t value8;
    char *stopTime;
    char *userName;
    char *password;
    char *overflowLogPath;
    uint32_t values28[3];
    struct vrxTablespaceList *tablespaces;
    uint32_t values44[4];
    char *droppedTblID;
    char *exportDir;
    uint32_t value68;
};

/* Zero-filled, then given the caller's first three words. */
struct vrxRfwdOutputStruct {
    char *applicationId; /* 33 bytes */
    void *value4;
    void *value8;
    uint32_t value12; /* set by the core */
};

struct vrxRollforwardStruct {
    struct vrxRfwdInputStruct *input;
    struct vrxRfwdOutputStruct *output;
};

struct vrxRecoverStruct {
    char *sourceDbAlias;
    char *userName;
    char *password;
    uint32_t values12[4];
    char *stopTime;
    char *overflowLogPath;
    uint32_t values36[6];
    char *historyFile;
    uint32_t values64[2];
    char *comprLibrary;
    uint32_t values76[2];
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxRfwdInputStruct) == 72, "core rollforward input is 72 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxRfwdOutputStruct) == 16, "core rollforward output is 16 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxRollforwardStruct) == 8, "core rollforward record is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxRecoverStruct) == 84, "core recover record is 84 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, dbAlias) == 4, "dbAlias");
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, stopTime) == 12, "stopTime");
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, overflowLogPath) == 24, "overflowLogPath");
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, values28) == 28, "values28");
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, tablespaces) == 40, "tablespaces");
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, values44) == 44, "values44");
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, droppedTblID) == 60, "droppedTblID");
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, exportDir) == 64, "exportDir");
VRX_STATIC_ASSERT(offsetof(vrxRfwdInputStruct, value68) == 68, "value68");
VRX_STATIC_ASSERT(offsetof(vrxRfwdOutputStruct, value12) == 12, "value12");
VRX_STATIC_ASSERT(offsetof(vrxRecoverStruct, values12) == 12, "values12");
VRX_STATIC_ASSERT(offsetof(vrxRecoverStruct, stopTime) == 28, "stopTime");
VRX_STATIC_ASSERT(offsetof(vrxRecoverStruct, values36) == 36, "values36");
VRX_STATIC_ASSERT(offsetof(vrxRecoverStruct, historyFile) == 60, "historyFile");
VRX_STATIC_ASSERT(offsetof(vrxRecoverStruct, values64) == 64, "values64");
VRX_STATIC_ASSERT(offsetof(vrxRecoverStruct, comprLibrary) == 72, "comprLibrary");
VRX_STATIC_ASSERT(offsetof(vrxRecoverStruct, values76) == 76, "values76");
#  endif
#endif

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL vrxRollforward(uint32_t version, struct vrxRollforwardStruct *params,
                                               struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxRecover(uint32_t version, struct vrxRecoverStruct *params, struct sqlca *ca);

VRX_END_DECLS

#endif
