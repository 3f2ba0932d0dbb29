// Node directory: catalogue a node from its node record and the protocol
// record that its protocol code selects, uncatalogue it, and scan the
// directory. The blank-padded texts of both records are trimmed for the
// call; the scan is passed straight through.
#include "frame/caller_record.h"
#include "frame/field_table.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "frame/slots.h"
#include "vrxplatform/directory.h"

using namespace vrx;

namespace {

constexpr RecordField kNodeFields[] = {
    VRX_RECORD_FIELD(vrxNodeRecord, comment),
    VRX_RECORD_FIELD(vrxNodeRecord, nodeName),
};

constexpr RecordField kProtocol0[] = {
    VRX_RECORD_FIELD(vrxNodeProtocol0, name1),
    VRX_RECORD_FIELD(vrxNodeProtocol0, name2),
    VRX_RECORD_FIELD(vrxNodeProtocol0, name3),
};
constexpr RecordField kProtocol1[] = {VRX_RECORD_FIELD(vrxNodeProtocol1, name)};
constexpr RecordField kProtocol2[] = {
    VRX_RECORD_FIELD(vrxNodeProtocol2, name1),
    VRX_RECORD_FIELD(vrxNodeProtocol2, name2),
    VRX_RECORD_FIELD(vrxNodeProtocol2, name3),
    VRX_RECORD_FIELD(vrxNodeProtocol2, name4),
};
constexpr RecordField kProtocolHost[] = {
    VRX_RECORD_FIELD(vrxNodeProtocolHost, hostName),
    VRX_RECORD_FIELD(vrxNodeProtocolHost, serviceName),
};
constexpr RecordField kProtocol4[] = {VRX_RECORD_FIELD(vrxNodeProtocol4, name)};
constexpr RecordField kProtocol7[] = {
    VRX_RECORD_FIELD(vrxNodeProtocol7, name1),
    VRX_RECORD_FIELD(vrxNodeProtocol7, name2),
};

// The protocol records the library knows; any other code's record is
// passed on unchecked and untouched.
struct ProtocolLayout {
    uint8_t code;
    uint32_t size;
    FieldTable fields;
};
constexpr ProtocolLayout kProtocols[] = {
    {0, sizeof(vrxNodeProtocol0), kProtocol0},     {1, sizeof(vrxNodeProtocol1), kProtocol1},
    {2, sizeof(vrxNodeProtocol2), kProtocol2},     {3, sizeof(vrxNodeProtocolHost), kProtocolHost},
    {4, sizeof(vrxNodeProtocol4), kProtocol4},     {7, sizeof(vrxNodeProtocol7), kProtocol7},
    {9, sizeof(vrxNodeProtocolHost), kProtocolHost}, {10, sizeof(vrxNodeProtocolHost), kProtocolHost},
};

// Trims the texts of a protocol record whose code has a layout, when the
// record passes its check.
void terminate_protocol(Borrowed &borrowed, void *protocol, uint8_t code) {
    for (const ProtocolLayout &layout : kProtocols) {
        if (layout.code != code) continue;
        if (protocol != nullptr && passes_check(protocol, layout.size, CheckMode::ReadOnly))
            terminate_fields(borrowed, protocol, layout.fields);
        return;
    }
}

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgctnd(sqlca *ca, vrxNodeRecord *node, void *protocol) {
    if (!app_data_ready(ca)) return 0;

    // The node's own texts only under its structure identifier; the
    // protocol record's whatever the identifier.
    Borrowed borrowed;
    if (node != nullptr && passes_check(node, sizeof(vrxNodeRecord), CheckMode::ReadOnly)) {
        if (load_at<uint16_t>(node, offsetof(vrxNodeRecord, structId)) == VRX_NODE_STRUCT_ID)
            terminate_fields(borrowed, node, kNodeFields);
        terminate_protocol(borrowed, protocol, load_at<uint8_t>(node, offsetof(vrxNodeRecord, protocol)));
    }

    const int32_t result = sqlectnd_api(node, protocol, ca);

    borrowed.restore();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlguncn(slot nodeNameLen, sqlca *ca, char *nodeName) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const int32_t result = sqleuncn_api(borrowed.terminate(nodeName, widen16(nodeNameLen)), ca);

    borrowed.restore();
    return result;
}

// The scan is passed straight through: no initialisation, handles widened.
VRX_API int32_t VRX_STDCALL sqlgnops(uint16_t *handle, uint16_t *numEntries, sqlca *ca) {
    return sqlenops_api(handle, numEntries, ca);
}

VRX_API int32_t VRX_STDCALL sqlgngne(slot handle, vrxNodeDirEntry **entry, sqlca *ca) {
    return sqlengne_api(widen16(handle), entry, ca);
}

VRX_API int32_t VRX_STDCALL sqlgncls(slot handle, sqlca *ca) { return sqlencls_api(widen16(handle), ca); }
