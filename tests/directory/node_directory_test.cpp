// Node directory, what the conformance rows do not show: which texts of
// the node and protocol records the core sees trimmed, by structure
// identifier and protocol code, and the checks that precede them.
#include "harness.h"
#include "vrxplatform/directory.h"

using namespace vrxtest;

namespace {

class NodeDirectoryTest : public PlatformTest {};

std::string padded(const std::string &value, std::size_t width) {
    return value + std::string(width - value.size(), ' ');
}

// A node record in caller storage, its texts blank-padded.
vrxNodeRecord *place_node(CallerStorage &mem, std::uint16_t structId, std::uint8_t protocol) {
    vrxNodeRecord node{structId, 0xEEEE, {}, {}, protocol, 0xEE};
    std::memcpy(node.comment, padded("Branch office", 31).data(), 31);
    std::memcpy(node.nodeName, padded("NODE1", 9).data(), 9);
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
    {{0}, 27, {{0, 9}, {9, 9}, {18, 9}}}, {{1}, 12, {{2, 9}}},           {{2}, 126, {{0, 9}, {9, 9}, {18, 9}, {27, 9}}},
    {{3, 9, 10}, 271, {{0, 256}, {256, 15}}}, {{4}, 12, {{0, 9}}},       {{7}, 25, {{0, 16}, {16, 9}}},
    {{5, 6, 8, 11, 255}, 0, {}},
};

// Every protocol field holds "F" and its width, blank-padded; a 256-byte
// field is full, its terminator taking the last byte.
TEST_F(NodeDirectoryTest, CatalogueTrimsTheNodeUnderItsIdAndTheProtocolRecordByItsCode) {
    for (const Layout &layout : kLayouts) {
        for (std::uint8_t code : layout.codes) {
            for (std::uint16_t structId : {0x200, 0x201}) {
                SCOPED_TRACE(std::to_string(code) + " " + std::to_string(structId));
                vrxstub_reset();
                CallerStorage mem;
                vrxNodeRecord *node = place_node(mem, structId, code);
                char *protocol = mem.field("", 271, 'p');
                for (const auto &[offset, width] : layout.fields)
                    std::memcpy(protocol + offset, (width == 256 ? std::string(256, 'h') : padded("F" + std::to_string(width), width)).data(), width);
                vrxstub_set_ptr_check(1);
                std::string seen;
                CoreHook hook("sqlectnd_api", [&](const vrxstub_call &) {
                    seen = std::string(node->comment, strnlen(node->comment, 31)) + "|" +
                           std::string(node->nodeName, strnlen(node->nodeName, 9));
                    for (const auto &[offset, width] : layout.fields)
                        seen += "|" + std::string(protocol + offset, strnlen(protocol + offset, width));
                    return 0;
                });
                EXPECT_EQ(sqlgctnd(mem.ca(), node, protocol), 0);

                const bool trimmed = structId == 0x200;
                std::string expected = trimmed ? "Branch office|NODE1" : padded("Branch office", 31) + "|" + padded("NODE1", 9);
                std::vector<Check> checks{{node, 46, 1}};
                if (trimmed) checks.insert(checks.end(), {{node->comment, 31, 2}, {node->nodeName, 9, 2}});
                if (layout.size != 0) checks.push_back({protocol, layout.size, 1});
                for (const auto &[offset, width] : layout.fields) {
                    expected += "|" + (width == 256 ? std::string(255, 'h') : "F" + std::to_string(width));
                    checks.push_back({protocol + offset, width, 2});
                }
                EXPECT_EQ(seen, expected);
                EXPECT_EQ(checks_made(), checks);
            }
        }
    }
}

}  // namespace
