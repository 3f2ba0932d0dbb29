// Snapshot and monitor. The object list holds a short name and an
// all-blank one; the core shows each name as it received it.
#include "conformance/conformance.h"
#include "harness.h"
#include "vrxplatform/monitor.h"

namespace vrxtest::conformance {
namespace {

constexpr vrx_slot kIgnored = ~0u;

void *v(Arena &a, const char *name) { return a.record(std::uint32_t{0}, name); }

struct TwoObjects {
    std::uint32_t count;
    vrxgObjectEntry entries[2];
};

vrxgObjectList *objects(Arena &a) {
    TwoObjects list{a.count(2), {{1, 2, {}}, {3, 4, {}}}};
    std::memset(list.entries[0].name, ' ', 128);
    std::memcpy(list.entries[0].name, "DB1", 3);
    std::memset(list.entries[1].name, ' ', 128);
    return reinterpret_cast<vrxgObjectList *>(a.record(list, "objects"));
}

vrxgSnapshotData *snapshot_record(Arena &a) {
    vrxgObjectList *list = objects(a);
    return list != nullptr ? a.record(vrxgSnapshotData{list}, "data") : nullptr;
}

// The first n names as the core received them, through the record's first
// field (the record and the list may lie at odd addresses).
void see_n_names(const vrxstub_call &c, Arena &a, std::size_t n) {
    const char *list = nullptr;
    std::memcpy(&list, arg<const void *>(c, 1), sizeof list);
    for (std::size_t i = 0; i < n; ++i) {
        const char *name = list + offsetof(vrxgObjectList, entries) + i * sizeof(vrxgObjectEntry) +
                           offsetof(vrxgObjectEntry, name);
        a.seen += " '" + std::string(name, strnlen(name, 129)) + "'";  // unterminated: one byte past the field
    }
}
void see_names(const vrxstub_call &c, Arena &a) { see_n_names(c, a, 2); }

template <class Request>
void see_request(const vrxstub_call &c, Arena &a) {
    const auto *r = arg<const Request *>(c, 1);
    if constexpr (sizeof(Request) == sizeof(vrxSnapshotRequest))
        a.see(r->objects, r->value2, r->value3, r->value4, r->value5, r->zero);
    else
        a.see(r->objects, r->value2, r->value3, static_cast<std::uint32_t>(r->last));
    see_names(c, a);
}

void see_reset(const vrxstub_call &c, Arena &a) {
    const auto *r = arg<const vrxResetMonitorRequest *>(c, 1);
    a.see(r->value1, r->text, r->value3, r->value4);
}

const std::int32_t kNoSavedBytes = -1607;

const Rows rows = {
    {"VRXGGETSNAPSHOT", "9050000 data ca 'DB1' ''",
     [](Arena &a) { return a.call(vrxgGetSnapshot, a.version(9050000u), snapshot_record(a), a.ca()); },
     {"sqlgmnsz"}, "sqlgmnss 403", {403}, see_names, kNoSavedBytes, kNoSavedBytes},
    {"SQLGMNSS", "6010000 & ca objects 3 4 8 5 0 'DB1' ''",
     [](Arena &a) { return a.call(sqlgmnss, kIgnored, a.ca(), 3u, 4u, 5u, objects(a), kIgnored, 8u); },
     {"sqlgmnsz"}, "sqlgmnss 403", {403}, see_request<vrxSnapshotRequest>, kNoSavedBytes, kNoSavedBytes},
    {"VRXGGETSNAPSHOTSIZE", "9050000 data ca 'DB1' ''",
     [](Arena &a) { return a.call(vrxgGetSnapshotSize, a.version(9050000u), snapshot_record(a), a.ca()); },
     {"sqlgmnsz"}, "sqlgmnsz 278", {278}, see_names, kNoSavedBytes, kNoSavedBytes},
    {"SQLGMNSZ", "7010000 & ca objects 3 6 4294967295 'DB1' ''",
     [](Arena &a) { return a.call(sqlgmnsz, kIgnored, a.ca(), 3u, objects(a), kIgnored, 6u); },
     {"sqlgmnsz"}, "sqlgmnsz 278", {278}, see_request<vrxSnapshotSizeRequest>, kNoSavedBytes, kNoSavedBytes},
    {"VRXGRESETMONITOR", "9050000 & ca 1 'CBA' 4 5",
     [](Arena &a) {
         return a.call(vrxgResetMonitor, a.version(9050000u),
                       a.record(vrxgResetMonitorData{1, a.text(3), a.len32(3), 4, 5}), a.ca());
     },
     {}, "", {}, see_reset},
    {"SQLGMRST", "7010000 & ca 5 'BA' 7 4294967295",
     [](Arena &a) { return a.call(sqlgmrst, a.len(2), kIgnored, a.ca(), a.text(2), 5u, kIgnored, 7u); },
     {}, "", {}, see_reset},
    {"VRXGMONITORSWITCHES", "9050000 data ca",
     [](Arena &a) { return a.call(vrxgMonitorSwitches, a.version(9050000u), v(a, "data"), a.ca()); }},
    {"SQLGMON", "v5 v4 v3 v2",
     [](Arena &a) { return a.call(sqlgmon, kIgnored, v(a, "v2"), v(a, "v3"), v(a, "v4"), v(a, "v5")); }},
    {"VRXGCONVMONSTREAM", "9050000 data ca",
     [](Arena &a) { return a.call(vrxgConvMonStream, a.version(9050000u), v(a, "data"), a.ca()); }},
};

// Three names: "DB1", an all-blank one and a full one of 128 'X', which
// keeps its terminator inside it so that the next entry is never written.
struct ThreeObjects {
    std::uint32_t count;
    vrxgObjectEntry entries[3];
};

vrxgObjectList *three_objects(Arena &a, std::uint32_t count) {
    ThreeObjects list{count, {}};
    for (auto &e : list.entries) std::memset(e.name, ' ', 128);
    std::memcpy(list.entries[0].name, "DB1", 3);
    std::memset(list.entries[2].name, 'X', 128);
    return reinterpret_cast<vrxgObjectList *>(a.record(list, "objects"));
}

// The function a missing-record message names, left after the call as an area.
std::int32_t message_function(Arena &a, std::int32_t result) {
    for (const vrxstub_call &c : calls("sqlmprca")) {
        const std::string name = text_arg(c, 0);
        a.output(static_cast<char *>(std::memcpy(a.mem.room(name.size()), name.data(), name.size())), name.size());
    }
    return result;
}

vrxgSnapshotData *data(Arena &a, vrxgObjectList *list, bool noRecord) {
    return noRecord ? nullptr : a.record(vrxgSnapshotData{list}, "data");
}

void requests(const vrxstub_call &, Arena &a) {
    a.seen += " requests " + std::to_string(vrxstub_scratch_request_count());
}

// Sees the three names and the requests, then raises the list's count to 4.
void raise_count(const vrxstub_call &c, Arena &a) {
    see_n_names(c, a, 3);
    requests(c, a);
    char *list = nullptr;
    std::memcpy(&list, arg<const void *>(c, 1), sizeof list);
    const std::uint32_t four = 4;
    std::memcpy(list, &four, sizeof four);
}

// The four forms on the object list: the names as the core sees them and
// the scratch requests made by then; a count the core raises puts back only
// what the array holds; a count of 0 is refused (the sqlca left alone when
// it is refused); a null list, or one too long to check, goes to the core
// unconverted; a null record is refused by the versioned snapshot only.
std::vector<Variant> object_lists() {
    using Form = std::int32_t (*)(Arena &, vrxgObjectList *, bool);
    const std::pair<const char *, Form> forms[] = {
        {"VRXGGETSNAPSHOT",
         [](Arena &a, vrxgObjectList *l, bool noRecord) {
             return message_function(a, a.call(vrxgGetSnapshot, 9050000u, data(a, l, noRecord), a.ca()));
         }},
        {"SQLGMNSS",
         [](Arena &a, vrxgObjectList *l, bool) { return a.call(sqlgmnss, 0u, a.ca(), 0u, 0u, 0u, l, 0u, 0u); }},
        {"VRXGGETSNAPSHOTSIZE",
         [](Arena &a, vrxgObjectList *l, bool noRecord) {
             return a.call(vrxgGetSnapshotSize, 9050000u, data(a, l, noRecord), a.ca());
         }},
        {"SQLGMNSZ", [](Arena &a, vrxgObjectList *l, bool) { return a.call(sqlgmnsz, 0u, a.ca(), 0u, l, 0u, 0u); }},
    };
    std::vector<Variant> variants;
    for (const auto &[name, call] : forms) {
        const Form form = call;
        const auto counted = [form](std::uint32_t count) {
            return [=](Arena &a) { return form(a, three_objects(a, count), false); };
        };
        variants.push_back({name, "three names, count raised",
                            [=](Arena &a) {
                                vrxgObjectList *l = three_objects(a, 3);
                                a.output(reinterpret_cast<char *>(l), 4);
                                return form(a, l, false);
                            },
                            raise_count});
        variants.push_back({name, "no entries", counted(0)});
        variants.push_back({name, "no entries, sqlca refused", [=](Arena &a) {
                                vrxstub_refuse_sqlca(1);
                                return counted(0)(a);
                            }});
        variants.push_back({name, "no list", [=](Arena &a) { return form(a, nullptr, false); }, requests});
        variants.push_back({name, "count 0x20000000", counted(0x20000000u), requests});
        if (name[0] == 'V')
            variants.push_back({name, "no record", [=](Arena &a) { return form(a, nullptr, true); }, requests});
    }
    return variants;
}

const Variants variants(object_lists());

}  // namespace
}  // namespace vrxtest::conformance
