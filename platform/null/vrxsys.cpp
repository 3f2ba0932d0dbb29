// The null system library: each service does what its callers rely on and
// nothing more, so that a measurement of the library sees the library.
// Initialisation succeeds, the sqlca is prepared, scratch blocks come from
// a per-thread arena, trace and diagnostic records go nowhere.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "vrxnull.h"
#include "vrxplatform/services.h"

namespace {

std::atomic<int> ptrCheck{0};

// Blocks are handed out from the top of the arena; it is empty again once
// every block is released, which an entry point does before it returns.
struct Arena {
    static constexpr std::size_t kSize = 64 * 1024;
    alignas(16) unsigned char bytes[kSize];
    std::size_t top;
    std::size_t live;
};
thread_local Arena arena;

constexpr std::int32_t kNoMemory = static_cast<std::int32_t>(0x870F0009);

void prepare(sqlca *ca) {
    const std::int32_t size = sizeof(sqlca);
    std::memcpy(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcaid), "SQLCA   ", 8);
    std::memcpy(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcabc), &size, sizeof size);
}

std::int32_t empty_text(char *buffer, std::int32_t size) {
    if (buffer == nullptr || size <= 0) return -1;
    buffer[0] = '\0';
    return 0;
}

}  // namespace

extern "C" {

void VRX_CDECL vrxnull_set_ptr_check(int on) { ptrCheck.store(on != 0, std::memory_order_relaxed); }

std::int32_t VRX_CDECL sqlo_create_init_app_data(std::uint32_t) { return 0; }

std::int32_t VRX_CDECL sqlo_ptr_check_active(void) { return ptrCheck.load(std::memory_order_relaxed); }

std::int32_t VRX_CDECL sqlogmblkEx(std::uint32_t, std::uint32_t size, std::uint32_t, void **block, const char *,
                                   std::uint32_t, std::uint32_t) {
    Arena &a = arena;
    const std::size_t rounded = (static_cast<std::size_t>(size) + 15) & ~std::size_t{15};
    if (rounded > Arena::kSize - a.top) return kNoMemory;
    *block = a.bytes + a.top;
    a.top += rounded != 0 ? rounded : 16;
    ++a.live;
    return 0;
}

std::int32_t VRX_CDECL sqlofmblkEx(void *) {
    Arena &a = arena;
    if (a.live > 0 && --a.live == 0) a.top = 0;
    return 0;
}

std::int32_t VRX_CDECL sqloincaChkptr(sqlca *ca) {
    if (ca == nullptr) return 1;
    prepare(ca);
    return 0;
}

void VRX_CDECL sqloinca(sqlca *ca) {
    if (ca == nullptr) return;
    prepare(ca);
    std::memset(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlcode), 0, 4);
    std::memset(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlerrml), 0, 2);
}

void VRX_CDECL sqlofica(sqlca *ca) {
    if (ca != nullptr) prepare(ca);
}

std::int32_t VRX_CDECL sqlocptrs(void **, std::uint32_t *, std::uint8_t *, std::uint32_t, std::uint32_t) { return 0; }

void VRX_CDECL pdtEntry(std::uint32_t) {}
void VRX_CDECL sqltExit(std::uint32_t, std::int32_t) {}
void VRX_CDECL pdLog(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                     std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, const void *,
                     std::uint32_t, std::uint32_t, const void *) {}

std::int32_t VRX_STDCALL sqlogstt(char *buffer, std::int32_t, std::int32_t bufferSize, const char *) {
    return empty_text(buffer, bufferSize);
}

std::int32_t VRX_STDCALL sqlaintp_api(char *buffer, std::int32_t, std::int32_t bufferSize, const char *, sqlca *) {
    return empty_text(buffer, bufferSize);
}

}  // extern "C"
