// Register and deregister the server, and set the alternate server of a
// database. Each text is terminated in place at the length its record
// gives it and put back after the call.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/directory.h"

using namespace vrx;

namespace {

constexpr Tag kAltServerTag = make_tag("SQLGUPAS");

// The user and the password of a registration record that passes its
// check. The lengths are the record's; the caller keeps them within the fields.
void terminate_registration(Borrowed &borrowed, vrxRegistration *record) {
    if (record == nullptr || !passes_check(record, sizeof(vrxRegistration), CheckMode::Terminate)) return;
    borrowed.terminate(field_at(record, offsetof(vrxRegistration, userId)),
                       load_at<uint16_t>(record, offsetof(vrxRegistration, userIdLen)));
    borrowed.terminate(field_at(record, offsetof(vrxRegistration, password)),
                       load_at<uint16_t>(record, offsetof(vrxRegistration, passwordLen)));
}

vrxUpdateAltServerStruct alt_server_to_core(const vrxgUpdateAltServerStruct &params, Borrowed &borrowed) {
    vrxUpdateAltServerStruct core{};
    core.piDbAlias = borrowed.terminate(params.piDbAlias, params.iDbAliasLen);
    core.piHostName = borrowed.terminate(params.piHostName, params.iHostNameLen);
    core.piPort = borrowed.terminate(params.piPort, params.iPortLen);
    return core;
}

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgregs(slot location, vrxRegistration *record, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    terminate_registration(borrowed, record);

    const int32_t result = sqleregs_api(widen16(location), record, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgdreg(slot location, vrxRegistration *record, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    terminate_registration(borrowed, record);

    const int32_t result = sqledreg_api(widen16(location), record, ca);

    borrowed.restore();
    return result;
}

// Only the three texts are checked, never the record itself.
VRX_API int32_t VRX_STDCALL vrxgUpdateAlternateServerForDB(uint32_t version, vrxgUpdateAltServerStruct *params,
                                                          sqlca *ca) {
    if (auto refused = guarded_refusal(ca, params, kAltServerTag)) return *refused;

    Borrowed borrowed;
    vrxUpdateAltServerStruct core = alt_server_to_core(load(params), borrowed);

    const int32_t result = vrxUpdateAlternateServerForDB(version, &core, ca);

    borrowed.restore();
    return result;
}
