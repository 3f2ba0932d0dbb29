// Backup, log archiving and restore. A call's texts share text 0; its list
// entries share text 1, where the first table space entry is terminated
// first, so that a list put back before the one after it, or a list's
// entries put back first to last, leave a NUL there. The versioned
// restore's media list ends on text 2, where its second text list follows.
#include <memory>
#include <tuple>

#include "conformance/conformance.h"
#include "vrxplatform/recovery.h"

namespace vrxtest::conformance {
namespace {

constexpr vrx_slot kIgnored = ~0u;

vrxTablespaceList *tablespaces(Arena &a) {
    return a.record(vrxTablespaceList{a.entries(1), a.entry<vrxTablespaceEntry>(1)}, "tablespaces");
}

vrxMediaList *media(Arena &a, char type) { return a.record(vrxMediaList{type, {}, a.entries(1), a.entry(1)}, "media"); }

// A versioned list ('L' for a media list) whose entry i holds all of shared text spots[i].
template <class List>
List *text_list(Arena &a, std::initializer_list<int> spots) {
    std::vector<vrxgTextEntry> entries;
    for (int k : spots) entries.push_back({a.text(16, k), a.len32(16), 0});
    List list{};
    std::tie(list.entries, list.count) =
        std::make_tuple(a.records(entries, "entries"), a.count(std::uint32_t(spots.size())));
    if constexpr (std::is_same_v<List, vrxgMediaList>) list.mediaType = 'L';
    return a.record(list, "list");
}

// The identifier and timestamp areas of a positional backup coincide: the
// core writes the identifier, then the timestamp over it; the timestamp is
// blank-filled first, so the identifier keeps its letters past the timestamp.
char *backup_areas(Arena &a) {
    char *at = a.out(33);
    a.writes(at, "IDENTIFIER-ABCDEFGH");
    a.writes(at, "20261205101010");
    a.expect(at, "20261205101010 EFGH" + std::string(14, ' '));
    return at;
}

const Rows rows = {
    {"SQLGBKP", "'A' 2 3 4 5 out out 8 tablespaces media 'BA' 'CBA' 13 14 15 16 17 18 19 ca",
     [](Arena &a) {
         char *areas = backup_areas(a);
         return a.call(sqlgbkp, a.len(1), a.len(2), a.len(3), kIgnored, a.text(1), 2u, 3u, 4u, 5u, areas, areas, 8u,
                       tablespaces(a), media(a, 'O'), a.text(2), a.text(3), 13u, 14u, 15u, 16u, 17u, 18u, 19u, a.ca());
     },
     {"sqlgbkp"}, "sqlgbkp 126 191", {191, 126}},
    {"SQLGBKUP", "'A' 2 3 4 5 out out 8 tablespaces media 'BA' 'CBA' 13 14 15 16 ca",
     [](Arena &a) {
         char *areas = backup_areas(a);
         return a.call(sqlgbkup, a.len(1), a.len(2), a.len(3), kIgnored, a.text(1), 2u, 3u, 4u, 5u, areas, areas, 8u,
                       tablespaces(a), media(a, 'L'), a.text(2), a.text(3), 13u, 14u, 15u, 16u, a.ca());
     },
     {"sqlgbkup", "sqlgload"}, "sqlgbkup 357 391", {391, 357}},
    // The versioned areas coincide too: the timestamp is copied over the
    // identifier and blank-filled, then the identifier from its first NUL.
    {"VRXGBACKUP", "9050000 & ca 'A' 'BA' 'CBA' 'DCBA'",
     [](Arena &a) {
         char *areas = a.out(34);
         a.expect(areas, "20261205101010  FGH" + std::string(15, ' '));
         const vrxgBackupStruct p{a.text(1), a.len32(1), areas, a.within(33), areas, a.within(15),
                                  text_list<vrxgTextList>(a, {1, 1}), text_list<vrxgMediaList>(a, {1}), a.text(2),
                                  a.len32(2), a.text(3), a.len32(3), {}, 0, a.text(4), a.len32(4), {}, {}};
         return a.call(vrxgBackup, a.version(9050000u), a.record(p), a.ca());
     },
     {"vrxgBack"}, "sqlgbkp 446 450 470 470 519 523 543", {519, 446, 470, 470, 450, 543, 523},
     [](const vrxstub_call &c, Arena &a) {
         auto *core = arg<vrxBackupStruct *>(c, 1);
         std::memcpy(core->identifier, "IDENTIFIER-ABCDEFGH", 20);
         std::memcpy(core->timestamp, "20261205101010", 15);
         a.see(core->dbAlias, core->userName, core->password, core->text4);
     }},
    {"VRXGARCHIVELOG", "9050000 & ca 'A' 'BA' 'CBA' 43981 4660 3405705229 7",
     [](Arena &a) {
         const vrxgArchiveLogStruct p{a.len32(1), a.len32(2), a.len32(3), a.text(1), a.text(2), a.text(3),
                                      0xABCD,     0x1234,     0xCAFEF00D, 7};
         return a.call(vrxgArchiveLog, a.version(9050000u), a.record(p), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxArchiveLogStruct *>(c, 1);
         a.see(core->dbAlias, core->userName, core->password, core->value1, core->value2, core->value3, core->value4);
     }},
    // Text 7 is the 15-byte timestamp, terminated without its byte saved and
    // put back by its blank-fill: an output field.
    {"SQLGRESTORE",
     "'A' 'BA' 3 4 5 6 7 8 out 'GFEDCBA' 'CBA' 12 'FEDCBA' tablespaces media 'DCBA' 'EDCBA' 18 19 20 21 22 23 24 ca",
     [](Arena &a) {
         return a.call(sqlgrestore, a.len(1), a.len(2), a.len(7), a.len(3), a.len(4), a.len(5), a.len(6), kIgnored,
                       a.text(1), a.text(2), 3u, 4u, 5u, 6u, 7u, 8u, a.filled(33, "ID"), a.output(a.text(7), 15),
                       a.text(3), 12u, a.text(6), tablespaces(a), media(a, 'L'), a.text(4), a.text(5), 18u, 21u,
                       kIgnored, 22u, kIgnored, 23u, 19u, 20u, 24u, a.ca());
     },
     {"sqlgbkup", "sqlgload"}, "sqlgrestore 240 274", {274, 240}},
    {"SQLGRST", "'A' 'BA' 3 4 5 6 7 out 'GFEDCBA' 'CBA' 11 tablespaces media 'DCBA' 'EDCBA' 16 17 18 19 20 21 22 ca",
     [](Arena &a) {
         return a.call(sqlgrst, a.len(1), a.len(2), a.len(7), a.len(3), a.len(4), a.len(5), kIgnored, a.text(1),
                       a.text(2), 3u, 4u, 5u, 6u, 7u, a.filled(33, "ID"), a.output(a.text(7), 15), a.text(3), 11u,
                       tablespaces(a), media(a, 'O'), a.text(4), a.text(5), 16u, 19u, kIgnored, 20u, kIgnored, 21u,
                       17u, 18u, 22u, a.ca());
     },
     {"sqlgbkup"}, "sqlgrst 237 302", {302, 237}},
    {"SQLGRSTO", "'A' 'BA' 3 4 5 6 out 'GFEDCBA' 'CBA' 10 tablespaces media 'DCBA' 'EDCBA' 15 16 17 18 ca",
     [](Arena &a) {
         return a.call(sqlgrsto, a.len(1), a.len(2), a.len(7), a.len(3), a.len(4), a.len(5), kIgnored, a.text(1),
                       a.text(2), 3u, 4u, 5u, 6u, a.filled(33, "ID"), a.output(a.text(7), 15), a.text(3), 10u,
                       tablespaces(a), media(a, 'L'), a.text(4), a.text(5), 15u, 16u, 17u, 18u, a.ca());
     },
     {"sqlgbkup", "sqlgload"}, "sqlgrsto 397 431", {431, 397}},
    {"VRXGRESTORE", "9050000 & ca 'A' 'BA' 'HGFEDCBA' 'CBA' 'DCBA' 'EDCBA' 'FEDCBA' 'GFEDCBA' 'IHGFEDCBA' 'JIHGFEDCBA'",
     [](Arena &a) {
         const vrxgRestoreStruct p{a.text(1), a.len32(1), a.text(2), a.len32(2), a.filled(33, "ID"), a.within(32),
                                   a.output(a.text(8), 15), a.len32(8), a.text(3), a.len32(3), a.text(4), a.len32(4),
                                   text_list<vrxgTextList>(a, {1, 1}), text_list<vrxgMediaList>(a, {1, 2}), a.text(5),
                                   a.len32(5), a.text(6), a.len32(6), a.text(7), a.len32(7), {}, a.text(9),
                                   a.len32(9), {}, a.text(10), a.len32(10), text_list<vrxgTextList>(a, {2}), {}};
         return a.call(vrxgRestore, a.version(9050000u), a.record(p), a.ca());
     },
     {"vrxgRest"}, "sqlgrestore 514 518 538 538 586 590 610 610 698 703 729",
     {698, 586, 514, 538, 538, 518, 610, 610, 590, 729, 703},
     [](const vrxstub_call &c, Arena &a) {
         auto *core = arg<vrxRestoreStruct *>(c, 1);
         std::memcpy(core->identifier, "ID", 3);
         a.see(core->sourceDbAlias, core->targetDbAlias, core->timestamp, core->text3, core->text4, core->userName,
               core->password, core->text7, core->text8, core->text9);
     }},
};

// The texts of a core list, each after a blank.
std::string listed(const char *const *texts, std::uint32_t count) {
    std::string out;
    for (std::uint32_t i = 0; i < count; ++i) out += std::string(" ") + (texts[i] != nullptr ? texts[i] : "(null)");
    return out;
}

// An area of `width` bytes holding `bytes`, printed after the call.
char *area(Arena &a, std::size_t width, const std::string &bytes) {
    char *at = a.out(width);
    return static_cast<char *>(std::memcpy(at, bytes.data(), bytes.size()));
}

// By version: fields as far as the version supplies them, the lists as
// copies; each output takes as many bytes as its length says, at most the
// core text's width, and is blank-filled over length + 1 bytes of its
// area (shown with one byte more).
// The restore's text 8, text 9 and second list come over from their
// versions on: the word at 132 is not read before (it holds 0x10), an empty
// second list costs no scratch request; the core's reserved word stays 0.
// The positional restore's timestamp terminator is not saved: the
// blank-fill puts the field back; a length past the field keeps its byte.
std::vector<Variant> versioned() {
    std::vector<Variant> variants;
    const std::uint32_t backups[][3] = {{8010199, 5, 4}, {8010200, 40, 20}, {8010400, 33, 15}, {9050000, 33, 15}};
    for (const auto &[version, idLen, tsLen] : backups)
        variants.push_back({"VRXGBACKUP", "version " + std::to_string(version),
                            [v = version, id = idLen, ts = tsLen](Arena &a) {
            const vrxgBackupStruct p{a.text(1), a.len32(1), a.out(id + 2), id, a.out(ts + 2), ts,
                                     text_list<vrxgTextList>(a, {1, 2}), text_list<vrxgMediaList>(a, {3}), nullptr, 0,
                                     nullptr, 0, {0, 0, 0, 0, 0, 0, 0, 263}, 512, a.text(4), a.len32(4), {0, 769},
                                     {0, 0, 0, 0, 1028}};
            return a.call(vrxgBackup, v, a.record(p), a.ca());
        }, [](const vrxstub_call &c, Arena &a) {
            auto *core = arg<vrxBackupStruct *>(c, 1);
            a.see(core->dbAlias, core->values[7], core->value8010200, core->text4, core->values8010400[1],
                  core->values9050000[4]);
            a.seen += listed(core->tablespaces->names, core->tablespaces->count) + " " + core->media->mediaType +
                      listed(core->media->locations, core->media->count);
            std::memcpy(core->identifier, "APP.0001", 9);
            std::memcpy(core->timestamp, "20261205101010", 15);
        }});
    for (std::uint32_t version : {8010399u, 8010400u, 8019999u, 8020000u, 8020199u, 8020200u, 0u}) {
        const bool empty = version == 0;  // the second list given empty, at 8020200
        const std::string label = empty ? "8020200 empty" : std::to_string(version);
        variants.push_back({"VRXGRESTORE", "version " + label, [=](Arena &a) {
            vrxgRestoreStruct p{};
            std::tie(p.piText8, p.iText8Len, p.piText9, p.iText9Len) =
                std::tuple(a.text(1), a.len32(1), a.text(2), a.len32(2));
            std::tie(p.poIdentifier, p.iIdentifierLen, p.iValues8010400[1]) = std::tuple(a.out(11), 9, 513);
            // Before 8020200 the second list's word is not read: it holds 0x10.
            if (empty) p.piTextList2 = a.record(vrxgTextList{nullptr, 0}, "list");
            else if (version < 8020200) p.piTextList2 = reinterpret_cast<vrxgTextList *>(std::uintptr_t{0x10});
            else p.piTextList2 = text_list<vrxgTextList>(a, {1, 2});
            return a.call(vrxgRestore, empty ? 8020200u : version, a.record(p), a.ca());
        }, [](const vrxstub_call &c, Arena &a) {
            auto *core = arg<vrxRestoreStruct *>(c, 1);
            a.see(core->text8, core->text9, core->values8010400[1], core->reserved);
            const vrxNameList *list2 = core->textList2;
            a.seen += list2 != nullptr ? listed(list2->names, list2->count) : " (no list)";
            a.seen += " requests " + std::to_string(vrxstub_scratch_request_count());
            std::memcpy(core->identifier, "RESTORED", 9);
        }});
    }
    const std::pair<const char *, vrx_slot> stamps[] = {
        {"20261205XXXXXXX#", 8}, {"20261205101010X#", 14}, {"XXXXXXXXXXXXXXX#", 0}, {"202612051010101#", 15}};
    for (const auto &[field, length] : stamps)
        variants.push_back({"SQLGRSTO", "timestamp " + std::to_string(length),
                            [f = std::string(field), n = length](Arena &a) {
            return a.call(sqlgrsto, 0u, 0u, n, 0u, 0u, 0u, 0u, nullptr, nullptr, 0u, 0u, 0u, 0u, nullptr,
                          area(a, 16, f), nullptr, 0u, nullptr, nullptr, nullptr, nullptr, 0u, 0u, 0u, 0u, a.ca());
        }, [](const vrxstub_call &c, Arena &a) { a.seen += std::string(" '") + arg<const char *>(c, 7) + "'"; }});
    return variants;
}

const Variants variants(versioned());

// The positional forms terminate their lists in the caller's storage: 'L'
// every path, 'O' the first, other types nothing; a negative count, a
// refused list record or entry array leave a list alone; a refused text is
// skipped, unless it is the last, whose check ends the call (result 1).
// Seen: each text as the core reads it ('#' follows an unterminated one),
// then the scratch requests (line and size). The media list's request
// failing is reported under its own tag.
using ListCall = std::int32_t (*)(Arena &, vrxTablespaceList *, vrxMediaList *);
const std::pair<const char *, ListCall> kListForms[] = {
    {"SQLGBKP", [](Arena &a, vrxTablespaceList *t, vrxMediaList *m) {
         return a.call(sqlgbkp, 0u, 0u, 0u, 0u, nullptr, 0u, 0u, 0u, 0u, nullptr, nullptr, 0u, t, m, nullptr, nullptr,
                       0u, 0u, 0u, 0u, 0u, 0u, 0u, a.ca());
     }},
    {"SQLGBKUP", [](Arena &a, vrxTablespaceList *t, vrxMediaList *m) {
         return a.call(sqlgbkup, 0u, 0u, 0u, 0u, nullptr, 0u, 0u, 0u, 0u, nullptr, nullptr, 0u, t, m, nullptr, nullptr,
                       0u, 0u, 0u, 0u, a.ca());
     }},
    {"SQLGRESTORE", [](Arena &a, vrxTablespaceList *t, vrxMediaList *m) {
         return a.call(sqlgrestore, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, nullptr, nullptr, 0u, 0u, 0u, 0u, 0u, 0u, nullptr,
                       nullptr, nullptr, 0u, nullptr, t, m, nullptr, nullptr, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u,
                       a.ca());
     }},
    {"SQLGRST", [](Arena &a, vrxTablespaceList *t, vrxMediaList *m) {
         return a.call(sqlgrst, 0u, 0u, 0u, 0u, 0u, 0u, 0u, nullptr, nullptr, 0u, 0u, 0u, 0u, 0u, nullptr, nullptr,
                       nullptr, 0u, t, m, nullptr, nullptr, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, 0u, a.ca());
     }},
    {"SQLGRSTO", [](Arena &a, vrxTablespaceList *t, vrxMediaList *m) {
         return a.call(sqlgrsto, 0u, 0u, 0u, 0u, 0u, 0u, 0u, nullptr, nullptr, 0u, 0u, 0u, 0u, nullptr, nullptr,
                       nullptr, 0u, t, m, nullptr, nullptr, 0u, 0u, 0u, 0u, a.ca());
     }},
};

using Texts = std::shared_ptr<std::vector<std::pair<char *, std::size_t>>>;

// Entries of `size` bytes, a 32-bit length then the text, '#' after each.
char *inline_entries(Arena &a, std::size_t size, const std::vector<std::string> &values, const char *name,
                     Texts texts) {
    std::vector<char> bytes(values.size() * size, '#');
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto length = static_cast<std::uint32_t>(values[i].size());
        std::memcpy(&bytes[i * size], &length, 4);
        std::memcpy(&bytes[i * size + 4], values[i].data(), length);
    }
    char *at = a.records(bytes, name);
    for (std::size_t i = 0; i < values.size(); ++i) texts->emplace_back(at + i * size + 4, values[i].size());
    return at;
}

// The width of one inline entry of a media list of `type`.
std::uint32_t entry_size(char type) {
    if (type == 'L') return sizeof(vrxPathEntry);
    return type == 'O' ? sizeof(vrxVendorEntry) : sizeof(vrxLocationEntry);
}

// Each positional form, per case: the list type, which list is refused and
// where. Seen: the scratch requests (line/size), then every inline text.
std::vector<Variant> positional_lists() {
    const struct {
        const char *label;
        char type;
        int list;     // 0 table spaces, 1 media, -1 both counts negative
        int refused;  // -3 first scratch request fails, -2 nothing, -1 the list record, 3 its entries, else a text
    } cases[] = {
        {"L", 'L', 0, -2}, {"O", 'O', 0, -2}, {"S", 'S', 0, -2}, {"counts -1", 'L', -1, -2},
        {"tablespaces refused", 'L', 0, -1}, {"names refused", 'L', 0, 3}, {"name 0 refused", 'L', 0, 0},
        {"name 2 refused", 'L', 0, 2}, {"media refused", 'L', 1, -1}, {"paths refused", 'L', 1, 3},
        {"path 0 refused", 'L', 1, 0}, {"path 2 refused", 'L', 1, 2}, {"L request failed", 'L', 1, -3},
        {"O request failed", 'O', 1, -3},
    };
    std::vector<Variant> variants;
    for (const auto &[form, call] : kListForms)
        for (const auto &k : cases) {
            const Texts texts = std::make_shared<Texts::element_type>();
            variants.push_back({form, k.label, [k, call = call, texts](Arena &a) {
                texts->clear();
                const bool failing = k.refused == -3;  // no table spaces, one path
                const std::int32_t count = k.list < 0 ? -1 : failing ? 1 : 3;
                vrxTablespaceList *t = nullptr;
                if (!failing) {
                    char *names = inline_entries(a, 24, {"USERSPACE1", "", "TS3"}, "names", texts);
                    auto *entries = reinterpret_cast<vrxTablespaceEntry *>(names);
                    t = a.record(vrxTablespaceList{count, entries}, "tablespaces");
                }
                const std::uint32_t size = entry_size(k.type);
                const std::vector<std::string> values =
                    failing ? std::vector<std::string>{"/x"} : std::vector<std::string>{"/one", "/two", "/three"};
                char *paths = inline_entries(a, size, values, "paths", texts);
                auto *m = a.record(vrxMediaList{k.type, {}, count, paths}, "media");
                const void *list[] = {t, m}, *entries[] = {t ? static_cast<void *>(t->entries) : nullptr, paths};
                if (failing) vrxstub_fail_scratch_at(1);
                else if (k.refused == -1) vrxstub_refuse_region(list[k.list], 0, 3);
                else if (k.refused == 3) vrxstub_refuse_region(entries[k.list], 0, 3);
                else if (k.refused != -2) vrxstub_refuse_region((*texts)[k.list * 3 + k.refused].first, 0, 3);
                const std::int32_t result = call(a, t, m);
                a.seen += a.seen.empty() ? "requests" : ", requests";
                for (std::size_t i = 0; i < vrxstub_scratch_request_count(); ++i) {
                    const auto *request = vrxstub_scratch_request_at(i);
                    a.seen += " " + std::to_string(request->line) + "/" + std::to_string(request->size);
                }
                return result;
            }, [texts](const vrxstub_call &, Arena &a) {
                a.seen += ", texts";
                for (const auto &[at, length] : *texts) a.seen += " '" + std::string(at, strnlen(at, length + 1)) + "'";
            }});
        }
    return variants;
}

const Variants lists(positional_lists());

// A missing record is a memory failure; a refused list record leaves the
// core an empty list; a refused terminator of a list's last text ends the
// call. The archive log passes a null record on.
std::vector<Variant> records_refused() {
    const auto backup = [](int refused) {  // 0 the table space list, 1 the last path's terminator
        return [refused](Arena &a) {
            vrxgBackupStruct p{};
            p.piTablespaceList = text_list<vrxgTextList>(a, {1});
            p.piMediaList = text_list<vrxgMediaList>(a, {2, 3});
            if (refused == 0) vrxstub_refuse_region(p.piTablespaceList, 0, 3);
            else vrxstub_refuse_region(a.text(16, 3), 17, 3);
            return a.call(vrxgBackup, 1u, a.record(p), a.ca());
        };
    };
    const auto see = [](const vrxstub_call &c, Arena &a) {
        const vrxNameList *names = arg<vrxBackupStruct *>(c, 1)->tablespaces;
        if (names == nullptr) a.seen += " no list";
        else a.seen += " tablespaces" + listed(names->names, names->count) + " (" + std::to_string(names->count) + ")";
    };
    return {{"VRXGBACKUP", "null record", [](Arena &a) { return a.call(vrxgBackup, 1u, nullptr, a.ca()); }},
            {"VRXGRESTORE", "null record", [](Arena &a) { return a.call(vrxgRestore, 1u, nullptr, a.ca()); }},
            {"VRXGBACKUP", "tablespaces refused", backup(0), see},
            {"VRXGBACKUP", "last path refused", backup(1), see},
            {"VRXGARCHIVELOG", "null record", [](Arena &a) { return a.call(vrxgArchiveLog, 1u, nullptr, a.ca()); },
             nullptr, -1078}};
}

const Variants refused(records_refused());

}  // namespace
}  // namespace vrxtest::conformance
