// Inspection, versioned form: five texts terminated in place and the plain
// values copied into a zeroed core record.
#include <cstring>

#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "vrxplatform/maintenance.h"

using namespace vrx;

namespace {

// Value 22 is known to the core from this version on.
constexpr std::uint32_t kValue22Version = 9000000;

vrxInspectParms inspect_to_core(std::uint32_t version, const vrxgInspectParms &params, Borrowed &borrowed) {
    vrxInspectParms core;
    std::memset(&core, 0, sizeof core);
    // The lengths of texts 4 and 5 lie ahead of those of texts 1 to 3.
    const std::uint32_t lengths[5] = {params.iText1Len, params.iText2Len, params.iText3Len, params.iText4Len,
                                      params.iText5Len};
    for (int i = 0; i < 5; ++i) core.piTexts[i] = borrowed.terminate(params.piTexts[i], lengths[i]);
    core.iValue1 = params.iValue1;
    copy_values(core.iValues2To10, params.iValues2To10);
    std::memcpy(core.iValues11To21, params.iValues11To21, sizeof core.iValues11To21);
    if (version >= kValue22Version) core.iValue22 = params.iValue22;
    return core;
}

}  // namespace

VRX_API int32_t VRX_STDCALL vrxgInspect(uint32_t version, vrxgInspectParms *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    // Without a record there is nothing to convert; the core judges the null.
    if (params == nullptr) return vrxInspect(version, nullptr, ca);

    Borrowed borrowed;
    vrxInspectParms core = inspect_to_core(version, load(params), borrowed);
    const int32_t result = vrxInspect(version, &core, ca);
    borrowed.restore();
    return result;
}
