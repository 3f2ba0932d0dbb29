// The caller bytes an entry point borrows for the call: every terminator it
// writes into the caller's storage, kept in the order written and put back
// last first, so that texts sharing storage end exactly as they began.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "frame/check.h"

namespace vrx {

// A region the library checks before it borrows a byte or puts it back.
struct Region {
    const void *at;
    std::uint32_t length;
    CheckMode mode;
};

class Borrowed {
public:
    Borrowed() = default;
    Borrowed(const Borrowed &) = delete;
    Borrowed &operator=(const Borrowed &) = delete;
    // A safety net: an entry point restores explicitly, where its order of
    // steps says; anything still borrowed goes back when it returns.
    ~Borrowed() { restore(); }

    // In-place termination of a length-qualified text. Returns what the
    // core receives: the caller's pointer, terminated at text[length] unless
    // it is null, its length + 1 bytes do not pass the check, or no 32-bit
    // region can hold them (length 0xFFFFFFFF).
    char *terminate(char *text, std::uint32_t length) {
        if (text == nullptr || !terminable(length) || !passes_check(text, length + 1u, CheckMode::Terminate))
            return text;
        return borrow(text, length);
    }

    // As terminate(), for entry points whose result is the last check they
    // made: `check` receives this text's check result. A null text or a
    // length of 0xFFFFFFFF makes no check and leaves `check` as it was.
    char *terminate_keeping(char *text, std::uint32_t length, std::int32_t &check);

    // As terminate(), with the checks given instead, made in order, all of
    // which must pass; when the byte's turn comes to go back, `recheck` must
    // pass once more (a region at null needs none), else the terminator
    // stays, as a refused region is never written.
    char *terminate_rechecked(char *text, std::uint32_t length, std::initializer_list<Region> checks,
                              Region recheck);
    // Validated termination, for entry points that report a caller text
    // they may not read by the parameter's name: with checking on, the
    // text's `length` bytes must pass a read check first; then the text is
    // terminated as terminate() does. False when the read check failed:
    // nothing was terminated. A null text skips both steps, unless it is
    // the first text of its record, which is validated even when null.
    enum class Validate { EvenNull, UnlessNull };
    bool terminate_validated(char *text, std::uint32_t length, Validate validate);

    // As terminate(), for a text that a length of 0 marks as absent: such a
    // text is neither checked nor written, and the core receives it as the
    // caller gave it.
    char *terminate_present(char *text, std::uint32_t length);

    // Blank-trimmed termination of a blank-padded field of `width` bytes:
    // the NUL goes right after the last non-blank of the first width - 1
    // bytes. A null field, or one that fails the check, is left as it is.
    char *terminate_trimmed(char *field, std::uint32_t width);

    // A group of borrowed bytes that puts itself back with its own
    // `put_back()` when its turn comes: a list's saved-byte array, a chain
    // of termination records, the fields of a record. The group must
    // outlive this object (declare it first), and putting it back twice
    // must do nothing the second time.
    template <class Group>
    void add(Group &group) {
        Entry &entry = next();
        entry.putBack = [](const Entry &e) { static_cast<Group *>(e.group)->put_back(); };
        entry.group = &group;
    }

    // Puts back everything borrowed so far, last first.
    void restore() {
        for (const Entry *entry = top_; entry != entries_;) {
            --entry;
            if (entry->putBack == nullptr)
                *entry->position = entry->saved;
            else
                entry->putBack(*entry);
        }
        top_ = entries_;
    }

    // Forgets the bytes borrowed so far without putting them back: for a
    // caller record that no longer vouches for them after the call.
    void discard() { top_ = entries_; }

private:
    // A plain byte goes back by itself; a group, or a byte that must pass
    // its recheck first, goes back through `putBack`.
    struct Entry {
        void (*putBack)(const Entry &entry);  // null for a plain byte
        char *position;                       // where the byte goes back
        char saved;                           // the caller's byte
        void *group;                          // the group, for a group
        Region recheck;                       // for a rechecked byte
    };
    // The next free entry; only the fields its kind reads get written.
    Entry &next() {
        if (top_ == entries_ + kCapacity) std::abort();
        return *top_++;
    }
    char *borrow(char *text, std::uint32_t length) {
        Entry &entry = next();
        entry.putBack = nullptr;
        entry.position = text + length;
        entry.saved = text[length];
        text[length] = '\0';
        return text;
    }
    char *borrow_rechecked(char *text, std::uint32_t length, const Region &recheck);

    // More terminations than any entry point makes; exceeding it is a fault
    // in the entry point and stops the process rather than leave a byte.
    static constexpr std::size_t kCapacity = 24;
    // Only the entries below top_ are ever read: the rest stay unwritten,
    // which spares every call the clearing of the whole array.
    Entry entries_[kCapacity];
    Entry *top_ = entries_;
};

}  // namespace vrx
