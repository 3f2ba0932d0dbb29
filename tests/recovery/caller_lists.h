// Caller-side lists for the backup, restore and list tests, carved from a
// test's caller storage (the byte after every text is '#', so that a
// terminator left behind shows).
#pragma once

#include <string>
#include <vector>

#include "frame/media_list.h"
#include "harness.h"
#include "vrxplatform/recovery.h"

namespace vrxtest {

constexpr const char *kNoText = "(null)";  // an entry without text

// A list and where each of its entries' texts starts (null for kNoText).
template <class List>
struct Caller {
    List *list;
    std::vector<char *> texts;
};

// Entries of `size` bytes with a 32-bit length first and the text right after it.
inline void *inline_entries(CallerStorage &mem, std::size_t size, const std::vector<std::string> &values,
                            std::vector<char *> &texts) {
    char *entries = static_cast<char *>(mem.room(values.size() * size));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto length = static_cast<std::uint32_t>(values[i].size());
        std::memcpy(entries + i * size, &length, 4);
        texts.push_back(static_cast<char *>(std::memcpy(entries + i * size + 4, values[i].data(), length)));
        texts.back()[length] = '#';
    }
    return entries;
}

// Entries holding a pointer to a text of its own and its length.
template <class Entry>
Entry *pointer_entries(CallerStorage &mem, const std::vector<std::string> &values, std::vector<char *> &texts) {
    auto *entries = static_cast<Entry *>(mem.room(values.size() * sizeof(Entry)));
    for (std::size_t i = 0; i < values.size(); ++i) {
        texts.push_back(values[i] == kNoText ? nullptr : mem.text(values[i], '#'));
        const auto length = static_cast<std::uint32_t>(values[i].size());
        Entry entry{};
        if constexpr (std::is_same_v<Entry, vrxgTextEntry>) entry = {texts.back(), texts.back() ? length : 3, 0xFEEDFACEu};
        else entry = {length, texts.back()};
        std::memcpy(static_cast<void *>(entries + i), &entry, sizeof entry);
    }
    return entries;
}

inline Caller<vrxMediaList> media_list(CallerStorage &mem, char type, const std::vector<std::string> &values) {
    Caller<vrxMediaList> out{};
    const std::uint32_t size = vrx::media_entry_size(type);
    void *entries = type == VRX_MEDIA_TEXT ? pointer_entries<vrxTextPointerEntry>(mem, values, out.texts)
                                           : inline_entries(mem, size != 0 ? size : 16, values, out.texts);
    out.list = mem.place(vrxMediaList{type, {0, 0, 0}, static_cast<std::int32_t>(values.size()), entries});
    return out;
}

inline Caller<vrxgTextList> text_list(CallerStorage &mem, const std::vector<std::string> &values) {
    Caller<vrxgTextList> out{};
    auto *entries = pointer_entries<vrxgTextEntry>(mem, values, out.texts);
    out.list = mem.place(vrxgTextList{entries, static_cast<std::uint32_t>(values.size())});
    return out;
}

// Which of the texts hold a NUL right after their value.
inline std::vector<bool> terminated(const std::vector<char *> &texts, const std::vector<std::string> &values) {
    std::vector<bool> out;
    for (std::size_t i = 0; i < texts.size(); ++i)
        out.push_back(texts[i] != nullptr && texts[i][values[i].size()] == '\0');
    return out;
}

// The texts of a core list, as the core sees them (kNoText for a null copy).
inline std::vector<std::string> core_texts(char *const *names, std::uint32_t count) {
    std::vector<std::string> out;
    for (std::uint32_t i = 0; i < count; ++i) out.emplace_back(names[i] != nullptr ? names[i] : kNoText);
    return out;
}

}  // namespace vrxtest
