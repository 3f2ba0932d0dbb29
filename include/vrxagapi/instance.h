/* Instance control: start, stop, attach, detach, force, the instance name;
 * quiesce, ping and HADR; connection settings.
 *
 * Texts inside these records carry a 32-bit length. A length of 0 marks a
 * text as absent in the start and stop records and is left alone; in the
 * quiesce and HADR records it gives the empty string. One-byte flags and
 * selectors are read as single bytes: the padding after them may hold
 * anything. */
#ifndef VRXAGAPI_INSTANCE_H
#define VRXAGAPI_INSTANCE_H

#include "vrxagapi/common.h"

/* --- record forms of start and stop: texts held inline --- */

/* Start record of SQLGPSTR: four inline texts, each after its length. */
struct vrxPstrRecord {
    uint32_t iText1Len;
    char text1[244];
    uint32_t iText2Len;
    char text2[12];
    uint32_t iText3Len;
    char text3[264];
    uint32_t iText4Len;
    char text4[256];
};

/* Start record of SQLGPSTART: three inline texts, terminated for the call
 * at their length or at 235, 255 and 255 bytes, whichever is less. */
struct vrxPstartRecord {
    uint32_t iReserved[2];
    uint32_t iText1Len;
    char text1[248];
    uint32_t iText2Len;
    char text2[264];
    uint32_t iText3Len;
    char text3[292];
};

/* Stop record of SQLGPSTP: one inline text. */
struct vrxPstpRecord {
    uint32_t iTextLen;
    char text[252];
};

VRX_STATIC_ASSERT(sizeof(struct vrxPstrRecord) == 792, "SQLGPSTR record is 792 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxPstartRecord) == 824, "SQLGPSTART record is 824 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxPstpRecord) == 256, "SQLGPSTP record is 256 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxPstrRecord, text1) == 4, "text1");
VRX_STATIC_ASSERT(offsetof(vrxPstrRecord, iText2Len) == 248, "iText2Len");
VRX_STATIC_ASSERT(offsetof(vrxPstrRecord, text2) == 252, "text2");
VRX_STATIC_ASSERT(offsetof(vrxPstrRecord, iText3Len) == 264, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxPstrRecord, text3) == 268, "text3");
VRX_STATIC_ASSERT(offsetof(vrxPstrRecord, iText4Len) == 532, "iText4Len");
VRX_STATIC_ASSERT(offsetof(vrxPstrRecord, text4) == 536, "text4");
VRX_STATIC_ASSERT(offsetof(vrxPstartRecord, iText1Len) == 8, "iText1Len");
VRX_STATIC_ASSERT(offsetof(vrxPstartRecord, text1) == 12, "text1");
VRX_STATIC_ASSERT(offsetof(vrxPstartRecord, iText2Len) == 260, "iText2Len");
VRX_STATIC_ASSERT(offsetof(vrxPstartRecord, text2) == 264, "text2");
VRX_STATIC_ASSERT(offsetof(vrxPstartRecord, iText3Len) == 528, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxPstartRecord, text3) == 532, "text3");
VRX_STATIC_ASSERT(offsetof(vrxPstpRecord, text) == 4, "text");
#endif

/* --- versioned start and stop --- */

/* How to reach a remote instance: a one-byte value and three texts. */
struct vrxgInstanceCommStruct {
    uint8_t iValue;
    uint32_t iText1Len;
    char *piText1;
    uint32_t iText2Len;
    char *piText2;
    uint32_t iText3Len;
    char *piText3;
};

/* The instance to start or stop. The instance name and the communication
 * texts are terminated only for a remote instance (iIsRemote nonzero).
 * piOptions is a vrxgStartOptionsStruct for start, a vrxgStopOptionsStruct
 * for stop, or null. */
struct vrxgInstanceStruct {
    uint8_t iIsRemote;
    uint32_t iInstanceNameLen;
    char *piInstanceName;
    struct vrxgInstanceCommStruct *piComm;
    void *piOptions;
};

/* Selectors of the start options: which of texts U and G is in use. */
#define VRX_START_SELECT_U 'U'
#define VRX_START_SELECT_G 'G'

/* Start options. Texts 1 to 3 are terminated when their length is not 0;
 * when iFlag is nonzero, text U or text G (as iSelector says) is
 * terminated whatever its length. The lengths also go to the core, which
 * takes a nonzero length as "present". */
struct vrxgStartOptionsStruct {
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
    uint32_t iTextULen;
    char *piTextU;
    uint32_t iTextGLen;
    char *piTextG;
    uint8_t iSelector;
};

/* Stop options: one text; the core's record may continue after it, and
 * reaches the core as the caller gave it. */
struct vrxgStopOptionsStruct {
    uint32_t iTextLen;
    char *piText;
};

#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgInstanceStruct) == 20, "instance record is 20 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgInstanceCommStruct) == 28, "communication record is 28 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgStartOptionsStruct) == 92, "start options are 92 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgStopOptionsStruct) == 8, "stop options begin with 8 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgInstanceStruct, iInstanceNameLen) == 4, "iInstanceNameLen");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceStruct, piInstanceName) == 8, "piInstanceName");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceStruct, piComm) == 12, "piComm");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceStruct, piOptions) == 16, "piOptions");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceCommStruct, iText1Len) == 4, "iText1Len");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceCommStruct, piText2) == 16, "piText2");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceCommStruct, piText3) == 24, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iValue2) == 12, "iValue2");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iText2Len) == 20, "iText2Len");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, piText2) == 24, "piText2");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iText3Len) == 36, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, piText3) == 40, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iValue7) == 48, "iValue7");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iValue11) == 64, "iValue11");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iFlag) == 68, "iFlag");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iTextULen) == 72, "iTextULen");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, piTextU) == 76, "piTextU");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iTextGLen) == 80, "iTextGLen");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, piTextG) == 84, "piTextG");
VRX_STATIC_ASSERT(offsetof(vrxgStartOptionsStruct, iSelector) == 88, "iSelector");
#  endif
#endif

/* --- quiesce, ping and HADR --- */

/* Quiesce an instance: three texts and two values. */
struct vrxgInstanceQuiesceStruct {
    uint32_t iText1Len;
    char *piText1;
    uint32_t iText2Len;
    char *piText2;
    uint32_t iText3Len;
    char *piText3;
    uint32_t iValueA;
    uint32_t iValueB;
};

/* Unquiesce an instance: one text. */
struct vrxgInstanceUnquiesceStruct {
    uint32_t iTextLen;
    char *piText;
};

/* Quiesce a database: two values after eight bytes the library does not
 * read; the same 16 bytes on every platform. */
struct vrxgDatabaseQuiesceStruct {
    char reserved[8];
    uint32_t iValueA;
    uint32_t iValueB;
};

/* HADR records: each text's pointer comes before its length. */
struct vrxgHADRStartStruct {
    char *piText1;
    uint32_t iText1Len;
    char *piText2;
    uint32_t iText2Len;
    char *piText3;
    uint32_t iText3Len;
    uint32_t iValueA;
    uint16_t iValueB;
};

struct vrxgHADRTakeoverStruct {
    char *piText1;
    uint32_t iText1Len;
    char *piText2;
    uint32_t iText2Len;
    char *piText3;
    uint32_t iText3Len;
    uint16_t iValueB;
};

struct vrxgHADRStopStruct {
    char *piText1;
    uint32_t iText1Len;
    char *piText2;
    uint32_t iText2Len;
    char *piText3;
    uint32_t iText3Len;
};

VRX_STATIC_ASSERT(sizeof(struct vrxgDatabaseQuiesceStruct) == 16, "database quiesce record is 16 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgDatabaseQuiesceStruct, iValueA) == 8, "iValueA");
VRX_STATIC_ASSERT(offsetof(vrxgDatabaseQuiesceStruct, iValueB) == 12, "iValueB");
#endif
#if VRX_ILP32
VRX_STATIC_ASSERT(sizeof(struct vrxgInstanceQuiesceStruct) == 32, "instance quiesce record is 32 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgInstanceUnquiesceStruct) == 8, "instance unquiesce record is 8 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgHADRStartStruct) == 32, "HADR start record is 32 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgHADRTakeoverStruct) == 28, "HADR takeover record is 28 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgHADRStopStruct) == 24, "HADR stop record is 24 bytes");
#  if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgInstanceQuiesceStruct, piText3) == 20, "piText3");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceQuiesceStruct, iValueA) == 24, "iValueA");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceQuiesceStruct, iValueB) == 28, "iValueB");
VRX_STATIC_ASSERT(offsetof(vrxgInstanceUnquiesceStruct, piText) == 4, "piText");
VRX_STATIC_ASSERT(offsetof(vrxgHADRStartStruct, iText1Len) == 4, "iText1Len");
VRX_STATIC_ASSERT(offsetof(vrxgHADRStartStruct, iText3Len) == 20, "iText3Len");
VRX_STATIC_ASSERT(offsetof(vrxgHADRStartStruct, iValueA) == 24, "iValueA");
VRX_STATIC_ASSERT(offsetof(vrxgHADRStartStruct, iValueB) == 28, "iValueB");
VRX_STATIC_ASSERT(offsetof(vrxgHADRTakeoverStruct, iValueB) == 24, "iValueB");
VRX_STATIC_ASSERT(offsetof(vrxgHADRStopStruct, iText3Len) == 20, "iText3Len");
#  endif
#endif

VRX_BEGIN_DECLS

/* Instance start, stop and attachment. */
VRX_API int32_t VRX_STDCALL sqlgpstr(struct vrxPstrRecord *record, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgpstart(struct vrxPstartRecord *record, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgpstp(struct vrxPstpRecord *record, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgstar(void);
VRX_API int32_t VRX_STDCALL sqlgstdm(struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgInstanceStart(uint32_t version, struct vrxgInstanceStruct *instance,
                                              struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgInstanceStop(uint32_t version, struct vrxgInstanceStruct *instance,
                                             struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgatin(vrx_slot passwordLen, vrx_slot userNameLen, vrx_slot instanceNameLen,
                                     struct sqlca *ca, char *password, char *userName, char *instanceName);
VRX_API int32_t VRX_STDCALL sqlgdtin(struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgfrce(struct sqlca *ca,
                                     vrx_slot mode, ///< force mode
                                     void *value3, void *value4);
/* The instance name comes back blank-padded to the 9 bytes of `name`. */
VRX_API int32_t VRX_STDCALL sqlggins(struct sqlca *ca,
                                     char *name); ///< output: instance name field, 9 bytes, blank-filled

/* Quiesce, ping and HADR. The ping record reaches the core as it is; the
 * database unquiesce record is not used. */
VRX_API int32_t VRX_STDCALL vrxgDatabasePing(uint32_t version,
                                             void *params, ///< the core's record, handed on by address
                                             struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgDatabaseQuiesce(uint32_t version, struct vrxgDatabaseQuiesceStruct *params,
                                                struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgDatabaseUnquiesce(uint32_t version,
                                                  void *params, ///< the core's record; the core receives null
                                                  struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgInstanceQuiesce(uint32_t version, struct vrxgInstanceQuiesceStruct *params,
                                                struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgInstanceUnquiesce(uint32_t version, struct vrxgInstanceUnquiesceStruct *params,
                                                  struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgHADRStart(uint32_t version, struct vrxgHADRStartStruct *params, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgHADRTakeover(uint32_t version, struct vrxgHADRTakeoverStruct *params,
                                             struct sqlca *ca);
VRX_API int32_t VRX_STDCALL vrxgHADRStop(uint32_t version, struct vrxgHADRStopStruct *params, struct sqlca *ca);

/* Connection settings. */
VRX_API int32_t VRX_STDCALL sqlgsetc(void *settings, ///< connection settings, handed to the core
                                     vrx_slot count, ///< number of settings
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgqryc(void *settings, ///< connection settings the core fills
                                     vrx_slot count, ///< number of settings
                                     struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgsact(vrx_slot accountingLen, char *accounting, struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgsdeg(struct sqlca *ca, void *value2, void *value3, void *value4);
VRX_API int32_t VRX_STDCALL sqlgintr(void);
VRX_API int32_t VRX_STDCALL sqlgisig(struct sqlca *ca);
VRX_API int32_t VRX_STDCALL sqlgfmem(struct sqlca *ca,
                                     void *memory); ///< memory the core gave out, handed back to it

VRX_END_DECLS

#endif
