// The stand-in's record of backups and restores: which images exist for
// each database, so that a restore can accept the timestamp a backup gave.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vrxapp {

struct BackupImages {
    // Timestamps (YYYYMMDDhhmmss) by alias, upper case, oldest first.
    std::map<std::string, std::vector<std::string>> images;
    // The image each restored database came from, by target alias.
    std::map<std::string, std::string> restored;
    // The time of the newest image: every image gets a timestamp of its own.
    std::int64_t lastTime = 0;
};

// One entry of the recovery history, as a scan hands it out.
struct HistoryEntry {
    std::string alias;      // upper case
    std::string timestamp;  // YYYYMMDDhhmmss, unique
    char operation;         // 'B' backup, 'R' restore, 'F' rollforward
    std::string location;
    std::string comment;
};

struct HistoryScan {
    std::vector<HistoryEntry> entries;  // a copy taken at open
    std::size_t next = 0;
};

struct History {
    std::vector<HistoryEntry> entries;  // oldest first
    std::map<std::uint16_t, HistoryScan> scans;
    std::uint16_t lastHandle = 0;
};

}  // namespace vrxapp
