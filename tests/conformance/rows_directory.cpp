// Database directory.
#include <tuple>

#include "conformance/conformance.h"
#include "vrxplatform/directory.h"

namespace vrxtest::conformance {
namespace {

// The handle in the core's close-scan record.
void see_handle(const vrxstub_call &c, Arena &a) { a.see(arg<const vrxDbDirCloseScanStruct *>(c, 1)->iHandle); }

const Rows rows = {
    // The type is 8 bits wide, the authentication 16.
    {"SQLGCADB", "'FEDCBA' 'EDCBA' 82 'DCBA' 'CBA' 'BA' 7 'A' ca",
     [](Arena &a) {
         return a.call(sqlgcadb, a.len(1), a.len(2), a.len(3), a.len(4), a.len(5), a.len(6), a.ca(), a.text(1),
                       kHigh16 | 7, a.text(2), a.text(3), a.text(4), kHigh8 | 'R', a.text(5), a.text(6));
     }},
    {"SQLGUNCD", "'A' ca", [](Arena &a) { return a.call(sqlguncd, a.len(1), a.ca(), a.text(1)); }},
    {"SQLGDCGD", "'CBA' 'BA' 'A' ca",
     [](Arena &a) { return a.call(sqlgdcgd, a.len(1), a.len(2), a.len(3), a.ca(), a.text(1), a.text(2), a.text(3)); }},
    {"SQLGDOSD", "'A' handle count ca",
     [](Arena &a) {
         return a.call(sqlgdosd, a.len(1), a.ca(), a.record<std::uint16_t>(1, "count"),
                       a.record<std::uint16_t>(2, "handle"), a.text(1));
     }},
    {"SQLGDGNE", "7 entry ca",
     [](Arena &a) { return a.call(sqlgdgne, kHigh16 | 7, a.record<vrxDbDirEntry *>(nullptr, "entry"), a.ca()); }},
    {"SQLGDCLS", "8020000 & ca 1286", [](Arena &a) { return a.call(sqlgdcls, kHigh16 | 0x0506, a.ca()); },
     {"SQLGDCLS"}, "", {}, see_handle},
    {"VRXGDBDIROPENSCAN", "9050000 & ca",
     [](Arena &a) {
         return a.call(vrxgDbDirOpenScan, a.version(9050000u),
                       a.output_from(a.record(vrxgDbDirOpenScanStruct{a.len32(1), a.text(1), 1, 2}),
                                     offsetof(vrxgDbDirOpenScanStruct, oHandle)), a.ca());
     },
     {"SQLGDOSD"}},
    {"VRXGDBDIRGETNEXTENTRY", "9050000 & ca",
     [](Arena &a) {
         return a.call(vrxgDbDirGetNextEntry, a.version(9050000u),
                       a.output_from(a.record(vrxgDbDirNextEntryStruct{7, 9, nullptr}),
                                     offsetof(vrxgDbDirNextEntryStruct, poDbDirEntry)), a.ca());
     },
     {"SQLGDGNE"}},
    {"VRXGDBDIRCLOSESCAN", "9050000 & ca 1286",
     [](Arena &a) {
         return a.call(vrxgDbDirCloseScan, a.version(9050000u), a.record(vrxgDbDirCloseScanStruct{0x0506}), a.ca());
     },
     {"SQLGDCLS"}, "", {}, see_handle},
};

// The scan's outputs reach the caller's record only after a core result of
// 0: the open scan's handle and count, the next entry's address. The path
// ends at its length; the next entry's handle is 16 bits wide.
Variant open_scan(std::int32_t result) {
    return {"VRXGDBDIROPENSCAN", "core result " + std::to_string(result),
            [](Arena &a) {
                auto *open = a.record(vrxgDbDirOpenScanStruct{a.len32(2), a.text(3), 0x6868, 0x6E6E}, "open");
                a.output(reinterpret_cast<char *>(open) + offsetof(vrxgDbDirOpenScanStruct, oHandle), 4);
                return a.call(vrxgDbDirOpenScan, 9050000u, open, a.ca());
            },
            [](const vrxstub_call &c, Arena &a) {
                auto *core = arg<vrxDbDirOpenScanStruct *>(c, 1);
                a.see(core->piPath);
                std::tie(core->oHandle, core->oNumEntries) = std::make_pair(7, 12);
            },
            result};
}

Variant next_entry(std::int32_t result) {
    return {"VRXGDBDIRGETNEXTENTRY", "core result " + std::to_string(result),
            [](Arena &a) {
                auto *next = a.record(vrxgDbDirNextEntryStruct{0x0304, 0xFFFF, nullptr}, "next");
                // The address's low four bytes: the core's address, "ABCD", has no others.
                a.output(reinterpret_cast<char *>(next) + offsetof(vrxgDbDirNextEntryStruct, poDbDirEntry), 4);
                return a.call(vrxgDbDirGetNextEntry, 9000000u, next, a.ca());
            },
            [](const vrxstub_call &c, Arena &a) {
                auto *core = arg<vrxDbDirNextEntryStruct *>(c, 1);
                a.see(core->iHandle);
                core->poDbDirEntry = reinterpret_cast<vrxDbDirEntry *>(std::uintptr_t{0x44434241});
            },
            result};
}

const Variants scanVariants({open_scan(0), open_scan(1014), next_entry(0), next_entry(1014)});

}  // namespace
}  // namespace vrxtest::conformance

// Node and host database directories, registration and alternate server.
// Their blank-padded texts sit in fixed fields; where a row can, it lays
// two texts over one terminator byte.

namespace vrxtest::conformance {
namespace {

// Appends the text of the field at `offset` of `record`, up to its NUL within `width`.
void see_field(Arena &a, const void *record, std::size_t offset, std::size_t width) {
    const char *at = static_cast<const char *>(record) + offset;
    a.seen += " '" + std::string(at, strnlen(at, width)) + "'";
}

// A node with a full comment and a full name, and a protocol-7 record laid
// over them: its 16-byte field ends on the comment's last byte, its 9-byte
// field is the name, so both of its texts end on a terminator already
// written for the node.
std::int32_t catalogue_node(Arena &a) {
    vrxNodeRecord n{0x200, 0xEEEE, {}, {}, 7, 0xEE};
    std::memcpy(n.comment, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd#", 31);
    std::memcpy(n.nodeName, "NODENAME#", 9);
    auto *node = a.record(n, "node");
    char *protocol = node != nullptr ? reinterpret_cast<char *>(node) + offsetof(vrxNodeRecord, comment) + 15 : nullptr;
    a.name(protocol, "protocol");
    return a.call(sqlgctnd, a.ca(), node, static_cast<void *>(protocol));
}

void see_node(const vrxstub_call &c, Arena &a) {
    see_field(a, arg<const void *>(c, 0), offsetof(vrxNodeRecord, comment), 31);
    see_field(a, arg<const void *>(c, 0), offsetof(vrxNodeRecord, nodeName), 9);
    see_field(a, arg<const void *>(c, 1), 0, 16);
}

vrxHostDbEntry *host_entry(Arena &a, std::uint16_t structId = 0x100, const char *local = "LOCAL") {
    vrxHostDbEntry e{};
    e.structId = structId;
    const std::pair<char *, const char *> texts[] = {{e.comment, "COMMENT"}, {e.localName, local},
                                                     {e.targetName, "TARGET"}, {e.requesterName, "REQ"},
                                                     {e.parameters, "PARMS"}};
    std::memset(e.comment, ' ', offsetof(vrxHostDbEntry, reserved3) - offsetof(vrxHostDbEntry, comment));
    for (const auto &[field, text] : texts) std::memcpy(field, text, std::strlen(text));
    return a.record(e, "entry");
}

// The five texts (offset, width) in offset order.
constexpr std::pair<std::size_t, std::size_t> kHostTexts[] = {{6, 31}, {37, 9}, {46, 19}, {65, 9}, {74, 513}};

void see_host_entry(const vrxstub_call &c, Arena &a) {
    for (const auto &[offset, width] : kHostTexts) see_field(a, arg<const void *>(c, 0), offset, width);
}

// An entry's identifier and its texts, which the library may fill.
void host_outputs(Arena &a, vrxHostDbEntry *e) {
    a.output(reinterpret_cast<char *>(e), 2);
    a.output(reinterpret_cast<char *>(e) + 6, sizeof *e - 6);
}

// The core writes "NEW" and a NUL at the start of each text of the entry at
// `at`, and the sqlcode.
void write_new(char *at, const vrxstub_call &c, std::size_t ca, std::int32_t sqlcode) {
    for (const auto &[offset, width] : kHostTexts) std::memcpy(at + offset, "NEW", 4);
    arg<sqlca *>(c, ca)->sqlcode = sqlcode;
}

// Delete and get pass the local name only and put it back, then fill the
// entry, local name first, after a result of 0 without a negative sqlcode,
// under the entry's identifier. The local name fills its field: its
// terminator's byte, 'z', goes back before the fill covers it.
Variant host_fill(const char *name, decltype(&sqlggdel) entry, std::int32_t result, std::int32_t sqlcode,
                  std::uint16_t structId = 0x100) {
    return {name,
            "result " + std::to_string(result) + " sqlcode " + std::to_string(sqlcode) +
                (structId != 0x100 ? " identifier " + std::to_string(structId) : ""),
            [=](Arena &a) {
                vrxHostDbEntry *e = host_entry(a, 0x100, "LOCALDB1z");
                host_outputs(a, e);
                return a.call(entry, a.ca(), e);
            },
            [=](const vrxstub_call &c, Arena &) {
                write_new(arg<char *>(c, 0), c, 1, sqlcode);
                std::memcpy(arg<char *>(c, 0), &structId, 2);
            },
            result};
}

// Get-entries reads the count after the call and fills the entries that
// carry the identifier (the second does not), under the same rule.
Variant host_entries(std::int32_t result, std::int32_t sqlcode) {
    return {"SQLGGDGT", "result " + std::to_string(result) + " sqlcode " + std::to_string(sqlcode),
            [](Arena &a) {
                std::vector<vrxHostDbEntry> values(3);
                values[0].structId = values[2].structId = 0x100;
                values[1].structId = 0x0FF;
                auto *count = a.record<std::int16_t>(0, "count");
                auto *entries = a.records(values, "entries");
                a.output(reinterpret_cast<char *>(count), 2);
                for (vrxHostDbEntry *e = entries; e != entries + 3; ++e)
                    a.output(reinterpret_cast<char *>(e) + 6, sizeof *e - 6);
                return a.call(sqlggdgt, a.ca(), count, entries);
            },
            [=](const vrxstub_call &c, Arena &) {
                std::memcpy(arg<char *>(c, 0), "\3", 2);
                for (int i = 0; i < 3; ++i) write_new(arg<char *>(c, 1) + i * sizeof(vrxHostDbEntry), c, 2, sqlcode);
            },
            result};
}

const Variants hostVariants({
    // Trimmed under identifier 0x100 only, and put back.
    {"SQLGGDAD", "identifier 255", [](Arena &a) { return a.call(sqlggdad, a.ca(), host_entry(a, 0x0FF)); },
     see_host_entry},
    host_fill("SQLGGDEL", sqlggdel, 0, 0), host_fill("SQLGGDEL", sqlggdel, 0, 100),
    host_fill("SQLGGDEL", sqlggdel, 0, -1), host_fill("SQLGGDEL", sqlggdel, 4, 0),
    host_fill("SQLGGDEL", sqlggdel, 0, 0, 0x101),
    host_fill("SQLGGDGE", sqlggdge, 0, 0), host_fill("SQLGGDGE", sqlggdge, 0, 100),
    host_fill("SQLGGDGE", sqlggdge, 0, -1), host_fill("SQLGGDGE", sqlggdge, 4, 0),
    host_fill("SQLGGDGE", sqlggdge, 0, 0, 0x101),
    host_entries(0, 0), host_entries(0, 5), host_entries(0, -1), host_entries(4, 0),
});

// The user's text runs over its length field to the password, whose length
// is 0: both end on the password's first byte.
auto registration(decltype(&sqlgregs) entry) {
    return [entry](Arena &a) {
        vrxRegistration r{};
        std::memset(&r, 'u', sizeof r);
        r.userIdLen = 52;
        r.passwordLen = 0;
        return a.call(entry, kHigh16 | 3, a.record(r, "registration"), a.ca());
    };
}

// The user's 50 letters and the low byte of its length; an empty password.
constexpr const char *kRegistrationSeen =
    "3 registration ca 'uuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuuu4' ''";

void see_registration(const vrxstub_call &c, Arena &a) {
    see_field(a, arg<const void *>(c, 1), 0, 52);
    see_field(a, arg<const void *>(c, 1), offsetof(vrxRegistration, password), 129);
}

// The node's texts trimmed under structure identifier 0x200 only, and the
// protocol record's texts by its code: codes sharing a layout, its size and
// its texts (offset, width), each holding "F" and its width, blank-padded;
// a 256-byte text is full, its terminator taking the last byte. Codes
// without a layout have none.
std::vector<Variant> node_layouts() {
    struct Layout {
        std::vector<std::uint8_t> codes;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> fields;
    };
    static const Layout kLayouts[] = {
        {{0}, {{0, 9}, {9, 9}, {18, 9}}}, {{1}, {{2, 9}}}, {{2}, {{0, 9}, {9, 9}, {18, 9}, {27, 9}}},
        {{3, 9, 10}, {{0, 256}, {256, 15}}}, {{4}, {{0, 9}}}, {{7}, {{0, 16}, {16, 9}}}, {{5, 6, 8, 11, 255}, {}},
    };
    std::vector<Variant> variants;
    for (const Layout &layout : kLayouts)
        for (std::uint8_t code : layout.codes)
            for (std::uint16_t structId : {0x200, 0x201}) {
                const auto call = [=](Arena &a) {
                    vrxNodeRecord n{structId, 0xEEEE, {}, {}, code, 0xEE};
                    std::memcpy(n.comment, "Branch office                  ", 31);
                    std::memcpy(n.nodeName, "NODE1    ", 9);
                    std::vector<char> protocol(271, 'p');
                    for (const auto &[offset, width] : layout.fields) {
                        const std::string text = width == 256 ? std::string(256, 'h') : "F" + std::to_string(width);
                        std::memcpy(&protocol[offset], (text + std::string(width - text.size(), ' ')).data(), width);
                    }
                    return a.call(sqlgctnd, a.ca(), a.record(n, "node"),
                                  static_cast<void *>(a.records(protocol, "protocol")));
                };
                const auto see = [=](const vrxstub_call &c, Arena &a) {
                    see_field(a, arg<const void *>(c, 0), offsetof(vrxNodeRecord, comment), 31);
                    see_field(a, arg<const void *>(c, 0), offsetof(vrxNodeRecord, nodeName), 9);
                    for (const auto &[offset, width] : layout.fields)
                        see_field(a, arg<const void *>(c, 1), offset, width);
                };
                const std::string label = "code " + std::to_string(code) + " id " + std::to_string(structId);
                variants.push_back({"SQLGCTND", label, call, see});
            }
    return variants;
}

const Variants variants(node_layouts());

const Rows nodeAndHostRows = {
    {"SQLGCTND", "node protocol ca 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcd' 'NODENAME' 'PQRSTUVWXYZabcd'",
     catalogue_node, {}, "", {}, see_node},
    {"SQLGUNCN", "'A' ca", [](Arena &a) { return a.call(sqlguncn, a.len(1), a.ca(), a.text(1)); }},
    {"SQLGNOPS", "handle count ca",
     [](Arena &a) {
         return a.call(sqlgnops, a.record<std::uint16_t>(1, "handle"), a.record<std::uint16_t>(2, "count"), a.ca());
     }},
    {"SQLGNGNE", "7 entry ca",
     [](Arena &a) { return a.call(sqlgngne, kHigh16 | 7, a.record<vrxNodeDirEntry *>(nullptr, "entry"), a.ca()); }},
    {"SQLGNCLS", "7 ca", [](Arena &a) { return a.call(sqlgncls, kHigh16 | 7, a.ca()); }},
    {"SQLGGDAD", "entry ca 'COMMENT' 'LOCAL' 'TARGET' 'REQ' 'PARMS'",
     [](Arena &a) { return a.call(sqlggdad, a.ca(), host_entry(a)); }, {}, "", {}, see_host_entry},
    {"SQLGGDEL", "entry ca 'LOCAL'", [](Arena &a) { return a.call(sqlggdel, a.ca(), host_entry(a)); }, {}, "", {},
     [](const vrxstub_call &c, Arena &a) { see_field(a, arg<const void *>(c, 0), 37, 9); }},
    {"SQLGGDGE", "entry ca 'LOCAL'", [](Arena &a) { return a.call(sqlggdge, a.ca(), host_entry(a)); }, {}, "", {},
     [](const vrxstub_call &c, Arena &a) { see_field(a, arg<const void *>(c, 0), 37, 9); }},
    {"SQLGGDSC", "count ca", [](Arena &a) { return a.call(sqlggdsc, a.ca(), a.record<std::int16_t>(3, "count")); }},
    {"SQLGGDGT", "count entry ca",
     [](Arena &a) { return a.call(sqlggdgt, a.ca(), a.record<std::int16_t>(1, "count"), host_entry(a)); }},
    {"SQLGGDCL", "ca", [](Arena &a) { return a.call(sqlggdcl, a.ca()); }},
    // Terminated in argument order, handed over in the reverse one; all five end on one byte.
    {"SQLGCTDD", "'EDCBA' 'DCBA' 100 'CBA' 'BA' 'A' 9 ca",
     [](Arena &a) {
         return a.call(sqlgctdd, a.len(1), a.len(2), a.len(3), a.len(4), a.len(5), a.ca(), kHigh16 | 9, a.text(1),
                       a.text(2), a.text(3), kHigh8 | 'd', a.text(4), a.text(5));
     }},
    {"SQLGREGS", kRegistrationSeen, registration(sqlgregs), {}, "", {}, see_registration},
    {"SQLGDREG", kRegistrationSeen, registration(sqlgdreg), {}, "", {}, see_registration},
    {"VRXGUPDATEALTERNATESERVERFORDB", "9050000 & ca 'A' 'BA' 'CBA'",
     [](Arena &a) {
         return a.call(vrxgUpdateAlternateServerForDB, a.version(9050000u),
                       a.record(vrxgUpdateAltServerStruct{a.len32(1), a.text(1), a.len32(2), a.text(2), a.len32(3),
                                                          a.text(3)}), a.ca());
     },
     {"SQLGUPAS"}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxUpdateAltServerStruct *>(c, 1);
         a.see(core->piDbAlias, core->piHostName, core->piPort);
     }},
};

}  // namespace
}  // namespace vrxtest::conformance
