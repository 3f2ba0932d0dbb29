/* Data movement: export, import, load and load query.
 *
 * Positional forms take each value as an argument of its own, texts with
 * 16-bit lengths (the low half of the slot is read) and 16-bit values
 * widened with their sign; an argument named valueN is handed to the core
 * unread. Versioned forms take a version number, a caller record (never
 * written by the library) and the sqlca. Media lists are the records of
 * vrxagapi/media.h. */
#ifndef VRXAGAPI_DATAMOVE_H
#define VRXAGAPI_DATAMOVE_H

#include "vrxagapi/common.h"
#include "vrxagapi/media.h"

VRX_BEGIN_DECLS

/* --- export --- */

struct vrxgExportParms {
    char *piText1;
    struct vrxMediaList *piPathList1;     /* 'L' */
    struct vrxMediaList *piLocationList1; /* 'C' */
    uint32_t iValue1;
    uint32_t iValue2;
    char *piText2;
    uint32_t iValue3;
    char *piText3;
    int16_t iValue16;
    char reserved1[2];
    uint32_t iValue4;
    uint16_t iText1Len;
    uint16_t iText2Len;
    uint16_t iText3Len;
    char reserved2[2];
    uint32_t iValue5;
    struct vrxMediaList *piPathList2;     /* 'L', read from version 9000000 on */
    struct vrxMediaList *piLocationList2; /* 'C', read from version 9000000 on */
};

/* --- import --- */

struct vrxgImportParms {
    char *piText1;
    struct vrxMediaList *piPathList1; /* 'L' */
    uint32_t iValue1;
    uint32_t iValue2;
    char *piText2;
    uint32_t iValue3;
    char *piText3;
    int16_t iValue16;
    char reserved1[2];
    uint32_t iValue4;
    uint32_t iValue5;
    uint32_t iValue6;
    uint16_t iText1Len;
    uint16_t iText2Len;
    uint16_t iText3Len;
    char reserved2[2];
    struct vrxMediaList *piPathList2; /* 'L' */
    uint32_t iValue7;
};

/* --- load --- */

/* The first nested record of a load: one text; the rest is the core's. */
struct vrxgLoadNested1 {
    char reserved1[16];
    char *piTextN1;
    char reserved2[34];
    uint16_t iTextN1Len;
    char reserved3[16];
};

/* The second nested record of a load: six texts; the rest is the core's. */
struct vrxgLoadNested2 {
    char *piTextP1;
    char *piTextP2;
    char *piTextP3;
    char reserved1[32];
    char *piTextP4;
    char *piTextP5;
    char reserved2[8];
    char *piTextP6;
    char reserved3[8];
    uint16_t iTextLen[6]; /* P1 to P6 */
};

struct vrxgLoadParms {
    struct vrxMediaList *piSourceList; /* 'S', may have no entries */
    struct vrxMediaList *piSourceList2; /* 'S' */
    uint32_t iValue1;
    uint32_t iValue2;
    char *piText1;
    uint32_t iValue3;
    char *piText2;
    char *piText3;
    struct vrxMediaList *piPathList;  /* 'L' */
    struct vrxMediaList *piCopyTarget; /* 'L' or 'O'; any other type is passed on untouched */
    uint32_t iValue4;
    struct vrxgLoadNested1 *piNested1;
    uint32_t iValue5;
    struct vrxgLoadNested2 *piNested2;
    uint32_t iValue6;
    int16_t iValue16;
    uint16_t iText1Len;
    uint16_t iText2Len;
    uint16_t iText3Len;
    uint32_t iValue7;
    struct vrxMediaList *piSourceList3; /* 'S' */
};

/* --- load query --- */

struct vrxgLoadQueryParms {
    uint32_t iValue1;
    uint32_t iText1Len;
    char *piText1;
    uint32_t iValue2;
    uint32_t iValue3;
    uint32_t iText2Len;
    char *piText2;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgExportParms) == 60, "export record is 60 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgImportParms) == 60, "import record is 60 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgLoadNested1) == 72, "first nested load record is 72 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgLoadNested2) == 84, "second nested load record is 84 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgLoadParms) == 76, "load record is 76 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgLoadQueryParms) == 28, "load query record is 28 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, piLocationList1) == 8, "piLocationList1");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, piText2) == 20, "piText2");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, piText3) == 28, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, iValue16) == 32, "iValue16");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, iValue4) == 36, "iValue4");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, iText1Len) == 40, "iText1Len");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, iText3Len) == 44, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, iValue5) == 48, "iValue5");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, piPathList2) == 52, "piPathList2");
VRX_STATIC_ASSERT(offsetof(vrxgExportParms, piLocationList2) == 56, "piLocationList2");
VRX_STATIC_ASSERT(offsetof(vrxgImportParms, piText2) == 16, "piText2");
VRX_STATIC_ASSERT(offsetof(vrxgImportParms, piText3) == 24, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxgImportParms, iValue16) == 28, "iValue16");
VRX_STATIC_ASSERT(offsetof(vrxgImportParms, iValue6) == 40, "iValue6");
VRX_STATIC_ASSERT(offsetof(vrxgImportParms, iText1Len) == 44, "iText1Len");
VRX_STATIC_ASSERT(offsetof(vrxgImportParms, iText3Len) == 48, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxgImportParms, piPathList2) == 52, "piPathList2");
VRX_STATIC_ASSERT(offsetof(vrxgImportParms, iValue7) == 56, "iValue7");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested1, piTextN1) == 16, "piTextN1");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested1, iTextN1Len) == 54, "iTextN1Len");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested2, piTextP3) == 8, "piTextP3");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested2, piTextP4) == 44, "piTextP4");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested2, piTextP5) == 48, "piTextP5");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested2, piTextP6) == 60, "piTextP6");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested2, iTextLen) == 72, "iTextLen");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, piText1) == 16, "piText1");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, piCopyTarget) == 36, "piCopyTarget");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, piNested1) == 44, "piNested1");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, piNested2) == 52, "piNested2");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, iValue16) == 60, "iValue16");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, iText1Len) == 62, "iText1Len");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, iText3Len) == 66, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, iValue7) == 68, "iValue7");
VRX_STATIC_ASSERT(offsetof(vrxgLoadParms, piSourceList3) == 72, "piSourceList3");
VRX_STATIC_ASSERT(offsetof(vrxgLoadQueryParms, piText1) == 8, "piText1");
VRX_STATIC_ASSERT(offsetof(vrxgLoadQueryParms, iText2Len) == 20, "iText2Len");
VRX_STATIC_ASSERT(offsetof(vrxgLoadQueryParms, piText2) == 24, "piText2");
#  endif
#elif defined(__cplusplus)
/* On 64-bit builds the nested load records widen only their pointers. */
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested1, piTextN1) == 16, "piTextN1");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested1, iTextN1Len) == 58, "iTextN1Len");
VRX_STATIC_ASSERT(sizeof(vrxgLoadNested1) == 80, "first nested load record is 80 bytes");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested2, piTextP4) == 56, "piTextP4");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested2, piTextP6) == 80, "piTextP6");
VRX_STATIC_ASSERT(offsetof(vrxgLoadNested2, iTextLen) == 96, "iTextLen");
VRX_STATIC_ASSERT(sizeof(vrxgLoadNested2) == 112, "second nested load record is 112 bytes");
#endif

/* Export. SQLGEXPT hands the core its non-length arguments in reverse
 * order; SQLGEXPR and SQLGIMPR return the status of their own conversions
 * (the last text check), not the core's result. */
VRX_API int32_t VRX_STDCALL sqlgexpt(vrx_slot text3Len, vrx_slot text2Len, vrx_slot text1Len, struct sqlca *ca,
                                     void *value4, vrx_slot value16, char *text3, void *value3, char *text2,
                                     void *value2, void *value1, char *text1);
VRX_API int32_t VRX_STDCALL sqlgexpr(vrx_slot text1Len, vrx_slot text2Len, vrx_slot text3Len, char *text1,
                                     struct vrxMediaList *pathList, struct vrxMediaList *locationList, void *value1,
                                     void *value2, char *text2, void *value3, char *text3, vrx_slot value16,
                                     void *value4, void *value5, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgExport(uint32_t version, struct vrxgExportParms *params, struct sqlca *ca);

/* Import. SQLGIMPT hands the core its non-length arguments in reverse order. */
VRX_API int32_t VRX_STDCALL sqlgimpt(vrx_slot text3Len, vrx_slot text2Len, vrx_slot text1Len, struct sqlca *ca,
                                     void *value5, void *value4, vrx_slot value16, char *text3, void *value3,
                                     char *text2, void *value2, void *value1, char *text1);
VRX_API int32_t VRX_STDCALL sqlgimpr(vrx_slot text1Len, vrx_slot text2Len, vrx_slot text3Len, char *text1,
                                     struct vrxMediaList *pathList, void *value1, void *value2, char *text2,
                                     void *value3, char *text3, vrx_slot value16, void *value4, void *value5,
                                     void *value6, void *value7, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgImport(uint32_t version, struct vrxgImportParms *params, struct sqlca *ca);

/* Load. Both forms are traced. VRXGLOAD reports a failed initialisation
 * (-1022) and a missing or unreadable record (-3223) in its result alone. */
VRX_API int32_t VRX_STDCALL sqlgload(vrx_slot text1Len, vrx_slot text2Len, vrx_slot text3Len,
                                     struct vrxMediaList *sourceList, struct vrxMediaList *sourceList2, void *value1,
                                     void *value2, char *text1, void *value3, char *text2, char *text3,
                                     vrx_slot value16, void *value4, void *value5, struct vrxMediaList *pathList,
                                     struct vrxMediaList *copyTarget, void *value6, void *value7, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgLoad(uint32_t version, struct vrxgLoadParms *params, struct sqlca *ca);

/* Load query: both return the last text check, not the core's result. */
VRX_API int32_t VRX_STDCALL sqlgqry(vrx_slot text1Len, vrx_slot text2Len, char *text1, char *text2,
                                    struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgLoadQuery(uint32_t version, struct vrxgLoadQueryParms *params, struct sqlca *ca);

VRX_END_DECLS

#endif
