// What the call log says about the order of a call's work: the pointer
// checks the library asked for, and the names of every recorded call.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "harness.h"

namespace vrxtest {

// A pointer check as the core support function received it.
struct Check {
    const void *at;
    std::uint32_t length;
    std::uint32_t mode;
    bool operator==(const Check &o) const { return at == o.at && length == o.length && mode == o.mode; }
};

inline std::ostream &operator<<(std::ostream &out, const Check &c) {
    return out << "{" << c.at << ", " << c.length << ", " << c.mode << "}";
}

// The pointer checks made since the last reset, in order.
inline std::vector<Check> checks_made() {
    std::vector<Check> out;
    for (const vrxstub_call &c : calls("sqlagcptr_real"))
        out.push_back({arg<const void *>(c, 0), arg<std::uint32_t>(c, 1), arg<std::uint32_t>(c, 2)});
    return out;
}

// The names of the calls recorded since the last reset, in order.
inline std::vector<std::string> call_names() {
    std::vector<std::string> names;
    for (const vrxstub_call &c : calls()) names.emplace_back(c.name);
    return names;
}

}  // namespace vrxtest
