#include "config/db_config.h"

#include "vrxplatform/config.h"

namespace vrx::config {

namespace {

constexpr TextToken kAllDb[] = {
    {46, 256}, {44, 261}, {20, 243}, {103, 243}, {105, 13}, {107, 13}, {121, 34},
    {120, 18}, {501, 65}, {305, 65}, {306, 65}, {307, 31}, {702, 23}, {602, 11},
};
constexpr TextToken kExtendedGet[] = {{20, 243}, {103, 243}, {105, 13}, {107, 13}, {121, 34}, {120, 18}};
constexpr TextToken kExtendedUpdate[] = {{20, 243}};

// The instance's get and update sets differ: 39, 62 and 63 are only
// updated, 844 to 846 only read.
constexpr TextToken kInstanceGet[] = {
    {7, 9},    {24, 15},  {25, 65},  {27, 216},  {28, 26},  {47, 49},  {48, 49},  {65, 216},
    {66, 20},  {67, 9},   {71, 5},   {74, 256},  {75, 256}, {76, 256}, {77, 32},  {92, 9},
    {305, 36}, {311, 256}, {313, 227}, {844, 129}, {845, 129}, {846, 129},
};
constexpr TextToken kInstanceUpdate[] = {
    {7, 9},   {24, 15}, {25, 65}, {27, 216}, {28, 26},  {39, 0},   {47, 49},  {48, 49},  {62, 0},   {63, 0},    {65, 216},
    {66, 20}, {67, 9},  {71, 5},  {74, 256}, {75, 256}, {76, 256}, {77, 32},  {92, 9},   {305, 36}, {311, 256}, {313, 227},
};

}  // namespace

constexpr TokenSet kAllDbTextTokens{kAllDb};
constexpr TokenSet kExtendedGetTextTokens{kExtendedGet};
constexpr TokenSet kExtendedUpdateTextTokens{kExtendedUpdate};
constexpr TokenSet kInstanceGetTextTokens{kInstanceGet};
constexpr TokenSet kInstanceUpdateTextTokens{kInstanceUpdate};

void blank_fill_values(const vrxConfigItem *items, std::uint32_t count, const TokenSet &texts) {
    if (items == nullptr) return;
    for (std::uint32_t i = 0; i < count; ++i) {
        const vrxConfigItem item = load_element(items, i);
        const std::uint32_t width = texts.width_of(item.token);
        if (width != 0) blank_fill(static_cast<char *>(item.value), width);
    }
}

std::int32_t get_config(CoreGet core, char *dbAlias, std::uint32_t dbAliasLen, std::uint32_t count,
                        vrxConfigItem *items, sqlca *ca, const TokenSet &texts) {
    if (!app_data_ready(ca)) return 0;

    Borrowed borrowed;
    const std::int32_t result = core(borrowed.terminate(dbAlias, dbAliasLen), count, items, ca);
    borrowed.restore();

    blank_fill_values(items, count, texts);
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
