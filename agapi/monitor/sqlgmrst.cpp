// Monitor counter resets: the text terminated in place around the core call.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/monitor.h"

using namespace vrx;

namespace {

constexpr std::uint32_t kOlderVersion = 7010000;

// The core record drops the caller's length, which follows its text.
vrxResetMonitorRequest reset_to_core(const vrxgResetMonitorData &data, Borrowed &borrowed) {
    return {data.iValue1, borrowed.terminate(data.piText, data.iTextLen), data.iValue3, data.iValue4};
}

}  // namespace

// A null record reaches the core as a null record, for it to report.
VRX_API int32_t VRX_STDCALL vrxgResetMonitor(uint32_t version, vrxgResetMonitorData *data, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;
    if (data == nullptr) return vrxResetMonitor(version, nullptr, ca);

    Borrowed borrowed;
    vrxResetMonitorRequest request = reset_to_core(load(data), borrowed);
    const int32_t result = vrxResetMonitor(version, &request, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgmrst(slot textLen, slot /*reserved2*/, sqlca *ca, char *text, slot value1,
                                     slot /*reserved6*/, slot value3) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    vrxResetMonitorRequest request{value1, borrowed.terminate(text, widen16(textLen)), value3, UINT32_MAX};
    const int32_t result = vrxResetMonitor(kOlderVersion, &request, ca);

    borrowed.restore();
    return result;
}
