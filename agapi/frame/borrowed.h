// The caller bytes an entry point borrows for the call: every terminator it
// writes into the caller's storage, kept in the order written and put back
// last first, so that texts sharing storage end exactly as they began.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vrx {

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
    char *terminate(char *text, std::uint32_t length);

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
        push({nullptr, &group, [](void *g) { static_cast<Group *>(g)->put_back(); }, 0});
    }

    // Puts back everything borrowed so far, last first.
    void restore();

    // Forgets the bytes borrowed so far without putting them back: for a
    // caller record that no longer vouches for them after the call.
    void discard() { used_ = 0; }

private:
    struct Entry {
        char *position;               // a single byte, or
        void *group;                  // a group
        void (*putBack)(void *group);  // and how it puts itself back
        char saved;
    };
    void push(const Entry &entry);

    // More terminations than any entry point makes; exceeding it is a fault
    // in the entry point and stops the process rather than leave a byte.
    static constexpr std::size_t kCapacity = 24;
    Entry entries_[kCapacity] = {};
    std::size_t used_ = 0;
};

}  // namespace vrx
