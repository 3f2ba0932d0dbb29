// Host database directory, registration and the alternate server, through
// the library's exports: the entry's texts trimmed for the call and
// blank-filled after a successful read in each entry point's order, and
// the texts of the registration and alternate-server records.
#include "harness.h"
#include "vrxplatform/directory.h"

using namespace vrxtest;

namespace {

class HostDirectoryTest : public PlatformTest {};

// The entry's five texts: offset, width, and the value the tests give them.
struct HostField {
    std::size_t offset;
    std::uint32_t width;
    const char *value;
};
const HostField kComment{6, 31, "A comment"}, kLocal{37, 9, "LOCALDB1"}, kTarget{46, 19, "TARGETDB"},
    kRequester{65, 9, "REQ"}, kParameters{74, 513, "PARMS"};
const HostField kCommentFirst[] = {kComment, kLocal, kTarget, kRequester, kParameters};
const HostField kLocalFirst[] = {kLocal, kComment, kTarget, kRequester, kParameters};

std::string padded(const std::string &value, std::size_t width) {
    return value + std::string(width - value.size(), ' ');
}

char *at(vrxHostDbEntry *e, const HostField &f) { return reinterpret_cast<char *>(e) + f.offset; }

// An entry in caller storage with every text blank-padded to its width.
// The local name fills its eight characters: its terminator takes the
// field's last byte, 'z'.
vrxHostDbEntry *place_entry(CallerStorage &mem, std::uint16_t structId) {
    auto *e = static_cast<vrxHostDbEntry *>(mem.room(sizeof(vrxHostDbEntry)));
    std::memset(static_cast<void *>(e), 'r', sizeof *e);
    e->structId = structId;
    for (const HostField &f : kCommentFirst) {
        std::memset(at(e, f), ' ', f.width);
        std::memcpy(at(e, f), f.value, std::strlen(f.value));
    }
    at(e, kLocal)[8] = 'z';
    return e;
}

// The texts as the core reads them, each up to its terminator within its width.
std::vector<std::string> texts(vrxHostDbEntry *e) {
    std::vector<std::string> out;
    for (const HostField &f : kCommentFirst) out.emplace_back(at(e, f), strnlen(at(e, f), f.width));
    return out;
}

// The texts as the core reads them: all trimmed, the local name only, or
// none, as the caller padded them.
enum class Trim { None, LocalName, All };
std::vector<std::string> seen_texts(Trim trim) {
    std::vector<std::string> out;
    for (const HostField &f : kCommentFirst) {
        const bool local = f.offset == kLocal.offset;
        std::string full = padded(f.value, f.width);
        if (local) full.back() = 'z';
        out.push_back(trim == Trim::All || (trim == Trim::LocalName && local) ? f.value : full);
    }
    return out;
}

std::vector<Check> field_checks(vrxHostDbEntry *e, const HostField *fields, std::size_t n) {
    std::vector<Check> out;
    for (std::size_t i = 0; i < n; ++i) out.push_back({at(e, fields[i]), fields[i].width, 2});
    return out;
}

// The core writes "NEW" and a NUL at the start of every text of `e`.
void write_new(vrxHostDbEntry *e) {
    for (const HostField &f : kCommentFirst) std::memcpy(at(e, f), "NEW", 4);
}

bool filled(vrxHostDbEntry *e) {
    for (const HostField &f : kCommentFirst)
        if (std::string(at(e, f), f.width) != "NEW" + std::string(f.width - 3, ' ')) return false;
    return true;
}

// Fields go back only while the entry still carries its structure identifier.
TEST_F(HostDirectoryTest, AddTrimsEveryTextOfAHostEntry) {
    const struct {
        std::uint16_t before, after;
    } cases[] = {{0x100, 0x100}, {0x0FF, 0x0FF}, {0x100, 0x101}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.before * 1000 + c.after);
        vrxstub_reset();
        CallerStorage mem;
        vrxHostDbEntry *e = place_entry(mem, c.before);
        sqlca *ca = mem.ca();
        vrxstub_set_ptr_check(1);
        mem.snapshot();
        std::vector<std::string> seen;
        CoreHook hook("sqlegdad_api", [&](const vrxstub_call &) {
            seen = texts(e);
            e->structId = c.after;
            return 0;
        });
        EXPECT_EQ(sqlggdad(ca, e), 0);
        const bool trim = c.before == 0x100;
        EXPECT_EQ(seen, seen_texts(trim ? Trim::All : Trim::None));
        std::vector<Check> checks{{e, 588, 1}};
        if (trim)
            for (const Check &f : field_checks(e, kCommentFirst, 5)) checks.push_back(f);
        EXPECT_EQ(checks_made(), checks);
        if (c.after == c.before)
            EXPECT_TRUE(mem.unchanged_except());
        else
            EXPECT_EQ(texts(e), seen) << "nothing put back under another identifier";
    }
}

// Delete and get pass the local name only, put it back, and fill the entry
// local name first after a result of 0 with no negative sqlcode, under the
// entry's identifier. The local name's own last byte goes back before the
// fill, which then covers it.
TEST_F(HostDirectoryTest, DeleteAndGetFillTheEntryOnlyAfterSuccess) {
    const std::pair<const char *, decltype(&sqlggdel)> forms[] = {
        {"sqlegdel_api", sqlggdel}, {"sqlegdge_api", sqlggdge}};
    const struct {
        std::int32_t result, sqlcode;
        std::uint16_t structId;
        bool fill;
    } cases[] = {{0, 0, 0x100, true}, {0, 100, 0x100, true}, {0, -1, 0x100, false}, {4, 0, 0x100, false},
                 {0, 0, 0x101, false}};
    for (const auto &[core, call] : forms) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(core) + " " + std::to_string(c.result) + " " + std::to_string(c.sqlcode));
            vrxstub_reset();
            CallerStorage mem;
            vrxHostDbEntry *e = place_entry(mem, 0x100);
            sqlca *ca = mem.ca();
            vrxstub_set_ptr_check(1);
            std::vector<std::string> seen;
            CoreHook hook(core, [&](const vrxstub_call &) {
                seen = texts(e);
                write_new(e);
                e->structId = c.structId;
                ca->sqlcode = c.sqlcode;
                return c.result;
            });
            EXPECT_EQ(call(ca, e), c.result);
            EXPECT_EQ(seen, seen_texts(Trim::LocalName));
            std::vector<Check> checks{{e, 588, 1}, {at(e, kLocal), 9, 2}};
            if (c.fill)
                for (const Check &f : field_checks(e, kLocalFirst, 5)) checks.push_back(f);
            EXPECT_EQ(checks_made(), checks);
            EXPECT_EQ(filled(e), c.fill);
            if (!c.fill) {
                EXPECT_EQ(std::string(at(e, kLocal), 9), std::string("NEW\0LDB1z", 9));
            }
        }
    }
}

// Get-entries reads the count after the call and fills the entries that
// carry the identifier, only after a result of 0 with no negative sqlcode.
TEST_F(HostDirectoryTest, GetEntriesFillsTheHostEntriesTheCoreReturned) {
    const struct {
        std::int32_t result, sqlcode;
        bool fill;
    } cases[] = {{0, 0, true}, {0, 5, true}, {0, -1, false}, {4, 0, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.result) + " " + std::to_string(c.sqlcode));
        vrxstub_reset();
        CallerStorage mem;
        auto *entries = static_cast<vrxHostDbEntry *>(mem.room(3 * sizeof(vrxHostDbEntry)));
        auto *count = mem.place(std::int16_t{0});
        sqlca *ca = mem.ca();
        vrxstub_set_ptr_check(1);
        CoreHook hook("sqlegdgt_api", [&](const vrxstub_call &call) {
            EXPECT_EQ(arg<std::int16_t *>(call, 0), count);
            EXPECT_EQ(arg<vrxHostDbEntry *>(call, 1), entries);
            *count = 3;
            for (int i = 0; i < 3; ++i) {
                entries[i].structId = i == 1 ? 0x0FF : 0x100;
                write_new(&entries[i]);
            }
            ca->sqlcode = c.sqlcode;
            return c.result;
        });
        EXPECT_EQ(sqlggdgt(ca, count, entries), c.result);
        EXPECT_EQ(filled(&entries[0]), c.fill);
        EXPECT_FALSE(filled(&entries[1]));
        EXPECT_EQ(filled(&entries[2]), c.fill);
        std::vector<Check> checks;
        if (c.fill)
            for (int i : {0, 2})
                for (const Check &f : field_checks(&entries[i], kCommentFirst, 5)) checks.push_back(f);
        EXPECT_EQ(checks_made(), checks);
    }
}

// --- registration and the alternate server -----------------------------------------

TEST_F(HostDirectoryTest, RegistrationTerminatesUserAndPasswordAtTheirLengths) {
    const std::pair<const char *, decltype(&sqlgregs)> forms[] = {
        {"sqleregs_api", sqlgregs}, {"sqledreg_api", sqlgdreg}};
    for (const auto &[core, call] : forms) {
        SCOPED_TRACE(core);
        vrxstub_reset();
        CallerStorage mem;
        auto *record = static_cast<vrxRegistration *>(mem.room(sizeof(vrxRegistration)));
        std::memset(static_cast<void *>(record), 'r', sizeof *record);
        std::memcpy(record->userId, "USERx", 5);
        std::memcpy(record->password, "PWDy", 4);
        record->userIdLen = 4;
        record->passwordLen = 3;
        sqlca *ca = mem.ca();
        vrxstub_set_ptr_check(1);
        mem.snapshot();
        std::vector<std::string> seen;
        CoreHook hook(core, [&](const vrxstub_call &c) {
            const auto *got = arg<vrxRegistration *>(c, 1);
            seen = {std::to_string(c.args[0]), got == record ? std::string(got->userId) + "/" + got->password : "?"};
            return 3;
        });
        EXPECT_EQ(call(kHigh | 7, record, ca), 3);
        EXPECT_EQ(seen, (std::vector<std::string>{"7", "USER/PWD"}));
        EXPECT_EQ(checks_made(), (std::vector<Check>{{record, 184, 3}, {record->userId, 5, 3}, {record->password, 4, 3}}));
        EXPECT_TRUE(mem.unchanged_except());
    }
}

TEST_F(HostDirectoryTest, AlternateServerChecksAndTerminatesOnlyItsTexts) {
    CallerStorage mem;
    char *alias = mem.text("SALESx");
    char *host = mem.text("HOSTx");
    auto *params = mem.place(vrxgUpdateAltServerStruct{5, alias, 4, host, 5, nullptr});
    sqlca *ca = mem.ca();
    vrxstub_set_ptr_check(1);
    mem.snapshot();
    std::vector<std::string> seen;
    CoreHook hook("vrxUpdateAlternateServerForDB", [&](const vrxstub_call &c) {
        const auto *core = arg<vrxUpdateAltServerStruct *>(c, 1);
        seen = {std::to_string(c.args[0]), core->piDbAlias, core->piHostName, core->piPort ? "port" : "(null)"};
        return 0;
    });
    EXPECT_EQ(vrxgUpdateAlternateServerForDB(9050000, params, ca), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"9050000", "SALES", "HOST", "(null)"}));
    EXPECT_EQ(checks_made(), (std::vector<Check>{{alias, 6, 3}, {host, 5, 3}}));
    EXPECT_TRUE(mem.unchanged_except());
}

}  // namespace
