// The techniques that turn caller texts into what the core API expects and
// put the caller's storage back afterwards. Each technique keeps what it
// replaced and has its own restore; an entry point restores in the reverse
// order of its terminations.
#pragma once

#include <cstdint>

#include "vrxagapi/common.h"

namespace vrx {

// What a region is checked for before the library reads or writes it.
enum class CheckMode : std::uint8_t {
    ReadOnly = 1,   // caller records the library only reads
    Field = 2,      // fixed-width output fields and blank-padded input fields
    Terminate = 3,  // texts about to be terminated in place, arrays read before that, versioned records
};

// True when pointer checking is off or the core accepts the region. Asks
// anew whether checking is on before every check.
bool passes_check(const void *region, std::uint32_t length, CheckMode mode);

// The check's own result, for callers that hand it on: 0 when checking is
// off or the core accepts the region, the core's nonzero result otherwise.
std::int32_t check_result(const void *region, std::uint32_t length, CheckMode mode);

// Where a scratch request comes from, as the system library records it.
struct ScratchSite {
    const char *file;
    std::uint32_t line;
};

// A scratch block of `size` bytes, or null when none can be had.
void *scratch_request(std::uint32_t size, const ScratchSite &site);
void scratch_release(void *block);

// One termination slot: the byte the library replaced by a NUL, and where.
class TerminationSlot {
public:
    // In-place termination of a length-qualified text. Returns what the core
    // receives: the caller's pointer, terminated unless it is null or fails
    // the check over length + 1 bytes.
    char *terminate(char *text, std::uint32_t length);

    // Blank-trimmed termination of a blank-padded field of `width` bytes:
    // the NUL goes right after the last non-blank of the first width - 1
    // bytes. A field that fails the check is left as it is.
    char *terminate_trimmed(char *field, std::uint32_t width);

    // Writes the saved byte back, if any.
    void restore();

private:
    void replace(char *position);

    char *position_ = nullptr;
    char saved_ = 0;
};

// The 12-byte scratch record kept for each text of a string array that
// the library terminates. Records chain from the one made last.
struct TerminationRecord {
    std::uint32_t index;
    std::uint16_t savedByte;
    TerminationRecord *next;
};
#if VRX_ILP32
static_assert(sizeof(TerminationRecord) == 12, "termination record is 12 bytes");
static_assert(offsetof(TerminationRecord, savedByte) == 4, "savedByte");
static_assert(offsetof(TerminationRecord, next) == 8, "next");
#endif

// In-place termination of the texts of an item array with a parallel array
// of 16-bit lengths. `Item` has a `value` member pointing at the text.
class StringArrayTermination {
public:
    // Terminates the texts of the items that `is_text(item)` selects. False
    // when a termination record could not be obtained; what was terminated
    // so far stays recorded for restore().
    template <class Item, class Select>
    bool terminate(Item *items, const std::uint16_t *lengths, std::uint32_t count, Select is_text,
                   const ScratchSite &site);

    // Puts back every saved byte, last terminated first, and releases the
    // records. The lengths are read again from the caller's array.
    template <class Item>
    void restore(Item *items, const std::uint16_t *lengths);

private:
    bool push(std::uint32_t index, char *position, const ScratchSite &site);

    TerminationRecord *head_ = nullptr;
};

// Copy of a caller text into a NUL-terminated scratch block; the caller's
// storage is not written.
class ScratchCopy {
public:
    // False when no block could be had. A null text gives a null copy.
    bool make(const char *text, std::uint32_t length, const ScratchSite &site);
    char *text() const { return block_; }
    void release();

private:
    char *block_ = nullptr;
};

// Blank-fill of an output field of `width` bytes after the core call: from
// the first NUL to the end of the field. A field without NUL, or that fails
// the check, is left as the core wrote it.
void blank_fill(char *field, std::uint32_t width);

// ---------------------------------------------------------------------------

template <class Item, class Select>
bool StringArrayTermination::terminate(Item *items, const std::uint16_t *lengths, std::uint32_t count,
                                       Select is_text, const ScratchSite &site) {
    if (count == 0) return true;
    if (!passes_check(lengths, count * 2u, CheckMode::Terminate)) return true;
    if (!passes_check(items, count * static_cast<std::uint32_t>(sizeof(Item)), CheckMode::Terminate))
        return true;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!is_text(items[i])) continue;
        char *text = static_cast<char *>(items[i].value);
        if (text == nullptr || !passes_check(text, lengths[i] + 1u, CheckMode::Terminate)) continue;
        if (!push(i, text + lengths[i], site)) return false;
    }
    return true;
}

template <class Item>
void StringArrayTermination::restore(Item *items, const std::uint16_t *lengths) {
    while (head_ != nullptr) {
        TerminationRecord *record = head_;
        char *text = static_cast<char *>(items[record->index].value);
        text[lengths[record->index]] = static_cast<char>(record->savedByte);
        head_ = record->next;
        scratch_release(record);
    }
}

}  // namespace vrx
