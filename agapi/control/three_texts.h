// The quiesce and HADR records carry three texts named alike in the
// caller's record and the core's, whatever the order of pointer and length.
#pragma once

#include "frame/borrowed.h"

namespace vrx::control {

// Terminates texts 1, 2 and 3 of the caller's record in place, in that
// order, and puts what the core receives into the core record's texts.
template <class Core, class Caller>
void texts_to_core(Core &core, const Caller &params, Borrowed &borrowed) {
    core.piText1 = borrowed.terminate(params.piText1, params.iText1Len);
    core.piText2 = borrowed.terminate(params.piText2, params.iText2Len);
    core.piText3 = borrowed.terminate(params.piText3, params.iText3Len);
}

}  // namespace vrx::control
