// The stand-in's in-memory model of the databases it knows: just enough
// for callers to work end to end.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "directory_model.h"
#include "instance_model.h"
#include "recovery_model.h"

namespace vrxapp {

// A configuration, a database's or the instance's: the values that differ
// from the defaults.
struct DbConfig {
    std::map<std::uint16_t, std::string> texts;
    std::map<std::uint16_t, std::uint32_t> numbers;
};

struct Model {
    std::map<std::string, DbConfig> configs;  // by alias, upper case
    DbDirectory directory;
    BackupImages backups;
    History history;
    InstanceState instance;
    DbConfig instanceConfig;
    NodeDirectory nodes;
};

Model &model();

// Aliases are compared without regard to case.
std::string alias_key(const char *alias);

// A new timestamp (UTC YYYYMMDDhhmmss), later than every one given before.
std::string next_timestamp();

// Adds an entry to the recovery history under a new timestamp; returns it.
std::string add_history(const std::string &alias, char operation, const std::string &location);

}  // namespace vrxapp
