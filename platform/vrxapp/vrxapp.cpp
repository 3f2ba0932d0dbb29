// Stand-in for the core API's support functions.
#include <cstddef>
#include <cstring>

#include "core_call.h"
#include "vrxplatform/services.h"

extern "C" {

std::int32_t VRX_CDECL sqlagcptr_real(const void *region, std::uint32_t length, std::uint8_t mode) {
    vrxstub::record(__func__, region, length, mode);
    return vrxstub_region_refused(region, length, mode);
}

void VRX_CDECL sqlmprca(const char *functionName, std::uint16_t parameterNameLen, const char *parameterName,
                        sqlca *ca) {
    vrxstub::record(__func__, functionName, parameterNameLen, parameterName, ca);
    if (ca == nullptr || parameterName == nullptr) return;
    // The caller's sqlca may lie at any address: write its fields bytewise.
    char *bytes = reinterpret_cast<char *>(ca);
    const std::size_t n = parameterNameLen < sizeof(sqlca::sqlerrmc) ? parameterNameLen : sizeof(sqlca::sqlerrmc);
    const auto length = static_cast<std::int16_t>(n);
    std::memcpy(bytes + offsetof(sqlca, sqlerrmc), parameterName, n);
    std::memcpy(bytes + offsetof(sqlca, sqlerrml), &length, sizeof length);
}

}  // extern "C"
