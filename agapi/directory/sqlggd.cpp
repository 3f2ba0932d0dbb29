// Host database directory: add, delete and get an entry, and read the
// entries of a scan. The entry's blank-padded texts are trimmed for the
// call and blank-filled after a successful read, each in the order its
// entry point handles them; opening and closing the scan pass straight
// through.
#include "frame/caller_record.h"
#include "frame/field_table.h"
#include "frame/frame.h"
#include "frame/marshal.h"
#include "vrxplatform/directory.h"

using namespace vrx;

namespace {

// Adding and reading a scan's entries start with the comment...
constexpr RecordField kCommentFirst[] = {
    VRX_RECORD_FIELD(vrxHostDbEntry, comment),       VRX_RECORD_FIELD(vrxHostDbEntry, localName),
    VRX_RECORD_FIELD(vrxHostDbEntry, targetName),    VRX_RECORD_FIELD(vrxHostDbEntry, requesterName),
    VRX_RECORD_FIELD(vrxHostDbEntry, parameters),
};
// ...deleting and getting one entry pass its key, the local name, and fill it first.
constexpr RecordField kLocalName[] = {VRX_RECORD_FIELD(vrxHostDbEntry, localName)};
constexpr RecordField kLocalNameFirst[] = {
    VRX_RECORD_FIELD(vrxHostDbEntry, localName),     VRX_RECORD_FIELD(vrxHostDbEntry, comment),
    VRX_RECORD_FIELD(vrxHostDbEntry, targetName),    VRX_RECORD_FIELD(vrxHostDbEntry, requesterName),
    VRX_RECORD_FIELD(vrxHostDbEntry, parameters),
};

bool passes_entry_check(vrxHostDbEntry *entry) {
    return entry != nullptr && passes_check(entry, sizeof(vrxHostDbEntry), CheckMode::ReadOnly);
}

// An entry whose texts the library handles: it carries the host entry's
// structure identifier, read anew each time.
bool is_host_entry(const vrxHostDbEntry *entry) {
    return load_at<uint16_t>(entry, offsetof(vrxHostDbEntry, structId)) == VRX_HOST_ENTRY_STRUCT_ID;
}

// The core returned entries: a result of 0 and no negative sqlcode (a null
// sqlca is not read: the result alone decides).
bool returned_entries(int32_t result, const sqlca *ca) { return result == 0 && !sqlcode_negative(ca); }

}  // namespace

VRX_API int32_t VRX_STDCALL sqlggdad(sqlca *ca, vrxHostDbEntry *entry) {
    if (!app_data_ready(ca)) return 0;

    const bool checked = passes_entry_check(entry);
    Borrowed borrowed;
    if (checked && is_host_entry(entry)) terminate_fields(borrowed, entry, kCommentFirst);

    const int32_t result = sqlegdad_api(entry, ca);

    // A core that changed the identifier leaves a record whose layout the
    // library no longer knows: nothing is put back into it.
    if (checked && is_host_entry(entry))
        borrowed.restore();
    else
        borrowed.discard();
    return result;
}

VRX_API int32_t VRX_STDCALL sqlggdel(sqlca *ca, vrxHostDbEntry *entry) {
    if (!app_data_ready(ca)) return 0;

    const bool checked = passes_entry_check(entry);
    Borrowed borrowed;
    if (checked && is_host_entry(entry)) terminate_fields(borrowed, entry, kLocalName);

    const int32_t result = sqlegdel_api(entry, ca);

    // The key goes back before the entry is filled.
    borrowed.restore();
    if (checked && returned_entries(result, ca) && is_host_entry(entry)) blank_fill_fields(entry, kLocalNameFirst);
    return result;
}

VRX_API int32_t VRX_STDCALL sqlggdge(sqlca *ca, vrxHostDbEntry *entry) {
    if (!app_data_ready(ca)) return 0;

    const bool checked = passes_entry_check(entry);
    Borrowed borrowed;
    if (checked && is_host_entry(entry)) terminate_fields(borrowed, entry, kLocalName);

    const int32_t result = sqlegdge_api(entry, ca);

    borrowed.restore();
    if (checked && returned_entries(result, ca) && is_host_entry(entry)) blank_fill_fields(entry, kLocalNameFirst);
    return result;
}

VRX_API int32_t VRX_STDCALL sqlggdgt(sqlca *ca, int16_t *count, vrxHostDbEntry *entries) {
    if (!app_data_ready(ca)) return 0;

    const int32_t result = sqlegdgt_api(count, entries, ca);

    // The count is the core's, read after the call.
    if (!returned_entries(result, ca) || count == nullptr || entries == nullptr) return result;
    const int16_t returned = load(count);
    for (int16_t i = 0; i < returned; ++i)
        if (is_host_entry(entries + i)) blank_fill_fields(entries + i, kCommentFirst);
    return result;
}

// Opening and closing a scan are passed straight through; the open takes
// its two arguments in the other order.
VRX_API int32_t VRX_STDCALL sqlggdsc(sqlca *ca, int16_t *count) { return sqlegdsc_api(count, ca); }

VRX_API int32_t VRX_STDCALL sqlggdcl(sqlca *ca) { return sqlegdcl_api(ca); }
