/* Types shared by every entry point: the argument slot and the caller's
 * SQL communication area. */
#ifndef VRXAGAPI_COMMON_H
#define VRXAGAPI_COMMON_H

#include <stddef.h>
#include <stdint.h>
#include "vrx_abi.h"

#if defined(__cplusplus)
#  define VRX_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#  define VRX_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

/* Record layouts are given for the 32-bit product; on a 64-bit build the
 * pointer members widen and only the pointer-free records keep their size. */
#if UINTPTR_MAX == 0xFFFFFFFFu
#  define VRX_ILP32 1
#else
#  define VRX_ILP32 0
#endif

/* Every entry point argument occupies one 32-bit stack slot. Numeric
 * arguments are declared as slots and narrowed explicitly by the library,
 * so whatever the caller left in the upper bits never reaches the core. */
typedef uint32_t vrx_slot;

/* The caller's SQL communication area, 136 bytes. */
struct sqlca {
    char sqlcaid[8];
    int32_t sqlcabc;
    int32_t sqlcode;
    int16_t sqlerrml;
    char sqlerrmc[70];
    char sqlerrp[8];
    int32_t sqlerrd[6];
    char sqlwarn[11];
    char sqlstate[5];
};

VRX_STATIC_ASSERT(sizeof(struct sqlca) == 136, "sqlca is 136 bytes");
#if defined(__cplusplus)
VRX_STATIC_ASSERT(offsetof(sqlca, sqlcabc) == 8, "sqlcabc");
VRX_STATIC_ASSERT(offsetof(sqlca, sqlcode) == 12, "sqlcode");
VRX_STATIC_ASSERT(offsetof(sqlca, sqlerrml) == 16, "sqlerrml");
VRX_STATIC_ASSERT(offsetof(sqlca, sqlerrmc) == 18, "sqlerrmc");
VRX_STATIC_ASSERT(offsetof(sqlca, sqlerrp) == 88, "sqlerrp");
VRX_STATIC_ASSERT(offsetof(sqlca, sqlerrd) == 96, "sqlerrd");
VRX_STATIC_ASSERT(offsetof(sqlca, sqlwarn) == 120, "sqlwarn");
VRX_STATIC_ASSERT(offsetof(sqlca, sqlstate) == 131, "sqlstate");
#endif

#endif
