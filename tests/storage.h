// Caller storage without the test framework, shared by the unit tests and
// the fuzz programs: one block of patterned bytes from which texts, fields
// and records are carved with slack between them; snapshot() keeps a copy
// and changed_outside() then finds a byte the call changed where it may not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "vrxagapi.h"
#include "vrxstub.h"

namespace vrxtest {

// A span of caller storage that a call may change.
struct Span {
    const void *at;
    std::size_t size;
};

class Storage {
public:
    explicit Storage(std::size_t size = 16384);
    ~Storage();
    Storage(const Storage &) = delete;
    Storage &operator=(const Storage &) = delete;

    // Patterned room of `size` bytes, aligned for any record; null once the storage is used up.
    void *room(std::size_t size);
    sqlca *ca();
    // True when `at` lies in this storage.
    bool holds(const void *at) const;
    void snapshot() { before_ = bytes_; }
    // The offset of the first byte changed outside `outputs` since the snapshot, or -1.
    std::ptrdiff_t changed_outside(const std::vector<Span> &outputs = {}) const;
    // Every byte changed since the snapshot: its offset and its value now.
    std::vector<std::pair<std::uint32_t, char>> changes() const;
    const unsigned char *data() const { return bytes_.data(); }
    bool snapshot_taken() const { return !before_.empty(); }
    const unsigned char *before() const { return before_.data(); }
    std::size_t used() const { return used_; }
    std::size_t size() const { return bytes_.size(); }

private:
    static constexpr unsigned char kPattern = 0xA5;
    std::vector<unsigned char> bytes_;
    std::vector<unsigned char> before_;
    std::size_t used_ = 0;
};

template <class T>
T arg(const vrxstub_call &call, std::size_t i) {
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(call.args[i]);
    else
        return static_cast<T>(call.args[i]);
}

// A text argument as the core saw it (only valid while the call runs).
std::string text_arg(const vrxstub_call &call, std::size_t i);

// Calls recorded since the last reset, in order, optionally only those of
// one function.
std::vector<vrxstub_call> calls(const char *name = nullptr);

}  // namespace vrxtest
