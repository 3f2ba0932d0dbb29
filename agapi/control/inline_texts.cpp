#include "control/inline_texts.h"

#include <algorithm>
#include <cstring>

#include "frame/caller_record.h"
#include "frame/marshal.h"

namespace vrx::control {

void terminate_inline_texts(Borrowed &borrowed, void *record, const InlineTextForm &form) {
    if (!passes_check(record, form.size, CheckMode::Terminate) || record == nullptr) return;
    for (std::size_t i = 0; i < form.count; ++i) {
        const InlineText &text = form.texts[i];
        std::uint32_t length;
        std::memcpy(&length, field_at(record, text.lengthAt), sizeof length);
        borrowed.terminate_present(field_at(record, text.textAt), std::min(length, text.largestEnd));
    }
}

}  // namespace vrx::control
