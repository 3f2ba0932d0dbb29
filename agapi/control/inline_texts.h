// The record forms of instance start and stop hold their texts inline,
// each after its 32-bit length. One routine terminates them all, driven by
// a table per form: where each length and text lie, and the largest
// position the terminator may take.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/borrowed.h"

namespace vrx::control {

struct InlineText {
    std::size_t lengthAt;
    std::size_t textAt;
    std::uint32_t largestEnd;  // the terminator goes at the length or here, whichever is less
};

constexpr std::uint32_t kNoCap = UINT32_MAX;

struct InlineTextForm {
    std::uint32_t size;  // the record's size, checked before anything is read
    std::size_t count;
    InlineText texts[4];
};

// Checks the record (its size, mode 3); when it passes and is not null,
// terminates each text whose length is not 0, in table order. A length of
// 0 marks an absent text, which is neither checked nor written.
void terminate_inline_texts(Borrowed &borrowed, void *record, const InlineTextForm &form);

}  // namespace vrx::control
