// Application programming services. The texts of a call share text 0, so
// that their terminators fall on one byte; values passed through unread are
// named records. The library's own services write their output areas.
#include <algorithm>
#include <array>

#include "conformance/conformance.h"
#include "vrxplatform/appsvc.h"

namespace vrxtest::conformance {
namespace {

constexpr vrx_slot h1 = kHigh16 | 1, h2 = kHigh16 | 2, h3 = kHigh16 | 3, h4 = kHigh16 | 4, h5 = kHigh16 | 5,
                   h9 = kHigh16 | 9;

// A value passed on unread, named as the core's arguments show it.
void *v(Arena &a, const char *name) { return a.record(std::uint32_t{0}, name); }

// The message file is the library's own constant: shown by what it reads.
void name_message_file(const vrxstub_call &c, Arena &a) {
    const std::string address = std::to_string(c.args[3]);
    if (const auto at = a.seen.find(address); at != std::string::npos)
        a.seen.replace(at, address.size(), "'" + text_arg(c, 3) + "'");
}

char *copied_into(Arena &a) {
    char *to = a.out(4);
    a.expect(to, "DCBA");
    return to;
}

const Rows rows = {
    {"SQLGALOC", "1 2 3 v4", [](Arena &a) { return a.call(sqlgaloc, h1, h2, h3, v(a, "v4")); }},
    {"SQLGCALL", "1 2 3 4 v5", [](Arena &a) { return a.call(sqlgcall, h1, h2, h3, h4, v(a, "v5")); }},
    {"SQLGCMPD", "1 2 3 4 v5", [](Arena &a) { return a.call(sqlgcmpd, h1, h2, h3, h4, v(a, "v5")); }},
    {"SQLGDLOC", "1 v2", [](Arena &a) { return a.call(sqlgdloc, h1, v(a, "v2")); }},
    {"SQLGSETS", "1 v2 v3", [](Arena &a) { return a.call(sqlgsets, h1, v(a, "v2"), v(a, "v3")); }},
    {"SQLGSTLS", "3203334145 v2 v3", [](Arena &a) { return a.call(sqlgstls, h1, v(a, "v2"), v(a, "v3")); }},
    {"SQLGSETV", "1 2 3 4 0 v5 v6 v7",
     [](Arena &a) { return a.call(sqlgsetv, h1, h2, h3, h4, v(a, "v5"), v(a, "v6"), v(a, "v7")); }},
    {"SQLGSTLV", "1 2 3 3203334148 0 v5 v6 v7",
     [](Arena &a) { return a.call(sqlgstlv, h1, h2, h3, h4, v(a, "v5"), v(a, "v6"), v(a, "v7")); }},
    {"SQLGSTLVA", "1 2 3 3203334148 0 v5 v6 v7 v8 v9",
     [](Arena &a) {
         return a.call(sqlgstlva, h1, h2, h3, h4, v(a, "v5"), v(a, "v6"), v(a, "v7"), v(a, "v8"), v(a, "v9"));
     }},
    {"SQLGSTRT", "v1 v2 v3", [](Arena &a) { return a.call(sqlgstrt, v(a, "v1"), v(a, "v2"), v(a, "v3")); }},
    {"SQLGSTOP", "v1", [](Arena &a) { return a.call(sqlgstop, v(a, "v1")); }},
    {"SQLGUSDA", "1 v2 v3", [](Arena &a) { return a.call(sqlgusda, h1, v(a, "v2"), v(a, "v3")); }},
    {"SQLGADDR", "",
     [](Arena &a) {
         char *slot = a.out(4);
         a.expect(slot, "\xEF\xCD\xAB\x89");
         return a.call(sqlgaddr, 0x89ABCDEFu, slot);
     }},
    {"SQLGDREF", "",
     [](Arena &a) {
         auto *source = reinterpret_cast<void *const *>(a.record(static_cast<void *>(a.text(4)), "source"));
         return a.call(sqlgdref, a.within(4), copied_into(a), source);
     }},
    {"SQLGMCPY", "", [](Arena &a) { return a.call(sqlgmcpy, copied_into(a), a.text(4), a.count(4)); }},
    // Text 6 ends where text 5 does: put back first, it leaves the byte as it was.
    {"SQLGBNDX", "'BA' 'A' v4 ca",
     [](Arena &a) { return a.call(sqlgbndx, a.len(1), a.len(2), a.ca(), v(a, "v4"), a.text(1), a.text(2)); }},
    {"SQLGRBND", "'A' ca v4", [](Arena &a) { return a.call(sqlgrbnd, a.len(1), a.text(1), a.ca(), v(a, "v4")); }},
    {"SQLGPROC", "'A' v6 v4 v5 ca",
     [](Arena &a) {
         return a.call(sqlgproc, a.len(1), a.ca(), a.text(1), v(a, "v4"), v(a, "v5"), v(a, "v6"));
     }},
    {"SQLGINTP", "buffer 1 80 'vrxsql.mo' ca",
     [](Arena &a) {
         return a.call(sqlgintp, h1, kHigh16 | 80, a.ca(), static_cast<char *>(v(a, "buffer")));
     },
     {}, "", {}, name_message_file},
    {"SQLGGSTT", "buffer 1 80 state",
     [](Arena &a) {
         const auto *state = a.record(std::array<char, 5>{'4', '2', '7', '0', '4'}, "state");
         return a.call(sqlggstt, h1, kHigh16 | 80, reinterpret_cast<const char *>(state),
                       static_cast<char *>(v(a, "buffer")));
     }},
    {"SQLGAUTH", "v1", [](Arena &a) { return a.call(sqlgauth, v(a, "v1")); }},
    {"SQLGADAU", "v1 v2", [](Arena &a) { return a.call(sqlgadau, v(a, "v1"), v(a, "v2")); }},
    {"SQLGTBAU", "'A' ca", [](Arena &a) { return a.call(sqlgtbau, a.len(1), a.text(1), a.ca()); }},
    // 16, 16 and 8 bits of the eighth, tenth and eleventh arguments.
    {"SQLGDRDT", "'A' 'BA' 'CBA' v7 8 v9 10 255 ca",
     [](Arena &a) {
         return a.call(sqlgdrdt, a.len(1), a.len(2), a.len(3), a.text(1), a.text(2), a.text(3), v(a, "v7"),
                       kHigh16 | 8, v(a, "v9"), kHigh16 | 10, kHigh16 | 0x1FF, a.ca());
     }},
    {"SQLGGRPI", "1 v2 v3 4 5 v6 v7 v8 9 v10 0 0 0",
     [](Arena &a) {
         return a.call(sqlggrpi, h1, v(a, "v2"), v(a, "v3"), h4, h5, v(a, "v6"), v(a, "v7"), v(a, "v8"), h9,
                       v(a, "v10"));
     }},
    {"SQLGGRPN", "1 v2 v3 4 5 v6 v7 v8 9 v10 7 0 0",
     [](Arena &a) {
         return a.call(sqlggrpn, h1, v(a, "v2"), v(a, "v3"), h4, h5, v(a, "v6"), v(a, "v7"), v(a, "v8"), h9,
                       v(a, "v10"), kHigh16 | 7, ~0u, ~0u);
     }},
    {"SQLGGTPI", "'A' v3 v4", [](Arena &a) { return a.call(sqlggtpi, a.len(1), a.text(1), v(a, "v3"), v(a, "v4")); }},
};

// SQLGDREF copies upwards a byte at a time, so a destination one byte above
// its source repeats the first byte; each refusal copies nothing.
std::int32_t copy_through(Arena &a, vrx_slot length, int refused, bool hasSource = true) {
    auto *area = static_cast<char *>(std::memcpy(a.out(7), "ABCDEFG", 7));
    if (refused == 0) vrxstub_refuse_region(area + 1, 4, 2);
    if (refused == 1) vrxstub_refuse_region(area, 4, 1);
    auto *source = hasSource ? a.record(static_cast<void *>(area), "source") : nullptr;
    return a.call(sqlgdref, length, area + 1, reinterpret_cast<void *const *>(source));
}

// 0xFFFF reaches the core as -1 where the number is signed: the core's
// arguments, those at `numbers` as 32-bit values, the same on every build.
constexpr vrx_slot minus1 = kHigh16 | 0xFFFF;
auto signed_at(std::vector<std::size_t> numbers, std::function<void(const vrxstub_call &, Arena &)> then = nullptr) {
    return [=](const vrxstub_call &c, Arena &a) {
        a.seen.clear();
        for (std::size_t i = 0; i < c.argc; ++i) {
            const bool number = std::find(numbers.begin(), numbers.end(), i) != numbers.end();
            if (i != 0) a.seen += " ";
            a.seen += number ? std::to_string(static_cast<std::int32_t>(c.args[i])) : a.describe(c.args[i]);
        }
        if (then) then(c, a);
    };
}

// Overlapping areas are copied as if through a buffer.
std::int32_t overlapping(Arena &a, std::size_t to, std::size_t from, vrx_slot count) {
    auto *area = static_cast<char *>(std::memcpy(a.out(7), "ABCDEFG", 7));
    return a.call(sqlgmcpy, area + to, area + from, count);
}

const Variants variants({
    {"SQLGINTP", "numbers -1",
     [](Arena &a) { return a.call(sqlgintp, minus1, minus1, a.ca(), static_cast<char *>(v(a, "buffer"))); },
     signed_at({1, 2}, name_message_file)},
    {"SQLGGSTT", "numbers -1",
     [](Arena &a) {
         const auto *state = a.record(std::array<char, 5>{'4', '2', '7', '0', '4'}, "state");
         return a.call(sqlggstt, minus1, minus1, state->data(), static_cast<char *>(v(a, "buffer")));
     },
     signed_at({1, 2})},
    {"SQLGGRPN", "number -1",
     [](Arena &a) {
         return a.call(sqlggrpn, h1, v(a, "v2"), v(a, "v3"), h4, h5, v(a, "v6"), v(a, "v7"), v(a, "v8"), h9,
                       v(a, "v10"), minus1, ~0u, ~0u);
     },
     signed_at({10})},
    {"SQLGMCPY", "upwards", [](Arena &a) { return overlapping(a, 1, 0, 4); }},
    {"SQLGMCPY", "downwards", [](Arena &a) { return overlapping(a, 0, 3, 2); }},
    {"SQLGDREF", "copied", [](Arena &a) { return copy_through(a, 4, -1); }},
    {"SQLGDREF", "destination refused", [](Arena &a) { return copy_through(a, 4, 0); }},
    {"SQLGDREF", "source refused", [](Arena &a) { return copy_through(a, 4, 1); }},
    {"SQLGDREF", "no source address", [](Arena &a) { return copy_through(a, 4, -1, false); }},
    {"SQLGDREF", "length 0", [](Arena &a) { return copy_through(a, 0, -1); }},
});

}  // namespace
}  // namespace vrxtest::conformance
