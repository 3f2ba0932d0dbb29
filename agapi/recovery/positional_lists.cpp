#include "recovery/positional_lists.h"

#include <algorithm>

#include "frame/media_list.h"

namespace vrx::recovery {

namespace {

auto tablespace_texts(vrxTablespaceList *list) {
    return [entries = list->entries](std::int32_t i) { return EntryText{entries[i].text, entries[i].length}; };
}

auto media_texts(vrxMediaList *list) {
    return [type = list->mediaType, entries = list->entries](std::int32_t i) {
        return media_entry_text(type, entries, static_cast<std::uint32_t>(i));
    };
}

}  // namespace

std::int32_t TablespaceListTermination::terminate(vrxTablespaceList *list, sqlca *ca, const ScratchSite &site,
                                                  const Tag &tag) {
    if (list == nullptr || !passes_check(list, sizeof *list, CheckMode::Terminate)) return 0;
    const std::int32_t count = list->count;
    if (!fits_region(count, sizeof(vrxTablespaceEntry)) || (count != 0 && list->entries == nullptr)) return 0;
    if (!passes_check(list->entries, static_cast<std::uint32_t>(count) * sizeof(vrxTablespaceEntry),
                      CheckMode::Terminate))
        return 0;

    saved_ = request_saved_bytes(static_cast<std::uint32_t>(count), site);
    if (saved_ == nullptr) return report_no_memory(ca, tag);
    list_ = list;
    count_ = count;
    return terminate_entries(saved_, count, tablespace_texts(list));
}

void TablespaceListTermination::restore() {
    if (saved_ == nullptr) return;
    put_back_entries(saved_, std::min(list_->count, count_), tablespace_texts(list_));
    scratch_release(saved_);
    saved_ = nullptr;
}

std::int32_t MediaListTermination::terminate(vrxMediaList *list, sqlca *ca, const PositionalSites &sites) {
    if (list == nullptr || !passes_check(list, sizeof *list, CheckMode::Terminate)) return 0;
    list_ = list;
    switch (list->mediaType) {
        case VRX_MEDIA_LOCAL: return terminate_paths(ca, sites);
        case VRX_MEDIA_VENDOR: return terminate_vendor(ca, sites);
        default: return 0;
    }
}

std::int32_t MediaListTermination::terminate_paths(sqlca *ca, const PositionalSites &sites) {
    const std::int32_t count = list_->entryCount;
    if (!fits_region(count, sizeof(vrxPathEntry)) || (count != 0 && list_->entries == nullptr)) return 0;
    if (!passes_check(list_->entries, static_cast<std::uint32_t>(count) * sizeof(vrxPathEntry),
                      CheckMode::Terminate))
        return 0;
    saved_ = request_saved_bytes(static_cast<std::uint32_t>(count), sites.paths);
    if (saved_ == nullptr) return report_no_memory(ca, sites.pathsTag);
    count_ = count;
    return terminate_entries(saved_, count, media_texts(list_));
}

// One vendor entry is read and converted, whatever the count says.
std::int32_t MediaListTermination::terminate_vendor(sqlca *ca, const PositionalSites &sites) {
    if (list_->entries == nullptr || !passes_check(list_->entries, sizeof(vrxVendorEntry), CheckMode::Terminate))
        return 0;
    saved_ = request_saved_bytes(1, sites.vendor);
    if (saved_ == nullptr) return report_no_memory(ca, sites.vendorTag);
    count_ = 1;
    return terminate_entries(saved_, 1, media_texts(list_));
}

void MediaListTermination::restore() {
    if (saved_ == nullptr) return;
    switch (list_->mediaType) {
        case VRX_MEDIA_LOCAL: put_back_entries(saved_, std::min(list_->entryCount, count_), media_texts(list_)); break;
        case VRX_MEDIA_VENDOR: put_back_entries(saved_, std::min(1, count_), media_texts(list_)); break;
        default: break;
    }
    scratch_release(saved_);
    saved_ = nullptr;
}

}  // namespace vrx::recovery
