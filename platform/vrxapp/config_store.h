// What the stand-in's configuration stores share: a table of defaults per
// kind of configuration, and reading and writing the values of a caller's
// item list against one store. String values are written NUL-terminated
// into the caller's field; every other known token is a 32-bit number.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model.h"
#include "vrxagapi/config.h"

namespace vrxapp {

struct TextDefault {
    std::uint16_t token;
    std::uint16_t width;  // the caller's field, NUL included
    const char *value;
};

struct NumberDefault {
    std::uint16_t token;
    std::uint32_t value;
};

struct ConfigDefaults {
    const TextDefault *texts;
    std::size_t textCount;
    const NumberDefault *numbers;
    std::size_t numberCount;

    const TextDefault *text(std::uint16_t token) const;
    const NumberDefault *number(std::uint16_t token) const;
};

// 0, or the SQLCODE of an item list that names an unknown token or a null value.
std::int32_t check_items(const ConfigDefaults &defaults, std::uint32_t count, const vrxConfigItem *items);

// Writes each requested value into the caller's item, from `config` or,
// where it has none, from the defaults. Returns what check_items returns;
// nothing is written for a list it refuses.
std::int32_t read_items(const ConfigDefaults &defaults, const DbConfig &config, std::uint32_t count,
                        vrxConfigItem *items);

// Takes each item's value into `config`, texts up to their width less one,
// after check_items, whose result it returns.
std::int32_t write_items(const ConfigDefaults &defaults, DbConfig &config, std::uint32_t count,
                         const vrxConfigItem *items);

}  // namespace vrxapp
