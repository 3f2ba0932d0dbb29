#include "recovery/positional_lists.h"

#include <algorithm>

#include "frame/caller_record.h"
#include "frame/media_list.h"

namespace vrx::recovery {

namespace {

auto tablespace_texts(vrxTablespaceEntry *entries) {
    return [entries](std::int32_t i) {
        char *entry = reinterpret_cast<char *>(entries) + std::size_t(i) * sizeof(vrxTablespaceEntry);
        return EntryText{entry + offsetof(vrxTablespaceEntry, text), load(reinterpret_cast<std::uint32_t *>(entry))};
    };
}

auto media_texts(const vrxMediaList &media) {
    return [type = media.mediaType, entries = media.entries](std::int32_t i) {
        return media_entry_text(type, entries, static_cast<std::uint32_t>(i));
    };
}

// The entry array of `count` entries of `size` bytes passes its check.
bool entries_pass(const void *entries, std::int32_t count, std::uint32_t size) {
    if (!fits_region(count, size) || (count != 0 && entries == nullptr)) return false;
    return passes_check(entries, static_cast<std::uint32_t>(count) * size, CheckMode::Terminate);
}

}  // namespace

void ListTermination::release() {
    if (saved_ == nullptr) return;
    scratch_release(saved_);
    saved_ = nullptr;
    count_ = 0;
}

std::optional<std::int32_t> TablespaceListTermination::terminate(vrxTablespaceList *list, const ScratchSite &site) {
    if (list == nullptr || !passes_check(list, sizeof *list, CheckMode::Terminate)) return 0;
    const vrxTablespaceList caller = load(list);
    if (!entries_pass(caller.entries, caller.count, sizeof(vrxTablespaceEntry))) return 0;

    saved_ = request_saved_bytes(static_cast<std::uint32_t>(caller.count), site);
    if (saved_ == nullptr) return std::nullopt;
    list_ = list;
    count_ = caller.count;
    pending_ = true;
    return terminate_entries(saved_, caller.count, tablespace_texts(caller.entries));
}

void TablespaceListTermination::put_back() {
    if (!take_pending()) return;
    const vrxTablespaceList caller = load(list_);
    put_back_entries(saved_, std::min(caller.count, count_), tablespace_texts(caller.entries));
}

std::int32_t MediaListTermination::terminate(vrxMediaList *list, sqlca *ca, const PositionalSites &sites) {
    if (list == nullptr || !passes_check(list, sizeof *list, CheckMode::Terminate)) return 0;
    list_ = list;
    const vrxMediaList media = load(list);
    switch (media.mediaType) {
        case VRX_MEDIA_LOCAL: return terminate_paths(media, ca, sites);
        case VRX_MEDIA_VENDOR: return terminate_vendor(media, ca, sites);
        default: return 0;
    }
}

std::int32_t MediaListTermination::terminate_paths(const vrxMediaList &media, sqlca *ca,
                                                   const PositionalSites &sites) {
    if (!entries_pass(media.entries, media.entryCount, sizeof(vrxPathEntry))) return 0;
    saved_ = request_saved_bytes(static_cast<std::uint32_t>(media.entryCount), sites.paths);
    if (saved_ == nullptr) return report_no_memory(ca, sites.pathsTag);
    count_ = media.entryCount;
    pending_ = true;
    return terminate_entries(saved_, media.entryCount, media_texts(media));
}

// One vendor entry is read and converted, whatever the count says.
std::int32_t MediaListTermination::terminate_vendor(const vrxMediaList &media, sqlca *ca,
                                                    const PositionalSites &sites) {
    if (!entries_pass(media.entries, 1, sizeof(vrxVendorEntry))) return 0;
    saved_ = request_saved_bytes(1, sites.vendor);
    if (saved_ == nullptr) return report_no_memory(ca, sites.vendorTag);
    count_ = 1;
    pending_ = true;
    return terminate_entries(saved_, 1, media_texts(media));
}

void MediaListTermination::put_back() {
    if (!take_pending()) return;
    const vrxMediaList media = load(list_);
    switch (media.mediaType) {
        case VRX_MEDIA_LOCAL: put_back_entries(saved_, std::min(media.entryCount, count_), media_texts(media)); break;
        case VRX_MEDIA_VENDOR: put_back_entries(saved_, std::min(1, count_), media_texts(media)); break;
        default: break;
    }
}

}  // namespace vrx::recovery
