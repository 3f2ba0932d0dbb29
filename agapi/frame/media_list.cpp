#include "frame/media_list.h"

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
        ca->sqlcode = -83;
        std::memcpy(reinterpret_cast<char *>(ca) + offsetof(sqlca, sqlerrp), kRoutineName, sizeof kRoutineName);
    }
    return -83;
}

bool list_and_sqlca_pass(const vrxMediaList *list, const sqlca *ca) {
    return passes_check(list, sizeof *list, CheckMode::Terminate) &&
           passes_check(ca, sizeof *ca, CheckMode::Terminate);
}

// The texts of the list's entries, by index.
auto texts_of(const vrxMediaList *media) {
    return [type = media->mediaType, entries = media->entries](std::int32_t i) {
        return media_entry_text(type, entries, static_cast<std::uint32_t>(i));
    };
}

// How many leading entries hold a text the library terminates: only the
// first of a vendor list carries one the library knows of.
std::int32_t entries_with_texts(const vrxMediaList *media) {
    return media->mediaType == VRX_MEDIA_VENDOR && media->entryCount > 1 ? 1 : media->entryCount;
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
    switch (mediaType) {
        case VRX_MEDIA_SERVER:
        case VRX_MEDIA_CLIENT: {
            auto &e = static_cast<vrxLocationEntry *>(entries)[i];
            return {e.text, e.length};
        }
        case VRX_MEDIA_LOCAL: {
            auto &e = static_cast<vrxPathEntry *>(entries)[i];
            return {e.text, e.length};
        }
        case VRX_MEDIA_VENDOR: {
            auto &e = static_cast<vrxVendorEntry *>(entries)[i];
            return {e.data, e.length};
        }
        case VRX_MEDIA_TEXT: {
            auto &e = static_cast<vrxTextPointerEntry *>(entries)[i];
            return {e.text, e.length};
        }
        default: return {nullptr, 0};
    }
}

std::int32_t sqluMakeMediaListNullTerminated(vrxMediaList **list, SavedByte **savedBytesOut, sqlca **ca,
                                             std::int32_t expectedType, std::uint8_t allowEmpty) {
    vrxMediaList *media = *list;
    if (media == nullptr) return 0;
    if (!list_and_sqlca_pass(media, *ca)) return 0;

    const char type = media->mediaType;
    if (static_cast<unsigned char>(type) != expectedType) return 0;
    const std::int32_t count = media->entryCount;
    if (count == 0 && allowEmpty == 0) return 0;

    const std::uint32_t entrySize = media_entry_size(type);
    if (entrySize == 0 || !fits_region(count, entrySize)) return 0;
    const std::uint32_t total = static_cast<std::uint32_t>(count) * entrySize;
    if (const std::int32_t check = check_result(media->entries, total, CheckMode::Terminate)) return check;

    SavedByte *records = request_saved_bytes(static_cast<std::uint32_t>(count), kSavedBytesSite);
    if (records == nullptr) return report_no_array(*ca);
    *savedBytesOut = records;
    return terminate_entries(records, entries_with_texts(media), texts_of(media));
}

std::int32_t sqluRestoreMediaList(vrxMediaList **list, SavedByte *savedBytes, sqlca **ca,
                                  std::int32_t /*expectedType*/, std::uint8_t allowEmpty) {
    if (savedBytes == nullptr) return 0;
    vrxMediaList *media = *list;
    // The array is the library's own and is released whatever the checks
    // say; a list that no longer passes them is not written.
    const bool writable = media != nullptr && passes_check(media, sizeof *media, CheckMode::Terminate) &&
                          passes_check(savedBytes, sizeof *savedBytes, CheckMode::Terminate) &&
                          passes_check(*ca, sizeof(sqlca), CheckMode::Terminate) &&
                          (allowEmpty != 0 || media->entryCount != 0);
    if (writable) put_back_entries(savedBytes, entries_with_texts(media), texts_of(media));
    scratch_release(savedBytes);
    return 0;
}

}  // namespace vrx
