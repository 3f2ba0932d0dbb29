// Caller-side lists for the backup, restore and list tests, carved from a
// test's caller storage (the byte after every text is '#', so that a
// terminator left behind shows), the fault sweep of one call, and the list
// handling every positional backup and restore form shares.
#pragma once

#include <functional>
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

inline Caller<vrxTablespaceList> tablespace_list(CallerStorage &mem, const std::vector<std::string> &values) {
    Caller<vrxTablespaceList> out{};
    void *entries = inline_entries(mem, sizeof(vrxTablespaceEntry), values, out.texts);
    out.list = mem.place(vrxTablespaceList{static_cast<std::int32_t>(values.size()),
                                           static_cast<vrxTablespaceEntry *>(entries)});
    return out;
}

inline Caller<vrxgTextList> text_list(CallerStorage &mem, const std::vector<std::string> &values) {
    Caller<vrxgTextList> out{};
    auto *entries = pointer_entries<vrxgTextEntry>(mem, values, out.texts);
    out.list = mem.place(vrxgTextList{entries, static_cast<std::uint32_t>(values.size())});
    return out;
}

inline Caller<vrxgMediaList> versioned_media_list(CallerStorage &mem, char type,
                                                  const std::vector<std::string> &values) {
    Caller<vrxgMediaList> out{};
    auto *entries = pointer_entries<vrxgTextEntry>(mem, values, out.texts);
    out.list = mem.place(vrxgMediaList{entries, static_cast<std::uint32_t>(values.size()), type, {'r', 'r', 'r'}});
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

// What the k-th run of a fault sweep must show: the request that failed and
// the 8-byte tag the sqlca reports it with.
struct ExpectedFailure {
    std::string file;
    std::uint32_t line;
    const char *tag;
};

// Fails every scratch request of `call` in turn: each such run returns -83
// with the tag, skips the core function `core`, leaves the caller storage
// but the sqlca as it was, and failed the request `expected[k - 1]` names.
inline void sweep_scratch_failures(CallerStorage &mem, sqlca *ca, const char *core,
                                   const std::function<std::int32_t()> &call,
                                   const std::vector<ExpectedFailure> &expected) {
    std::int32_t result = 0;
    const std::uint32_t injected = fault_sweep(
        [&] {
            *ca = sqlca{};
            mem.snapshot();
            result = call();
        },
        [&](std::uint32_t k) {
            SCOPED_TRACE(k);
            ASSERT_LE(k, expected.size()) << "more scratch requests than expected";
            EXPECT_EQ(result, -83);
            EXPECT_TRUE(reports_no_memory(*ca, expected[k - 1].tag));
            EXPECT_EQ(count_calls(core), 0u);
            EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
            ASSERT_GE(vrxstub_scratch_request_count(), k);
            const vrxstub_scratch_request *failed = vrxstub_scratch_request_at(k - 1);
            EXPECT_TRUE(failed->failed);
            EXPECT_EQ(std::make_pair(std::string(failed->file), failed->line),
                      std::make_pair(expected[k - 1].file, expected[k - 1].line));
        });
    EXPECT_EQ(injected, expected.size());
}

// A versioned entry point `entry(version, record, ca)` given no record, or
// one that fails its check: -83 with `tag`, the core not called, nothing but
// the sqlca written. With initialisation failing it touches nothing. Then
// every scratch request fails in turn, the k-th at `lines[k - 1]` of `file`.
template <class Record, class Entry>
void check_versioned_failures(CallerStorage &mem, sqlca *ca, Record *record, const char *tag, const char *core,
                              Entry entry, std::uint32_t version, const char *file,
                              std::initializer_list<std::uint32_t> lines) {
    for (bool missing : {true, false}) {
        SCOPED_TRACE(missing);
        vrxstub_reset();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(record, 0, 3);
        EXPECT_EQ(entry(version, missing ? nullptr : record, ca), -83);
        EXPECT_TRUE(reports_no_memory(*ca, tag));
        EXPECT_EQ(count_calls(core), 0u);
        EXPECT_TRUE(mem.unchanged_except({{ca, sizeof(sqlca)}}));
    }
    expect_failed_initialisation(mem, ca, [&] { return entry(version, record, ca); });
    vrxstub_reset();
    std::vector<ExpectedFailure> expected;
    for (std::uint32_t line : lines) expected.push_back({file, line, tag});
    sweep_scratch_failures(mem, ca, core, [&] { return entry(version, record, ca); }, expected);
}

// A positional backup or restore form as its lists see it: the core it
// reaches, the file and lines of its three scratch requests (table space
// list, 'L' media list, 'O' media list) and the tag each failure reports.
struct ListForm {
    const char *name, *core, *site;
    std::uint32_t lines[3];
    const char *tags[3];
};
using ListCall = std::function<std::int32_t(vrxTablespaceList *, vrxMediaList *, sqlca *)>;

// The lists of a positional form, terminated in the caller's storage for the
// core call: 'L' every path, 'O' the first entry, other types untouched; a
// negative count leaves a list to the core. A refused list record or entry
// array leaves that list alone; a refused text is skipped, unless it is the
// last one, whose check ends the call. Then every scratch failure.
inline void check_positional_lists(const ListForm &form, const ListCall &call) {
    const std::vector<std::string> names = {"USERSPACE1", "", "TS3"}, paths = {"/one", "/two", "/three"};
    using Flags = std::vector<bool>;
    const Flags all(3, true), none(3, false);
    struct Case {
        char type;
        int refusedList, refused;  // list 0 or 1: -2 none, -1 its record, 3 its entries, else a text
        Flags names, media;        // terminated while the core runs (the core not called: empty)
        std::vector<std::pair<int, std::uint32_t>> requests;  // (index into lines, bytes)
    } cases[] = {
        {'L', 0, -2, all, all, {{0, 24}, {1, 24}}},  {'O', 0, -2, all, {true, false, false}, {{0, 24}, {2, 8}}},
        {'S', 0, -2, all, none, {{0, 24}}},          {'L', -1, -2, none, none, {}},  // negative counts
        {'L', 0, -1, none, all, {{1, 24}}},          {'L', 0, 3, none, all, {{1, 24}}},
        {'L', 0, 0, {false, true, true}, all, {{0, 24}, {1, 24}}}, {'L', 0, 2, {}, {}, {{0, 24}}},
        {'L', 1, -1, all, none, {{0, 24}}},          {'L', 1, 3, all, none, {{0, 24}}},
        {'L', 1, 0, all, {false, true, true}, {{0, 24}, {1, 24}}}, {'L', 1, 2, {}, {}, {{0, 24}, {1, 24}}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(std::string(form.name) + " " + k.type + " " + std::to_string(k.refusedList) + " " +
                     std::to_string(k.refused));
        vrxstub_reset();
        CallerStorage mem;
        auto tablespaces = tablespace_list(mem, names);
        auto media = media_list(mem, k.type, paths);
        if (k.refusedList < 0) tablespaces.list->count = media.list->entryCount = -1;
        sqlca *ca = mem.ca();
        mem.snapshot();
        if (k.refused != -2) {
            const std::vector<char *> &texts = k.refusedList == 0 ? tablespaces.texts : media.texts;
            const void *record = k.refusedList == 0 ? static_cast<const void *>(tablespaces.list) : media.list;
            const void *entries = k.refusedList == 0 ? static_cast<const void *>(tablespaces.list->entries) : media.list->entries;
            vrxstub_set_ptr_check(1);
            vrxstub_refuse_region(k.refused == -1 ? record : k.refused == 3 ? entries : texts[k.refused], 0, 3);
        }
        Flags seenNames, seenPaths;
        const auto need = k.names.empty() ? CoreHook::mayNotRun : CoreHook::mustRun;
        CoreHook hook(form.core, need, [&](const vrxstub_call &) {
            seenNames = terminated(tablespaces.texts, names);
            seenPaths = terminated(media.texts, paths);
            return 0;
        });
        EXPECT_EQ(call(tablespaces.list, media.list, ca), k.names.empty() ? 1 : 0);
        EXPECT_EQ(seenNames, k.names);
        EXPECT_EQ(seenPaths, k.media);
        EXPECT_TRUE(mem.unchanged_except());
        std::vector<std::pair<std::string, std::uint32_t>> sites;
        for (const auto &r : k.requests) sites.emplace_back(form.site, form.lines[r.first]);
        ASSERT_EQ(scratch_sites(), sites);
        for (std::size_t i = 0; i < sites.size(); ++i)
            EXPECT_EQ(vrxstub_scratch_request_at(i)->size, k.requests[i].second);
    }

    for (int type : {1, 2}) {
        SCOPED_TRACE(std::string(form.name) + (type == 1 ? " L" : " O"));
        vrxstub_reset();
        CallerStorage mem;
        auto tablespaces = tablespace_list(mem, {"TS1", "TS2"});
        auto media = media_list(mem, type == 1 ? 'L' : 'O', {"/one", "/two"});
        sqlca *ca = mem.ca();
        sweep_scratch_failures(mem, ca, form.core, [&] { return call(tablespaces.list, media.list, ca); },
                               {{form.site, form.lines[0], form.tags[0]}, {form.site, form.lines[type], form.tags[type]}});
    }
}

// check_positional_lists for every positional form of a family: each form's
// call gets the lists and the sqlca through the family's own call record.
template <class Call, class Form, std::size_t N>
void check_positional_forms(const Form (&forms)[N]) {
    for (const Form &form : forms)
        check_positional_lists(form.lists, [&](vrxTablespaceList *tablespaces, vrxMediaList *media, sqlca *ca) {
            Call c;
            c.tablespaces = tablespaces;
            c.media = media;
            c.ca = ca;
            return form.call(c);
        });
}

}  // namespace vrxtest
