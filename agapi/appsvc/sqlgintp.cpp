// Message texts from the system library: pure forwards, no frame at all.
// Both numbers are read as signed 16-bit values, so 0xFFFF reaches the
// service as -1.
#include "frame/slots.h"
#include "vrxagapi/appsvc.h"
#include "vrxplatform/services.h"

using namespace vrx;

namespace {
// The message file is the library's choice, whatever the caller has.
constexpr char kMessageFile[] = "vrxsql.mo";
}  // namespace

VRX_API int32_t VRX_STDCALL sqlgintp(slot lineWidth, slot bufferSize, sqlca *ca, char *buffer) {
    return sqlaintp_api(buffer, sext16(lineWidth), sext16(bufferSize), kMessageFile, ca);
}

VRX_API int32_t VRX_STDCALL sqlggstt(slot lineWidth, slot bufferSize, const char *sqlstate, char *buffer) {
    return sqlogstt(buffer, sext16(lineWidth), sext16(bufferSize), sqlstate);
}
