// Partitioning information: redistribute a partition group and read a
// table's partitioning, which terminate their texts without initialising
// and never write the sqlca; and the two forwards that find a row's
// partition through the same thirteen-argument core function.
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/appsvc.h"

using namespace vrx;

namespace {
// The row-partition core function's last two arguments, and the eleventh
// of the short form.
constexpr uint32_t kZero = 0;
}  // namespace

VRX_API int32_t VRX_STDCALL sqlgdrdt(slot text4Len, slot text5Len, slot text6Len, char *text4, char *text5,
                                     char *text6, void *value7, slot number8, void *value9, slot number10,
                                     slot code11, void *value12) {
    Borrowed borrowed;
    char *core4 = borrowed.terminate(text4, widen16(text4Len));
    char *core5 = borrowed.terminate(text5, widen16(text5Len));
    char *core6 = borrowed.terminate(text6, widen16(text6Len));
    const int32_t result = sqludrdt_api(core4, core5, core6, value7, widen16(number8), value9, widen16(number10),
                                        widen8(code11), value12);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlggrpi(slot number1, void *value2, void *value3, slot number4, slot number5,
                                     void *value6, void *value7, void *value8, slot number9, void *value10) {
    return sqlugrpn_api(widen16(number1), value2, value3, widen16(number4), widen16(number5), value6, value7, value8,
                        widen16(number9), value10, kZero, kZero, kZero);
}

// The twelfth and thirteenth arguments are accepted and not used.
VRX_API int32_t VRX_STDCALL sqlggrpn(slot number1, void *value2, void *value3, slot number4, slot number5,
                                     void *value6, void *value7, void *value8, slot number9, void *value10,
                                     slot signed11, slot /*ignored12*/, slot /*ignored13*/) {
    return sqlugrpn_api(widen16(number1), value2, value3, widen16(number4), widen16(number5), value6, value7, value8,
                        widen16(number9), value10, sext16(signed11), kZero, kZero);
}

VRX_API int32_t VRX_STDCALL sqlggtpi(slot tableNameLen, char *tableName, void *value3, void *value4) {
    Borrowed borrowed;
    const int32_t result = sqlugtpi_api(borrowed.terminate(tableName, widen16(tableNameLen)), value3, value4);

    borrowed.restore();
    return result;
}
