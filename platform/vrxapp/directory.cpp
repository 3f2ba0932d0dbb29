// Stand-in database directory: catalogue, uncatalogue, change a comment,
// and scans in the positional and the versioned form. A scan hands out
// entries in alias order, optionally only those catalogued on one path.
#include <algorithm>
#include <cstring>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/directory.h"

namespace vrxapp {

namespace {

DbDirectory &directory() { return model().directory; }

bool valid_name(const char *name) { return name != nullptr && *name != '\0' && std::strlen(name) <= kNameWidth; }

std::string text_of(const char *text) { return text != nullptr ? text : ""; }

vrxDbDirEntry entry_of(const CatalogEntry &e) {
    vrxDbDirEntry entry{};
    put_field(entry.alias, e.alias);
    put_field(entry.dbName, e.dbName);
    put_field(entry.nodeName, e.nodeName);
    put_field(entry.comment, e.comment);
    entry.type = e.type;
    entry.authentication = e.authentication;
    put_field(entry.path, e.path);
    put_field(entry.principal, e.principal);
    return entry;
}

// A null or empty path scans the whole directory.
bool on_path(const CatalogEntry &e, const char *path) { return path == nullptr || *path == '\0' || e.path == path; }

std::int32_t open_scan(const char *path, std::uint16_t *handle, std::uint16_t *numEntries, sqlca *ca) {
    std::vector<vrxDbDirEntry> entries;
    for (const auto &[key, e] : directory().entries)
        if (on_path(e, path)) entries.push_back(entry_of(e));
    const std::uint16_t count = announced(entries);
    const std::uint16_t h = directory().scans.open(std::move(entries));
    if (handle != nullptr) *handle = h;
    if (numEntries != nullptr) *numEntries = count;
    return finish(ca, 0);
}

std::int32_t next_entry(std::uint32_t handle, vrxDbDirEntry **entry, sqlca *ca) {
    return finish(ca, directory().scans.next(handle, entry));
}

std::int32_t close_scan(std::uint32_t handle, sqlca *ca) { return finish(ca, directory().scans.close(handle)); }

}  // namespace

std::int32_t catalogue(const CatalogEntry &entry) {
    if (!valid_name(entry.alias.c_str())) return kSqlInvalidAlias;
    if (!valid_name(entry.dbName.c_str())) return kSqlInvalidDbName;
    auto [it, added] = directory().entries.emplace(alias_key(entry.alias.c_str()), entry);
    return added ? 0 : kSqlAliasExists;
}

std::int32_t uncatalogue(const char *alias) {
    if (alias == nullptr || directory().entries.erase(alias_key(alias)) == 0) return kSqlInvalidAlias;
    return 0;
}

CatalogEntry *catalogued(const char *alias) {
    if (alias == nullptr) return nullptr;
    auto it = directory().entries.find(alias_key(alias));
    return it != directory().entries.end() ? &it->second : nullptr;
}

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlecadb_api(char *dbName, char *dbAlias, std::uint32_t type, char *nodeName, char *path,
                                      char *comment, std::uint32_t authentication, char *principal, sqlca *ca) {
    return core_call(__func__, dbName, dbAlias, type, nodeName, path, comment, authentication, principal, ca, [&] {
        CatalogEntry entry;
        entry.dbName = text_of(dbName);
        entry.alias = dbAlias != nullptr && *dbAlias != '\0' ? dbAlias : entry.dbName;
        entry.nodeName = text_of(nodeName);
        entry.path = text_of(path);
        entry.comment = text_of(comment);
        entry.principal = text_of(principal);
        entry.type = static_cast<std::uint8_t>(type);
        entry.authentication = static_cast<std::uint16_t>(authentication);
        return finish(ca, catalogue(entry));
    });
}

std::int32_t VRX_STDCALL sqleuncd_api(char *dbAlias, sqlca *ca) {
    return core_call(__func__, dbAlias, ca, [&] { return finish(ca, uncatalogue(dbAlias)); });
}

std::int32_t VRX_STDCALL sqledcgd_api(char *dbAlias, char *path, char *comment, sqlca *ca) {
    return core_call(__func__, dbAlias, path, comment, ca, [&] {
        CatalogEntry *entry = catalogued(dbAlias);
        if (entry == nullptr || !on_path(*entry, path)) return finish(ca, kSqlInvalidAlias);
        entry->comment = text_of(comment);
        return finish(ca, 0);
    });
}

std::int32_t VRX_STDCALL sqledosd_api(char *path, std::uint16_t *handle, std::uint16_t *numEntries, sqlca *ca) {
    return core_call(__func__, path, handle, numEntries, ca, [&] { return open_scan(path, handle, numEntries, ca); });
}

std::int32_t VRX_STDCALL sqledgne_api(std::uint32_t handle, vrxDbDirEntry **entry, sqlca *ca) {
    return core_call(__func__, handle, entry, ca, [&] { return next_entry(handle, entry, ca); });
}

std::int32_t VRX_STDCALL vrxDbDirOpenScan(std::uint32_t version, vrxDbDirOpenScanStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlInvalidParameter);
        return open_scan(params->piPath, &params->oHandle, &params->oNumEntries, ca);
    });
}

std::int32_t VRX_STDCALL vrxDbDirGetNextEntry(std::uint32_t version, vrxDbDirNextEntryStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlInvalidParameter);
        return next_entry(params->iHandle, &params->poDbDirEntry, ca);
    });
}

std::int32_t VRX_STDCALL vrxDbDirCloseScan(std::uint32_t version, vrxDbDirCloseScanStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlInvalidParameter);
        return close_scan(params->iHandle, ca);
    });
}

}  // extern "C"
