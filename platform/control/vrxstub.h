/* Control interface of the platform stand-ins, for tests and examples only;
 * it is not part of the library's interface.
 *
 * The stand-ins record every service and core call in order with its raw
 * arguments, keep a ledger of scratch blocks with the source-file name and
 * line of each request, and can be told to fail: the application-data
 * initialisation, the k-th scratch request, pointer checks of chosen
 * regions, and the sqlca preparation on a memory failure.
 *
 * The ledger, the faults, the hooks and the model are guarded, so entry
 * points may be called from several threads at once. The call log is for
 * one thread only: switch recording off for such runs. */
#ifndef VRXSTUB_H
#define VRXSTUB_H

#include <stddef.h>
#include <stdint.h>

#include "vrx_abi.h"
#include "vrxagapi/common.h" /* VRX_STATIC_ASSERT */

VRX_BEGIN_DECLS

enum { VRXSTUB_MAX_ARGS = 32, VRXSTUB_NAME = 40 };

struct vrxstub_call {
    char name[VRXSTUB_NAME];
    uint32_t argc;
    uintptr_t args[VRXSTUB_MAX_ARGS];
};

struct vrxstub_scratch_request {
    char file[VRXSTUB_NAME];
    uint32_t line;
    uint32_t size;
    int failed;
    const void *block; /* the block handed out, null when the request failed */
};

/* --- VRXSYS: recorder, ledger, faults of the system services --- */

/* Forgets the call log, the scratch requests and every fault, and switches
 * recording back on; outstanding blocks stay in the ledger (they are leaks
 * for the test to report, then release). */
VRXSYS_LINK void VRX_CDECL vrxstub_reset(void);

/* Appends a call to the log, unless recording is off. */
VRXSYS_LINK void VRX_CDECL vrxstub_record(const char *name, uint32_t argc, const uintptr_t *args);
VRXSYS_LINK void VRX_CDECL vrxstub_set_recording(int on);
VRXSYS_LINK size_t VRX_CDECL vrxstub_call_count(void);
VRXSYS_LINK const struct vrxstub_call *VRX_CDECL vrxstub_call_at(size_t index);

/* sqlo_create_init_app_data returns `result` (0: succeed). */
VRXSYS_LINK void VRX_CDECL vrxstub_set_init_result(int32_t result);
/* The k-th scratch request from now fails (0: none fails). */
VRXSYS_LINK void VRX_CDECL vrxstub_fail_scratch_at(uint32_t k);
/* How many scratch requests were refused since the last reset. */
VRXSYS_LINK uint32_t VRX_CDECL vrxstub_scratch_failures(void);
VRXSYS_LINK void VRX_CDECL vrxstub_set_ptr_check(int active);
/* sqloincaChkptr refuses the sqlca (returns nonzero). */
VRXSYS_LINK void VRX_CDECL vrxstub_refuse_sqlca(int refuse);

/* sqlagcptr_real and sqlocptrs refuse a check of `region` with result 1,
 * or with `result` (nonzero); a length or mode of 0 matches any. The
 * library asks sqlagcptr_real only while checking is active; sqlocptrs
 * refuses whether or not it is. region_refused gives the refusal's result,
 * 0 when the region is not refused. */
VRXSYS_LINK void VRX_CDECL vrxstub_refuse_region(const void *region, uint32_t length, uint8_t mode);
VRXSYS_LINK void VRX_CDECL vrxstub_refuse_region_with(const void *region, uint32_t length, uint8_t mode,
                                                      int32_t result);
VRXSYS_LINK int VRX_CDECL vrxstub_region_refused(const void *region, uint32_t length, uint8_t mode);

/* The bytes of item `item` (0 or 1) of the `index`-th diagnostic record
 * (pdLog call) since the last reset, copied when it was logged: as many
 * bytes as the record's length gives, none for a vacant item. Null when
 * there is no such record. */
VRXSYS_LINK const char *VRX_CDECL vrxstub_log_item(size_t index, uint32_t item, uint32_t *length);

VRXSYS_LINK size_t VRX_CDECL vrxstub_outstanding_blocks(void);
/* Frees the outstanding blocks and empties the ledger; returns how many
 * there were. */
VRXSYS_LINK size_t VRX_CDECL vrxstub_release_outstanding(void);
/* Releases of blocks the ledger does not hold (double or foreign frees). */
VRXSYS_LINK size_t VRX_CDECL vrxstub_bad_releases(void);
VRXSYS_LINK size_t VRX_CDECL vrxstub_scratch_request_count(void);
VRXSYS_LINK const struct vrxstub_scratch_request *VRX_CDECL vrxstub_scratch_request_at(size_t index);

/* The call trace: with VRX_STANDIN_TRACE set to a file name, or to "-" for
 * standard error, the stand-ins write one line per core and service call
 * (see vrxstub_trace.h). vrxstub_tracing is nonzero when the trace is on;
 * the file is opened, and emptied, at the first call. vrxstub_trace_write
 * writes one line, whole, and its newline. */
VRXSYS_LINK int VRX_CDECL vrxstub_tracing(void);
VRXSYS_LINK void VRX_CDECL vrxstub_trace_write(const char *line);

/* A hook runs in place of the stand-in's own behaviour for one core
 * function or message service, while the caller's texts are terminated;
 * its result is the function's result. It gets a copy of the call, valid
 * for the whole call whatever it calls in turn. A null hook removes the one
 * set. Returns 0, setting nothing, when the entry point table names no such
 * function. The table lives here, next to the recorder, so that the system
 * library's services and the core stand-in share it. */
typedef int32_t(VRX_CDECL *vrxstub_hook)(const struct vrxstub_call *call, void *context);
VRXSYS_LINK int VRX_CDECL vrxstub_set_hook(const char *function, vrxstub_hook hook, void *context);
VRXSYS_LINK void VRX_CDECL vrxstub_clear_hooks(void);
/* For the stand-ins: nonzero, with the hook and its context, when one is
 * set for `function`. */
VRXSYS_LINK int VRX_CDECL vrxstub_find_hook(const char *function, vrxstub_hook *hook, void **context);

/* --- VRXAPP: the model --- */

/* Forgets every database the model holds. */
VRXAPP_LINK void VRX_CDECL vrxstub_reset_model(void);

/* A recovery history entry as the model's fetch writes it: fixed-width,
 * blank-padded fields. */
struct vrxstub_history_entry {
    char timestamp[14]; /* YYYYMMDDhhmmss */
    char operation;     /* 'B' backup, 'R' restore, 'F' rollforward */
    char reserved;      /* blank */
    char location[64];
    char comment[32];
};
VRX_STATIC_ASSERT(sizeof(struct vrxstub_history_entry) == 112, "history entry is 112 bytes");

/* --- VRXWINT: trace-flag words --- */

VRXWINT_LINK void VRX_CDECL vrxstub_set_trace_word(uint32_t byteOffset, uint32_t value);

VRX_END_DECLS

#if defined(__cplusplus)
#include <algorithm>
#include <cstdio>
#include <type_traits>

namespace vrxstub {
/* A call argument as the recorder keeps it. */
template <class T>
uintptr_t raw(T value) {
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<uintptr_t>(value);
    else
        return static_cast<uintptr_t>(value);
}

/* The record of a call to `name` with `args`, each kept as raw() keeps it. */
template <class... Args>
vrxstub_call call_of(const char *name, Args... args) {
    static_assert(sizeof...(Args) <= VRXSTUB_MAX_ARGS, "more arguments than a call record holds");
    const uintptr_t values[sizeof...(Args) + 1] = {raw(args)...};
    vrxstub_call call{};
    std::snprintf(call.name, sizeof call.name, "%s", name);
    call.argc = sizeof...(Args);
    std::copy(values, values + sizeof...(Args), call.args);
    return call;
}

/* Records a call to `name` with `args`. */
template <class... Args>
void record(const char *name, Args... args) {
    const vrxstub_call call = call_of(name, args...);
    vrxstub_record(call.name, call.argc, call.args);
}
}  // namespace vrxstub
#endif

#endif
