// The stand-in's table spaces: a fixed set of three, each record kept in
// both sizes in the stand-in's own storage, and the one open query.
#pragma once

#include <array>
#include <cstdint>

#include "vrxagapi/tablespace.h"

namespace vrxapp {

constexpr std::uint32_t kTablespaceCount = 3;

struct Tablespaces {
    std::array<vrxgTablespaceLong, kTablespaceCount> longRecords{};
    std::array<vrxgTablespaceShort, kTablespaceCount> shortRecords{};
    vrxgTablespaceLong *longList[1] = {nullptr};  // what the all-table-spaces query points to
    bool filled = false;
    bool queryOpen = false;
    std::uint32_t next = 0;  // the next table space the open query fetches
};

}  // namespace vrxapp
