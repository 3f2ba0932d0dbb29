#include "monitor/object_list.h"

#include <algorithm>
#include <cstddef>

namespace vrx {

namespace {

constexpr std::int32_t kSqlNoObjects = -1603;
constexpr std::int32_t kSqlNoSavedBytes = -1607;
constexpr Tag kTag = make_tag("sqlgmnsz");

// The name's 128 bytes and the byte after them are checked as one field;
// the terminator stays inside the name, so a full name loses its last
// character to it for the call rather than the next entry its first byte.
constexpr std::uint32_t kNameWidth = 129;
constexpr std::uint32_t kLastInName = 127;

std::uint32_t count_of(const vrxgObjectList *list) {
    return load(reinterpret_cast<const std::uint32_t *>(list));
}

char *name_of(vrxgObjectList *list, std::uint32_t i) {
    return field_at(list, offsetof(vrxgObjectList, entries) + std::size_t{i} * sizeof(vrxgObjectEntry) +
                              offsetof(vrxgObjectEntry, name));
}

}  // namespace

vrxgObjectList *objects_of(const void *data) {
    return data == nullptr ? nullptr : load(static_cast<vrxgObjectList *const *>(data));
}

std::int32_t ObjectListNames::terminate(vrxgObjectList *list, sqlca *ca, const ScratchSite &site) {
    if (list == nullptr || !passes_check(list, sizeof(vrxgObjectList), CheckMode::Terminate)) return 0;
    const std::uint32_t count = count_of(list);
    if (count == 0) return report_failure(ca, kSqlNoObjects, kTag);
    if (!fits_region(count, sizeof(vrxgObjectEntry))) return 0;
    if (request_saved_bytes(count, site, records_) != 0) return report_failure(ca, kSqlNoSavedBytes, kTag);
    list_ = list;
    held_ = count;
    for (std::uint32_t i = 0; i < std::min(count_of(list), held_); ++i)
        save_and_terminate_trimmed(records_[i], name_of(list, i), kNameWidth, kLastInName);
    return 0;
}

void ObjectListNames::put_back() {
    if (records_ == nullptr) return;
    const auto count = static_cast<std::int32_t>(std::min(count_of(list_), held_));
    put_back_entries(records_, count, [this](std::int32_t i) {
        return EntryText{name_of(list_, static_cast<std::uint32_t>(i)), 0};
    });
    scratch_release(records_);
    records_ = nullptr;
}

}  // namespace vrx
