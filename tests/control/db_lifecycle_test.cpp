// Database lifecycle: which blank-padded fields of the create-database
// records each create form terminates, and when it puts them back; the node
// options checked ahead of the frame.
#include "harness.h"

using namespace vrxtest;

namespace {

class DbLifecycleTest : public PlatformTest {};

struct CreateRecords {
    CreateRecords(CallerStorage &mem, const char *eyeCatcher, std::string table) {
        table.resize(256, ' ');
        vrxDbDescriptor d{};
        std::memcpy(d.eyeCatcher, eyeCatcher, 8);
        std::memcpy(d.collatingTable, table.data(), 256);
        std::memset(d.comment, ' ', 31);
        std::memcpy(d.comment, "A comment", 9);
        descriptor = mem.place(d);
        codes =
            mem.place(vrxDbCodeSet{{'U', 'T', 'F', '-', '8', ' ', ' ', ' ', ' ', ' '}, {'D', 'E', ' ', ' ', ' ', ' '}});
    }
    // The four fields as the core reads them: up to a NUL, or all of the field.
    std::string seen() const {
        auto read = [](const char *f, std::size_t w) { return std::string(f, strnlen(f, w)); };
        return read(descriptor->comment, 31) + "|" + read(descriptor->collatingTable, 256).substr(0, 8) + "|" +
               read(codes->codeSet, 10) + "|" + read(codes->territory, 6);
    }
    vrxDbDescriptor *descriptor;
    vrxDbCodeSet *codes;
};

// Each form trims the descriptor of its own kind only; a table with no
// blank at its end goes unterminated; code set and territory always.
TEST_F(DbLifecycleTest, CreateFormsTrimTheFieldsOfTheirOwnDescriptor) {
    const std::string padded = "A comment                      |TABLE   ";
    const struct {
        bool dbcr;
        const char *eyeCatcher;
        std::string table;
        const char *seen;
    } cases[] = {
        {false, "SQLDBD02", "TABLE", "A comment|TABLE|UTF-8|DE"},
        {false, "SQLDBD02", std::string(256, 'Q'), "A comment|QQQQQQQQ|UTF-8|DE"},
        {false, "SQLDBDB0", "TABLE", nullptr},
        {true, "SQLDBDB0", "TABLE", "A comment|TABLE|UTF-8|DE"},
        {true, "SQLDBD02", "TABLE", nullptr},
        {true, "SQLDBDB1", "TABLE", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.dbcr ? "SQLGDBCR " : "SQLGCREA ") + c.eyeCatcher);
        CallerStorage mem;
        const CreateRecords r(mem, c.eyeCatcher, c.table);
        std::string seen;
        CoreHook hook(c.dbcr ? "sqledbcr_api" : "sqlecrea_api", [&](const vrxstub_call &) {
            return seen = r.seen(), 0;
        });
        EXPECT_EQ(c.dbcr ? sqlgdbcr(0, 0, mem.ca(), r.codes, 0, r.descriptor, nullptr, nullptr)
                         : sqlgcrea(0, 0, 0, mem.ca(), 0, 0, r.codes, r.descriptor, nullptr, nullptr, nullptr),
                  0);
        EXPECT_EQ(seen, c.seen != nullptr ? c.seen : padded + "|UTF-8|DE");
    }
}

// The descriptor's fields are put back only while it still carries its
// eye-catcher: a core that rewrites it keeps the terminators it was given.
TEST_F(DbLifecycleTest, CreatePutsTheDescriptorBackOnlyWhileItCarriesItsEyeCatcher) {
    CallerStorage mem;
    const CreateRecords r(mem, "SQLDBD02", "TABLE");
    sqlca *ca = mem.ca();
    mem.snapshot();
    CoreHook hook("sqlecrea_api",
                  [&](const vrxstub_call &) { return std::memcpy(r.descriptor->eyeCatcher, "CHANGED!", 8), 0; });
    EXPECT_EQ(sqlgcrea(0, 0, 0, ca, 0, 0, r.codes, r.descriptor, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(mem.unchanged_except(
        {{r.descriptor->eyeCatcher, 8}, {&r.descriptor->comment[9], 1}, {&r.descriptor->collatingTable[5], 1}}));
    EXPECT_EQ(r.descriptor->comment[9], '\0');
    EXPECT_EQ(r.descriptor->collatingTable[5], '\0');
}

// The options record is checked ahead of the initialisation: a failing
// frame still leaves its check behind.
TEST_F(DbLifecycleTest, AddNodeChecksItsOptionsAheadOfTheFrame) {
    CallerStorage mem;
    void *options = mem.room(16);
    vrxstub_set_ptr_check(1);
    vrxstub_set_init_result(-1);
    EXPECT_EQ(sqlgaddn(0, mem.ca(), options), 0);
    EXPECT_EQ(checks_made(), (std::vector<Check>{{options, 16, 3}}));
}

}  // namespace
