// The stand-in's record of backups and restores: which images exist for
// each database, so that a restore can accept the timestamp a backup gave.
#pragma once

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

}  // namespace vrxapp
