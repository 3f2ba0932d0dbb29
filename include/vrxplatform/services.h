/* The system services (VRXSYS), the core support functions (VRXAPP) and the
 * trace-flag words (VRXWINT) that every entry point may use. All of them
 * leave the removal of their arguments to the caller, except sqlogstt and
 * sqlaintp_api. */
#ifndef VRXPLATFORM_SERVICES_H
#define VRXPLATFORM_SERVICES_H

#include "vrxagapi/common.h"

VRX_BEGIN_DECLS

/* VRXSYS */
VRXSYS_LINK int32_t VRX_CDECL sqlo_create_init_app_data(uint32_t code);
VRXSYS_LINK int32_t VRX_CDECL sqlo_ptr_check_active(void);
VRXSYS_LINK int32_t VRX_CDECL sqlogmblkEx(uint32_t zero1, uint32_t size, uint32_t zero2, void **block,
                                          const char *sourceFile, uint32_t sourceLine, uint32_t zero3);
VRXSYS_LINK int32_t VRX_CDECL sqlofmblkEx(void *block);
VRXSYS_LINK int32_t VRX_CDECL sqloincaChkptr(struct sqlca *ca);
VRXSYS_LINK void VRX_CDECL sqloinca(struct sqlca *ca);
VRXSYS_LINK void VRX_CDECL sqlofica(struct sqlca *ca);
VRXSYS_LINK int32_t VRX_CDECL sqlocptrs(void **ptr, uint32_t *length, uint8_t *mode, uint32_t count,
                                        uint32_t zero);
VRXSYS_LINK void VRX_CDECL pdtEntry(uint32_t functionId);
VRXSYS_LINK void VRX_CDECL sqltExit(uint32_t functionId, int32_t result);
VRXSYS_LINK void VRX_CDECL pdLog(uint32_t one, uint32_t zero1, uint32_t functionId, uint32_t zero2,
                                 uint32_t zero3, uint32_t probe, uint32_t two, uint32_t itemCount,
                                 uint32_t zero4, uint32_t type1, uint32_t length1, const void *address1,
                                 uint32_t type2, uint32_t length2, const void *address2);
VRXSYS_LINK int32_t VRX_STDCALL sqlogstt(char *buffer, int32_t lineWidth, int32_t bufferSize,
                                         const char *sqlstate);
VRXSYS_LINK int32_t VRX_STDCALL sqlaintp_api(char *buffer, int32_t lineWidth, int32_t bufferSize,
                                             const char *messageFile, struct sqlca *ca);

/* VRXAPP support functions */
VRXAPP_LINK int32_t VRX_CDECL sqlagcptr_real(const void *region, uint32_t length, uint8_t mode);
VRXAPP_LINK void VRX_CDECL sqlmprca(const char *functionName, uint16_t parameterNameLen,
                                    const char *parameterName, struct sqlca *ca);

/* VRXWINT: points at the trace-flag words. */
VRXWINT_LINK extern const uint32_t *g_sqltCompTraceFlags;

VRX_END_DECLS

#endif
