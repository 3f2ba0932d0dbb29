// Add and drop a node: values passed through, nothing terminated.
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/control.h"

using namespace vrx;

namespace {
constexpr uint32_t kNodeOptionsSize = 16;
}  // namespace

VRX_API int32_t VRX_STDCALL sqlgaddn(slot /*reserved*/, sqlca *ca, void *options) {
    // The options record is checked ahead of the frame; the outcome does not
    // stop the call, the core judges the record itself.
    (void)passes_check(options, kNodeOptionsSize, CheckMode::Terminate);
    if (!app_data_ready(ca)) return 0;

    return sqleaddn_api(options, ca);
}

VRX_API int32_t VRX_STDCALL sqlgdrpn(slot /*reserved*/, sqlca *ca, void *params, slot action) {
    if (!app_data_ready(ca)) return 0;

    return sqledrpn_api(widen16(action), params, ca);
}
