/* Core API: table space and container queries. The library hands every
 * argument on unchanged; the records it reads are in vrxagapi/tablespace.h. */
#ifndef VRXPLATFORM_TABLESPACE_H
#define VRXPLATFORM_TABLESPACE_H

#include "vrxagapi/tablespace.h"

VRX_BEGIN_DECLS

VRXAPP_LINK int32_t VRX_STDCALL sqlbotsq(void *value1, void *value2, void *value3);
VRXAPP_LINK int32_t VRX_STDCALL sqlbftpq(void *value1, void *value2, struct vrxgTablespaceLong *records,
                                         uint32_t *count);
VRXAPP_LINK int32_t VRX_STDCALL sqlbftsq(void *value1, void *value2, struct vrxgTablespaceShort *records,
                                         uint32_t *count);
VRXAPP_LINK int32_t VRX_STDCALL sqlbctsq(void *value1);
VRXAPP_LINK int32_t VRX_STDCALL sqlbstpq(void *value1, void *value2, struct vrxgTablespaceLong *record,
                                         void *value4);
VRXAPP_LINK int32_t VRX_STDCALL sqlbstsq(void *value1, void *value2, struct vrxgTablespaceShort *record);
VRXAPP_LINK int32_t VRX_STDCALL sqlbmtsq(void *value1, uint32_t *count, struct vrxgTablespaceLong ***records,
                                         void *value4, void *value5);
VRXAPP_LINK int32_t VRX_STDCALL sqlbtsq(void *value1, uint32_t *count, struct vrxgTablespaceShort **records);
VRXAPP_LINK int32_t VRX_STDCALL sqlbotcq(void *value1, void *value2, void *value3);
VRXAPP_LINK int32_t VRX_STDCALL sqlbftcq(void *value1, void *value2, void *value3, void *value4);
VRXAPP_LINK int32_t VRX_STDCALL sqlbctcq(void *value1);
VRXAPP_LINK int32_t VRX_STDCALL sqlbtcq(void *value1, void *value2, void *value3, void *value4);
VRXAPP_LINK int32_t VRX_STDCALL sqlbstsc(struct sqlca *ca, void *value2, void *value3, uint32_t count,
                                         struct vrxgContainer *containers);
VRXAPP_LINK int32_t VRX_STDCALL sqlbgtss(void *value1, void *value2, void *value3);

VRX_END_DECLS

#endif
