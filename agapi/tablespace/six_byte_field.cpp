#include "tablespace/six_byte_field.h"

#include <cstddef>

#include "frame/caller_record.h"
#include "frame/marshal.h"

namespace vrx {

namespace {

std::int32_t count_now(const std::uint32_t *count) { return static_cast<std::int32_t>(load(count)); }

}  // namespace

void blank_fill_record(void *record, RecordShape shape) {
    if (record != nullptr) blank_fill(field_at(record, shape.fieldOffset), kSixByteWidth);
}

void blank_fill_records(void *first, const std::uint32_t *count, RecordShape shape) {
    if (first == nullptr || count == nullptr) return;
    for (std::int32_t i = 0; i < count_now(count); ++i)
        blank_fill_record(field_at(first, std::size_t(i) * shape.stride), shape);
}

}  // namespace vrx
