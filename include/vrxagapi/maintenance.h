/* Table maintenance: statistics collection (flat and versioned),
 * reorganisation (flat and versioned), inspection, the one-text query and
 * utility control. */
#ifndef VRXAGAPI_MAINTENANCE_H
#define VRXAGAPI_MAINTENANCE_H

#include "vrxagapi/common.h"

/* A column of the versioned statistics call: its name with the name's
 * length, and a value passed through. */
struct vrxgColumnData {
    char *piColumnName;
    uint16_t iColumnNameLen;
    int16_t iColumnValue;
};

/* A column whose distribution is collected: name, length, two values. */
struct vrxgColumnDistData {
    char *piColumnName;
    uint16_t iColumnNameLen;
    int16_t iValueA;
    int16_t iValueB;
};

/* A column group: iGroupSize names with their 16-bit lengths, two values. */
struct vrxgColumnGrpData {
    char **piGroupColumnNames;
    uint16_t *piGroupColumnNamesLen;
    int16_t iGroupSize;
    int16_t iValueA;
    int16_t iValueB;
};

/* The versioned statistics call's parameters; the library never writes
 * them. A list whose count is below 1 is not looked at. Values 7 and 8 reach
 * the core only from version 8020000. */
struct vrxgRunstatsParms {
    uint32_t iValue1;
    uint32_t iValue2;
    char *piTablename;
    struct vrxgColumnData **piColumnList;
    struct vrxgColumnDistData **piColumnDistributionList;
    struct vrxgColumnGrpData **piColumnGroupList;
    char **piIndexList;
    uint16_t *piIndexNamesLen;
    uint32_t iValue3;
    uint16_t iTablenameLen;
    int16_t iNumColumns;
    int16_t iNumColdist;
    int16_t iNumColGroups;
    int16_t iNumIndexes;
    int16_t iValue4;
    int16_t iValue5;
    int16_t iValue6;
    uint32_t iValue7;
    uint32_t iValue8;
};

/* Versioned reorganisation: types 1 and 2 carry three texts, every other
 * type two (text 3 and its length are then not read). */
struct vrxgReorgParms {
    uint32_t iReorgType;
    uint32_t iValues[4];
    uint32_t iText1Len;
    char *piText1;
    uint32_t iText2Len;
    char *piText2;
    uint32_t iText3Len;
    char *piText3;
};

/* Versioned inspection: five texts (the lengths of texts 4 and 5 come
 * first) and plain values. Value 22 reaches the core only from version
 * 9000000. */
struct vrxgInspectParms {
    char *piTexts[5];
    uint32_t iValue1;
    uint32_t iText4Len;
    uint32_t iText5Len;
    uint32_t iText1Len;
    uint32_t iText2Len;
    uint32_t iText3Len;
    uint32_t iValues2To10[9];
    uint16_t iValues11To21[11];
    uint16_t iValue22;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgColumnData) == 8, "column record is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgColumnDistData) == 12, "distribution record is 12 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgColumnGrpData) == 16, "group record is 16 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgRunstatsParms) == 60, "statistics record is 60 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgReorgParms) == 44, "reorganisation record is 44 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgInspectParms) == 104, "inspection record is 104 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgColumnData, iColumnNameLen) == 4, "iColumnNameLen");
VRX_STATIC_ASSERT(offsetof(vrxgColumnData, iColumnValue) == 6, "iColumnValue");
VRX_STATIC_ASSERT(offsetof(vrxgColumnDistData, iValueA) == 6, "iValueA");
VRX_STATIC_ASSERT(offsetof(vrxgColumnDistData, iValueB) == 8, "iValueB");
VRX_STATIC_ASSERT(offsetof(vrxgColumnGrpData, piGroupColumnNamesLen) == 4, "piGroupColumnNamesLen");
VRX_STATIC_ASSERT(offsetof(vrxgColumnGrpData, iGroupSize) == 8, "iGroupSize");
VRX_STATIC_ASSERT(offsetof(vrxgColumnGrpData, iValueB) == 12, "iValueB");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, piTablename) == 8, "piTablename");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, piIndexList) == 24, "piIndexList");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, piIndexNamesLen) == 28, "piIndexNamesLen");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, iValue3) == 32, "iValue3");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, iTablenameLen) == 36, "iTablenameLen");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, iNumColumns) == 38, "iNumColumns");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, iNumIndexes) == 44, "iNumIndexes");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, iValue6) == 50, "iValue6");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, iValue7) == 52, "iValue7");
VRX_STATIC_ASSERT(offsetof(vrxgRunstatsParms, iValue8) == 56, "iValue8");
VRX_STATIC_ASSERT(offsetof(vrxgReorgParms, iText1Len) == 20, "iText1Len");
VRX_STATIC_ASSERT(offsetof(vrxgReorgParms, piText1) == 24, "piText1");
VRX_STATIC_ASSERT(offsetof(vrxgReorgParms, iText2Len) == 28, "iText2Len");
VRX_STATIC_ASSERT(offsetof(vrxgReorgParms, piText2) == 32, "piText2");
VRX_STATIC_ASSERT(offsetof(vrxgReorgParms, iText3Len) == 36, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxgReorgParms, piText3) == 40, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxgInspectParms, iValue1) == 20, "iValue1");
VRX_STATIC_ASSERT(offsetof(vrxgInspectParms, iText4Len) == 24, "iText4Len");
VRX_STATIC_ASSERT(offsetof(vrxgInspectParms, iText5Len) == 28, "iText5Len");
VRX_STATIC_ASSERT(offsetof(vrxgInspectParms, iText1Len) == 32, "iText1Len");
VRX_STATIC_ASSERT(offsetof(vrxgInspectParms, iText3Len) == 40, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxgInspectParms, iValues2To10) == 44, "iValues2To10");
VRX_STATIC_ASSERT(offsetof(vrxgInspectParms, iValues11To21) == 80, "iValues11To21");
VRX_STATIC_ASSERT(offsetof(vrxgInspectParms, iValue22) == 102, "iValue22");
#  endif
#endif

VRX_BEGIN_DECLS

VRX_API int32_t VRX_STDCALL sqlgstat(vrx_slot tableNameLen,
                                     vrx_slot indexCount, ///< number of entries in `indexNames` and `indexNameLens`
                                     vrx_slot value1, vrx_slot value2,
                                     uint16_t *indexNameLens, ///< length of each index name, `indexCount` of them
                                     struct sqlca *ca,
                                     char **indexNames, ///< index names, `indexCount` of them
                                     char *tableName);
VRX_API int32_t VRX_STDCALL vrxgRunstats(uint32_t version, struct vrxgRunstatsParms *params, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgreot(vrx_slot text3Len, vrx_slot text2Len, vrx_slot text1Len, struct sqlca *ca,
                                     char *text3, char *text2, char *text1);
VRX_API int32_t VRX_STDCALL vrxgReorg(uint32_t version, struct vrxgReorgParms *params, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgInspect(uint32_t version, struct vrxgInspectParms *params, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgvqdp(vrx_slot textLen, char *text, void *value1, void *value2, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgUtilityControl(uint32_t version,
                                               void *params, ///< the core's record, handed on by address
                                               struct sqlca *ca);

VRX_END_DECLS

#endif
