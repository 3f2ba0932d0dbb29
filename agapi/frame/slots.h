// Narrowing of 32-bit argument slots. A 16-bit length or count, or an 8-bit
// code, occupies a whole slot of which only the low bits are meaningful.
#pragma once

#include <cstdint>

#include "vrxagapi/common.h"

namespace vrx {

using slot = vrx_slot;

constexpr std::uint32_t widen16(slot s) { return s & 0xFFFFu; }
constexpr std::int32_t sext16(slot s) { return static_cast<std::int16_t>(s & 0xFFFFu); }
constexpr std::uint32_t widen8(slot s) { return s & 0xFFu; }

}  // namespace vrx
