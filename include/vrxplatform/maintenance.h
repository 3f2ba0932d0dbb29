/* Core API: table maintenance. */
#ifndef VRXPLATFORM_MAINTENANCE_H
#define VRXPLATFORM_MAINTENANCE_H

#include "vrxagapi/maintenance.h"

/* The core's element records of the statistics call: the caller's names,
 * terminated for the call, without their lengths. */
struct vrxColumnData {
    char *piColumnName;
    int16_t iColumnValue;
};

struct vrxColumnDistData {
    char *piColumnName;
    int16_t iValueA;
    int16_t iValueB;
};

struct vrxColumnGrpData {
    char **piGroupColumnNames; /* the caller's array, its names terminated */
    int16_t iGroupSize;
    int16_t iValueA;
    int16_t iValueB;
    uint8_t reserved[6];
};

/* The statistics parameters as the core takes them: null lists for counts
 * below 1; values 7 and 8 are 0 below version 8020000. */
struct vrxRunstatsParms {
    uint32_t iValue1;
    uint32_t iValue2;
    char *piTablename;
    struct vrxColumnData **piColumnList;
    struct vrxColumnDistData **piColumnDistributionList;
    struct vrxColumnGrpData **piColumnGroupList;
    char **piIndexList;
    uint32_t iValue3;
    int16_t iNumColumns;
    int16_t iNumColdist;
    int16_t iNumColGroups;
    int16_t iNumIndexes;
    int16_t iValue4;
    int16_t iValue5;
    int16_t iValue6;
    int16_t reserved;
    uint32_t iValue7;
    uint32_t iValue8;
};

/* Reorganisation: text 3 is null for types other than 1 and 2. */
struct vrxReorgParms {
    uint32_t iReorgType;
    uint32_t iValues[4];
    char *piText1;
    char *piText2;
    char *piText3;
};

/* Inspection: zeroed, then the five texts and the values; value 22 is 0
 * below version 9000000. */
struct vrxInspectParms {
    char *piTexts[5];
    uint32_t iValue1;
    uint32_t iValues2To10[9];
    uint16_t iValues11To21[11];
    uint16_t iValue22;
    uint8_t reserved[4];
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxColumnData) == 8, "core column record is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxColumnDistData) == 8, "core distribution record is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxColumnGrpData) == 16, "core group record is 16 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxRunstatsParms) == 56, "core statistics record is 56 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxReorgParms) == 32, "core reorganisation record is 32 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxInspectParms) == 88, "core inspection record is 88 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxColumnData, iColumnValue) == 4, "iColumnValue");
VRX_STATIC_ASSERT(offsetof(vrxColumnDistData, iValueB) == 6, "iValueB");
VRX_STATIC_ASSERT(offsetof(vrxColumnGrpData, iGroupSize) == 4, "iGroupSize");
VRX_STATIC_ASSERT(offsetof(vrxColumnGrpData, iValueB) == 8, "iValueB");
VRX_STATIC_ASSERT(offsetof(vrxRunstatsParms, piIndexList) == 24, "piIndexList");
VRX_STATIC_ASSERT(offsetof(vrxRunstatsParms, iValue3) == 28, "iValue3");
VRX_STATIC_ASSERT(offsetof(vrxRunstatsParms, iNumColumns) == 32, "iNumColumns");
VRX_STATIC_ASSERT(offsetof(vrxRunstatsParms, iNumIndexes) == 38, "iNumIndexes");
VRX_STATIC_ASSERT(offsetof(vrxRunstatsParms, iValue4) == 40, "iValue4");
VRX_STATIC_ASSERT(offsetof(vrxRunstatsParms, iValue6) == 44, "iValue6");
VRX_STATIC_ASSERT(offsetof(vrxRunstatsParms, iValue7) == 48, "iValue7");
VRX_STATIC_ASSERT(offsetof(vrxRunstatsParms, iValue8) == 52, "iValue8");
VRX_STATIC_ASSERT(offsetof(vrxReorgParms, piText1) == 20, "piText1");
VRX_STATIC_ASSERT(offsetof(vrxReorgParms, piText3) == 28, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxInspectParms, iValue1) == 20, "iValue1");
VRX_STATIC_ASSERT(offsetof(vrxInspectParms, iValues2To10) == 24, "iValues2To10");
VRX_STATIC_ASSERT(offsetof(vrxInspectParms, iValues11To21) == 60, "iValues11To21");
VRX_STATIC_ASSERT(offsetof(vrxInspectParms, iValue22) == 82, "iValue22");
#  endif
#endif

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlustat_api(char *tableName, uint32_t indexCount, char **indexNames,
                                             uint32_t value1, uint32_t value2, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxRunstats(uint32_t version, struct vrxRunstatsParms *params, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlureot_api(char *text1, char *text2, char *text3, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxReorg(uint32_t version, struct vrxReorgParms *params, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxInspect(uint32_t version, struct vrxInspectParms *params, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqluvqdp(char *text, void *value1, void *value2, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxUtilityControl(uint32_t version, void *params, struct sqlca *ca);

VRX_END_DECLS

#endif
