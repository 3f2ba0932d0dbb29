// Instance configuration update: the string values are terminated in place
// for the call, each with a 16-byte record that keeps where its NUL went.
#include "config/db_config.h"
#include "frame/slots.h"
#include "vrxplatform/config.h"

using namespace vrx;
using namespace vrx::config;

namespace {
constexpr ScratchSite kUpdateSite{"sqlgusys", 348};
constexpr Tag kUpdateTag = make_tag("sqlgusys");
}  // namespace

// SQLCODE -83: a scratch request for the values' terminations refused
VRX_API int32_t VRX_STDCALL sqlgusys(slot count, uint16_t *valueLens, vrxConfigItem *items, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    StringArrayTermination<vrxConfigItem, PositionedTerminationRecord> values;
    Borrowed borrowed;
    borrowed.add(values);
    const bool terminated = values.terminate(
        items, valueLens, widen16(count),
        [](const vrxConfigItem &item) { return kInstanceUpdateTextTokens.holds(item.token); }, kUpdateSite);

    const int32_t result = terminated ? sqlfusys(widen16(count), items, ca) : report_no_memory(ca, kUpdateTag);

    borrowed.restore();
    return result;
}
