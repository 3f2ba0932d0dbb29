// The stand-in's database directory: catalogued entries by alias, and the
// scans open on it. A scan works on a copy of the entries taken when it was
// opened, so the entries it hands out stay put until it is closed.
#pragma once

#include <cstdint>
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

struct DirectoryScan {
    std::vector<vrxDbDirEntry> entries;
    std::size_t next = 0;
};

struct DbDirectory {
    std::map<std::string, CatalogEntry> entries;  // by alias, upper case
    std::map<std::uint16_t, DirectoryScan> scans;  // by handle
    std::uint16_t lastHandle = 0;
};

// SQLCODEs of the directory and the database lifecycle.
constexpr std::int32_t kSqlInvalidDbName = -1001;
constexpr std::int32_t kSqlAliasExists = -1005;
constexpr std::int32_t kSqlNoSuchScan = -1027;
constexpr std::int32_t kSqlNoMoreEntries = 1014;
constexpr std::int32_t kSqlInvalidParameter = -1078;

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
