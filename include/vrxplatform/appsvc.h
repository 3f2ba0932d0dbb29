/* Core API: precompiler run-time services, bind and stored procedures,
 * authorizations and partitioning information. (The two message services
 * come from the system library, services.h.) Numbers the library reads as
 * 16 or 8 bits arrive widened to 32. */
#ifndef VRXPLATFORM_APPSVC_H
#define VRXPLATFORM_APPSVC_H

#include "vrxagapi/appsvc.h"

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlaaloc(uint32_t number1, uint32_t number2, uint32_t number3, void *value4);
VRXAPP_LINK int32_t VRX_STDCALL sqlacall(uint32_t number1, uint32_t number2, uint32_t number3, uint32_t number4,
                                         void *value5);
VRXAPP_LINK int32_t VRX_STDCALL sqlacmpd(uint32_t number1, uint32_t number2, uint32_t number3, uint32_t number4,
                                         void *value5);
VRXAPP_LINK int32_t VRX_STDCALL sqladloc(uint32_t number1, void *value2);
VRXAPP_LINK int32_t VRX_STDCALL sqlastls(uint32_t textLen, void *text, void *value3);
VRXAPP_LINK int32_t VRX_STDCALL sqlastvr(uint32_t number1, uint32_t number2, uint32_t number3, uint32_t length,
                                         uint32_t zero, void *value5, void *value6, void *value7);
VRXAPP_LINK int32_t VRX_STDCALL sqlastvra(uint32_t number1, uint32_t number2, uint32_t number3, uint32_t length,
                                          uint32_t zero, void *value5, void *value6, void *value7, void *value8,
                                          void *value9);
VRXAPP_LINK int32_t VRX_STDCALL sqlastrt(void *value1, void *value2, void *value3);
VRXAPP_LINK int32_t VRX_STDCALL sqlastop(void *value1);
VRXAPP_LINK int32_t VRX_STDCALL sqlausda(uint32_t number1, void *value2, void *value3);

VRXAPP_LINK int32_t VRX_STDCALL sqlabndx(char *text6, char *text5, void *value4, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqlarbnd(char *text, struct sqlca *ca, void *value4);
VRXAPP_LINK int32_t VRX_STDCALL sqleproc_api(char *text, void *value6, void *value4, void *value5,
                                             struct sqlca *ca);

VRXAPP_LINK int32_t VRX_STDCALL sqluauth_api(void *value1);
VRXAPP_LINK int32_t VRX_STDCALL sqluadau(void *value1, void *value2);
VRXAPP_LINK int32_t VRX_STDCALL sqlutbau(char *objectName, struct sqlca *ca);
VRXAPP_LINK int32_t VRX_STDCALL sqludrdt_api(char *text4, char *text5, char *text6, void *value7, uint32_t number8,
                                             void *value9, uint32_t number10, uint32_t code11, void *value12);
VRXAPP_LINK int32_t VRX_STDCALL sqlugrpn_api(uint32_t number1, void *value2, void *value3, uint32_t number4,
                                             uint32_t number5, void *value6, void *value7, void *value8,
                                             uint32_t number9, void *value10, int32_t signed11, uint32_t zero12,
                                             uint32_t zero13);
VRXAPP_LINK int32_t VRX_STDCALL sqlugtpi_api(char *tableName, void *value3, void *value4);

VRX_END_DECLS

#endif
