#include "frame/saved_bytes.h"

#include <algorithm>

namespace vrx {

void save_and_terminate_trimmed(SavedByte &record, char *field, std::uint32_t width, std::uint32_t last) {
    if (field == nullptr || width == 0 || !passes_check(field, width, CheckMode::Field)) return;
    std::uint32_t end = width - 1;
    while (end > 0 && field[end - 1] == ' ') --end;
    end = std::min(end, last);
    record.savedByte = static_cast<std::uint8_t>(field[end]);
    record.savedLength = static_cast<std::int32_t>(end);
    field[end] = '\0';
}

}  // namespace vrx
