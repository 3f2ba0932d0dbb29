// Database lifecycle. The create forms' code-set record lies in the
// descriptor's comment, so that the territory's five letters end where the
// comment does: the comment is terminated first and put back last. (With
// blanks after its text, the territory's trimming would stop at the
// comment's NUL and end a byte later.)
#include <array>
#include <cstddef>
#include <cstring>
#include <string>

#include "conformance/conformance.h"
#include "vrxplatform/control.h"

namespace vrxtest::conformance {
namespace {

template <class Entry>
auto create(Entry entry, const char *eyeCatcher) {
    return [=](Arena &a) {
        vrxDbDescriptor d{};
        std::memcpy(d.eyeCatcher, eyeCatcher, 8);
        std::memcpy(d.collatingTable, "TABLE", 5);
        std::memset(d.collatingTable + 5, ' ', sizeof d.collatingTable - 5);
        std::memcpy(d.comment, "CODESET   TERRI                ", 31);
        char *at = reinterpret_cast<char *>(a.record(d, "descriptor"));
        auto *codes = reinterpret_cast<vrxDbCodeSet *>(at != nullptr ? at + offsetof(vrxDbDescriptor, comment) : at);
        a.name(codes, "codes");
        return entry(a, reinterpret_cast<vrxDbDescriptor *>(at), codes);
    };
}

auto one_text(decltype(&sqlgdrpd) entry) {
    return [entry](Arena &a) { return a.call(entry, ~0u, a.len(1), a.ca(), a.record(9u), a.text(1)); };
}

// Given password, user name, alias; the core takes them the other way round.
auto reversed(decltype(&sqlgmgdb) entry) {
    return [entry](Arena &a) {
        return a.call(entry, a.len(1), a.len(2), a.len(3), a.ca(), a.text(1), a.text(2), a.text(3));
    };
}

auto activation(decltype(&sqlg_activate_db) entry) {
    return [entry](Arena &a) {
        return a.call(entry, a.len(1), a.len(2), a.len(3), a.text(1), a.text(2), a.text(3), ~0u, a.ca());
    };
}

const Rows rows = {
    {"SQLGCREA", "'CBA' 'BA' 'A' descriptor codes 0 0 ca",
     create([](Arena &a, vrxDbDescriptor *d, vrxDbCodeSet *c) {
         return a.call(sqlgcrea, a.len(1), a.len(2), a.len(3), a.ca(), ~0u, ~0u, c, d, a.text(1), a.text(2), a.text(3));
     }, "SQLDBD02")},
    {"SQLGDBCR", "'BA' 'A' descriptor 3 codes ca",
     create([](Arena &a, vrxDbDescriptor *d, vrxDbCodeSet *c) {
         return a.call(sqlgdbcr, a.len(1), a.len(2), a.ca(), c, kHigh16 | 3, d, a.text(1), a.text(2));
     }, "SQLDBDB0")},
    {"SQLGDRPD", "'A' rec ca", one_text(sqlgdrpd)},
    {"SQLGCRAN", "'A' rec ca", one_text(sqlgcran)},
    {"SQLGDPAN", "'A' rec ca", one_text(sqlgdpan)},
    {"SQLGMGDB", "'CBA' 'BA' 'A' ca", reversed(sqlgmgdb)},
    {"SQLGRSTD", "'CBA' 'BA' 'A' ca", reversed(sqlgrstd)},
    {"VRXGDATABASERESTART", "9050000 & ca 'A' 'BA' 'CBA' 'DCBA'",
     [](Arena &a) {
         const vrxgDatabaseRestartStruct r{a.len32(1), a.len32(2), a.len32(3), a.len32(4),
                                           a.text(1),  a.text(2),  a.text(3),  a.text(4)};
         return a.call(vrxgDatabaseRestart, a.version(9050000u), a.record(r), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxDatabaseRestartStruct *>(c, 1);
         a.see(core->piDbAlias, core->piUserName, core->piPassword, core->piTablespaceNames);
     }},
    {"SQLG_ACTIVATE_DB", "'A' 'BA' 'CBA' 0 ca", activation(sqlg_activate_db)},
    {"SQLG_DEACTIVATE_DB", "'A' 'BA' 'CBA' 0 ca", activation(sqlg_deactivate_db)},
    {"SQLGADDN", "options ca",
     [](Arena &a) { return a.call(sqlgaddn, ~0u, a.ca(), a.record(std::array<std::uint32_t, 4>{}, "options")); }},
    {"SQLGDRPN", "32769 rec ca",
     [](Arena &a) { return a.call(sqlgdrpn, ~0u, a.ca(), a.record(9u), kHigh16 | 0x8001); }},
};

// A create form trims the descriptor of its own kind only; a table with no
// blank at its end goes unterminated; the code set and territory always.
std::int32_t create_with(Arena &a, bool dbcr, const char *eyeCatcher, const std::string &table) {
    vrxDbDescriptor d{};
    std::memcpy(d.eyeCatcher, eyeCatcher, 8);
    std::memcpy(d.collatingTable, (table + std::string(256 - table.size(), ' ')).data(), 256);
    std::memcpy(d.comment, "A comment                      ", 31);
    auto *descriptor = a.record(d, "descriptor");
    const vrxDbCodeSet codeSet{{'U', 'T', 'F', '-', '8', ' ', ' ', ' ', ' ', ' '}, {'D', 'E', ' ', ' ', ' ', ' '}};
    auto *codes = a.record(codeSet, "codes");
    return dbcr ? a.call(sqlgdbcr, 0, 0, a.ca(), codes, 0, descriptor, nullptr, nullptr)
                : a.call(sqlgcrea, 0, 0, 0, a.ca(), 0, 0, codes, descriptor, nullptr, nullptr, nullptr);
}

// The comment, the table, the code set and the territory as the core reads them.
Variant create_variant(bool dbcr, const char *eyeCatcher, const std::string &table = "TABLE") {
    return {dbcr ? "SQLGDBCR" : "SQLGCREA", std::string(eyeCatcher) + (table == "TABLE" ? "" : ", full table"),
            [=](Arena &a) { return create_with(a, dbcr, eyeCatcher, table); },
            [dbcr](const vrxstub_call &c, Arena &a) {
                const char *d = arg<const char *>(c, dbcr ? 2 : 3), *codes = arg<const char *>(c, 4);
                for (const auto &[at, width] : {std::pair{d + offsetof(vrxDbDescriptor, comment), 31}, {d + 16, 256},
                                                {codes, 10}, {codes + 10, 6}})
                    a.seen += " '" + std::string(at, strnlen(at, width)) + "'";
            }};
}

const Variants variants({
    create_variant(false, "SQLDBD02"), create_variant(false, "SQLDBD02", std::string(256, 'Q')),
    create_variant(false, "SQLDBDB0"), create_variant(true, "SQLDBDB0"), create_variant(true, "SQLDBD02"),
    create_variant(true, "SQLDBDB1"),
    // The options record is checked ahead of the initialisation; sqlerrp stays the caller's.
    {"SQLGADDN", "initialisation failing",
     [](Arena &a) {
         vrxstub_set_init_result(-1);
         std::memcpy(a.ca()->sqlerrp, "CALLER", 7);
         return a.call(sqlgaddn, 0, a.ca(), a.record(std::array<std::uint32_t, 4>{}, "options"));
     }},
});

}  // namespace
}  // namespace vrxtest::conformance
