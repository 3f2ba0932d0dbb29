// The table space list and the media list of the positional backup and
// restore forms, terminated in the caller's storage entry by entry. Every
// pointer still reaches the core as the caller gave it.
#pragma once

#include <cstdint>

#include "frame/frame.h"
#include "frame/saved_bytes.h"
#include "vrxagapi/recovery.h"

namespace vrx::recovery {

// The three scratch requests of a positional form and the tag each one
// reports a failure with.
struct PositionalSites {
    ScratchSite tablespaces;
    Tag tablespacesTag;
    ScratchSite paths;  // 'L' media list
    Tag pathsTag;
    ScratchSite vendor;  // 'O' media list
    Tag vendorTag;
};

// Table space names: every entry's text is terminated. A null list, one
// whose record or entries fail their checks, or one whose count cannot
// describe an entry array is left alone.
class TablespaceListTermination {
public:
    // 0, -83 after a failed request, or the last entry's nonzero check.
    std::int32_t terminate(vrxTablespaceList *list, sqlca *ca, const ScratchSite &site, const Tag &tag);
    // Puts the saved bytes back (the count read again) and releases the array.
    void restore();

private:
    vrxTablespaceList *list_ = nullptr;
    SavedByte *saved_ = nullptr;
    std::int32_t count_ = 0;  // records in the array
};

// Media list: an 'L' list has every path entry's text terminated, an 'O'
// list the first vendor entry's text; other types are left alone.
class MediaListTermination {
public:
    // 0, -83 after a failed request, or the nonzero check that ends it.
    std::int32_t terminate(vrxMediaList *list, sqlca *ca, const PositionalSites &sites);
    // Puts the saved bytes back by the type read again from the caller's
    // list, and releases the array.
    void restore();

private:
    std::int32_t terminate_paths(sqlca *ca, const PositionalSites &sites);
    std::int32_t terminate_vendor(sqlca *ca, const PositionalSites &sites);

    vrxMediaList *list_ = nullptr;
    SavedByte *saved_ = nullptr;
    std::int32_t count_ = 0;  // records in the array
};

// Both lists of a call, table space names first; restored in reverse order.
class PositionalLists {
public:
    std::int32_t terminate(vrxTablespaceList *tablespaces, vrxMediaList *media, sqlca *ca,
                           const PositionalSites &sites) {
        const std::int32_t result = tablespaces_.terminate(tablespaces, ca, sites.tablespaces, sites.tablespacesTag);
        return result != 0 ? result : media_.terminate(media, ca, sites);
    }
    void restore() {
        media_.restore();
        tablespaces_.restore();
    }

private:
    TablespaceListTermination tablespaces_;
    MediaListTermination media_;
};

// The frame of a positional backup or restore: initialisation, then both
// lists; `convert_and_call()` converts the texts, calls the core and puts
// the texts back, and runs only when both lists were converted. The lists
// are restored last, whatever happened.
template <class Body>
std::int32_t with_positional_lists(vrxTablespaceList *tablespaces, vrxMediaList *media, sqlca *ca,
                                   const PositionalSites &sites, Body convert_and_call) {
    if (!app_data_ready(ca)) return 0;

    PositionalLists lists;
    std::int32_t result = lists.terminate(tablespaces, media, ca, sites);
    if (result == 0) result = convert_and_call();
    lists.restore();
    return result;
}

// Blank-fill of an output area of `width` bytes that the caller may leave out.
inline void blank_fill_area(char *area, std::uint32_t width) {
    if (area != nullptr) blank_fill(area, width);
}

}  // namespace vrx::recovery
