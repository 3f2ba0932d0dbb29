// Stand-in for the system library: application data, pointer checking,
// scratch memory with a ledger, sqlca preparation, trace and diagnostic
// records, message texts; and the call recorder shared with the core
// stand-in. Everything is recorded; faults are injected on request. The
// state is reached under one lock, so entry points may run on several
// threads at once; the call log then has to be switched off, since its
// entries are handed out by address.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

#include "vrxplatform/services.h"
#include "vrxstub.h"

namespace {

struct Refusal {
    const void *region;
    std::uint32_t length;
    std::uint8_t mode;
};

struct SystemState {
    std::vector<vrxstub_call> calls;
    std::vector<vrxstub_scratch_request> requests;
    std::map<void *, std::size_t> outstanding;  // block -> request index
    std::vector<Refusal> refusals;
    std::size_t badReleases = 0;
    std::int32_t initResult = 0;
    std::uint32_t failAt = 0;  // counts down; the request that brings it to 0 fails
    std::uint32_t failures = 0;
    bool ptrCheck = false;
    bool refuseSqlca = false;
    bool recording = true;
};

// The state, locked for as long as this object lives: `state()->field`
// holds the lock for one expression, `auto s = state();` for a block.
class Locked {
public:
    Locked() : lock_(mutex()) {}
    SystemState *operator->() const { return &shared(); }

private:
    static std::mutex &mutex() {
        static std::mutex m;
        return m;
    }
    static SystemState &shared() {
        static SystemState s;
        return s;
    }
    std::lock_guard<std::mutex> lock_;
};

Locked state() { return {}; }

constexpr std::uint32_t kLargestBlock = 256u << 20;

void record(const char *name, std::initializer_list<std::uintptr_t> args) {
    vrxstub_record(name, static_cast<std::uint32_t>(args.size()), args.begin());
}

using vrxstub::raw;

void copy_name(char (&to)[VRXSTUB_NAME], const char *from) {
    std::snprintf(to, sizeof to, "%s", from != nullptr ? from : "");
}

void prepare(sqlca *ca) {
    // The caller's sqlca may lie at any address: written byte-wise.
    const std::int32_t size = sizeof(sqlca);
    std::memcpy(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcaid), "SQLCA   ", 8);
    std::memcpy(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcabc), &size, sizeof size);
}

int write_text(char *buffer, std::int32_t size, const char *text) {
    if (buffer == nullptr || size <= 0) return -1;
    std::snprintf(buffer, static_cast<std::size_t>(size), "%s", text);
    return static_cast<int>(std::strlen(buffer));
}

}  // namespace

extern "C" {

// --- recorder and controls -------------------------------------------------

void VRX_CDECL vrxstub_reset(void) {
    auto s = state();
    s->calls.clear();
    s->requests.clear();
    s->refusals.clear();
    s->badReleases = 0;
    s->initResult = 0;
    s->failAt = 0;
    s->failures = 0;
    s->ptrCheck = false;
    s->refuseSqlca = false;
    s->recording = true;
    for (auto &block : s->outstanding) block.second = SIZE_MAX;  // still leaked, but request log is gone
}

void VRX_CDECL vrxstub_record(const char *name, std::uint32_t argc, const std::uintptr_t *args) {
    vrxstub_call call{};
    copy_name(call.name, name);
    call.argc = argc < std::uint32_t{VRXSTUB_MAX_ARGS} ? argc : std::uint32_t{VRXSTUB_MAX_ARGS};
    for (std::uint32_t i = 0; i < call.argc; ++i) call.args[i] = args[i];
    auto s = state();
    if (s->recording) s->calls.push_back(call);
}

void VRX_CDECL vrxstub_set_recording(int on) { state()->recording = on != 0; }

std::size_t VRX_CDECL vrxstub_call_count(void) { return state()->calls.size(); }

const vrxstub_call *VRX_CDECL vrxstub_call_at(std::size_t index) {
    auto s = state();
    return index < s->calls.size() ? &s->calls[index] : nullptr;
}

void VRX_CDECL vrxstub_set_init_result(std::int32_t result) { state()->initResult = result; }
void VRX_CDECL vrxstub_fail_scratch_at(std::uint32_t k) { state()->failAt = k; }
std::uint32_t VRX_CDECL vrxstub_scratch_failures(void) { return state()->failures; }
void VRX_CDECL vrxstub_set_ptr_check(int active) { state()->ptrCheck = active != 0; }
void VRX_CDECL vrxstub_refuse_sqlca(int refuse) { state()->refuseSqlca = refuse != 0; }

void VRX_CDECL vrxstub_refuse_region(const void *region, std::uint32_t length, std::uint8_t mode) {
    state()->refusals.push_back({region, length, mode});
}

int VRX_CDECL vrxstub_region_refused(const void *region, std::uint32_t length, std::uint8_t mode) {
    auto s = state();
    for (const Refusal &r : s->refusals)
        if (r.region == region && (r.length == 0 || r.length == length) && (r.mode == 0 || r.mode == mode))
            return 1;
    return 0;
}

std::size_t VRX_CDECL vrxstub_outstanding_blocks(void) { return state()->outstanding.size(); }
std::size_t VRX_CDECL vrxstub_bad_releases(void) { return state()->badReleases; }
std::size_t VRX_CDECL vrxstub_scratch_request_count(void) { return state()->requests.size(); }

const vrxstub_scratch_request *VRX_CDECL vrxstub_scratch_request_at(std::size_t index) {
    auto s = state();
    return index < s->requests.size() ? &s->requests[index] : nullptr;
}

// --- system services -------------------------------------------------------

std::int32_t VRX_CDECL sqlo_create_init_app_data(std::uint32_t code) {
    record("sqlo_create_init_app_data", {raw(code)});
    return state()->initResult;
}

std::int32_t VRX_CDECL sqlo_ptr_check_active(void) {
    record("sqlo_ptr_check_active", {});
    return state()->ptrCheck ? 1 : 0;
}

std::int32_t VRX_CDECL sqlogmblkEx(std::uint32_t zero1, std::uint32_t size, std::uint32_t zero2, void **block,
                                   const char *sourceFile, std::uint32_t sourceLine, std::uint32_t zero3) {
    record("sqlogmblkEx",
           {raw(zero1), raw(size), raw(zero2), raw(block), raw(sourceFile), raw(sourceLine), raw(zero3)});
    auto s = state();
    vrxstub_scratch_request request{};
    copy_name(request.file, sourceFile);
    request.line = sourceLine;
    request.size = size;
    // A request no 32-bit process could satisfy fails as an injected one does.
    const bool tooLarge = size > kLargestBlock;
    if (tooLarge || (s->failAt != 0 && --s->failAt == 0)) {
        request.failed = 1;
        ++s->failures;
        s->requests.push_back(request);
        return 0x870F0009;  // no memory
    }
    void *p = std::malloc(size != 0 ? size : 1);
    if (p == nullptr) return 0x870F0009;
    s->requests.push_back(request);
    s->outstanding[p] = s->requests.size() - 1;
    *block = p;
    return 0;
}

std::int32_t VRX_CDECL sqlofmblkEx(void *block) {
    record("sqlofmblkEx", {raw(block)});
    auto s = state();
    auto it = s->outstanding.find(block);
    if (it == s->outstanding.end()) {
        ++s->badReleases;
        return -1;
    }
    s->outstanding.erase(it);
    std::free(block);
    return 0;
}

std::int32_t VRX_CDECL sqloincaChkptr(sqlca *ca) {
    record("sqloincaChkptr", {raw(ca)});
    if (ca == nullptr || state()->refuseSqlca) return 1;
    prepare(ca);
    return 0;
}

void VRX_CDECL sqloinca(sqlca *ca) {
    record("sqloinca", {raw(ca)});
    if (ca == nullptr) return;
    prepare(ca);
    std::memset(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcode), 0, 4);
    std::memset(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlerrml), 0, 2);
}

void VRX_CDECL sqlofica(sqlca *ca) {
    record("sqlofica", {raw(ca)});
    if (ca != nullptr) prepare(ca);
}

std::int32_t VRX_CDECL sqlocptrs(void **ptr, std::uint32_t *length, std::uint8_t *mode, std::uint32_t count,
                                 std::uint32_t zero) {
    record("sqlocptrs", {raw(ptr), raw(length), raw(mode), raw(count), raw(zero)});
    if (!state()->ptrCheck) return 0;
    for (std::uint32_t i = 0; i < count; ++i)
        if (vrxstub_region_refused(ptr[i], length[i], mode[i])) return 1;
    return 0;
}

void VRX_CDECL pdtEntry(std::uint32_t functionId) { record("pdtEntry", {raw(functionId)}); }

void VRX_CDECL sqltExit(std::uint32_t functionId, std::int32_t result) {
    record("sqltExit", {raw(functionId), raw(result)});
}

void VRX_CDECL pdLog(std::uint32_t one, std::uint32_t zero1, std::uint32_t functionId, std::uint32_t zero2,
                     std::uint32_t zero3, std::uint32_t probe, std::uint32_t two, std::uint32_t itemCount,
                     std::uint32_t zero4, std::uint32_t type1, std::uint32_t length1, const void *address1,
                     std::uint32_t type2, std::uint32_t length2, const void *address2) {
    record("pdLog", {raw(one), raw(zero1), raw(functionId), raw(zero2), raw(zero3), raw(probe), raw(two),
                     raw(itemCount), raw(zero4), raw(type1), raw(length1), raw(address1), raw(type2),
                     raw(length2), raw(address2)});
}

std::int32_t VRX_STDCALL sqlogstt(char *buffer, std::int32_t lineWidth, std::int32_t bufferSize,
                                  const char *sqlstate) {
    record("sqlogstt", {raw(buffer), raw(lineWidth), raw(bufferSize), raw(sqlstate)});
    char text[64];
    std::snprintf(text, sizeof text, "SQLSTATE %.5s", sqlstate != nullptr ? sqlstate : "?????");
    return write_text(buffer, bufferSize, text);
}

std::int32_t VRX_STDCALL sqlaintp_api(char *buffer, std::int32_t lineWidth, std::int32_t bufferSize,
                                      const char *messageFile, sqlca *ca) {
    record("sqlaintp_api", {raw(buffer), raw(lineWidth), raw(bufferSize), raw(messageFile), raw(ca)});
    char text[64];
    std::snprintf(text, sizeof text, "SQL%04dN", ca != nullptr ? -ca->sqlcode : 0);
    return write_text(buffer, bufferSize, text);
}

}  // extern "C"
