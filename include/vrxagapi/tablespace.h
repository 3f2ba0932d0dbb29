/* Table space and container queries. The core returns table-space records
 * of two sizes, each with one six-byte text that the library blank-fills
 * after a successful call; every other byte of them is the core's. */
#ifndef VRXAGAPI_TABLESPACE_H
#define VRXAGAPI_TABLESPACE_H

#include "vrxagapi/common.h"

/* The long table-space record, 300 bytes, its six-byte text at 176. */
struct vrxgTablespaceLong {
    char core1[176];
    char text6[6];
    char core2[118];
};

/* The short table-space record, 176 bytes, its six-byte text at 168. */
struct vrxgTablespaceShort {
    char core1[168];
    char text6[6];
    char core2[2];
};

/* A container of a table space: its name, not terminated, with its length. */
struct vrxgContainer {
    uint32_t values[3];
    uint32_t nameLen;
    char name[276];
};

VRX_STATIC_ASSERT(sizeof(struct vrxgTablespaceLong) == 300, "long table-space record is 300 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgTablespaceShort) == 176, "short table-space record is 176 bytes");
VRX_STATIC_ASSERT(sizeof(struct vrxgContainer) == 292, "container record is 292 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(vrxgTablespaceLong, text6) == 176, "text6");
VRX_STATIC_ASSERT(offsetof(vrxgTablespaceShort, text6) == 168, "text6");
VRX_STATIC_ASSERT(offsetof(vrxgContainer, nameLen) == 12, "nameLen");
VRX_STATIC_ASSERT(offsetof(vrxgContainer, name) == 16, "name");
#endif

VRX_BEGIN_DECLS

/* Forwards: every argument handed on unchanged, in order, no frame. */
VRX_API int32_t VRX_STDCALL sqlgotsq(void *value1, void *value2, void *value3);
VRX_API int32_t VRX_STDCALL sqlgctsq(void *value1);
VRX_API int32_t VRX_STDCALL sqlgotcq(void *value1, void *value2, void *value3);
VRX_API int32_t VRX_STDCALL sqlgftcq(void *value1, void *value2, void *value3, void *value4);
VRX_API int32_t VRX_STDCALL sqlgctcq(void *value1);
VRX_API int32_t VRX_STDCALL sqlgtcq(void *value1, void *value2, void *value3, void *value4);
VRX_API int32_t VRX_STDCALL sqlggtss(void *value1, void *value2, void *value3);

/* Forwards that blank-fill the six-byte text of the records returned after
 * a core result of 0, without initialising. `count` points to the number of
 * records the core returned. */
VRX_API int32_t VRX_STDCALL sqlgftpq(void *value1, void *value2, struct vrxgTablespaceLong *records,
                                     uint32_t *count); ///< number of records the core returned
VRX_API int32_t VRX_STDCALL sqlgftsq(void *value1, void *value2, struct vrxgTablespaceShort *records,
                                     uint32_t *count); ///< number of records the core returned
VRX_API int32_t VRX_STDCALL sqlgstpq(void *value1, void *value2, struct vrxgTablespaceLong *record, void *value4);
VRX_API int32_t VRX_STDCALL sqlgstsq(void *value1, void *value2, struct vrxgTablespaceShort *record);
/* `records` points to a pointer to a list whose first element points to
 * the first of consecutive long records. */
VRX_API int32_t VRX_STDCALL sqlgmtsq(void *value1,
                                     uint32_t *count, ///< output: number of records the core returned
                                     struct vrxgTablespaceLong ***records, ///< output: list of the records
                                     void *value4, void *value5);
/* `records` points to a pointer to the first of consecutive short records. */
VRX_API int32_t VRX_STDCALL sqlgtsq(void *value1,
                                    uint32_t *count, ///< output: number of records the core returned
                                    struct vrxgTablespaceShort **records); ///< output: address of the first record

/* Sets the containers of a table space: each name terminated in place for
 * the call, the standard frame around it. */
VRX_API int32_t VRX_STDCALL sqlgstsc(struct sqlca *ca, void *value2, void *value3,
                                     vrx_slot count, ///< number of entries in `containers`
                                     struct vrxgContainer *containers); ///< containers, `count` of them

VRX_END_DECLS

#endif
