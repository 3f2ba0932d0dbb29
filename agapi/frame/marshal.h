// The techniques that turn caller texts into what the core API expects and
// put the caller's storage back afterwards. One null rule holds for all of
// them: a null text, field, array or target is passed on or ignored, never
// read through. Lengths are untrusted 32-bit values: `length + 1` never wraps.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "frame/borrowed.h"
#include "frame/caller_record.h"
#include "frame/check.h"
#include "vrxagapi/common.h"

namespace vrx {

// True when `count` items of `size` bytes make a region whose size a
// 32-bit length can express: a negative or larger count cannot describe
// caller storage, and such a list is passed on unconverted.
constexpr bool fits_region(std::int64_t count, std::uint32_t size) {
    return count >= 0 && static_cast<std::uint64_t>(count) * size <= UINT32_MAX;
}

// Where a scratch request comes from, as the system library records it.
struct ScratchSite {
    const char *file;
    std::uint32_t line;
};

// A scratch block of `size` bytes, keeping the allocator's own result: 0
// with the block in `block`, or the allocator's nonzero result with `block`
// null. Inline, as every list entry makes one.
inline std::int32_t scratch_request(std::uint32_t size, const ScratchSite &site, void *&block) {
    block = nullptr;
    const std::int32_t result = sqlogmblkEx(0, size, 0, &block, site.file, site.line, 0);
    if (result != 0) block = nullptr;
    return result;
}
// The same, giving the block, or null when none can be had.
inline void *scratch_request(std::uint32_t size, const ScratchSite &site) {
    void *block = nullptr;
    return scratch_request(size, site, block) == 0 ? block : nullptr;
}
inline void scratch_release(void *block) { sqlofmblkEx(block); }

// A check of a record or array the library follows, through sqlocptrs with
// one region, made whether or not pointer checking is on. 0 when the region
// may be used, the service's nonzero result otherwise.
std::int32_t element_check(const void *region, std::uint32_t length, CheckMode mode);

// Writes a NUL at text[length] without keeping the byte it replaces: for a
// field whose blank-fill after the call is what puts it back. Checked as an
// in-place termination is.
char *terminate_unsaved(char *text, std::uint32_t length);

// The 12-byte scratch record kept for each text of a string array that
// the library terminates. Records chain from the one made last; a record
// is made only for a text that is terminated, and its byte goes back at
// the length read again from the caller's lengths array.
struct TerminationRecord {
    std::uint32_t index;
    std::uint16_t savedByte;
    TerminationRecord *next;

    static constexpr CheckMode kLengthsCheck = CheckMode::Terminate;
};
#if VRX_ILP32
static_assert(sizeof(TerminationRecord) == 12, "termination record is 12 bytes");
static_assert(offsetof(TerminationRecord, savedByte) == 4, "savedByte");
static_assert(offsetof(TerminationRecord, next) == 8, "next");
#endif

constexpr std::uint32_t kNothingWritten = UINT32_MAX;

// The 16-byte variant of the instance configuration update: the record is
// requested for every selected item before its text is looked at (a null
// or refused text still costs one), and keeps where its NUL went, so that
// the byte goes back there and not at a length read again.
struct PositionedTerminationRecord {
    std::uint32_t index;
    std::uint32_t position;  // kNothingWritten when nothing was written
    std::uint8_t savedByte;
    PositionedTerminationRecord *next;

    static constexpr CheckMode kLengthsCheck = CheckMode::Field;
};
#if VRX_ILP32
static_assert(sizeof(PositionedTerminationRecord) == 16, "positioned termination record is 16 bytes");
static_assert(offsetof(PositionedTerminationRecord, position) == 4, "position");
static_assert(offsetof(PositionedTerminationRecord, savedByte) == 8, "savedByte");
static_assert(offsetof(PositionedTerminationRecord, next) == 12, "next");
#endif

// How each kind of record is made for item `index` (text and length as the
// caller's arrays give them) and how it gives its byte back. take_... is
// false when no record could be obtained.
inline bool take_termination(TerminationRecord *&head, std::uint32_t index, char *text, std::uint32_t length,
                             const ScratchSite &site) {
    if (text == nullptr || !terminable(length) || !passes_check(text, length + 1u, CheckMode::Terminate)) return true;
    auto *record = static_cast<TerminationRecord *>(scratch_request(sizeof(TerminationRecord), site));
    if (record == nullptr) return false;
    *record = {index, static_cast<unsigned char>(text[length]), head};
    head = record;
    text[length] = '\0';
    return true;
}

inline bool take_termination(PositionedTerminationRecord *&head, std::uint32_t index, char *text,
                             std::uint32_t length, const ScratchSite &site) {
    auto *record =
        static_cast<PositionedTerminationRecord *>(scratch_request(sizeof(PositionedTerminationRecord), site));
    if (record == nullptr) return false;
    *record = {index, kNothingWritten, 0, head};
    head = record;
    if (text != nullptr && terminable(length) && passes_check(text, length + 1u, CheckMode::Terminate)) {
        record->savedByte = static_cast<std::uint8_t>(text[length]);
        record->position = length;
        text[length] = '\0';
    }
    return true;
}

inline void give_back(const TerminationRecord &record, char *text, const std::uint16_t *lengths) {
    text[load_element(lengths, record.index)] = static_cast<char>(record.savedByte);
}

inline void give_back(const PositionedTerminationRecord &record, char *text, const std::uint16_t * /*lengths*/) {
    if (record.position != kNothingWritten) text[record.position] = static_cast<char>(record.savedByte);
}

// In-place termination of the texts of an item array with a parallel array
// of 16-bit lengths. `Item` has a `value` member pointing at the text;
// `Record` is the kind of scratch record kept per text. Put back as one
// group: each record, head first, writes its byte back and is released.
template <class Item, class Record = TerminationRecord>
class StringArrayTermination {
public:
    StringArrayTermination() = default;
    StringArrayTermination(const StringArrayTermination &) = delete;
    StringArrayTermination &operator=(const StringArrayTermination &) = delete;
    ~StringArrayTermination() { put_back(); }

    // Terminates the texts of the items that `is_text(item)` selects. Null
    // arrays, or arrays that fail their checks (the lengths in the record's
    // mode, the items in mode 3), are left alone. False when a record could
    // not be obtained; what was terminated so far stays recorded for
    // put_back().
    template <class Select>
    bool terminate(Item *items, std::uint16_t *lengths, std::uint32_t count, Select is_text,
                   const ScratchSite &site);

    void put_back();

private:
    Item *items_ = nullptr;
    std::uint16_t *lengths_ = nullptr;
    Record *head_ = nullptr;
};

// Copy of a caller text into a NUL-terminated scratch block; the caller's
// storage is not written.
class ScratchCopy {
public:
    ScratchCopy() = default;
    ScratchCopy(const ScratchCopy &) = delete;
    ScratchCopy &operator=(const ScratchCopy &) = delete;
    ~ScratchCopy() { release(); }

    // False when no block could be had. A null text, or one whose length
    // leaves no room for a terminator, gives no copy (text() is null).
    bool make(const char *text, std::uint32_t length, const ScratchSite &site);
    char *text() const { return block_; }
    void release();

private:
    char *block_ = nullptr;
};

// Blank-fill of an output field of `width` bytes after the core call: from
// the first NUL to the end of the field. A null field, one without NUL, or
// one that fails the check is left as the core wrote it.
void blank_fill(char *field, std::uint32_t width);

// Copies `length` bytes, at most `width`, of a core output text into a
// caller's area; a null area is left out.
void copy_output(char *area, std::uint32_t length, const char *coreText, std::uint32_t width);

// Copies a run of 32-bit values from a caller's record into the core's.
template <std::size_t N>
void copy_values(std::uint32_t (&to)[N], const std::uint32_t (&from)[N]) {
    std::memcpy(to, from, sizeof to);
}

// ---------------------------------------------------------------------------

template <class Item, class Record>
template <class Select>
bool StringArrayTermination<Item, Record>::terminate(Item *items, std::uint16_t *lengths, std::uint32_t count,
                                                     Select is_text, const ScratchSite &site) {
    if (items == nullptr || lengths == nullptr || count == 0) return true;
    if (!passes_check(lengths, count * 2u, Record::kLengthsCheck)) return true;
    if (!passes_check(items, count * static_cast<std::uint32_t>(sizeof(Item)), CheckMode::Terminate)) return true;
    items_ = items;
    lengths_ = lengths;
    for (std::uint32_t i = 0; i < count; ++i) {
        const Item item = load_element(items, i);
        if (!is_text(item)) continue;
        if (!take_termination(head_, i, static_cast<char *>(item.value), load_element(lengths, i), site)) return false;
    }
    return true;
}

template <class Item, class Record>
void StringArrayTermination<Item, Record>::put_back() {
    while (head_ != nullptr) {
        Record *record = head_;
        give_back(*record, static_cast<char *>(load_element(items_, record->index).value), lengths_);
        head_ = record->next;
        scratch_release(record);
    }
}

}  // namespace vrx
