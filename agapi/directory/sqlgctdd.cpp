// Catalogue a database from five length-qualified texts, a one-byte value
// and a 16-bit value: the texts are terminated in argument order and handed
// to the core in the reverse one.
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/directory.h"

using namespace vrx;

VRX_API int32_t VRX_STDCALL sqlgctdd(slot len1, slot len2, slot len3, slot len4, slot len5, sqlca *ca, slot value16,
                                     char *text1, char *text2, char *text3, slot value8, char *text4, char *text5) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *core1 = borrowed.terminate(text1, widen16(len1));
    char *core2 = borrowed.terminate(text2, widen16(len2));
    char *core3 = borrowed.terminate(text3, widen16(len3));
    char *core4 = borrowed.terminate(text4, widen16(len4));
    char *core5 = borrowed.terminate(text5, widen16(len5));

    const int32_t result = sqlectdd_api(core5, core4, widen8(value8), core3, core2, core1, widen16(value16), ca);

    borrowed.restore();
    return result;
}
