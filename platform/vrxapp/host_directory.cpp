// Stand-ins of the host database directory, the catalogue from five texts,
// registration and the alternate server: recorded, and answered by hooks;
// without one they succeed and write nothing but the sqlca.
#include "core_call.h"
#include "vrxplatform/directory.h"

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlegdad_api(vrxHostDbEntry *entry, sqlca *ca) {
    return core_call(__func__, entry, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlegdel_api(vrxHostDbEntry *entry, sqlca *ca) {
    return core_call(__func__, entry, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlegdge_api(vrxHostDbEntry *entry, sqlca *ca) {
    return core_call(__func__, entry, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlegdsc_api(std::int16_t *count, sqlca *ca) {
    return core_call(__func__, count, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlegdgt_api(std::int16_t *count, vrxHostDbEntry *entries, sqlca *ca) {
    return core_call(__func__, count, entries, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlegdcl_api(sqlca *ca) {
    return core_call(__func__, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlectdd_api(char *text5, char *text4, std::uint32_t value8, char *text3, char *text2,
                                      char *text1, std::uint32_t value16, sqlca *ca) {
    return core_call(__func__, text5, text4, value8, text3, text2, text1, value16, ca,
                     [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqleregs_api(std::uint32_t location, vrxRegistration *record, sqlca *ca) {
    return core_call(__func__, location, record, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqledreg_api(std::uint32_t location, vrxRegistration *record, sqlca *ca) {
    return core_call(__func__, location, record, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxUpdateAlternateServerForDB(std::uint32_t version, vrxUpdateAltServerStruct *params,
                                                       sqlca *ca) {
    return core_call(__func__, version, params, ca,
                     [&] { return finish(ca, 0); });
}

}  // extern "C"
