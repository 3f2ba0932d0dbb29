// Snapshot and monitor. The object list holds a short name and an
// all-blank one; the core shows each name as it received it.
#include "conformance/conformance.h"
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

// The names as the core received them, through the record's first field
// (the record and the list may lie at odd addresses).
void see_names(const vrxstub_call &c, Arena &a) {
    const char *list = nullptr;
    std::memcpy(&list, arg<const void *>(c, 1), sizeof list);
    for (std::size_t i = 0; i < 2; ++i) {
        const char *name = list + offsetof(vrxgObjectList, entries) + i * sizeof(vrxgObjectEntry) +
                           offsetof(vrxgObjectEntry, name);
        a.seen += " '" + std::string(name, strnlen(name, 129)) + "'";  // unterminated: one byte past the field
    }
}

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
         return a.call(vrxgResetMonitor, a.version(9050000u), a.record(vrxgResetMonitorData{1, a.text(3), a.len32(3), 4, 5}),
                       a.ca());
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

}  // namespace
}  // namespace vrxtest::conformance
