// Stand-in for the system library: application data, pointer checking,
// scratch memory with a ledger, sqlca preparation, trace and diagnostic
// records, message texts; and the call recorder and hook table shared with
// the core stand-in. Everything is recorded; faults are injected on request.
// The state is guarded, so services may be called from several threads.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "vrxplatform/services.h"
#include "vrxstub.h"
#include "vrxstub_messages.h"
#include "vrxstub_trace.h"

namespace {

struct Refusal {
    const void *region;
    std::uint32_t length;
    std::uint8_t mode;
    std::int32_t result;
};

struct SystemState {
    std::vector<vrxstub_call> calls;
    std::vector<vrxstub_scratch_request> requests;
    std::map<void *, std::size_t> outstanding;  // block -> request index
    std::vector<Refusal> refusals;
    std::vector<std::string> logItems;  // two per diagnostic record, in order
    std::size_t badReleases = 0;
    std::int32_t initResult = 0;
    std::uint32_t failAt = 0;  // counts down; the request that brings it to 0 fails
    std::uint32_t failures = 0;
    bool ptrCheck = false;
    bool refuseSqlca = false;
    bool recording = true;
};

// The state, reached only while its lock is held.
struct Locked {
    Locked() : lock(mutex()), s(state()) {}
    std::lock_guard<std::mutex> lock;
    SystemState &s;

private:
    static std::mutex &mutex() {
        static std::mutex m;
        return m;
    }
    static SystemState &state() {
        static SystemState s;
        return s;
    }
};

using vrxstub::fixed;
using vrxstub::output;
using vrxstub::record;

void copy_name(char (&to)[VRXSTUB_NAME], const char *from) {
    std::snprintf(to, sizeof to, "%s", from != nullptr ? from : "");
}

// The caller's sqlca may lie at any address: written byte-wise.
void prepare(sqlca *ca) {
    const std::int32_t size = sizeof(sqlca);
    std::memcpy(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcaid), "SQLCA   ", 8);
    std::memcpy(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcabc), &size, sizeof size);
}

// A request no 32-bit process could satisfy fails as an injected one does.
constexpr std::uint32_t kLargestBlock = 256u << 20;

int write_text(char *buffer, std::int32_t size, const char *text) {
    if (buffer == nullptr || size <= 0) return -1;
    std::snprintf(buffer, static_cast<std::size_t>(size), "%s", text);
    return static_cast<int>(std::strlen(buffer));
}

// The hook table, under a lock of its own: a hook runs without it, so that
// what the hook calls in turn may look up hooks too.
struct Hook {
    vrxstub_hook hook;
    void *context;
};

struct Hooks {
    std::mutex mutex;
    std::map<std::string, Hook> table;
};

Hooks &hooks() {
    static Hooks h;
    return h;
}

// A hook can be set on every function the entry point table names: a core
// function of VRXAPP or a service of this library.
bool hookable(const char *name) {
    static const char *const kFunctions[] = {
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source, library) #core,
#include "frame/entry_points.inc"
#undef VRX_ENTRY
    };
    if (name == nullptr || *name == '\0') return false;
    for (const char *f : kFunctions)
        if (std::strcmp(f, name) == 0) return true;
    return false;
}

// A message service runs as a core stand-in does: recorded, then a test's
// hook in its place, with its own copy of the call, if one is set; else its
// own texts; then traced.
template <class Texts, class... Args>
std::int32_t service_call(const char *name, Texts texts, Args... args) {
    const vrxstub_call call = vrxstub::call_of(name, args...);
    vrxstub_record(call.name, call.argc, call.args);
    vrxstub_hook hook;
    void *context;
    const std::int32_t result = vrxstub_find_hook(name, &hook, &context) ? hook(&call, context) : texts();
    vrxstub::trace_call(name, &result, args...);
    return result;
}

// Any other service: recorded, run, traced.
template <class Body, class... Args>
auto service(const char *name, Body body, Args... args) {
    record(name, args...);
    if constexpr (std::is_void_v<decltype(body())>) {
        body();
        vrxstub::trace_call<int>(name, nullptr, args...);
    } else {
        const auto result = body();
        vrxstub::trace_call(name, &result, args...);
        return result;
    }
}

// The trace file, opened at the first call that asks for it.
std::FILE *open_trace() {
    const char *where = std::getenv("VRX_STANDIN_TRACE");
    if (where == nullptr || *where == '\0') return nullptr;
    if (std::strcmp(where, "-") == 0) return stderr;
    std::FILE *file = std::fopen(where, "w");
    if (file == nullptr) std::fprintf(stderr, "VRX_STANDIN_TRACE: cannot write %s; no call trace\n", where);
    return file;
}

std::FILE *trace_file() {
    static std::FILE *const file = open_trace();
    return file;
}

}  // namespace

extern "C" {

// --- recorder and controls -------------------------------------------------

void VRX_CDECL vrxstub_reset(void) {
    Locked l;
    SystemState &s = l.s;
    s.calls.clear();
    s.requests.clear();
    s.refusals.clear();
    s.logItems.clear();
    s.badReleases = 0;
    s.initResult = 0;
    s.failAt = 0;
    s.failures = 0;
    s.ptrCheck = false;
    s.refuseSqlca = false;
    s.recording = true;
    for (auto &block : s.outstanding) block.second = SIZE_MAX;  // still leaked, but request log is gone
}

void VRX_CDECL vrxstub_record(const char *name, std::uint32_t argc, const std::uintptr_t *args) {
    vrxstub_call call{};
    copy_name(call.name, name);
    call.argc = argc < std::uint32_t{VRXSTUB_MAX_ARGS} ? argc : std::uint32_t{VRXSTUB_MAX_ARGS};
    for (std::uint32_t i = 0; i < call.argc; ++i) call.args[i] = args[i];
    Locked l;
    if (l.s.recording) l.s.calls.push_back(call);
}

int VRX_CDECL vrxstub_tracing(void) { return trace_file() != nullptr ? 1 : 0; }

void VRX_CDECL vrxstub_trace_write(const char *line) {
    std::FILE *file = trace_file();
    if (file == nullptr || line == nullptr) return;
    static std::mutex mutex;
    const std::lock_guard<std::mutex> lock(mutex);
    std::fputs(line, file);
    std::fputc('\n', file);
    std::fflush(file);
}

void VRX_CDECL vrxstub_set_recording(int on) { Locked().s.recording = on != 0; }

std::size_t VRX_CDECL vrxstub_call_count(void) { return Locked().s.calls.size(); }

const vrxstub_call *VRX_CDECL vrxstub_call_at(std::size_t index) {
    Locked l;
    return index < l.s.calls.size() ? &l.s.calls[index] : nullptr;
}

void VRX_CDECL vrxstub_set_init_result(std::int32_t result) { Locked().s.initResult = result; }
void VRX_CDECL vrxstub_fail_scratch_at(std::uint32_t k) { Locked().s.failAt = k; }
std::uint32_t VRX_CDECL vrxstub_scratch_failures(void) { return Locked().s.failures; }
void VRX_CDECL vrxstub_set_ptr_check(int active) { Locked().s.ptrCheck = active != 0; }
void VRX_CDECL vrxstub_refuse_sqlca(int refuse) { Locked().s.refuseSqlca = refuse != 0; }

int VRX_CDECL vrxstub_set_hook(const char *function, vrxstub_hook hook, void *context) {
    if (!hookable(function)) return 0;
    Hooks &h = hooks();
    const std::lock_guard<std::mutex> lock(h.mutex);
    if (hook == nullptr)
        h.table.erase(function);
    else
        h.table[function] = {hook, context};
    return 1;
}

void VRX_CDECL vrxstub_clear_hooks(void) {
    Hooks &h = hooks();
    const std::lock_guard<std::mutex> lock(h.mutex);
    h.table.clear();
}

int VRX_CDECL vrxstub_find_hook(const char *function, vrxstub_hook *hook, void **context) {
    Hooks &h = hooks();
    const std::lock_guard<std::mutex> lock(h.mutex);
    auto it = h.table.find(function);
    if (it == h.table.end()) return 0;
    *hook = it->second.hook;
    *context = it->second.context;
    return 1;
}

void VRX_CDECL vrxstub_refuse_region(const void *region, std::uint32_t length, std::uint8_t mode) {
    vrxstub_refuse_region_with(region, length, mode, 1);
}

void VRX_CDECL vrxstub_refuse_region_with(const void *region, std::uint32_t length, std::uint8_t mode,
                                          std::int32_t result) {
    Locked().s.refusals.push_back({region, length, mode, result});
}

int VRX_CDECL vrxstub_region_refused(const void *region, std::uint32_t length, std::uint8_t mode) {
    Locked l;
    for (const Refusal &r : l.s.refusals)
        if (r.region == region && (r.length == 0 || r.length == length) && (r.mode == 0 || r.mode == mode))
            return r.result;
    return 0;
}

std::size_t VRX_CDECL vrxstub_outstanding_blocks(void) { return Locked().s.outstanding.size(); }

std::size_t VRX_CDECL vrxstub_release_outstanding(void) {
    Locked l;
    const std::size_t n = l.s.outstanding.size();
    for (auto &block : l.s.outstanding) std::free(block.first);
    l.s.outstanding.clear();
    return n;
}

std::size_t VRX_CDECL vrxstub_bad_releases(void) { return Locked().s.badReleases; }
std::size_t VRX_CDECL vrxstub_scratch_request_count(void) { return Locked().s.requests.size(); }

const vrxstub_scratch_request *VRX_CDECL vrxstub_scratch_request_at(std::size_t index) {
    Locked l;
    return index < l.s.requests.size() ? &l.s.requests[index] : nullptr;
}

// --- system services -------------------------------------------------------

std::int32_t VRX_CDECL sqlo_create_init_app_data(std::uint32_t code) {
    return service(__func__, [] { return Locked().s.initResult; }, code);
}

std::int32_t VRX_CDECL sqlo_ptr_check_active(void) {
    return service(__func__, [] { return Locked().s.ptrCheck ? 1 : 0; });
}

std::int32_t VRX_CDECL sqlogmblkEx(std::uint32_t zero1, std::uint32_t size, std::uint32_t zero2, void **block,
                                   const char *sourceFile, std::uint32_t sourceLine, std::uint32_t zero3) {
    return service(
        __func__,
        [&]() -> std::int32_t {
            Locked l;
            SystemState &s = l.s;
            vrxstub_scratch_request request{};
            copy_name(request.file, sourceFile);
            request.line = sourceLine;
            request.size = size;
            if (size > kLargestBlock || (s.failAt != 0 && --s.failAt == 0)) {
                request.failed = 1;
                ++s.failures;
                s.requests.push_back(request);
                return 0x870F0009;  // no memory
            }
            void *p = std::malloc(size != 0 ? size : 1);
            if (p == nullptr) return 0x870F0009;
            request.block = p;
            s.requests.push_back(request);
            s.outstanding[p] = s.requests.size() - 1;
            *block = p;
            return 0;
        },
        zero1, size, zero2, block, sourceFile, sourceLine, zero3);
}

std::int32_t VRX_CDECL sqlofmblkEx(void *block) {
    return service(
        __func__,
        [&]() -> std::int32_t {
            Locked l;
            SystemState &s = l.s;
            auto it = s.outstanding.find(block);
            if (it == s.outstanding.end()) {
                ++s.badReleases;
                return -1;
            }
            s.outstanding.erase(it);
            std::free(block);
            return 0;
        },
        block);
}

std::int32_t VRX_CDECL sqloincaChkptr(sqlca *ca) {
    return service(
        __func__,
        [&] {
            if (ca == nullptr || Locked().s.refuseSqlca) return 1;
            prepare(ca);
            return 0;
        },
        ca);
}

void VRX_CDECL sqloinca(sqlca *ca) {
    service(
        __func__,
        [&] {
            if (ca == nullptr) return;
            prepare(ca);
            std::memset(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcode), 0, 4);
            std::memset(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlerrml), 0, 2);
        },
        ca);
}

void VRX_CDECL sqlofica(sqlca *ca) {
    service(
        __func__,
        [&] {
            if (ca != nullptr) prepare(ca);
        },
        ca);
}

std::int32_t VRX_CDECL sqlocptrs(void **ptr, std::uint32_t *length, std::uint8_t *mode, std::uint32_t count,
                                 std::uint32_t zero) {
    return service(
        __func__,
        [&] {
            for (std::uint32_t i = 0; i < count; ++i)
                if (const int refused = vrxstub_region_refused(ptr[i], length[i], mode[i]); refused != 0)
                    return refused;
            return 0;
        },
        ptr, length, mode, count, zero);
}

void VRX_CDECL pdtEntry(std::uint32_t functionId) {
    service(__func__, [] {}, functionId);
}

void VRX_CDECL sqltExit(std::uint32_t functionId, std::int32_t result) {
    service(__func__, [] {}, functionId, result);
}

void VRX_CDECL pdLog(std::uint32_t one, std::uint32_t zero1, std::uint32_t functionId, std::uint32_t zero2,
                     std::uint32_t zero3, std::uint32_t probe, std::uint32_t two, std::uint32_t itemCount,
                     std::uint32_t zero4, std::uint32_t type1, std::uint32_t length1, const void *address1,
                     std::uint32_t type2, std::uint32_t length2, const void *address2) {
    service(
        __func__,
        [&] {
            // The items usually live on the caller's stack: keep their bytes now.
            const auto bytes = [](std::uint32_t length, const void *address) {
                return address == nullptr ? std::string() : std::string(static_cast<const char *>(address), length);
            };
            Locked l;
            l.s.logItems.push_back(bytes(length1, address1));
            l.s.logItems.push_back(bytes(length2, address2));
        },
        one, zero1, functionId, zero2, zero3, probe, two, itemCount, zero4, type1, length1, address1, type2, length2,
        address2);
}

const char *VRX_CDECL vrxstub_log_item(std::size_t index, std::uint32_t item, std::uint32_t *length) {
    Locked l;
    const std::size_t at = index * 2 + item;
    if (item > 1 || at >= l.s.logItems.size()) return nullptr;
    if (length != nullptr) *length = static_cast<std::uint32_t>(l.s.logItems[at].size());
    return l.s.logItems[at].data();
}

// The texts are those of the stand-ins' own codes; the line width is not
// used, every text fits on one line. The caller's SQLSTATE is read as its
// five characters.
std::int32_t VRX_STDCALL sqlogstt(char *buffer, std::int32_t lineWidth, std::int32_t bufferSize,
                                  const char *sqlstate) {
    return service_call(
        __func__,
        [&] {
            const vrxstub::Message *m = vrxstub::message_for_state(sqlstate);
            if (m == nullptr) return -2;  // no text for this state
            char text[128];
            std::snprintf(text, sizeof text, "SQLSTATE %.5s: %s", m->sqlstate, m->stateText);
            return write_text(buffer, bufferSize, text);
        },
        output(buffer), lineWidth, bufferSize, fixed(sqlstate, 5));
}

std::int32_t VRX_STDCALL sqlaintp_api(char *buffer, std::int32_t lineWidth, std::int32_t bufferSize,
                                      const char *messageFile, sqlca *ca) {
    return service_call(
        __func__,
        [&] {
            std::int32_t code = 0;
            if (ca != nullptr)  // the caller's sqlca need not be aligned
                std::memcpy(&code, reinterpret_cast<const char *>(ca) + offsetof(sqlca, sqlcode), sizeof code);
            const char kind = code < 0 ? 'N' : code > 0 ? 'W' : 'I';
            char text[128];
            std::snprintf(text, sizeof text, "SQL%04ld%c  %s", std::labs(code), kind, vrxstub::message_for(code).text);
            return write_text(buffer, bufferSize, text);
        },
        output(buffer), lineWidth, bufferSize, messageFile, ca);
}

}  // extern "C"
