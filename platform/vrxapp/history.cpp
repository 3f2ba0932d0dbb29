// Stand-in recovery history: backups, restores and rollforwards add
// entries; a scan works on a copy of a database's entries taken at open;
// update changes an entry's location and comment; prune drops the entries
// older than a timestamp. Entries are named by their unique timestamps.
#include <algorithm>
#include <cstring>
#include <string>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/history.h"

namespace vrxapp {

namespace {

constexpr std::int32_t kSqlNoSuchScan = -1027;
constexpr std::int32_t kSqlNoMoreEntries = 1014;
constexpr std::int32_t kSqlNoEntry = -2160;
constexpr std::int32_t kSqlNoRecordGiven = -1078;

History &history() { return model().history; }

// Opens a scan over the entries of `alias` from `timestamp` on (all of
// them for a null or empty timestamp).
// The count and the handle go to caller storage at any address.
std::int32_t open_scan(const char *alias, const char *timestamp, void *rows, void *handle, sqlca *ca) {
    if (alias == nullptr || *alias == '\0') return finish(ca, kSqlInvalidAlias);
    const std::string key = alias_key(alias);
    const std::string from = timestamp != nullptr ? timestamp : "";
    HistoryScan scan;
    for (const HistoryEntry &e : history().entries)
        if (e.alias == key && e.timestamp >= from) scan.entries.push_back(e);
    if (++history().lastHandle == 0) ++history().lastHandle;
    const std::uint16_t opened = history().lastHandle;
    const auto count = static_cast<std::uint32_t>(scan.entries.size());
    if (rows != nullptr) std::memcpy(rows, &count, sizeof count);
    if (handle != nullptr) std::memcpy(handle, &opened, sizeof opened);
    history().scans[opened] = std::move(scan);
    return finish(ca, 0);
}

void put_field(char *field, std::size_t width, const std::string &text) {
    std::memset(field, ' ', width);
    std::memcpy(field, text.data(), std::min(width, text.size()));
}

std::int32_t fetch(std::uint32_t handle, void *out, sqlca *ca) {
    const auto it = history().scans.find(static_cast<std::uint16_t>(handle));
    if (it == history().scans.end() || handle > 0xFFFF) return finish(ca, kSqlNoSuchScan);
    HistoryScan &scan = it->second;
    if (scan.next >= scan.entries.size()) return finish(ca, kSqlNoMoreEntries);
    const HistoryEntry &e = scan.entries[scan.next++];
    if (out != nullptr) {
        vrxstub_history_entry entry;
        put_field(entry.timestamp, sizeof entry.timestamp, e.timestamp);
        entry.operation = e.operation;
        entry.reserved = ' ';
        put_field(entry.location, sizeof entry.location, e.location);
        put_field(entry.comment, sizeof entry.comment, e.comment);
        std::memcpy(out, &entry, sizeof entry);
    }
    return finish(ca, 0);
}

std::int32_t close_scan(std::uint32_t handle, sqlca *ca) {
    if (handle > 0xFFFF || history().scans.erase(static_cast<std::uint16_t>(handle)) == 0)
        return finish(ca, kSqlNoSuchScan);
    return finish(ca, 0);
}

// A null location or comment leaves that part as it was.
std::int32_t update(const char *timestamp, const char *location, const char *comment, sqlca *ca) {
    auto &entries = history().entries;
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const HistoryEntry &e) {
        return timestamp != nullptr && e.timestamp == timestamp;
    });
    if (it == entries.end()) return finish(ca, kSqlNoEntry);
    if (location != nullptr) it->location = location;
    if (comment != nullptr) it->comment = comment;
    return finish(ca, 0);
}

// Drops the entries older than `timestamp`; a null one drops none.
std::int32_t prune(const char *timestamp, sqlca *ca) {
    if (timestamp != nullptr) {
        const std::string before = timestamp;
        auto &entries = history().entries;
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&](const HistoryEntry &e) { return e.timestamp < before; }),
                      entries.end());
    }
    return finish(ca, 0);
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqluhops(char *alias, char *timestamp, char *objectName, void *value4, void *value5,
                                  std::uint32_t callerAction, void *value7, sqlca *ca) {
    return core_call(__func__, alias, timestamp, objectName, value4, value5, callerAction, value7, ca, [&] {
        return open_scan(alias, timestamp, value4, value5, ca);
    });
}

std::int32_t VRX_STDCALL sqluhgne(std::uint32_t handle, void *value2, void *value3, sqlca *ca) {
    return core_call(__func__, handle, value2, value3, ca, [&] { return fetch(handle, value3, ca); });
}

std::int32_t VRX_STDCALL sqluhcls(std::uint32_t handle, void *value2, sqlca *ca) {
    return core_call(__func__, handle, value2, ca, [&] { return close_scan(handle, ca); });
}

std::int32_t VRX_STDCALL sqluhupd(char *entry, char *newLocation, char *newDeviceType, char *newComment,
                                  void *value5, sqlca *ca) {
    return core_call(__func__, entry, newLocation, newDeviceType, newComment, value5, ca,
                     [&] { return update(entry, newLocation, newComment, ca); });
}

std::int32_t VRX_STDCALL sqluhprn(char *timestamp, std::uint32_t action, void *value3, sqlca *ca) {
    return core_call(__func__, timestamp, action, value3, ca, [&] { return prune(timestamp, ca); });
}

std::int32_t VRX_STDCALL vrxHistoryOpenScan(std::uint32_t version, vrxHistoryOpenStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        params->maxRows = 0;
        const std::int32_t result = open_scan(params->databaseAlias, params->timestamp, &params->numRows,
                                              &params->handle, ca);
        params->maxRows = params->numRows;
        return result;
    });
}

std::int32_t VRX_STDCALL vrxHistoryGetEntry(std::uint32_t version, vrxgHistoryGetEntryStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        vrxgHistoryGetEntryStruct p;
        std::memcpy(&p, params, sizeof p);  // the caller's record, at any address
        return fetch(p.iHandle, p.pioHistData, ca);
    });
}

std::int32_t VRX_STDCALL vrxHistoryCloseScan(std::uint32_t version, std::uint16_t *handle, sqlca *ca) {
    return core_call(__func__, version, handle, ca, [&] {
        if (handle == nullptr) return finish(ca, kSqlNoRecordGiven);
        std::uint16_t h;
        std::memcpy(&h, handle, sizeof h);
        return close_scan(h, ca);
    });
}

std::int32_t VRX_STDCALL vrxHistoryUpdate(std::uint32_t version, vrxHistoryUpdateStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        return update(params->entry, params->newLocation, params->newComment, ca);
    });
}

std::int32_t VRX_STDCALL vrxPrune(std::uint32_t version, vrxPruneStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        return prune(params->string, ca);
    });
}

}  // extern "C"
