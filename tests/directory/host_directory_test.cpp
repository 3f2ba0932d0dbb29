// Host database directory, what the conformance rows do not show: the
// structure identifier and the results under which the entry's texts are
// trimmed, put back and blank-filled, in each entry point's order, and the
// regions checked.
#include "harness.h"
#include "vrxplatform/directory.h"

using namespace vrxtest;

namespace {

class HostDirectoryTest : public PlatformTest {};

// The entry's texts (offset, width) in offset order, and the order in
// which delete and get fill them.
const std::pair<std::size_t, std::uint32_t> kFields[] = {{6, 31}, {37, 9}, {46, 19}, {65, 9}, {74, 513}};
const std::size_t kLocalFirst[] = {1, 0, 2, 3, 4};

char *at(vrxHostDbEntry *e, std::size_t field) { return reinterpret_cast<char *>(e) + kFields[field].first; }

// An entry whose texts are "T" and blanks; the local name fills its eight
// characters, so that its terminator takes the field's last byte, 'z'.
vrxHostDbEntry *place_entry(CallerStorage &mem, std::uint16_t structId) {
    auto *e = static_cast<vrxHostDbEntry *>(mem.room(sizeof(vrxHostDbEntry)));
    std::memset(static_cast<void *>(e), ' ', sizeof *e);
    e->structId = structId;
    for (std::size_t f = 0; f < 5; ++f) at(e, f)[0] = 'T';
    std::memcpy(at(e, 1), "LOCALDB1z", 9);
    return e;
}

// Each text as the core reads it, up to its NUL within its width.
std::string texts(vrxHostDbEntry *e) {
    std::string out;
    for (std::size_t f = 0; f < 5; ++f) out += std::string(at(e, f), strnlen(at(e, f), kFields[f].second)) + "|";
    return out;
}

// The core writes "NEW" and a NUL at the start of each text; blank-filled,
// each then reads "NEW" and blanks to its width.
void write_new(vrxHostDbEntry *e) {
    for (std::size_t f = 0; f < 5; ++f) std::memcpy(at(e, f), "NEW", 4);
}
bool filled(vrxHostDbEntry *e) {
    for (std::size_t f = 0; f < 5; ++f)
        if (std::string(at(e, f), kFields[f].second) != "NEW" + std::string(kFields[f].second - 3, ' ')) return false;
    return true;
}

// Fields go back only while the entry still carries its identifier.
TEST_F(HostDirectoryTest, AddTrimsAHostEntryAndPutsItBackUnderItsIdentifier) {
    const std::uint16_t cases[][2] = {{0x100, 0x100}, {0x0FF, 0x0FF}, {0x100, 0x101}};
    for (const auto &[before, after] : cases) {
        SCOPED_TRACE(before * 1000 + after);
        vrxstub_reset();
        CallerStorage mem;
        vrxHostDbEntry *e = place_entry(mem, before);
        const std::string untrimmed = texts(e);
        std::string seen;
        CoreHook hook("sqlegdad_api", [&](const vrxstub_call &) {
            seen = texts(e);
            e->structId = after;
            return 0;
        });
        EXPECT_EQ(sqlggdad(mem.ca(), e), 0);
        EXPECT_EQ(seen, before == 0x100 ? "T|LOCALDB1|T|T|T|" : untrimmed);
        EXPECT_EQ(texts(e), before == after ? untrimmed : seen);
    }
}

// Delete and get pass the local name only and put it back, then fill the
// entry local name first after a result of 0 without a negative sqlcode,
// under the entry's identifier. The local name's last byte goes back
// before the fill, which then covers it.
TEST_F(HostDirectoryTest, DeleteAndGetFillTheEntryOnlyAfterSuccess) {
    const struct {
        std::int32_t result, sqlcode;
        std::uint16_t structId;
        bool fill;
    } cases[] = {{0, 0, 0x100, true}, {0, 100, 0x100, true}, {0, -1, 0x100, false}, {4, 0, 0x100, false},
                 {0, 0, 0x101, false}};
    for (const auto &[core, call] : {std::make_pair("sqlegdel_api", &sqlggdel), std::make_pair("sqlegdge_api", &sqlggdge)}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(core) + " " + std::to_string(c.result) + " " + std::to_string(c.sqlcode));
            vrxstub_reset();
            CallerStorage mem;
            vrxHostDbEntry *e = place_entry(mem, 0x100);
            sqlca *ca = mem.ca();
            vrxstub_set_ptr_check(1);
            CoreHook hook(core, [&](const vrxstub_call &) {
                write_new(e);
                e->structId = c.structId;
                ca->sqlcode = c.sqlcode;
                return c.result;
            });
            EXPECT_EQ(call(ca, e), c.result);
            std::vector<Check> checks{{e, 588, 1}, {at(e, 1), 9, 2}};
            if (c.fill)
                for (std::size_t f : kLocalFirst) checks.push_back({at(e, f), kFields[f].second, 2});
            EXPECT_EQ(checks_made(), checks);
            EXPECT_EQ(filled(e), c.fill);
            if (!c.fill) {
                EXPECT_EQ(std::string(at(e, 1), 9), std::string("NEW\0LDB1z", 9));
            }
        }
    }
}

// Get-entries reads the count after the call and fills the entries that
// carry the identifier, only after a result of 0 without a negative sqlcode.
TEST_F(HostDirectoryTest, GetEntriesFillsTheHostEntriesTheCoreReturned) {
    const std::int32_t cases[][3] = {{0, 0, true}, {0, 5, true}, {0, -1, false}, {4, 0, false}};
    for (const auto &[result, sqlcode, fill] : cases) {
        SCOPED_TRACE(std::to_string(result) + " " + std::to_string(sqlcode));
        vrxstub_reset();
        CallerStorage mem;
        auto *entries = static_cast<vrxHostDbEntry *>(mem.room(3 * sizeof(vrxHostDbEntry)));
        auto *count = mem.place(std::int16_t{0});
        sqlca *ca = mem.ca();
        vrxstub_set_ptr_check(1);
        CoreHook hook("sqlegdgt_api", [&](const vrxstub_call &) {
            *count = 3;
            for (int i = 0; i < 3; ++i) {
                entries[i].structId = i == 1 ? 0x0FF : 0x100;
                write_new(&entries[i]);
            }
            ca->sqlcode = sqlcode;
            return result;
        });
        EXPECT_EQ(sqlggdgt(ca, count, entries), result);
        EXPECT_EQ(filled(&entries[0]) + 2 * filled(&entries[1]) + 4 * filled(&entries[2]), fill ? 5 : 0);
        EXPECT_EQ(checks_made().size(), fill ? 10u : 0u);
    }
}

}  // namespace
