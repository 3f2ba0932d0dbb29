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
    count_ = count;
    saved_ = request_saved_bytes(count, sites.savedBytes);
    copies_ = static_cast<char **>(scratch_request(count * kPointerSlot, sites.pointers));
    if (copies_ != nullptr)
        for (std::uint32_t i = 0; i < count; ++i) copies_[i] = nullptr;
    if (saved_ == nullptr || copies_ == nullptr) return report_no_memory(ca, tag);

    std::int32_t result = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const vrxgTextEntry entry = load_element(entries, i);
        if (!terminable(entry.length) || !passes_check(entry.text, entry.length, CheckMode::Terminate)) continue;
        if (entry.text != nullptr) result = save_and_terminate(saved_[i], {entry.text, entry.length});
        char *block = static_cast<char *>(scratch_request(entry.length + 1u, sites.copies));
        if (block == nullptr) return report_no_memory(ca, tag);
        copies_[i] = block;
        const std::uint32_t copied = entry.text != nullptr ? entry.length : 0;
        if (copied != 0) std::memcpy(block, entry.text, copied);
        block[copied] = '\0';
    }
    return result;
}

void TextListCopy::put_back() {
    if (saved_ == nullptr) return;
    put_back_entries(saved_, static_cast<std::int32_t>(count_), [this](std::int32_t i) {
        const vrxgTextEntry entry = load_element(entries_, static_cast<std::uint32_t>(i));
        return EntryText{entry.text, entry.length};
    });
    scratch_release(saved_);
    saved_ = nullptr;
}

void TextListCopy::release() {
    if (copies_ == nullptr) return;
    for (std::uint32_t i = 0; i < count_; ++i)
        if (copies_[i] != nullptr) scratch_release(copies_[i]);
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
