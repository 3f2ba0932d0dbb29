#include "frame/media_list.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "vrxplatform/services.h"

namespace vrx {

namespace {

constexpr ScratchSite kSavedBytesSite{"sqlgload", 191};

// The routine names itself in a failure: 32 bytes with the NUL, written
// from the start of sqlerrp over sqlerrp and all six sqlerrd words.
constexpr char kRoutineName[] = "sqluMakeMediaListNullTerminated";
static_assert(sizeof kRoutineName == 32, "the routine's name fills 32 bytes");
static_assert(offsetof(sqlca, sqlerrd) + sizeof(sqlca::sqlerrd) - offsetof(sqlca, sqlerrp) == 32,
              "sqlerrp and sqlerrd are 32 adjacent bytes");

std::int32_t report_no_array(sqlca *ca) {
    if (sqloincaChkptr(ca) == 0 && ca != nullptr) {
        store(ca, offsetof(sqlca, sqlcode), std::int32_t{-83});
        std::memcpy(field_at(ca, offsetof(sqlca, sqlerrp)), kRoutineName, sizeof kRoutineName);
    }
    return -83;
}

bool list_and_sqlca_pass(const vrxMediaList *list, const sqlca *ca) {
    return passes_check(list, sizeof *list, CheckMode::Terminate) &&
           passes_check(ca, sizeof *ca, CheckMode::Terminate);
}

// The texts of the list's entries, by index.
auto texts_of(const vrxMediaList &media) {
    return [type = media.mediaType, entries = media.entries](std::int32_t i) {
        return media_entry_text(type, entries, static_cast<std::uint32_t>(i));
    };
}

// How many leading entries hold a text the library terminates: only the
// first of a vendor list carries one the library knows of.
std::int32_t entries_with_texts(const vrxMediaList &media) {
    return media.mediaType == VRX_MEDIA_VENDOR && media.entryCount > 1 ? 1 : media.entryCount;
}

}  // namespace

std::uint32_t media_entry_size(char mediaType) {
    switch (mediaType) {
        case VRX_MEDIA_SERVER:
        case VRX_MEDIA_CLIENT: return sizeof(vrxLocationEntry);
        case VRX_MEDIA_LOCAL: return sizeof(vrxPathEntry);
        case VRX_MEDIA_VENDOR: return sizeof(vrxVendorEntry);
        case VRX_MEDIA_TEXT: return sizeof(vrxTextPointerEntry);
        default: return 0;
    }
}

EntryText media_entry_text(char mediaType, void *entries, std::uint32_t i) {
    const std::uint32_t size = media_entry_size(mediaType);
    if (size == 0) return {nullptr, 0};
    // Every entry starts with its 32-bit length; the text follows it, or for
    // 'Q' a pointer to it does.
    char *entry = static_cast<char *>(entries) + std::size_t{i} * size;
    const auto length = load(reinterpret_cast<const std::uint32_t *>(entry));
    if (mediaType == VRX_MEDIA_TEXT)
        return {load(reinterpret_cast<char *const *>(entry + offsetof(vrxTextPointerEntry, text))), length};
    return {entry + sizeof(std::uint32_t), length};
}

std::int32_t sqluMakeMediaListNullTerminated(vrxMediaList **list, SavedBytes *savedBytesOut, sqlca **ca,
                                             std::int32_t expectedType, std::uint8_t allowEmpty) {
    if (*list == nullptr) return 0;
    if (!list_and_sqlca_pass(*list, *ca)) return 0;

    const vrxMediaList media = load(*list);
    if (static_cast<unsigned char>(media.mediaType) != expectedType) return 0;
    const std::int32_t count = media.entryCount;
    if (count == 0 && allowEmpty == 0) return 0;

    const std::uint32_t entrySize = media_entry_size(media.mediaType);
    if (entrySize == 0 || !fits_region(count, entrySize) || (count != 0 && media.entries == nullptr)) return 0;
    const std::uint32_t total = static_cast<std::uint32_t>(count) * entrySize;
    if (const std::int32_t check = check_result(media.entries, total, CheckMode::Terminate)) return check;

    SavedByte *records = request_saved_bytes(static_cast<std::uint32_t>(count), kSavedBytesSite);
    if (records == nullptr) return report_no_array(*ca);
    *savedBytesOut = {records, count};
    return terminate_entries(records, entries_with_texts(media), texts_of(media));
}

namespace {

// Puts the saved bytes back when the list, the array's first record and,
// when `sqlcaToo`, the sqlca pass their checks; releases the array whatever
// they say.
void restore_list(vrxMediaList *list, SavedBytes savedBytes, sqlca *ca, std::uint8_t allowEmpty, bool sqlcaToo) {
    const bool writable = list != nullptr && passes_check(list, sizeof(vrxMediaList), CheckMode::Terminate) &&
                          passes_check(savedBytes.records, sizeof(SavedByte), CheckMode::Terminate) &&
                          (!sqlcaToo || passes_check(ca, sizeof(sqlca), CheckMode::Terminate));
    if (writable) {
        const vrxMediaList media = load(list);
        if (allowEmpty != 0 || media.entryCount != 0)
            put_back_entries(savedBytes.records, std::min(entries_with_texts(media), savedBytes.count),
                             texts_of(media));
    }
    scratch_release(savedBytes.records);
}

}  // namespace

std::int32_t sqluRestoreMediaList(vrxMediaList **list, SavedBytes savedBytes, sqlca **ca,
                                  std::int32_t /*expectedType*/, std::uint8_t allowEmpty) {
    // The array is the library's own and is released whatever the checks
    // say; a list that no longer passes them is not written.
    if (savedBytes.records != nullptr) restore_list(*list, savedBytes, *ca, allowEmpty, true);
    return 0;
}

MediaListSlot MediaListSlot::copy_target(vrxMediaList *list, sqlca *ca, CheckMode mode) {
    MediaListSlot slot(list, ca, 0);
    slot.copyTarget_ = true;
    slot.copyTargetMode_ = mode;
    return slot;
}

bool MediaListSlot::copy_target_usable() const {
    if (list_ == nullptr || !passes_check(list_, sizeof *list_, copyTargetMode_)) return false;
    const char type = load(list_).mediaType;
    return type == VRX_MEDIA_LOCAL || type == VRX_MEDIA_VENDOR;
}

std::int32_t MediaListSlot::terminate() {
    if (copyTarget_) {
        if (!copy_target_usable()) return 0;
        expectedType_ = static_cast<unsigned char>(load(list_).mediaType);
    }
    return sqluMakeMediaListNullTerminated(&list_, &saved_, &ca_, expectedType_, allowEmpty_);
}

std::int32_t MediaListSlot::terminate_inline(const ScratchSite &site, bool *noArray) {
    if (list_ == nullptr || !passes_check(list_, sizeof *list_, CheckMode::Terminate)) return 0;
    const vrxMediaList media = load(list_);
    const std::int32_t count = media.entryCount;
    if (static_cast<unsigned char>(media.mediaType) != expectedType_ || count == 0) return 0;
    const std::uint32_t entrySize = media_entry_size(media.mediaType);
    if (!fits_region(count, entrySize) || media.entries == nullptr) return 0;
    if (!passes_check(media.entries, static_cast<std::uint32_t>(count) * entrySize, CheckMode::Terminate)) return 0;

    SavedByte *records = request_saved_bytes(static_cast<std::uint32_t>(count), site);
    if (records == nullptr) {
        *noArray = true;
        return 0;
    }
    saved_ = {records, count};
    inline_ = true;
    return terminate_entries(records, entries_with_texts(media), texts_of(media));
}

void MediaListSlot::put_back() {
    if (saved_.records == nullptr) return;
    if (copyTarget_ && !copy_target_usable())
        scratch_release(saved_.records);
    else if (inline_)
        restore_list(list_, saved_, nullptr, 0, false);
    else
        sqluRestoreMediaList(&list_, saved_, &ca_, expectedType_, allowEmpty_);
    saved_ = {};
}

std::int32_t terminate_lists(Borrowed &borrowed, std::initializer_list<MediaListSlot *> lists) {
    for (MediaListSlot *list : lists) {
        borrowed.add(*list);
        if (const std::int32_t result = list->terminate()) return result;
    }
    return 0;
}

}  // namespace vrx
