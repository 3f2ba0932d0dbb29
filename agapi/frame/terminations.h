// In-place terminations made one after another and put back by a single
// restore(), last made first. For entry points whose texts are terminated
// in a fixed order: each terminate() stays a line of its own, in that
// order, and the reverse order of restoration cannot go wrong.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/marshal.h"

namespace vrx {

template <std::size_t N>
class Terminations {
public:
    // In-place termination of a length-qualified text (TerminationSlot).
    char *terminate(char *text, std::uint32_t length) {
        return used_ < N ? slots_[used_++].terminate(text, length) : text;
    }

    // Blank-trimmed termination of a blank-padded field (TerminationSlot).
    char *terminate_trimmed(char *field, std::uint32_t width) {
        return used_ < N ? slots_[used_++].terminate_trimmed(field, width) : field;
    }

    // Puts every saved byte back, in the reverse order of the terminations.
    void restore() {
        while (used_ > 0) slots_[--used_].restore();
    }

private:
    TerminationSlot slots_[N];
    std::size_t used_ = 0;
};

}  // namespace vrx
