// The stand-in's in-memory model of the databases it knows: just enough
// for callers to work end to end.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "directory_model.h"
#include "instance_model.h"
#include "recovery_model.h"
#include "tablespace_model.h"

namespace vrxapp {

// A configuration, a database's or the instance's: the values that differ
// from the defaults.
struct DbConfig {
    std::map<std::uint16_t, std::string> texts;
    std::map<std::uint16_t, std::uint32_t> numbers;
};

// The data files that exports write and loads read, by name, with the
// number of rows each holds; and the row count of the last load.
struct DataFiles {
    std::map<std::string, std::int32_t> rows;
    std::int32_t lastLoadRows = 0;
};

struct Model {
    std::map<std::string, DbConfig> configs;  // by alias, upper case
    DbDirectory directory;
    BackupImages backups;
    DataFiles files;
    History history;
    InstanceState instance;
    DbConfig instanceConfig;
    NodeDirectory nodes;
    Tablespaces tablespaces;
};

Model &model();

// Aliases are compared without regard to case.
std::string alias_key(const char *alias);

// A new timestamp (UTC YYYYMMDDhhmmss), later than every one given before.
std::string next_timestamp();

// Adds an entry to the recovery history under a new timestamp; returns it.
std::string add_history(const std::string &alias, char operation, const std::string &location);

}  // namespace vrxapp
