#include "config_store.h"

#include <algorithm>
#include <cstring>

#include "core_call.h"  // kSqlInvalidToken

namespace vrxapp {

const TextDefault *ConfigDefaults::text(std::uint16_t token) const {
    for (std::size_t i = 0; i < textCount; ++i)
        if (texts[i].token == token) return &texts[i];
    return nullptr;
}

const NumberDefault *ConfigDefaults::number(std::uint16_t token) const {
    for (std::size_t i = 0; i < numberCount; ++i)
        if (numbers[i].token == token) return &numbers[i];
    return nullptr;
}

std::int32_t check_items(const ConfigDefaults &defaults, std::uint32_t count, const vrxConfigItem *items) {
    if (count != 0 && items == nullptr) return kSqlInvalidToken;
    for (std::uint32_t i = 0; i < count; ++i) {
        const bool known = defaults.text(items[i].token) != nullptr || defaults.number(items[i].token) != nullptr;
        if (!known || items[i].value == nullptr) return kSqlInvalidToken;
    }
    return 0;
}

std::int32_t read_items(const ConfigDefaults &defaults, const DbConfig &config, std::uint32_t count,
                        vrxConfigItem *items) {
    if (std::int32_t code = check_items(defaults, count, items)) return code;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t token = items[i].token;
        if (const TextDefault *d = defaults.text(token)) {
            auto set = config.texts.find(token);
            const std::string value = set != config.texts.end() ? set->second : d->value;
            const std::size_t n = std::min<std::size_t>(value.size(), d->width - 1u);
            char *field = static_cast<char *>(items[i].value);
            std::memcpy(field, value.data(), n);
            field[n] = '\0';
        } else {
            auto set = config.numbers.find(token);
            *static_cast<std::uint32_t *>(items[i].value) =
                set != config.numbers.end() ? set->second : defaults.number(token)->value;
        }
    }
    return 0;
}

std::int32_t write_items(const ConfigDefaults &defaults, DbConfig &config, std::uint32_t count,
                         const vrxConfigItem *items) {
    if (std::int32_t code = check_items(defaults, count, items)) return code;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t token = items[i].token;
        if (const TextDefault *d = defaults.text(token)) {
            const char *text = static_cast<const char *>(items[i].value);
            config.texts[token] = std::string(text, strnlen(text, d->width - 1u));
        } else {
            config.numbers[token] = *static_cast<const std::uint32_t *>(items[i].value);
        }
    }
    return 0;
}

}  // namespace vrxapp
