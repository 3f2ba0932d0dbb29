// The stand-in's directories: catalogued databases by alias and nodes by
// name, and the scans open on each. A scan works on a copy of the entries
// taken when it was opened, so the entries it hands out stay put until it
// is closed.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "vrxplatform/directory.h"

namespace vrxapp {

struct CatalogEntry {
    std::string alias;
    std::string dbName;
    std::string nodeName;
    std::string path;
    std::string comment;
    std::string principal;
    std::uint8_t type = VRX_DB_INDIRECT;
    std::uint16_t authentication = 0;
};

// SQLCODEs of the directories and the database lifecycle.
constexpr std::int32_t kSqlInvalidDbName = -1001;
constexpr std::int32_t kSqlAliasExists = -1005;
constexpr std::int32_t kSqlNoSuchScan = -1027;
constexpr std::int32_t kSqlNoMoreEntries = 1014;
constexpr std::int32_t kSqlInvalidParameter = -1078;

// The scans open on one directory, by handle. A scan works on a copy of
// the entries taken when it was opened.
template <class Entry>
class Scans {
public:
    // Opens a scan of `entries` and returns its handle.
    std::uint16_t open(std::vector<Entry> entries) {
        do ++lastHandle_;
        while (lastHandle_ == 0 || scans_.count(lastHandle_) != 0);
        scans_[lastHandle_] = Scan{std::move(entries), 0};
        return lastHandle_;
    }

    // 0 with the next entry's address in *entry (if not null), +1014 after
    // the last one, -1027 for a handle that names no open scan.
    std::int32_t next(std::uint32_t handle, Entry **entry) {
        auto it = scans_.find(static_cast<std::uint16_t>(handle));
        if (it == scans_.end() || handle > 0xFFFF) return kSqlNoSuchScan;
        Scan &scan = it->second;
        if (scan.next >= scan.entries.size()) return kSqlNoMoreEntries;
        if (entry != nullptr) *entry = &scan.entries[scan.next];
        ++scan.next;
        return 0;
    }

    std::int32_t close(std::uint32_t handle) {
        if (handle > 0xFFFF || scans_.erase(static_cast<std::uint16_t>(handle)) == 0) return kSqlNoSuchScan;
        return 0;
    }

private:
    struct Scan {
        std::vector<Entry> entries;
        std::size_t next;
    };
    std::map<std::uint16_t, Scan> scans_;
    std::uint16_t lastHandle_ = 0;
};

// The number of entries a scan announces in its 16-bit count.
template <class Entry>
std::uint16_t announced(const std::vector<Entry> &entries) {
    return static_cast<std::uint16_t>(std::min<std::size_t>(entries.size(), 0xFFFF));
}

// A fixed-width entry field: the value, cut to the width, blank-padded.
template <std::size_t W>
void put_field(char (&field)[W], const std::string &value) {
    std::memset(field, ' ', W);
    std::memcpy(field, value.data(), std::min(W, value.size()));
}

struct DbDirectory {
    std::map<std::string, CatalogEntry> entries;  // by alias, upper case
    Scans<vrxDbDirEntry> scans;
};

// The node directory: catalogued nodes by name, upper case.
struct NodeEntry {
    std::string name;
    std::string comment;
    std::string hostName;
    std::string serviceName;
    std::uint8_t protocol = 0;
};

struct NodeDirectory {
    std::map<std::string, NodeEntry> entries;
    Scans<vrxNodeDirEntry> scans;
};

// Aliases, database names and node names are at most 8 characters.
constexpr std::size_t kNameWidth = 8;

// Adds an entry (0, or the SQLCODE that refuses it); used by catalogue and
// by create database.
std::int32_t catalogue(const CatalogEntry &entry);
// Removes the entry of `alias` (0, or the SQLCODE of an unknown alias);
// used by uncatalogue and by drop database.
std::int32_t uncatalogue(const char *alias);
// The entry of a catalogued alias, or null.
CatalogEntry *catalogued(const char *alias);

}  // namespace vrxapp
