// The null core's two support functions; its core functions, each returning
// 0, are generated from the platform headers (cmake/null_platform.cmake).
#include <cstdint>

#include "vrxplatform/services.h"

extern "C" {

// Every region is accepted.
std::int32_t VRX_CDECL sqlagcptr_real(const void *, std::uint32_t, std::uint8_t) { return 0; }

void VRX_CDECL sqlmprca(const char *, std::uint16_t, const char *, sqlca *) {}

}
