/* Core API: instance control, quiesce, ping and HADR, connection settings. */
#ifndef VRXPLATFORM_INSTANCE_H
#define VRXPLATFORM_INSTANCE_H

#include "vrxagapi/instance.h"

/* How to reach a remote instance, as the core takes it. */
struct vrxInstanceCommStruct {
    uint8_t iValue;
    char *piText1;
    char *piText2;
    char *piText3;
};

/* Start options as the core takes them: the caller's leading fields, the
 * flag, the pointers to texts U and G, and the selector. */
struct vrxStartOptionsStruct {
    uint32_t iText1Len;
    char *piText1;
    uint32_t iValue1;
    uint16_t iValue2;
    uint32_t iValue3;
    uint32_t iText2Len;
    char *piText2;
    uint32_t iValue4;
    uint32_t iValue5;
    uint32_t iText3Len;
    char *piText3;
    uint32_t iValue6;
    uint16_t iValue7;
    uint32_t iValue8;
    uint32_t iValue9;
    uint32_t iValue10;
    uint32_t iValue11;
    uint8_t iFlag;
    char *piTextU;
    char *piTextG;
    uint8_t iSelector;
};

/* The instance to start or stop. piOptions is a vrxStartOptionsStruct
 * for start, the caller's stop options for stop, or null. */
struct vrxInstanceStruct {
    uint8_t iIsRemote;
    char *piInstanceName;
    struct vrxInstanceCommStruct *piComm;
    void *piOptions;
};

struct vrxInstanceQuiesceStruct {
    char *piText1;
    char *piText2;
    char *piText3;
    uint32_t iValueA;
    uint32_t iValueB;
};

struct vrxInstanceUnquiesceStruct {
    char *piText;
};

/* Four 32-bit fields on every platform; the caller supplies the middle two. */
struct vrxDatabaseQuiesceStruct {
    uint32_t iField1;
    uint32_t iValueA;
    uint32_t iValueB;
    uint32_t iField4;
};

struct vrxHADRStartStruct {
    char *piText1;
    char *piText2;
    char *piText3;
    uint32_t iValueA;
    uint16_t iValueB;
};

struct vrxHADRTakeoverStruct {
    char *piText1;
    char *piText2;
    char *piText3;
    uint16_t iValueB;
};

struct vrxHADRStopStruct {
    char *piText1;
    char *piText2;
    char *piText3;
};

VRX_STATIC_ASSERT(sizeof(struct vrxDatabaseQuiesceStruct) == 16, "core database quiesce record is 16 bytes");
#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxInstanceCommStruct) == 16, "core communication record is 16 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxStartOptionsStruct) == 84, "core start options are 84 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxInstanceStruct) == 16, "core instance record is 16 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxInstanceQuiesceStruct) == 20, "core instance quiesce record is 20 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxHADRStartStruct) == 20, "core HADR start record is 20 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxHADRTakeoverStruct) == 16, "core HADR takeover record is 16 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxHADRStopStruct) == 12, "core HADR stop record is 12 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxInstanceCommStruct, piText1) == 4, "piText1");
VRX_STATIC_ASSERT(offsetof(vrxInstanceCommStruct, piText3) == 12, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxStartOptionsStruct, iValue11) == 64, "iValue11");
VRX_STATIC_ASSERT(offsetof(vrxStartOptionsStruct, iFlag) == 68, "iFlag");
VRX_STATIC_ASSERT(offsetof(vrxStartOptionsStruct, piTextU) == 72, "piTextU");
VRX_STATIC_ASSERT(offsetof(vrxStartOptionsStruct, piTextG) == 76, "piTextG");
VRX_STATIC_ASSERT(offsetof(vrxStartOptionsStruct, iSelector) == 80, "iSelector");
VRX_STATIC_ASSERT(offsetof(vrxInstanceStruct, piInstanceName) == 4, "piInstanceName");
VRX_STATIC_ASSERT(offsetof(vrxInstanceStruct, piComm) == 8, "piComm");
VRX_STATIC_ASSERT(offsetof(vrxInstanceStruct, piOptions) == 12, "piOptions");
VRX_STATIC_ASSERT(offsetof(vrxInstanceQuiesceStruct, iValueA) == 12, "iValueA");
VRX_STATIC_ASSERT(offsetof(vrxHADRStartStruct, iValueB) == 16, "iValueB");
VRX_STATIC_ASSERT(offsetof(vrxHADRTakeoverStruct, iValueB) == 12, "iValueB");
#  endif
#endif

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlepstr_api(struct vrxPstrRecord *record, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlepstart_api(struct vrxPstartRecord *record, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlepstp_api(struct vrxPstpRecord *record, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlestar_api(void);
VRXAPP_LINK int32_t VRX_STDCALL sqlestop_api(struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxInstanceStart(uint32_t version, struct vrxInstanceStruct *instance,
                                                 struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxInstanceStop(uint32_t version, struct vrxInstanceStruct *instance,
                                                struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqleatin_api(char *instanceName, char *userName, char *password, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqledtin_api(struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlefrce_api(void *value4, void *value3, uint32_t mode, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlegins_api(char *name, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL vrxDatabasePing(uint32_t version, void *params, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxDatabaseQuiesce(uint32_t version, struct vrxDatabaseQuiesceStruct *params,
                                                   struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxDatabaseUnquiesce(uint32_t version, void *params, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxInstanceQuiesce(uint32_t version, struct vrxInstanceQuiesceStruct *params,
                                                   struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxInstanceUnquiesce(uint32_t version, struct vrxInstanceUnquiesceStruct *params,
                                                     struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxHADRStart(uint32_t version, struct vrxHADRStartStruct *params, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxHADRTakeover(uint32_t version, struct vrxHADRTakeoverStruct *params,
                                                struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL vrxHADRStop(uint32_t version, struct vrxHADRStopStruct *params, struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqlesetc_api(void *settings, uint32_t count, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqleqryc_api(void *settings, uint32_t count, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlesact_api(char *accounting, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlesdeg_api(void *value4, void *value3, void *value2, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqleintr_api(void);
VRXAPP_LINK int32_t VRX_STDCALL sqleisig_api(struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlefmem_api(struct sqlca *ca, void *memory);

VRX_END_DECLS

#endif
