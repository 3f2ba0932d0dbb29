/* Core API: export, import, load and load query, and the core records the
 * versioned forms build on their stack. Values the library hands on unread
 * keep pointer width in the positional calls; 16-bit values arrive widened
 * with their sign. */
#ifndef VRXPLATFORM_DATAMOVE_H
#define VRXPLATFORM_DATAMOVE_H

#include "vrxagapi/datamove.h"

VRX_BEGIN_DECLS

struct vrxExportParms {
    char *text1;
    struct vrxMediaList *pathList1;
    struct vrxMediaList *locationList1;
    uint32_t value1;
    uint32_t value2;
    char *text2;
    uint32_t value3;
    char *text3;
    int16_t value16;
    char unset[2];
    uint32_t value4;
    uint32_t value5;
    struct vrxMediaList *pathList2;     /* null below version 9000000 */
    struct vrxMediaList *locationList2; /* null below version 9000000 */
};

struct vrxImportParms {
    char *text1;
    struct vrxMediaList *pathList1;
    uint32_t value1;
    uint32_t value2;
    char *text2;
    uint32_t value3;
    char *text3;
    int16_t value16;
    char unset[2];
    uint32_t value4;
    uint32_t value5;
    uint32_t value6;
    struct vrxMediaList *pathList2;
    uint32_t value7;
};

struct vrxLoadParms {
    struct vrxMediaList *sourceList;
    struct vrxMediaList *sourceList2;
    uint32_t value1;
    uint32_t value2;
    char *text1;
    uint32_t value3;
    char *text2;
    char *text3;
    struct vrxMediaList *pathList;
    struct vrxMediaList *copyTarget;
    uint32_t value4;
    struct vrxgLoadNested1 *nested1; /* the caller's, texts terminated in place */
    uint32_t value5;
    struct vrxgLoadNested2 *nested2;
    uint32_t value6;
    int16_t value16;
    char unset[2];
    uint32_t value7;
    struct vrxMediaList *sourceList3;
};

struct vrxLoadQueryParms {
    uint32_t value1;
    char *text1;
    uint32_t value2;
    uint32_t value3;
    char *text2;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxExportParms) == 52, "core export record is 52 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxImportParms) == 52, "core import record is 52 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxLoadParms) == 72, "core load record is 72 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxLoadQueryParms) == 20, "core load query record is 20 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxExportParms, value16) == 32, "value16");
VRX_STATIC_ASSERT(offsetof(vrxExportParms, value4) == 36, "value4");
VRX_STATIC_ASSERT(offsetof(vrxExportParms, pathList2) == 44, "pathList2");
VRX_STATIC_ASSERT(offsetof(vrxExportParms, locationList2) == 48, "locationList2");
VRX_STATIC_ASSERT(offsetof(vrxImportParms, value16) == 28, "value16");
VRX_STATIC_ASSERT(offsetof(vrxImportParms, pathList2) == 44, "pathList2");
VRX_STATIC_ASSERT(offsetof(vrxImportParms, value7) == 48, "value7");
VRX_STATIC_ASSERT(offsetof(vrxLoadParms, nested2) == 52, "nested2");
VRX_STATIC_ASSERT(offsetof(vrxLoadParms, value16) == 60, "value16");
VRX_STATIC_ASSERT(offsetof(vrxLoadParms, value7) == 64, "value7");
VRX_STATIC_ASSERT(offsetof(vrxLoadParms, sourceList3) == 68, "sourceList3");
VRX_STATIC_ASSERT(offsetof(vrxLoadQueryParms, text2) == 16, "text2");
#  endif
#endif

VRXAPP_LINK int32_t VRX_STDCALL sqluexpt_api(char *text1, void *value1, void *value2, char *text2, void *value3,
                                             char *text3, int32_t value16, void *value4, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqluexpr_api(char *text1, struct vrxMediaList *pathList,
                                             struct vrxMediaList *locationList, void *value1, void *value2,
                                             char *text2, void *value3, char *text3, int32_t value16, void *value4,
                                             void *value5, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxExport(uint32_t version, struct vrxExportParms *params, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqluimpt_api(char *text1, void *value1, void *value2, char *text2, void *value3,
                                             char *text3, int32_t value16, void *value4, void *value5,
                                             struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqluimpr_api(char *text1, struct vrxMediaList *pathList, void *value1, void *value2,
                                             char *text2, void *value3, char *text3, int32_t value16, void *value4,
                                             void *value5, void *value6, void *value7, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxImport(uint32_t version, struct vrxImportParms *params, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqluload_api(struct vrxMediaList *sourceList, struct vrxMediaList *sourceList2,
                                             void *value1, void *value2, char *text1, void *value3, char *text2,
                                             char *text3, int32_t value16, void *value4, void *value5,
                                             struct vrxMediaList *pathList, struct vrxMediaList *copyTarget,
                                             void *value6, void *value7, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxLoad(uint32_t version, struct vrxLoadParms *params, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqluqry_api(char *text1, char *text2, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxLoadQuery(uint32_t version, struct vrxLoadQueryParms *params, struct sqlca *ca);

VRX_END_DECLS

#endif
