// Node directory, through the library's exports: which texts of the node
// and protocol records the core sees trimmed, which checks precede them,
// the caller's storage after every call, and cataloguing, scanning and
// uncataloguing end to end through the stand-in's node directory.
#include "harness.h"
#include "vrxplatform/directory.h"

using namespace vrxtest;

namespace {

class NodeDirectoryTest : public PlatformTest {};

std::string padded(const std::string &value, std::size_t width) {
    return value + std::string(width - value.size(), ' ');
}

// A node record in caller storage, its texts blank-padded.
vrxNodeRecord *place_node(CallerStorage &mem, std::uint16_t structId, std::uint8_t protocol,
                          const std::string &name = "NODE1") {
    vrxNodeRecord node{structId, 0xEEEE, {}, {}, protocol, 0xEE};
    std::memcpy(node.comment, padded("Branch office", 31).data(), 31);
    std::memcpy(node.nodeName, padded(name, 9).data(), 9);
    return mem.place(node);
}

// The protocol layouts: the codes that share one, its record size and its
// text fields (offset, width). Codes without a layout have size 0.
struct Layout {
    std::vector<std::uint8_t> codes;
    std::uint32_t size;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> fields;
};
const Layout kLayouts[] = {
    {{0}, 27, {{0, 9}, {9, 9}, {18, 9}}},
    {{1}, 12, {{2, 9}}},
    {{2}, 126, {{0, 9}, {9, 9}, {18, 9}, {27, 9}}},
    {{3, 9, 10}, 271, {{0, 256}, {256, 15}}},
    {{4}, 12, {{0, 9}}},
    {{7}, 25, {{0, 16}, {16, 9}}},
    {{5, 6, 8, 11, 255}, 0, {}},
};

// Each field k holds "F<k>" blank-padded; a 256-byte field is full: 255
// letters and the byte for the terminator.
std::string field_value(std::size_t k, std::uint32_t width) {
    return width == 256 ? std::string(255, 'h') + "#" : padded("F" + std::to_string(k), width);
}

TEST_F(NodeDirectoryTest, CatalogueTrimsTheNodeUnderItsIdAndTheProtocolRecordByItsCode) {
    for (const Layout &layout : kLayouts) {
        for (std::uint8_t code : layout.codes) {
            for (std::uint16_t structId : {0x200, 0x201}) {
                SCOPED_TRACE("protocol " + std::to_string(code) + " structId " + std::to_string(structId));
                vrxstub_reset();
                CallerStorage mem;
                vrxNodeRecord *node = place_node(mem, structId, code);
                char *protocol = mem.field("", 271, 'p');
                for (std::size_t k = 0; k < layout.fields.size(); ++k) {
                    const auto [offset, width] = layout.fields[k];
                    std::memcpy(protocol + offset, field_value(k, width).data(), width);
                }
                sqlca *ca = mem.ca();
                vrxstub_set_ptr_check(1);
                mem.snapshot();
                std::vector<std::string> seen;
                CoreHook hook("sqlectnd_api", [&](const vrxstub_call &c) {
                    EXPECT_EQ(arg<vrxNodeRecord *>(c, 0), node);
                    EXPECT_EQ(arg<char *>(c, 1), protocol);
                    seen = {std::string(node->comment, strnlen(node->comment, 31)),
                            std::string(node->nodeName, strnlen(node->nodeName, 9))};
                    for (const auto &[offset, width] : layout.fields)
                        seen.emplace_back(protocol + offset, strnlen(protocol + offset, width));
                    return -1013;
                });
                EXPECT_EQ(sqlgctnd(ca, node, protocol), -1013);

                const bool trimmed = structId == 0x200;
                std::vector<std::string> expected{trimmed ? "Branch office" : padded("Branch office", 31),
                                                  trimmed ? "NODE1" : padded("NODE1", 9)};
                std::vector<Check> checks{{node, 46, 1}};
                if (trimmed) checks.insert(checks.end(), {{node->comment, 31, 2}, {node->nodeName, 9, 2}});
                if (layout.size != 0) checks.push_back({protocol, layout.size, 1});
                for (std::size_t k = 0; k < layout.fields.size(); ++k) {
                    const auto [offset, width] = layout.fields[k];
                    expected.push_back(width == 256 ? std::string(255, 'h') : "F" + std::to_string(k));
                    checks.push_back({protocol + offset, width, 2});
                }
                EXPECT_EQ(seen, expected);
                EXPECT_EQ(checks_made(), checks);
                EXPECT_TRUE(mem.unchanged_except());
            }
        }
    }
}

// A null or refused record has none of its texts terminated; a refused
// node record leaves the protocol record alone as well.
TEST_F(NodeDirectoryTest, NullAndRefusedRecordsAreNotTerminated) {
    CallerStorage mem;
    vrxNodeRecord *node = place_node(mem, 0x200, 3);
    char *protocol = mem.field(padded("HOST", 256) + padded("SVC", 15), 271);
    sqlca *ca = mem.ca();
    const struct {
        const char *name;
        vrxNodeRecord *node;
        char *protocol;
        const void *refused;
        std::uint32_t refusedLength;
        std::string seenName, seenHost;
    } cases[] = {
        {"null node", nullptr, protocol, nullptr, 0, "", "HOST"},
        {"refused node", node, protocol, node, 46, "NODE1", "HOST"},
        {"refused protocol", node, protocol, protocol, 271, "NODE1", "HOST"},
        {"null protocol", node, nullptr, nullptr, 0, "NODE1", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        vrxstub_refuse_region(c.refused, c.refusedLength, 1);
        mem.snapshot();
        std::string name, host;
        CoreHook hook("sqlectnd_api", [&](const vrxstub_call &) {
            name = std::string(node->nodeName, strnlen(node->nodeName, 9));
            host = std::string(protocol, strnlen(protocol, 256));
            return 0;
        });
        EXPECT_EQ(sqlgctnd(ca, c.node, c.protocol), 0);
        const bool nodeTrimmed = c.node != nullptr && c.refused != node;
        const bool protocolTrimmed = nodeTrimmed && c.protocol != nullptr && c.refused != protocol;
        EXPECT_EQ(name, nodeTrimmed ? "NODE1" : padded("NODE1", 9));
        EXPECT_EQ(host, protocolTrimmed ? "HOST" : padded("HOST", 256));
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// --- end to end through the stand-in's node directory --------------------------------

std::vector<std::string> node_listing(sqlca *ca) {
    std::uint16_t handle = 0, count = 0;
    EXPECT_EQ(sqlgnops(&handle, &count, ca), 0);
    std::vector<std::string> out;
    vrxNodeDirEntry *entry = nullptr;
    auto text = [](const char *field, std::size_t width) {
        const std::string t(field, width);
        return t.substr(0, t.find_last_not_of(' ') + 1);
    };
    for (std::uint16_t i = 0; i < count; ++i)
        if (sqlgngne(kHigh | handle, &entry, ca) == 0)
            out.push_back(text(entry->nodeName, 8) + "/" + text(entry->comment, 30) + "/" +
                          std::to_string(entry->protocol) + "/" + text(entry->hostName, 255) + "/" +
                          text(entry->serviceName, 14));
    EXPECT_EQ(sqlgngne(handle, &entry, ca), 1014);
    EXPECT_EQ(sqlgncls(kHigh | handle, ca), 0);
    return out;
}

TEST_F(NodeDirectoryTest, CatalogueScanAndUncatalogueEndToEnd) {
    sqlca ca{};
    vrxNodeRecord node = {0x200, 0, {}, {}, 3, 0};
    std::memcpy(node.comment, padded("Branch office", 31).data(), 31);
    std::memcpy(node.nodeName, padded("branch1", 9).data(), 9);
    vrxNodeProtocolHost host;
    std::memcpy(host.hostName, padded("db.example.org", 256).data(), 256);
    std::memcpy(host.serviceName, padded("50000", 15).data(), 15);
    ASSERT_EQ(sqlgctnd(&ca, &node, &host), 0);
    EXPECT_EQ(sqlgctnd(&ca, &node, &host), -1018) << "node names ignore case";
    EXPECT_EQ(node_listing(&ca), (std::vector<std::string>{"branch1/Branch office/3/db.example.org/50000"}));

    std::string name = "BRANCH1";
    EXPECT_EQ(sqlguncn(7, &ca, name.data()), 0);
    EXPECT_EQ(sqlguncn(7, &ca, name.data()), -1097);
    EXPECT_EQ(ca.sqlcode, -1097);
    EXPECT_TRUE(node_listing(&ca).empty());
}

}  // namespace
