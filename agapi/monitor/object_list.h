// The object list of the snapshot records: an array of blank-padded object
// names that reach the core terminated after their last non-blank, with the
// bytes the terminators replaced kept in a saved-byte array for the call.
#pragma once

#include <cstdint>

#include "frame/frame.h"
#include "frame/saved_bytes.h"
#include "vrxagapi/monitor.h"

namespace vrx {

// The object list a snapshot or snapshot-size record starts with; null for
// a null record.
vrxgObjectList *objects_of(const void *data);

class ObjectListNames {
public:
    ObjectListNames() = default;
    ObjectListNames(const ObjectListNames &) = delete;
    ObjectListNames &operator=(const ObjectListNames &) = delete;
    ~ObjectListNames() { put_back(); }

    // Terminates the names of `list`. A null list, one that fails its check
    // (the count and one entry, mode 3), or one whose entries could not lie
    // in 32-bit storage is left alone. Returns 0 when the core may be called,
    // or the code of a refusal, reported with the tag when the sqlca may be
    // written: -1603 for a list of no entries, -1607 when the saved-byte
    // array cannot be had (requested at `site`).
    std::int32_t terminate(vrxgObjectList *list, sqlca *ca, const ScratchSite &site);

    // Puts the names back, last entry first, as far as the count read again
    // and the array both reach, and releases the array.
    void put_back();

private:
    vrxgObjectList *list_ = nullptr;
    SavedByte *records_ = nullptr;
    std::uint32_t held_ = 0;
};

}  // namespace vrx
