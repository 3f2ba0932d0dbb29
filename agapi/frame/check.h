// Pointer checks of caller regions, kept inline: with checking off, which is
// the usual case, a check costs the one question to the system library and
// nothing else.
#pragma once

#include <cstdint>

#include "vrxplatform/services.h"

namespace vrx {

// What a region is checked for before the library reads or writes it.
enum class CheckMode : std::uint8_t {
    ReadOnly = 1,   // caller records the library only reads
    Field = 2,      // fixed-width output fields and blank-padded input fields
    Terminate = 3,  // texts about to be terminated in place, arrays read before that, versioned records
};

// The check's own result, for callers that hand it on: 0 when checking is
// off or the core accepts the region, the core's nonzero result otherwise.
// Asks anew whether checking is on before every check.
inline std::int32_t check_result(const void *region, std::uint32_t length, CheckMode mode) {
    if (sqlo_ptr_check_active() == 0) return 0;
    return sqlagcptr_real(region, length, static_cast<std::uint8_t>(mode));
}

// True when pointer checking is off or the core accepts the region.
inline bool passes_check(const void *region, std::uint32_t length, CheckMode mode) {
    return check_result(region, length, mode) == 0;
}

// A text of `length` bytes has room for its terminator within a 32-bit
// region: a length of 0xFFFFFFFF would need 2^32 bytes, which no caller
// storage has. Such a text is treated as a region that fails its check.
constexpr bool terminable(std::uint32_t length) { return length != UINT32_MAX; }

}  // namespace vrx
