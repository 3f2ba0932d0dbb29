#include "frame/saved_bytes.h"

#include <algorithm>

namespace vrx {

void save_and_terminate_trimmed(SavedByte &record, char *field, std::uint32_t width, std::uint32_t last) {
    if (field == nullptr || width == 0 || !passes_check(field, width, CheckMode::Field)) return;
    const std::uint32_t end = std::min(trimmed_length(field, width - 1), last);
    record.savedByte = static_cast<std::uint8_t>(field[end]);
    record.savedLength = static_cast<std::int32_t>(end);
    field[end] = '\0';
}

}  // namespace vrx
