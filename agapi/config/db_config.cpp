#include "config/db_config.h"

#include <iterator>

#include "vrxplatform/config.h"

namespace vrx::config {

namespace {

constexpr TextToken kAllDb[] = {
    {46, 256}, {44, 261}, {20, 243}, {103, 243}, {105, 13}, {107, 13}, {121, 34},
    {120, 18}, {501, 65}, {305, 65}, {306, 65}, {307, 31}, {702, 23}, {602, 11},
};
constexpr TextToken kExtendedGet[] = {{20, 243}, {103, 243}, {105, 13}, {107, 13}, {121, 34}, {120, 18}};
constexpr TextToken kExtendedUpdate[] = {{20, 243}};

}  // namespace

const TokenSet kAllDbTextTokens{kAllDb, std::size(kAllDb)};
const TokenSet kExtendedGetTextTokens{kExtendedGet, std::size(kExtendedGet)};
const TokenSet kExtendedUpdateTextTokens{kExtendedUpdate, std::size(kExtendedUpdate)};

std::uint32_t TokenSet::width_of(std::uint16_t token) const {
    for (std::size_t i = 0; i < size; ++i)
        if (tokens[i].token == token) return tokens[i].width;
    return 0;
}

std::int32_t get_config(CoreGet core, char *dbAlias, std::uint32_t dbAliasLen, std::uint32_t count,
                        vrxConfigItem *items, sqlca *ca, const TokenSet &texts) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const std::int32_t result = core(borrowed.terminate(dbAlias, dbAliasLen), count, items, ca);
    borrowed.restore();

    if (items != nullptr) {
        for (std::uint32_t i = 0; i < count; ++i) {
            const vrxConfigItem item = load_element(items, i);
            if (texts.holds(item.token)) blank_fill(static_cast<char *>(item.value), texts.width_of(item.token));
        }
    }
    return result;
}

std::int32_t update_config(char *dbAlias, std::uint32_t dbAliasLen, std::uint32_t count,
                           std::uint16_t *valueLens, vrxConfigItem *items, sqlca *ca, const TokenSet &texts,
                           const ScratchSite &site, const Tag &tag) {
    if (!app_data_ready(ca)) return 0;

    StringArrayTermination<vrxConfigItem> values;
    Borrowed borrowed;
    char *coreAlias = borrowed.terminate(dbAlias, dbAliasLen);
    borrowed.add(values);
    const bool terminated =
        values.terminate(items, valueLens, count, [&](const vrxConfigItem &item) { return texts.holds(item.token); },
                         site);

    const std::int32_t result = terminated ? sqlfudb(coreAlias, count, items, ca) : report_no_memory(ca, tag);

    borrowed.restore();
    return result;
}

std::int32_t reset_config(char *dbAlias, std::uint32_t dbAliasLen, sqlca *ca) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const std::int32_t result = sqlfrdb(borrowed.terminate(dbAlias, dbAliasLen), ca);
    borrowed.restore();
    return result;
}

}  // namespace vrx::config
