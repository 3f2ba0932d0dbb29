// The table space list and the media list of the positional backup and
// restore forms, terminated in the caller's storage entry by entry. Every
// pointer still reaches the core as the caller gave it.
#pragma once

#include <cstdint>
#include <optional>

#include "frame/borrowed.h"
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

// One list's saved-byte array: put back as a group, last entry first, with
// the entries read again from the caller's list (never more than the array
// holds); released by release().
class ListTermination {
public:
    ListTermination() = default;
    ListTermination(const ListTermination &) = delete;
    ListTermination &operator=(const ListTermination &) = delete;
    ~ListTermination() { release(); }
    void release();

protected:
    // True from the terminations until the bytes went back, so that they
    // go back once.
    bool take_pending() {
        const bool was = pending_;
        pending_ = false;
        return was;
    }

    SavedByte *saved_ = nullptr;
    std::int32_t count_ = 0;  // records in the array
    bool pending_ = false;
};

// Table space names: every entry's text is terminated. A null list, one
// whose record or entries fail their checks, or one whose count cannot
// describe an entry array is left alone.
class TablespaceListTermination : public ListTermination {
public:
    // 0, or the last entry's nonzero check; empty when the saved-byte
    // array could not be had, which each caller reports in its own way.
    std::optional<std::int32_t> terminate(vrxTablespaceList *list, const ScratchSite &site);
    void put_back();

private:
    vrxTablespaceList *list_ = nullptr;
};

// Media list: an 'L' list has every path entry's text terminated, an 'O'
// list the first vendor entry's text; other types are left alone. The
// type is read again from the caller's list when the bytes go back.
class MediaListTermination : public ListTermination {
public:
    // 0, -83 after a failed request, or the nonzero check that ends it.
    std::int32_t terminate(vrxMediaList *list, sqlca *ca, const PositionalSites &sites);
    void put_back();

private:
    std::int32_t terminate_paths(const vrxMediaList &media, sqlca *ca, const PositionalSites &sites);
    std::int32_t terminate_vendor(const vrxMediaList &media, sqlca *ca, const PositionalSites &sites);

    vrxMediaList *list_ = nullptr;
};

}  // namespace vrx::recovery

namespace vrx::recovery {

// Both lists of a positional call: table space names first, then the media
// list; their saved bytes join the entry point's borrowed bytes, and their
// arrays are released media list first.
struct PositionalLists {
    TablespaceListTermination tablespaces;
    MediaListTermination media;

    // 0, or the first nonzero result, which ends the conversion.
    std::int32_t terminate(vrxTablespaceList *tablespaceList, vrxMediaList *mediaList, sqlca *ca,
                           const PositionalSites &sites, Borrowed &borrowed) {
        borrowed.add(tablespaces);
        const std::optional<std::int32_t> result = tablespaces.terminate(tablespaceList, sites.tablespaces);
        if (!result) return report_no_memory(ca, sites.tablespacesTag);
        if (*result != 0) return *result;
        borrowed.add(media);
        return media.terminate(mediaList, ca, sites);
    }
    void release() {
        media.release();
        tablespaces.release();
    }
};

}  // namespace vrx::recovery
