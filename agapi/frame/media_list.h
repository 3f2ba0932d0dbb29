// Media lists: the texts of a caller's media list terminated in place,
// entry by entry, with the replaced bytes kept in a saved-byte array, and
// put back after the core call. The entry points that terminate lists keep
// one array slot per list, empty until the array is made.
#pragma once

#include <cstdint>

#include "frame/saved_bytes.h"
#include "vrxagapi/media.h"

namespace vrx {

// Size of one entry of a list of `mediaType`; 0 for a type outside the five codes.
std::uint32_t media_entry_size(char mediaType);

// The text of entry `i` of an array of entries of `mediaType` (for 'Q' the
// pointer the entry holds, possibly null), read whatever the alignment.
EntryText media_entry_text(char mediaType, void *entries, std::uint32_t i);

// A list's saved-byte array and the number of records it holds, so that a
// count read again after the call never takes the restore past the array.
struct SavedBytes {
    SavedByte *records = nullptr;
    std::int32_t count = 0;
};

// Terminates the texts of the list `*list` when its type is `expectedType`
// and stores the saved-byte array in `*savedBytesOut` (left alone when no
// array is made). `allowEmpty` lets a list of no entries through, with an
// empty array. Every entry's text is terminated, only the first for 'O',
// only those with a text pointer for 'Q'. Returns 0 when the list was
// handled or left alone, -83 when no array could be had (reported in
// `**ca` with the routine's name when the sqlca may be written), or the
// nonzero result of the entry array's check or of the last entry's check.
std::int32_t sqluMakeMediaListNullTerminated(vrxMediaList **list, SavedBytes *savedBytesOut, sqlca **ca,
                                             std::int32_t expectedType, std::uint8_t allowEmpty);

// Puts back the bytes recorded in `savedBytes`, last entry first, and
// releases the array; does nothing without an array. The entry count is
// read again from the caller's list and capped by the array's. Returns 0.
// `expectedType` is not used.
std::int32_t sqluRestoreMediaList(vrxMediaList **list, SavedBytes savedBytes, sqlca **ca,
                                  std::int32_t expectedType, std::uint8_t allowEmpty);

}  // namespace vrx
