// Statistics collection, versioned form: its own frame (the results of the
// initialisation and of the sqlca's check are returned as they are), every
// pointer of the caller's record checked, the core's record built from
// scratch element records.
#include "frame/frame.h"
#include "maintenance/runstats.h"

using namespace vrx;
using namespace vrx::maintenance;

namespace {

constexpr Tag kTag = make_tag("vrxgRnst");

}  // namespace

// SQLCODE -2009: a scratch request refused (the allocator's result in sqlerrd[0] and as the
//   result)
// SQLCODE -2032: a parameter refused (its name in sqlerrmc)
// SQLCODE -2302: an unusable index list
VRX_API int32_t VRX_STDCALL vrxgRunstats(uint32_t version, vrxgRunstatsParms *params, sqlca *ca) {
    if (const auto refused = checked_refusal(ca, kTag)) return *refused;

    RunstatsConversion conversion(ca);
    int32_t result = 0;
    if (conversion.convert(params)) {
        vrxRunstatsParms core = conversion.core(version);
        result = vrxRunstats(version, &core, ca);
    } else {
        result = conversion.refusal();
    }
    conversion.release();
    return result;
}
