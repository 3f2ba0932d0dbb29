/* Application programming services: the precompiler's run-time calls,
 * bind, rebind and stored procedures, message texts, authorizations and
 * partitioning information. No caller records: texts come as a pointer
 * and a 16-bit length, and every other argument is a number read as 8, 16
 * or 32 bits, or a value passed on as the caller gave it. */
#ifndef VRXAGAPI_APPSVC_H
#define VRXAGAPI_APPSVC_H

#include "vrxagapi/common.h"

VRX_BEGIN_DECLS

/* Precompiler run-time services: forwarded with the 16-bit numbers widened
 * (the set-host-variable forms insert a zero as the core's fifth argument). */
VRX_API int32_t VRX_STDCALL sqlgaloc(vrx_slot number1, vrx_slot number2, vrx_slot number3, void *value4);
VRX_API int32_t VRX_STDCALL sqlgcall(vrx_slot number1, vrx_slot number2, vrx_slot number3, vrx_slot number4,
                                     void *value5);
VRX_API int32_t VRX_STDCALL sqlgcmpd(vrx_slot number1, vrx_slot number2, vrx_slot number3, vrx_slot number4,
                                     void *value5);
VRX_API int32_t VRX_STDCALL sqlgdloc(vrx_slot number1, void *value2);
VRX_API int32_t VRX_STDCALL sqlgsets(vrx_slot textLen16, void *text, void *value3);
VRX_API int32_t VRX_STDCALL sqlgstls(vrx_slot textLen32, void *text, void *value3);
VRX_API int32_t VRX_STDCALL sqlgsetv(vrx_slot number1, vrx_slot number2, vrx_slot number3,
                                     vrx_slot length16, ///< length passed on
                                     void *value5, void *value6, void *value7);
VRX_API int32_t VRX_STDCALL sqlgstlv(vrx_slot number1, vrx_slot number2, vrx_slot number3,
                                     vrx_slot length32, ///< length passed on
                                     void *value5, void *value6, void *value7);
VRX_API int32_t VRX_STDCALL sqlgstlva(vrx_slot number1, vrx_slot number2, vrx_slot number3,
                                      vrx_slot length32, ///< length passed on
                                      void *value5, void *value6, void *value7, void *value8, void *value9);
VRX_API int32_t VRX_STDCALL sqlgstrt(void *value1, void *value2, void *value3);
VRX_API int32_t VRX_STDCALL sqlgstop(void *value1);
VRX_API int32_t VRX_STDCALL sqlgusda(vrx_slot number1, void *value2, void *value3);

/* Done in the library. SQLGADDR stores the 32-bit `address` into the slot
 * `target` points to. SQLGDREF copies `count` bytes, upwards one at a
 * time, from the address held in the slot `source` points to; it returns
 * -1 and copies nothing when the initialisation or a pointer check fails.
 * SQLGMCPY copies `count` bytes from `source` to `destination`. */
VRX_API int32_t VRX_STDCALL sqlgaddr(vrx_slot address, ///< the 32-bit value stored
                                     void *target); ///< slot it is stored into; null: nothing stored
VRX_API int32_t VRX_STDCALL sqlgdref(vrx_slot count, ///< bytes to copy
                                     void *destination, ///< where the bytes go
                                     void *const *source); ///< slot holding the address the bytes come from
VRX_API int32_t VRX_STDCALL sqlgmcpy(void *destination, ///< where the bytes go
                                     const void *source, ///< where the bytes come from
                                     vrx_slot count); ///< bytes to copy

/* Bind, rebind and stored procedures: texts terminated in place for the
 * call, the standard frame around it. */
VRX_API int32_t VRX_STDCALL sqlgbndx(vrx_slot text5Len, vrx_slot text6Len, struct sqlca *ca, void *value4,
                                     char *text5, char *text6);
VRX_API int32_t VRX_STDCALL sqlgrbnd(vrx_slot textLen, char *text, struct sqlca *ca, void *value4);
VRX_API int32_t VRX_STDCALL sqlgproc(vrx_slot textLen, struct sqlca *ca, char *text, void *value4, void *value5,
                                     void *value6);

/* Message texts: forwarded to the system library with the two numbers
 * sign-extended from 16 bits; no frame. */
VRX_API int32_t VRX_STDCALL sqlgintp(vrx_slot lineWidth, ///< line width of the message text
                                     vrx_slot bufferSize, ///< size of `buffer`
                                     struct sqlca *ca,
                                     char *buffer); ///< output: message text area of `bufferSize` bytes
VRX_API int32_t VRX_STDCALL sqlggstt(vrx_slot lineWidth, ///< line width of the message text
                                     vrx_slot bufferSize, ///< size of `buffer`
                                     const char *sqlstate, ///< the SQLSTATE whose message is wanted
                                     char *buffer); ///< output: message text area of `bufferSize` bytes

/* Authorizations. Only SQLGTBAU runs the standard frame. */
VRX_API int32_t VRX_STDCALL sqlgauth(void *value1);
VRX_API int32_t VRX_STDCALL sqlgadau(void *value1, void *value2);
VRX_API int32_t VRX_STDCALL sqlgtbau(vrx_slot objectNameLen, char *objectName, struct sqlca *ca);

/* Partitioning information: SQLGDRDT and SQLGGTPI terminate their texts
 * without initialising; the row-partition forms are forwards whose eleventh
 * core argument is 0 (SQLGGRPI) or the caller's, sign-extended (SQLGGRPN). */
VRX_API int32_t VRX_STDCALL sqlgdrdt(vrx_slot text4Len, vrx_slot text5Len, vrx_slot text6Len, char *text4,
                                     char *text5, char *text6, void *value7, vrx_slot number8, void *value9,
                                     vrx_slot number10,
                                     vrx_slot code11, ///< a code passed on
                                     void *value12);
VRX_API int32_t VRX_STDCALL sqlggrpi(vrx_slot number1, void *value2, void *value3, vrx_slot number4,
                                     vrx_slot number5, void *value6, void *value7, void *value8, vrx_slot number9,
                                     void *value10);
VRX_API int32_t VRX_STDCALL sqlggrpn(vrx_slot number1, void *value2, void *value3, vrx_slot number4,
                                     vrx_slot number5, void *value6, void *value7, void *value8, vrx_slot number9,
                                     void *value10,
                                     vrx_slot signed11, ///< the core's eleventh argument
                                     vrx_slot ignored12, vrx_slot ignored13);
VRX_API int32_t VRX_STDCALL sqlggtpi(vrx_slot tableNameLen, char *tableName, void *value3, void *value4);

VRX_END_DECLS

#endif
