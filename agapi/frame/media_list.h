// Media lists: the texts of a caller's media list terminated in place,
// entry by entry, with the replaced bytes kept in a saved-byte array, and
// put back after the core call. The entry points that terminate lists keep
// one array slot per list, empty until the array is made.
#pragma once

#include <cstdint>

#include <initializer_list>

#include "frame/borrowed.h"
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

// One media list of an entry point: the caller's list, the slot of its
// saved-byte array (empty until the array is made) and how the list is
// terminated and put back. Joined to the entry point's Borrowed, it goes
// back in its turn with sqluRestoreMediaList, which releases the array.
class MediaListSlot {
public:
    MediaListSlot(vrxMediaList *list, sqlca *ca, char expectedType, std::uint8_t allowEmpty = 0)
        : list_(list), ca_(ca), expectedType_(static_cast<unsigned char>(expectedType)), allowEmpty_(allowEmpty) {}
    // A load's copy target: handled only when non-null, passing a 12-byte
    // check in `mode`, and of type 'L' or 'O', terminated as its own type.
    // The same conditions hold again before its bytes go back; when they
    // fail, its array is released without writing.
    static MediaListSlot copy_target(vrxMediaList *list, sqlca *ca, CheckMode mode);

    MediaListSlot(const MediaListSlot &) = delete;
    MediaListSlot &operator=(const MediaListSlot &) = delete;
    ~MediaListSlot() { put_back(); }

    // sqluMakeMediaListNullTerminated with this list's type.
    std::int32_t terminate();

    // The positional export and import forms' own steps: no sqlca check;
    // a list that is null, fails its record or entry check, is of another
    // type, or has no entries (or a count no region can hold) is passed on
    // untouched without error. Otherwise its entries are terminated with an
    // array requested at `site`. Returns the last entry's check; sets
    // `*noArray` when the request failed, leaving the report to the caller.
    std::int32_t terminate_inline(const ScratchSite &site, bool *noArray);

    // Writes the saved bytes back and releases the array, once. A list
    // terminated inline goes back without the sqlca check of
    // sqluRestoreMediaList, as its termination made none.
    void put_back();

private:
    MediaListSlot(MediaListSlot &&) = default;
    bool copy_target_usable() const;

    vrxMediaList *list_;
    sqlca *ca_;
    std::int32_t expectedType_;
    std::uint8_t allowEmpty_;
    bool copyTarget_ = false;
    bool inline_ = false;
    CheckMode copyTargetMode_{};
    SavedBytes saved_{};
};

// Terminates the lists in the order given, each joining `borrowed` first so
// that they go back last first with everything terminated after them.
// Stops at the first nonzero result and returns it.
std::int32_t terminate_lists(Borrowed &borrowed, std::initializer_list<MediaListSlot *> lists);

}  // namespace vrx
