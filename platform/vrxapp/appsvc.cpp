// Stand-in precompiler services, bind, procedures, authorizations and
// partitioning: recorded, hookable, and otherwise successful. Where the
// core's sqlca is known (bind, rebind, procedures, object authorizations)
// it is completed; the other functions write nothing through any argument.
#include "core_call.h"
#include "vrxplatform/appsvc.h"

using namespace vrxapp;

namespace {
std::int32_t succeed() { return 0; }
}  // namespace

extern "C" {

std::int32_t VRX_STDCALL sqlaaloc(std::uint32_t number1, std::uint32_t number2, std::uint32_t number3, void *value4) {
    return core_call(__func__, number1, number2, number3, value4, succeed);
}

std::int32_t VRX_STDCALL sqlacall(std::uint32_t number1, std::uint32_t number2, std::uint32_t number3,
                                  std::uint32_t number4, void *value5) {
    return core_call(__func__, number1, number2, number3, number4, value5, succeed);
}

std::int32_t VRX_STDCALL sqlacmpd(std::uint32_t number1, std::uint32_t number2, std::uint32_t number3,
                                  std::uint32_t number4, void *value5) {
    return core_call(__func__, number1, number2, number3, number4, value5, succeed);
}

std::int32_t VRX_STDCALL sqladloc(std::uint32_t number1, void *value2) {
    return core_call(__func__, number1, value2, succeed);
}

std::int32_t VRX_STDCALL sqlastls(std::uint32_t textLen, void *text, void *value3) {
    return core_call(__func__, textLen, text, value3, succeed);
}

std::int32_t VRX_STDCALL sqlastvr(std::uint32_t number1, std::uint32_t number2, std::uint32_t number3,
                                  std::uint32_t length, std::uint32_t zero, void *value5, void *value6, void *value7) {
    return core_call(__func__, number1, number2, number3, length, zero, value5, value6, value7, succeed);
}

std::int32_t VRX_STDCALL sqlastvra(std::uint32_t number1, std::uint32_t number2, std::uint32_t number3,
                                   std::uint32_t length, std::uint32_t zero, void *value5, void *value6,
                                   void *value7, void *value8, void *value9) {
    return core_call(__func__, number1, number2, number3, length, zero, value5, value6, value7, value8, value9,
                     succeed);
}

std::int32_t VRX_STDCALL sqlastrt(void *value1, void *value2, void *value3) {
    return core_call(__func__, value1, value2, value3, succeed);
}

std::int32_t VRX_STDCALL sqlastop(void *value1) { return core_call(__func__, value1, succeed); }

std::int32_t VRX_STDCALL sqlausda(std::uint32_t number1, void *value2, void *value3) {
    return core_call(__func__, number1, value2, value3, succeed);
}

std::int32_t VRX_STDCALL sqlabndx(char *text6, char *text5, void *value4, sqlca *ca) {
    return core_call(__func__, text6, text5, value4, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlarbnd(char *text, sqlca *ca, void *value4) {
    return core_call(__func__, text, ca, value4, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqleproc_api(char *text, void *value6, void *value4, void *value5, sqlca *ca) {
    return core_call(__func__, text, value6, value4, value5, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqluauth_api(void *value1) { return core_call(__func__, value1, succeed); }

std::int32_t VRX_STDCALL sqluadau(void *value1, void *value2) {
    return core_call(__func__, value1, value2, succeed);
}

std::int32_t VRX_STDCALL sqlutbau(char *objectName, sqlca *ca) {
    return core_call(__func__, objectName, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqludrdt_api(char *text4, char *text5, char *text6, void *value7, std::uint32_t number8,
                                      void *value9, std::uint32_t number10, std::uint32_t code11, void *value12) {
    return core_call(__func__, text4, text5, text6, value7, number8, value9, number10, code11, value12, succeed);
}

std::int32_t VRX_STDCALL sqlugrpn_api(std::uint32_t number1, void *value2, void *value3, std::uint32_t number4,
                                      std::uint32_t number5, void *value6, void *value7, void *value8,
                                      std::uint32_t number9, void *value10, std::int32_t signed11,
                                      std::uint32_t zero12, std::uint32_t zero13) {
    return core_call(__func__, number1, value2, value3, number4, number5, value6, value7, value8, number9, value10,
                     signed11, zero12, zero13, succeed);
}

std::int32_t VRX_STDCALL sqlugtpi_api(char *tableName, void *value3, void *value4) {
    return core_call(__func__, tableName, value3, value4, succeed);
}

}  // extern "C"
