// Load query, flat and versioned: two texts terminated in place around the
// core call. The result is the last text check made, not the core's: the
// query's outcome reaches the caller in the sqlca and the core's outputs.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/datamove.h"

using namespace vrx;

VRX_API int32_t VRX_STDCALL sqlgqry(slot text1Len, slot text2Len, char *text1, char *text2, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    int32_t check = 0;
    char *core1 = borrowed.terminate_keeping(text1, widen16(text1Len), check);
    char *core2 = borrowed.terminate_keeping(text2, widen16(text2Len), check);

    sqluqry_api(core1, core2, ca);

    borrowed.restore();
    return check;
}

VRX_API int32_t VRX_STDCALL vrxgLoadQuery(uint32_t version, vrxgLoadQueryParms *params, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    // Without a record there is nothing to convert; the core judges the null.
    const vrxgLoadQueryParms caller = params != nullptr ? load(params) : vrxgLoadQueryParms{};

    Borrowed borrowed;
    int32_t check = 0;
    vrxLoadQueryParms core{};
    core.text2 = borrowed.terminate_keeping(caller.piText2, caller.iText2Len, check);
    core.text1 = borrowed.terminate_keeping(caller.piText1, caller.iText1Len, check);
    core.value1 = caller.iValue1;
    core.value2 = caller.iValue2;
    core.value3 = caller.iValue3;

    vrxLoadQuery(version, params != nullptr ? &core : nullptr, ca);

    borrowed.restore();
    return check;
}
