#include "frame/text_list.h"

#include <cstring>

#include "frame/caller_record.h"

namespace vrx {

namespace {

constexpr std::uint32_t kPointerSlot = 12;  // bytes requested per entry for the pointer array

// A null array with a nonzero count is passed on, never read through.
bool entries_readable(const vrxgTextEntry *entries, std::uint32_t count) {
    return fits_region(count, kPointerSlot) && (count == 0 || entries != nullptr) &&
           passes_check(entries, count * static_cast<std::uint32_t>(sizeof *entries), CheckMode::Terminate);
}

}  // namespace

std::int32_t TextListCopy::copy(vrxgTextEntry *entries, std::uint32_t count, sqlca *ca, const TextListSites &sites,
                                const Tag &tag) {
    entries_ = entries;
    void *saved = nullptr;
    scratch_request(count * static_cast<std::uint32_t>(sizeof(SavedByte)), sites.savedBytes, saved);
    saved_ = static_cast<SavedByte *>(saved);
    copies_ = static_cast<char **>(scratch_request(count * kPointerSlot, sites.pointers));
    if (saved_ == nullptr || copies_ == nullptr) return report_no_memory(ca, tag);

    // One pass: each entry's saved-byte record and copy slot are set as the
    // entry is reached, and done_ says how far put_back() and release() go.
    // The arrays and the site are held in locals, which the platform calls
    // cannot change.
    SavedByte *const records = saved_;
    char **const copies = copies_;
    const ScratchSite copySite = sites.copies;
    std::int32_t result = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        records[i] = SavedByte{kNothingSaved, 0};
        copies[i] = nullptr;
        const vrxgTextEntry entry = load_element(entries, i);
        if (!terminable(entry.length) || !passes_check(entry.text, entry.length, CheckMode::Terminate)) continue;
        if (entry.text != nullptr) result = save_and_terminate(records[i], {entry.text, entry.length});
        char *block = static_cast<char *>(scratch_request(entry.length + 1u, copySite));
        if (block == nullptr) {
            done_ = i + 1;
            return report_no_memory(ca, tag);
        }
        copies[i] = block;
        const std::uint32_t copied = entry.text != nullptr ? entry.length : 0;
        if (copied != 0) std::memcpy(block, entry.text, copied);
        block[copied] = '\0';
    }
    done_ = count;
    return result;
}

void TextListCopy::put_back() {
    if (saved_ == nullptr) return;
    put_back_entries(saved_, static_cast<std::int32_t>(done_), [this](std::int32_t i) {
        const vrxgTextEntry entry = load_element(entries_, static_cast<std::uint32_t>(i));
        return EntryText{entry.text, entry.length};
    });
    scratch_release(saved_);
    saved_ = nullptr;
}

void TextListCopy::release() {
    if (copies_ == nullptr) return;
    char *const *const copies = copies_;
    for (std::uint32_t i = 0, done = done_; i < done; ++i)
        if (copies[i] != nullptr) scratch_release(copies[i]);
    scratch_release(copies_);
    copies_ = nullptr;
}

std::int32_t name_list_to_core(TextListCopy &copy, Borrowed &borrowed, vrxgTextList *list, vrxNameList &core,
                               sqlca *ca, const TextListSites &sites, const Tag &tag, EmptyList empty) {
    if (list == nullptr || !passes_check(list, sizeof *list, CheckMode::Terminate)) return 0;
    const vrxgTextList caller = load(list);
    if (caller.count == 0 && empty == EmptyList::LeaveAlone) return 0;
    if (!entries_readable(caller.entries, caller.count)) return 0;
    core.count = caller.count;
    borrowed.add(copy);
    const std::int32_t result = copy.copy(caller.entries, caller.count, ca, sites, tag);
    core.names = copy.copies();
    return result;
}

std::int32_t media_list_to_core(TextListCopy &copy, Borrowed &borrowed, vrxgMediaList *list, vrxLocationList &core,
                                sqlca *ca, const TextListSites &sites, const Tag &tag) {
    if (list == nullptr || !passes_check(list, sizeof *list, CheckMode::Terminate)) return 0;
    const vrxgMediaList caller = load(list);
    if (!entries_readable(caller.entries, caller.count)) return 0;
    core.count = caller.count;
    core.mediaType = caller.mediaType;
    borrowed.add(copy);
    const std::int32_t result = copy.copy(caller.entries, caller.count, ca, sites, tag);
    core.locations = copy.copies();
    return result;
}

}  // namespace vrx
