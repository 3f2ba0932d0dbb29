// The three precompiler services done in the library itself: store an
// address, copy through a stored address, copy memory. None has an sqlca.
#include <cstring>

#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxagapi/appsvc.h"

using namespace vrx;

namespace {
constexpr int32_t kCopyRefused = -1;
}  // namespace

// Exactly four bytes, on every build: the slot is the caller's 32-bit one.
VRX_API int32_t VRX_STDCALL sqlgaddr(slot address, void *target) {
    if (target != nullptr) store(target, 0, address);
    return 0;
}

// The source address is read pointer-wide from the caller's slot, which may
// lie at any address. The copy goes upwards one byte at a time, so that an
// overlapping destination above the source repeats the bytes already copied.
// Result -1: the initialisation or a pointer check failed; nothing is copied
VRX_API int32_t VRX_STDCALL sqlgdref(slot count, void *destination, void *const *source) {
    if (!app_data_ready(nullptr)) return kCopyRefused;

    if (!passes_check(destination, count, CheckMode::Field)) return kCopyRefused;
    if (source == nullptr) return kCopyRefused;
    const auto *from = static_cast<const char *>(load(source));
    if (!passes_check(from, count, CheckMode::ReadOnly)) return kCopyRefused;
    if (count != 0 && (destination == nullptr || from == nullptr)) return kCopyRefused;

    auto *to = static_cast<char *>(destination);
    for (uint32_t i = 0; i < count; ++i) to[i] = from[i];
    return 0;
}

// Overlapping areas are copied as if through a buffer of their own.
VRX_API int32_t VRX_STDCALL sqlgmcpy(void *destination, const void *source, slot count) {
    if (destination != nullptr && source != nullptr && count != 0) std::memmove(destination, source, count);
    return 0;
}
