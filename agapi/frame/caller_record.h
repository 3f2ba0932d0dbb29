// Caller records may lie at any address: a COBOL group item need not be
// aligned. The library therefore never reads or writes a caller record
// through a typed lvalue; it copies the record (or an element of a caller
// array) into an aligned local and writes single fields back byte-wise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vrx {

// A copy of the caller's record at `at`, whatever its alignment.
template <class T>
T load(const T *at) {
    T copy;
    std::memcpy(static_cast<void *>(&copy), static_cast<const void *>(at), sizeof copy);
    return copy;
}

// A copy of the first `bytes` bytes of the caller's record at `at`, the
// rest zero: for a record whose later fields the caller's version lacks.
template <class T>
T load_prefix(const T *at, std::size_t bytes) {
    T copy{};
    std::memcpy(static_cast<void *>(&copy), static_cast<const void *>(at), bytes < sizeof copy ? bytes : sizeof copy);
    return copy;
}

// Element `i` of a caller's array of T, whatever its alignment.
template <class T>
T load_element(const T *array, std::uint32_t i) {
    T copy;
    std::memcpy(static_cast<void *>(&copy), reinterpret_cast<const char *>(array) + std::size_t{i} * sizeof(T),
                sizeof copy);
    return copy;
}

// The field of type Value at `offset` of the caller's record.
template <class Value, class Record>
Value load_at(const Record *record, std::size_t offset) {
    Value value;
    std::memcpy(&value, reinterpret_cast<const char *>(record) + offset, sizeof value);
    return value;
}

// Writes `value` into the field at `offset` of the caller's record.
template <class Record, class Value>
void store(Record *record, std::size_t offset, const Value &value) {
    std::memcpy(reinterpret_cast<char *>(record) + offset, &value, sizeof value);
}

// The address of the field at `offset` of a caller's record, as bytes.
template <class Record>
char *field_at(Record *record, std::size_t offset) {
    return reinterpret_cast<char *>(record) + offset;
}

// The length of the first `limit` bytes of a blank-padded field without
// their trailing blanks. Eight bytes at a time while they are all blanks:
// a long field of a short name is mostly padding.
inline std::uint32_t trimmed_length(const char *field, std::uint32_t limit) {
    constexpr std::uint64_t kEightBlanks = 0x2020202020202020u;
    std::uint32_t end = limit;
    for (std::uint64_t word; end >= 8; end -= 8) {
        std::memcpy(&word, field + end - 8, sizeof word);
        if (word != kEightBlanks) break;
    }
    while (end > 0 && field[end - 1] == ' ') --end;
    return end;
}

}  // namespace vrx
