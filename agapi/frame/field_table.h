// Blank-padded fields of a caller record as data: each field's offset and
// width, in the order an entry point handles them. The same technique then
// serves every layout: trimmed for the call, or blank-filled after it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/borrowed.h"

namespace vrx {

struct RecordField {
    std::uint32_t offset;
    std::uint32_t width;
};

// The field `member` of the caller-side record type `Record`.
#define VRX_RECORD_FIELD(Record, member) \
    ::vrx::RecordField { offsetof(Record, member), sizeof(Record::member) }

// The fields of one layout, in the order they are handled.
class FieldTable {
public:
    template <std::size_t N>
    constexpr FieldTable(const RecordField (&fields)[N]) : begin_(fields), end_(fields + N) {}
    constexpr const RecordField *begin() const { return begin_; }
    constexpr const RecordField *end() const { return end_; }

private:
    const RecordField *begin_;
    const RecordField *end_;
};

// Blank-trimmed termination of every field of `record` in table order,
// each after its own check; the terminators join `borrowed`. A null record
// is left alone.
void terminate_fields(Borrowed &borrowed, void *record, const FieldTable &fields);

// Blank-fill of every field of `record` in table order, each after its own
// check. A null record is left alone.
void blank_fill_fields(void *record, const FieldTable &fields);

}  // namespace vrx
