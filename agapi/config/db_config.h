// Configuration families: the string-valued token sets, the blank-fill of
// the values a get returns, and the database's get, update and reset
// sequences that its entry points share.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/frame.h"
#include "frame/marshal.h"
#include "vrxagapi/config.h"

namespace vrx::config {

// A string-valued token and the width of the output field a get fills (0
// for a token that only an update knows).
struct TextToken {
    std::uint16_t token;
    std::uint16_t width;
};

// Every string-valued token lies below this bound.
constexpr std::uint16_t kTokenBound = 1024;

// The tokens an entry point treats as string-valued; any other token's
// value is passed through untouched. Kept as a table indexed by token, made
// at compile time, so that each item of a list costs one lookup whatever
// the size of the set.
class TokenSet {
public:
    template <std::size_t N>
    constexpr explicit TokenSet(const TextToken (&tokens)[N]) : slots_{} {
        // A token at or above the bound does not compile.
        for (const TextToken &text : tokens) slots_[text.token] = static_cast<std::uint16_t>(text.width + 1u);
    }

    bool holds(std::uint16_t token) const { return token < kTokenBound && slots_[token] != 0; }
    // The output width of a string-valued token, 0 for any other token.
    std::uint32_t width_of(std::uint16_t token) const { return holds(token) ? slots_[token] - 1u : 0; }

private:
    std::uint16_t slots_[kTokenBound];  // width + 1 of a string-valued token, else 0
};

extern const TokenSet kAllDbTextTokens;       // SQLGXDB, SQLGDDB, SQLGUDB
extern const TokenSet kExtendedGetTextTokens;  // SQLGXDBC
extern const TokenSet kExtendedUpdateTextTokens;  // SQLGEUDB
extern const TokenSet kInstanceGetTextTokens;     // SQLGXSYS, SQLGDSYS
extern const TokenSet kInstanceUpdateTextTokens;  // SQLGUSYS

// Blank-fills, in list order, the value of every item whose token has an
// output width in `texts`, whatever the core result. A null list is left
// alone; null values are passed over.
void blank_fill_values(const vrxConfigItem *items, std::uint32_t count, const TokenSet &texts);

using CoreGet = std::int32_t(VRX_STDCALL *)(char *, std::uint32_t, vrxConfigItem *, sqlca *);

// Reads configuration values: terminates the alias, calls the core, puts the
// alias back and blank-fills the string values, whatever the core result.
std::int32_t get_config(CoreGet core, char *dbAlias, std::uint32_t dbAliasLen, std::uint32_t count,
                        vrxConfigItem *items, sqlca *ca, const TokenSet &texts);

// Updates configuration values: terminates the alias, then each string value
// in place (one scratch record per value, requested from `site`), calls the
// core and puts everything back, values first.
std::int32_t update_config(char *dbAlias, std::uint32_t dbAliasLen, std::uint32_t count,
                           std::uint16_t *valueLens, vrxConfigItem *items, sqlca *ca, const TokenSet &texts,
                           const ScratchSite &site, const Tag &tag);

// Resets the configuration to its defaults.
std::int32_t reset_config(char *dbAlias, std::uint32_t dbAliasLen, sqlca *ca);

}  // namespace vrx::config
