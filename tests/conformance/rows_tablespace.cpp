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

// The six-byte texts after the core: three records, the core writing "AB"
// into the first and third and the count; the second already holds six
// letters. Every record up to the count is blank-filled after a result of
// 0 (a single record whatever the count), a refused text is left alone.
// SQLGMTSQ's list points elsewhere for its second element: the records
// follow the first, the other one is never filled.
std::vector<Variant> six_byte_texts() {
    struct Entry {
        const char *name;
        std::uint32_t stride, offset;
        int countArg;  // of the core; -1 for a single record
        std::function<std::int32_t(Arena &, char *records, std::uint32_t *count, char *elsewhere)> call;
    };
    const Entry kEntries[] = {
        {"SQLGFTPQ", 300, 176, 3, [](Arena &a, char *r, std::uint32_t *n, char *) {
             return a.call(sqlgftpq, nullptr, nullptr, reinterpret_cast<vrxgTablespaceLong *>(r), n); }},
        {"SQLGFTSQ", 176, 168, 3, [](Arena &a, char *r, std::uint32_t *n, char *) {
             return a.call(sqlgftsq, nullptr, nullptr, reinterpret_cast<vrxgTablespaceShort *>(r), n); }},
        {"SQLGSTPQ", 300, 176, -1, [](Arena &a, char *r, std::uint32_t *, char *) {
             return a.call(sqlgstpq, nullptr, nullptr, reinterpret_cast<vrxgTablespaceLong *>(r), nullptr); }},
        {"SQLGSTSQ", 176, 168, -1, [](Arena &a, char *r, std::uint32_t *, char *) {
             return a.call(sqlgstsq, nullptr, nullptr, reinterpret_cast<vrxgTablespaceShort *>(r)); }},
        {"SQLGMTSQ", 300, 176, 1, [](Arena &a, char *r, std::uint32_t *n, char *elsewhere) {
             auto **list = a.records<vrxgTablespaceLong *>({reinterpret_cast<vrxgTablespaceLong *>(r),
                                                           reinterpret_cast<vrxgTablespaceLong *>(elsewhere)}, "list");
             return a.call(sqlgmtsq, nullptr, n, a.record(list, "pointer"), nullptr, nullptr); }},
        {"SQLGTSQ", 176, 168, 1, [](Arena &a, char *r, std::uint32_t *n, char *) {
             return a.call(sqlgtsq, nullptr, n, a.record(reinterpret_cast<vrxgTablespaceShort *>(r), "pointer")); }},
    };
    struct Case {
        std::int32_t result;
        std::uint32_t count;
        bool refuseThird;
    };
    const Case kCases[] = {{0, 3, true}, {0, 2, false}, {0, 0, false}, {0, 0xFFFFFFFF, false}, {-1, 3, false}};
    std::vector<Variant> variants;
    for (const Entry &e : kEntries)
        for (const Case &k : kCases) {
            if (e.countArg < 0 && k.count != 3) continue;  // the count cases are one for a single record
            const auto call = [e, k](Arena &a) {
                std::vector<char> bytes(3 * e.stride, 'o');
                std::memcpy(&bytes[e.stride + e.offset], "ABCDEF", 6);
                char *records = a.records(bytes, "records"), *elsewhere = nullptr;
                if (std::string(e.name) == "SQLGMTSQ")
                    elsewhere = a.records(std::vector<char>(e.stride, 'o'), "elsewhere");
                for (std::size_t i = 0; i < 3; ++i) a.output(records + i * e.stride + e.offset, 6);
                for (char *at : {records, records + 2 * e.stride}) a.writes(at + e.offset, "AB");
                if (elsewhere != nullptr) a.writes(a.output(elsewhere + e.offset, 6), "AB");
                if (k.refuseThird) vrxstub_refuse_region(records + 2 * e.stride + e.offset, 6, 2);
                auto *count = e.countArg < 0 ? nullptr : a.record(std::uint32_t{0}, "count");
                a.output(reinterpret_cast<char *>(count), 4);
                return e.call(a, records, count, elsewhere);
            };
            const auto core = [e, k](const vrxstub_call &c, Arena &) {
                if (e.countArg >= 0) *arg<std::uint32_t *>(c, static_cast<std::size_t>(e.countArg)) = k.count;
            };
            const std::string label = "result " + std::to_string(k.result) +
                                      (e.countArg < 0 ? "" : " count " + std::to_string(k.count)) +
                                      (k.refuseThird ? " third refused" : "");
            variants.push_back({e.name, label, call, core, k.result});
        }
    return variants;
}

const Variants variants(six_byte_texts());

// No container: no core call.
const Variants noContainers({{"SQLGSTSC", "no containers", [](Arena &a) {
                                  return a.call(sqlgstsc, a.ca(), v(a, "v2"), v(a, "v3"), 0u, containers(a));
                              }}});

}  // namespace
}  // namespace vrxtest::conformance
