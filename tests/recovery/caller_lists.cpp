#include "caller_lists.h"

#include "frame/media_list.h"

namespace vrxtest {

namespace {

constexpr const char *kNoText = "(null)";

// Entries of `size` bytes with a 32-bit length first and the text right after it.
void *inline_entries(CallerStorage &mem, std::size_t size, const std::vector<std::string> &values,
                     std::vector<char *> &texts) {
    void *entries = mem.room(values.size() * size);
    for (std::size_t i = 0; i < values.size(); ++i) {
        char *entry = static_cast<char *>(entries) + i * size;
        const auto length = static_cast<std::uint32_t>(values[i].size());
        std::memcpy(entry, &length, 4);
        std::memcpy(entry + 4, values[i].data(), values[i].size());
        entry[4 + values[i].size()] = '#';
        texts.push_back(entry + 4);
    }
    return entries;
}

vrxgTextEntry *text_entries(CallerStorage &mem, const std::vector<std::string> &values, std::vector<char *> &texts) {
    auto *entries = static_cast<vrxgTextEntry *>(mem.room(values.size() * sizeof(vrxgTextEntry)));
    for (std::size_t i = 0; i < values.size(); ++i) {
        char *text = values[i] == kNoText ? nullptr : mem.text(values[i], '#');
        const auto length = static_cast<std::uint32_t>(values[i] == kNoText ? 3 : values[i].size());
        const vrxgTextEntry entry{text, length, 0xFEEDFACEu};
        std::memcpy(static_cast<void *>(entries + i), &entry, sizeof entry);
        texts.push_back(text);
    }
    return entries;
}

}  // namespace

Caller<vrxMediaList> media_list(CallerStorage &mem, char type, const std::vector<std::string> &values) {
    Caller<vrxMediaList> out{};
    void *entries = nullptr;
    if (type == VRX_MEDIA_TEXT) {
        auto *pointers = static_cast<vrxTextPointerEntry *>(mem.room(values.size() * sizeof(vrxTextPointerEntry)));
        for (std::size_t i = 0; i < values.size(); ++i) {
            char *text = values[i] == kNoText ? nullptr : mem.text(values[i], '#');
            const vrxTextPointerEntry entry{static_cast<std::uint32_t>(values[i].size()), text};
            std::memcpy(static_cast<void *>(pointers + i), &entry, sizeof entry);
            out.texts.push_back(text);
        }
        entries = pointers;
    } else {
        const std::uint32_t size = vrx::media_entry_size(type);
        entries = inline_entries(mem, size != 0 ? size : 16, values, out.texts);
    }
    out.list = mem.place(vrxMediaList{type, {0, 0, 0}, static_cast<std::int32_t>(values.size()), entries});
    return out;
}

Caller<vrxTablespaceList> tablespace_list(CallerStorage &mem, const std::vector<std::string> &values) {
    Caller<vrxTablespaceList> out{};
    auto *entries =
        static_cast<vrxTablespaceEntry *>(inline_entries(mem, sizeof(vrxTablespaceEntry), values, out.texts));
    out.list = mem.place(vrxTablespaceList{static_cast<std::int32_t>(values.size()), entries});
    return out;
}

Caller<vrxgTextList> text_list(CallerStorage &mem, const std::vector<std::string> &values) {
    Caller<vrxgTextList> out{};
    vrxgTextEntry *entries = text_entries(mem, values, out.texts);
    out.list = mem.place(vrxgTextList{entries, static_cast<std::uint32_t>(values.size())});
    return out;
}

Caller<vrxgMediaList> versioned_media_list(CallerStorage &mem, char type, const std::vector<std::string> &values) {
    Caller<vrxgMediaList> out{};
    vrxgTextEntry *entries = text_entries(mem, values, out.texts);
    out.list = mem.place(vrxgMediaList{entries, static_cast<std::uint32_t>(values.size()), type, {'r', 'r', 'r'}});
    return out;
}

std::vector<bool> terminated(const std::vector<char *> &texts, const std::vector<std::string> &values) {
    std::vector<bool> out;
    for (std::size_t i = 0; i < texts.size(); ++i)
        out.push_back(texts[i] != nullptr && texts[i][values[i].size()] == '\0');
    return out;
}

std::vector<std::string> core_texts(char *const *names, std::uint32_t count) {
    std::vector<std::string> out;
    for (std::uint32_t i = 0; i < count; ++i) out.emplace_back(names[i] != nullptr ? names[i] : kNoText);
    return out;
}

std::uint32_t sweep_scratch_failures(CallerStorage &mem, sqlca *ca, const char *core,
                                     const std::function<std::int32_t()> &call,
                                     const std::vector<ExpectedFailure> &expected) {
    std::int32_t result = 0;
    return fault_sweep(
        [&] {
            *ca = sqlca{};
            mem.snapshot();
            result = call();
        },
        [&](std::uint32_t k) {
            SCOPED_TRACE(k);
            ASSERT_LE(k, expected.size()) << "more scratch requests than expected";
            const ExpectedFailure &e = expected[k - 1];
            EXPECT_EQ(result, -83);
            EXPECT_TRUE(reports_no_memory(*ca, e.tag.c_str()));
            EXPECT_EQ(count_calls(core), 0u);
            EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
            ASSERT_GE(vrxstub_scratch_request_count(), k);
            const vrxstub_scratch_request *failed = vrxstub_scratch_request_at(k - 1);
            EXPECT_TRUE(failed->failed);
            EXPECT_EQ(std::make_pair(std::string(failed->file), failed->line), std::make_pair(e.file, e.line));
        });
}

}  // namespace vrxtest
