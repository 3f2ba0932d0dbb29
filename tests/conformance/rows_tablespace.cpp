// Table space and container queries. The core succeeds (result 0) so that
// the six-byte texts it writes are blank-filled: one short, one empty. The
// containers' names are shown as the core received them.
#include "conformance/conformance.h"
#include "vrxplatform/tablespace.h"

namespace vrxtest::conformance {
namespace {

void *v(Arena &a, const char *name) { return a.record(std::uint32_t{0}, name); }

// `n` records of `Record`, the core writing "SMS", then "", into their texts.
template <class Record>
Record *tablespaces(Arena &a, std::size_t n, const char *name = "records") {
    auto *records = a.records(std::vector<Record>(n), name);
    for (std::size_t i = 0; records != nullptr && i < n; ++i)
        a.filled_at(reinterpret_cast<char *>(records) + i * sizeof(Record) + offsetof(Record, text6), 6,
                    i == 0 ? "SMS" : "");
    return records;
}

std::uint32_t *count(Arena &a) { return a.record(std::uint32_t{2}, "count"); }

vrxgContainer *containers(Arena &a) {
    std::vector<vrxgContainer> c(3);
    c[0].nameLen = a.len32(5);
    std::memcpy(c[0].name, "/data/one", 9);
    c[1].nameLen = a.len32(9);
    std::memcpy(c[1].name, "/data/two/", 10);
    c[2].nameLen = sizeof c[2].name;  // no room for a terminator: passed on as it is
    std::memcpy(c[2].name, "/data/three", 11);
    return a.records(c, "containers");
}

// A blank-filling row: the core succeeds.
Row filling(const char *name, const char *seen, std::function<std::int32_t(Arena &)> call) {
    return {name, seen, std::move(call), {}, "", {}, nullptr, -83, -83, 0};
}

void see_containers(const vrxstub_call &c, Arena &a) {
    const auto *containers = arg<const char *>(c, 4);  // perhaps at an odd address
    for (std::size_t i = 0; i < 3; ++i)
        a.seen += " '" + std::string(containers + i * sizeof(vrxgContainer) + offsetof(vrxgContainer, name)) + "'";
}

const Rows rows = {
    {"SQLGOTSQ", "v1 v2 v3", [](Arena &a) { return a.call(sqlgotsq, v(a, "v1"), v(a, "v2"), v(a, "v3")); }},
    {"SQLGCTSQ", "v1", [](Arena &a) { return a.call(sqlgctsq, v(a, "v1")); }},
    {"SQLGOTCQ", "v1 v2 v3", [](Arena &a) { return a.call(sqlgotcq, v(a, "v1"), v(a, "v2"), v(a, "v3")); }},
    {"SQLGFTCQ", "v1 v2 v3 v4",
     [](Arena &a) { return a.call(sqlgftcq, v(a, "v1"), v(a, "v2"), v(a, "v3"), v(a, "v4")); }},
    {"SQLGCTCQ", "v1", [](Arena &a) { return a.call(sqlgctcq, v(a, "v1")); }},
    {"SQLGTCQ", "v1 v2 v3 v4",
     [](Arena &a) { return a.call(sqlgtcq, v(a, "v1"), v(a, "v2"), v(a, "v3"), v(a, "v4")); }},
    {"SQLGGTSS", "v1 v2 v3", [](Arena &a) { return a.call(sqlggtss, v(a, "v1"), v(a, "v2"), v(a, "v3")); }},
    filling("SQLGFTPQ", "v1 v2 records count",
            [](Arena &a) {
                return a.call(sqlgftpq, v(a, "v1"), v(a, "v2"), tablespaces<vrxgTablespaceLong>(a, 2), count(a));
            }),
    filling("SQLGFTSQ", "v1 v2 records count",
            [](Arena &a) {
                return a.call(sqlgftsq, v(a, "v1"), v(a, "v2"), tablespaces<vrxgTablespaceShort>(a, 2), count(a));
            }),
    filling("SQLGSTPQ", "v1 v2 records v4",
            [](Arena &a) {
                return a.call(sqlgstpq, v(a, "v1"), v(a, "v2"), tablespaces<vrxgTablespaceLong>(a, 1), v(a, "v4"));
            }),
    filling("SQLGSTSQ", "v1 v2 records",
            [](Arena &a) { return a.call(sqlgstsq, v(a, "v1"), v(a, "v2"), tablespaces<vrxgTablespaceShort>(a, 1)); }),
    filling("SQLGMTSQ", "v1 count pointer v4 v5",
            [](Arena &a) {
                auto *first = tablespaces<vrxgTablespaceLong>(a, 2);
                auto **list = first != nullptr ? a.record(first, "list") : nullptr;
                auto ***pointer = list != nullptr ? a.record(list, "pointer") : nullptr;
                return a.call(sqlgmtsq, v(a, "v1"), count(a), pointer, v(a, "v4"), v(a, "v5"));
            }),
    filling("SQLGTSQ", "v1 count pointer",
            [](Arena &a) {
                auto *first = tablespaces<vrxgTablespaceShort>(a, 2);
                auto **pointer = first != nullptr ? a.record(first, "pointer") : nullptr;
                return a.call(sqlgtsq, v(a, "v1"), count(a), pointer);
            }),
    // A failed request returns the scratch service's own result and leaves the sqlca alone.
    {"SQLGSTSC", "ca v2 v3 3 containers '/data' '/data/two' '/data/three'",
     [](Arena &a) { return a.call(sqlgstsc, a.ca(), v(a, "v2"), v(a, "v3"), a.count(3), containers(a)); },
     {}, "sqlgts 647", {647}, see_containers, static_cast<std::int32_t>(0x870F0009u)},
};

}  // namespace
}  // namespace vrxtest::conformance
