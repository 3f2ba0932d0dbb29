// Text lists of the versioned records: each caller text is terminated in
// place (its byte kept in a saved-byte array) and copied into a
// NUL-terminated scratch block; the core receives a list of the copies.
#pragma once

#include <cstdint>

#include "frame/borrowed.h"
#include "frame/frame.h"
#include "frame/saved_bytes.h"
#include "vrxplatform/recovery.h"

namespace vrx {

// Where the three kinds of request of one list come from.
struct TextListSites {
    ScratchSite savedBytes;  // count × 8 bytes
    ScratchSite pointers;    // count × 12 bytes, the copies' addresses first
    ScratchSite copies;      // length + 1 bytes per entry
};

// What a list of no entries gets: an empty array of each kind, or nothing.
enum class EmptyList { Convert, LeaveAlone };

// One converted list. Its saved bytes go back as a group in the entry
// point's order of restoration (written back, then the array released);
// its copies are released by release(), where the entry point's order of
// clean-up puts it.
class TextListCopy {
public:
    TextListCopy() = default;
    TextListCopy(const TextListCopy &) = delete;
    TextListCopy &operator=(const TextListCopy &) = delete;
    ~TextListCopy() {
        put_back();
        release();
    }

    // Requests the saved-byte array and the pointer array, then for each
    // entry whose `length` bytes pass the check: terminates the text in
    // place and copies it (a null text gives an empty copy; a text whose
    // terminator position fails the check is still copied; a length of
    // 0xFFFFFFFF, which leaves no room for a terminator, is skipped as a
    // failed check is). Returns 0, -83 after a failed request (reported
    // with `tag`), or the nonzero result of the last terminator check.
    std::int32_t copy(vrxgTextEntry *entries, std::uint32_t count, sqlca *ca, const TextListSites &sites,
                      const Tag &tag);

    // The copies' addresses, null where an entry has none.
    char **copies() const { return copies_; }

    // Writes the saved bytes back into the caller's texts, last entry
    // first, and releases the array.
    void put_back();
    // Releases every copy, then the pointer array.
    void release();

private:
    vrxgTextEntry *entries_ = nullptr;
    std::uint32_t done_ = 0;  // entries whose saved byte and copy slot are set
    SavedByte *saved_ = nullptr;
    char **copies_ = nullptr;
};

// A caller's text list as a core name list: nothing happens for a null
// list, nor when the list record or its entries fail their checks, nor for
// null entries with a nonzero count (the core list stays empty). The list's
// saved bytes join `borrowed`. Returns
// what TextListCopy::copy returns.
std::int32_t name_list_to_core(TextListCopy &copy, Borrowed &borrowed, vrxgTextList *list, vrxNameList &core,
                               sqlca *ca, const TextListSites &sites, const Tag &tag,
                               EmptyList empty = EmptyList::Convert);

// The same for a versioned media list, whose type code the core list takes over.
std::int32_t media_list_to_core(TextListCopy &copy, Borrowed &borrowed, vrxgMediaList *list, vrxLocationList &core,
                                sqlca *ca, const TextListSites &sites, const Tag &tag);

}  // namespace vrx
