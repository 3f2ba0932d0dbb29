// Precompiler run-time services: statement start and stop, statement texts,
// host variables and descriptor areas. Pure forwards: no initialisation, no
// sqlca; the 16-bit numbers are widened and everything else is passed on as
// the caller gave it.
#include "frame/slots.h"
#include "vrxplatform/appsvc.h"

using namespace vrx;

namespace {
// What the set-host-variable forms hand the core as its fifth argument.
constexpr uint32_t kInsertedZero = 0;
}  // namespace

VRX_API int32_t VRX_STDCALL sqlgaloc(slot number1, slot number2, slot number3, void *value4) {
    return sqlaaloc(widen16(number1), widen16(number2), widen16(number3), value4);
}

VRX_API int32_t VRX_STDCALL sqlgcall(slot number1, slot number2, slot number3, slot number4, void *value5) {
    return sqlacall(widen16(number1), widen16(number2), widen16(number3), widen16(number4), value5);
}

VRX_API int32_t VRX_STDCALL sqlgcmpd(slot number1, slot number2, slot number3, slot number4, void *value5) {
    return sqlacmpd(widen16(number1), widen16(number2), widen16(number3), widen16(number4), value5);
}

VRX_API int32_t VRX_STDCALL sqlgdloc(slot number1, void *value2) { return sqladloc(widen16(number1), value2); }

VRX_API int32_t VRX_STDCALL sqlgsets(slot textLen16, void *text, void *value3) {
    return sqlastls(widen16(textLen16), text, value3);
}

VRX_API int32_t VRX_STDCALL sqlgstls(slot textLen32, void *text, void *value3) {
    return sqlastls(textLen32, text, value3);
}

VRX_API int32_t VRX_STDCALL sqlgsetv(slot number1, slot number2, slot number3, slot length16, void *value5,
                                     void *value6, void *value7) {
    return sqlastvr(widen16(number1), widen16(number2), widen16(number3), widen16(length16), kInsertedZero, value5,
                    value6, value7);
}

VRX_API int32_t VRX_STDCALL sqlgstlv(slot number1, slot number2, slot number3, slot length32, void *value5,
                                     void *value6, void *value7) {
    return sqlastvr(widen16(number1), widen16(number2), widen16(number3), length32, kInsertedZero, value5, value6,
                    value7);
}

VRX_API int32_t VRX_STDCALL sqlgstlva(slot number1, slot number2, slot number3, slot length32, void *value5,
                                      void *value6, void *value7, void *value8, void *value9) {
    return sqlastvra(widen16(number1), widen16(number2), widen16(number3), length32, kInsertedZero, value5, value6,
                     value7, value8, value9);
}

VRX_API int32_t VRX_STDCALL sqlgstrt(void *value1, void *value2, void *value3) {
    return sqlastrt(value1, value2, value3);
}

VRX_API int32_t VRX_STDCALL sqlgstop(void *value1) { return sqlastop(value1); }

VRX_API int32_t VRX_STDCALL sqlgusda(slot number1, void *value2, void *value3) {
    return sqlausda(widen16(number1), value2, value3);
}
