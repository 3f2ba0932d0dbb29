// Saved-byte arrays: the scratch record of the bytes that the library
// replaced by terminators in the entries of a caller's list, one record per
// entry, in entry order. The entries stay where the caller put them; at most
// one byte of each differs until the bytes are put back.
#pragma once

#include <cstdint>

#include "frame/marshal.h"

namespace vrx {

constexpr std::int32_t kNothingSaved = -1;

struct SavedByte {
    std::int32_t savedLength;  // where the terminator went, or kNothingSaved
    std::uint8_t savedByte;    // the caller's byte it replaced
};
static_assert(sizeof(SavedByte) == 8, "saved-byte record is 8 bytes");

// A text inside a list entry: its start and the length the entry gives.
struct EntryText {
    char *text;
    std::uint32_t length;
};

// An array of `count` records (count × 8 bytes), every one reading
// kNothingSaved, keeping the allocator's result (0, or nonzero with
// `records` null).
inline std::int32_t request_saved_bytes(std::uint32_t count, const ScratchSite &site, SavedByte *&records) {
    void *block = nullptr;
    const std::int32_t result = scratch_request(count * 8u, site, block);
    records = static_cast<SavedByte *>(block);
    for (std::uint32_t i = 0; records != nullptr && i < count; ++i) records[i] = SavedByte{kNothingSaved, 0};
    return result;
}
// The same, giving the array; null when no block can be had.
inline SavedByte *request_saved_bytes(std::uint32_t count, const ScratchSite &site) {
    SavedByte *records = nullptr;
    request_saved_bytes(count, site, records);
    return records;
}

// In-place termination of one entry's text: when length + 1 bytes pass the
// check, the byte at text[length] goes into `record` and a NUL takes its
// place. Returns the check's result (0 with checking off). A length of
// 0xFFFFFFFF leaves no room for a terminator: the entry is skipped as a
// null text is, without a check, and the result is 0.
inline std::int32_t save_and_terminate(SavedByte &record, const EntryText &entry) {
    if (!terminable(entry.length)) return 0;
    const std::int32_t check = check_result(entry.text, entry.length + 1u, CheckMode::Terminate);
    if (check != 0) return check;
    char *position = entry.text + entry.length;
    record.savedByte = static_cast<std::uint8_t>(*position);
    record.savedLength = static_cast<std::int32_t>(entry.length);
    *position = '\0';
    return 0;
}

// Blank-trimmed termination of a blank-padded field of `width` bytes: when
// the field passes its check (width bytes, mode 2), the NUL goes right after
// the last non-blank of its first width - 1 bytes, but never past index
// `last`; `record` keeps the position (0 for an all-blank field) and the
// byte it replaced. A null field, or one that fails the check, is left as
// it is and `record` is not changed.
void save_and_terminate_trimmed(SavedByte &record, char *field, std::uint32_t width, std::uint32_t last);

// Writes the saved byte back at text[savedLength], if one was saved. A
// length of 2^31 or more is stored as a negative number: index with its 32
// bits.
inline void put_back(const SavedByte &record, char *text) {
    if (record.savedLength != kNothingSaved)
        text[static_cast<std::uint32_t>(record.savedLength)] = static_cast<char>(record.savedByte);
}

// Terminates the text of every entry i below `count` (none for a count
// below 1) that `text_of(i)` gives with a non-null text. The result is that
// of the last check made: an earlier entry that fails its check is left
// alone without making the result nonzero.
template <class TextOf>
std::int32_t terminate_entries(SavedByte *records, std::int32_t count, TextOf text_of) {
    std::int32_t result = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const EntryText entry = text_of(i);
        if (entry.text != nullptr) result = save_and_terminate(records[i], entry);
    }
    return result;
}

// Puts back the saved byte of every entry i below `count` that has one,
// last entry first: two entries that share a text give back their bytes in
// the reverse order of their terminations.
template <class TextOf>
void put_back_entries(const SavedByte *records, std::int32_t count, TextOf text_of) {
    for (std::int32_t i = count - 1; i >= 0; --i) {
        if (records[i].savedLength == kNothingSaved) continue;
        const EntryText entry = text_of(i);
        if (entry.text != nullptr) put_back(records[i], entry.text);
    }
}

}  // namespace vrx
