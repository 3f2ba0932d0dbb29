// The six-byte text of the table-space records the core returns,
// blank-filled after a successful call. Records lie one after another at a
// fixed stride; the field sits at a fixed offset in each.
#pragma once

#include <cstdint>

namespace vrx {

struct RecordShape {
    std::uint32_t stride;
    std::uint32_t fieldOffset;
};

constexpr std::uint32_t kSixByteWidth = 6;
constexpr RecordShape kLongRecord{300, 176};
constexpr RecordShape kShortRecord{176, 168};

// Blank-fills the field of record i = 0, 1, ... from `first` while i is
// below the signed 32-bit count that `count` points to, read again before
// each record. A null `first` or `count`, or a count below 1, touches
// nothing.
void blank_fill_records(void *first, const std::uint32_t *count, RecordShape shape);

// Blank-fills the field of one record; a null record is left alone.
void blank_fill_record(void *record, RecordShape shape);

}  // namespace vrx
