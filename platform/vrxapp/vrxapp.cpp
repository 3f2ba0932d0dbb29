// Stand-in for the core API's support functions.
#include "core_call.h"
#include "vrxplatform/services.h"

using vrxapp::raw;

extern "C" {

std::int32_t VRX_CDECL sqlagcptr_real(const void *region, std::uint32_t length, std::uint8_t mode) {
    const std::uintptr_t args[] = {raw(region), raw(length), raw(mode)};
    vrxstub_record("sqlagcptr_real", 3, args);
    return vrxstub_region_refused(region, length, mode);
}

void VRX_CDECL sqlmprca(const char *functionName, std::uint16_t parameterNameLen, const char *parameterName,
                        sqlca *ca) {
    const std::uintptr_t args[] = {raw(functionName), raw(parameterNameLen), raw(parameterName), raw(ca)};
    vrxstub_record("sqlmprca", 4, args);
    if (ca == nullptr || parameterName == nullptr) return;
    std::size_t n = parameterNameLen < sizeof ca->sqlerrmc ? parameterNameLen : sizeof ca->sqlerrmc;
    std::memcpy(ca->sqlerrmc, parameterName, n);
    ca->sqlerrml = static_cast<std::int16_t>(n);
}

}  // extern "C"
