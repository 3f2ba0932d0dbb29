// Statistics collection, flat form: a table name and the caller's array of
// index names, each terminated in place for the call.
#include "frame/caller_record.h"
#include "frame/frame.h"
#include "frame/saved_bytes.h"
#include "frame/slots.h"
#include "vrxplatform/maintenance.h"

using namespace vrx;

namespace {

constexpr Tag kTag = make_tag("sqlgstat");
constexpr ScratchSite kIndexNamesSite{"sqlgstat", 264};

// The index names are terminated only when both arrays may be read; a null
// array with a nonzero count is passed on unread, as a refused one is.
bool index_arrays_usable(const std::uint16_t *lengths, char *const *names, std::uint32_t count) {
    if (count == 0) return true;
    if (lengths == nullptr || names == nullptr) return false;
    return passes_check(lengths, count * 2u, CheckMode::ReadOnly) &&
           passes_check(names, count * static_cast<std::uint32_t>(sizeof(char *)), CheckMode::Terminate);
}

auto index_name(char *const *names, const std::uint16_t *lengths) {
    return [=](std::int32_t i) {
        const auto at = static_cast<std::uint32_t>(i);
        return EntryText{load_element(names, at), load_element(lengths, at)};
    };
}

}  // namespace

// SQLCODE -83: the scratch request for the index names refused
VRX_API int32_t VRX_STDCALL sqlgstat(slot tableNameLen, slot indexCount, slot value1, slot value2,
                                     uint16_t *indexNameLens, sqlca *ca, char **indexNames, char *tableName) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    char *table = borrowed.terminate(tableName, widen16(tableNameLen));
    const std::uint32_t count = widen16(indexCount);
    const auto count16 = static_cast<std::int32_t>(count);
    SavedByte *saved = nullptr;
    if (index_arrays_usable(indexNameLens, indexNames, count)) {
        saved = request_saved_bytes(count, kIndexNamesSite);
        if (saved == nullptr) {
            const int32_t result = report_no_memory(ca, kTag);
            borrowed.restore();
            return result;
        }
        terminate_entries(saved, count16, index_name(indexNames, indexNameLens));
    }

    const int32_t result = sqlustat_api(table, count, indexNames, widen8(value1), widen8(value2), ca);

    if (saved != nullptr) put_back_entries(saved, count16, index_name(indexNames, indexNameLens));
    borrowed.restore();
    if (saved != nullptr) scratch_release(saved);
    return result;
}
