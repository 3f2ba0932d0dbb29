// Application programming services, through the library's exports: how
// each forward maps its arguments (widened, sign-extended, 8-bit, inserted
// zeros), what the entry points that terminate texts hand the core, and the
// three services the library does itself: store an address, copy through a
// stored address, copy memory. None of them asks for scratch memory.
#include <cstring>

#include "call_checks.h"
#include "harness.h"
#include "vrxplatform/appsvc.h"

using namespace vrxtest;

namespace {

class AppServicesTest : public PlatformTest {};

// Values passed on as the caller gave them: labelled caller storage, so
// that a pointer shows whether it kept its full width.
struct Values {
    explicit Values(CallerStorage &mem) {
        for (int i = 1; i < 14; ++i) labels.emplace_back(p[i] = mem.room(4), "p" + std::to_string(i));
    }
    void *operator[](int i) const { return p[i]; }
    void *p[14] = {};
    std::vector<std::pair<const void *, std::string>> labels;
};

// A forward asks neither for the initialisation nor for a pointer check,
// though both would fail: the one core call is all that happens.
void expect_forward(const Form &form, const Names &names, CallerStorage &mem) {
    SCOPED_TRACE(form.name);
    expect_core_call(form, names, mem, -1);
    EXPECT_EQ(call_names(), std::vector<std::string>{form.core});
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
}

TEST_F(AppServicesTest, ForwardsHandTheCoreTheirArgumentsWidenedAndReordered) {
    CallerStorage mem;
    const Texts x(mem);
    const Values p(mem);
    const Names names{x, p.labels};
    const vrx_slot h1 = kHigh | 1, h2 = kHigh | 2, h3 = kHigh | 3, h4 = kHigh | 4, h5 = kHigh | 5, h9 = kHigh | 9;
    const std::string minus1 = names(vrxstub::raw(std::int32_t{-1}));
    auto *ca3 = static_cast<sqlca *>(p[3]);
    auto *state3 = static_cast<const char *>(p[3]);
    auto *buffer4 = static_cast<char *>(p[4]);
    const auto fileName = [](const vrxstub_call &c, const Names &, std::vector<std::string> &seen) {
        seen[3] = "'" + text_arg(c, 3) + "'";
    };
    const Form forwards[] = {
        {"SQLGALOC", "sqlaaloc", [&] { return sqlgaloc(h1, h2, h3, p[4]); }, {"0x1", "0x2", "0x3", "p4"}, {}},
        {"SQLGCALL", "sqlacall", [&] { return sqlgcall(h1, h2, h3, h4, p[5]); }, {"0x1", "0x2", "0x3", "0x4", "p5"},
         {}},
        {"SQLGCMPD", "sqlacmpd", [&] { return sqlgcmpd(h1, h2, h3, h4, p[5]); }, {"0x1", "0x2", "0x3", "0x4", "p5"},
         {}},
        {"SQLGDLOC", "sqladloc", [&] { return sqlgdloc(h1, p[2]); }, {"0x1", "p2"}, {}},
        // The same core function: a 16-bit length here, a 32-bit one next.
        {"SQLGSETS", "sqlastls", [&] { return sqlgsets(h1, p[2], p[3]); }, {"0x1", "p2", "p3"}, {}},
        {"SQLGSTLS", "sqlastls", [&] { return sqlgstls(h1, p[2], p[3]); }, {"0xbeef0001", "p2", "p3"}, {}},
        // A zero goes in between the caller's fourth and fifth arguments.
        {"SQLGSETV", "sqlastvr", [&] { return sqlgsetv(h1, h2, h3, h4, p[5], p[6], p[7]); },
         {"0x1", "0x2", "0x3", "0x4", "0x0", "p5", "p6", "p7"}, {}},
        {"SQLGSTLV", "sqlastvr", [&] { return sqlgstlv(h1, h2, h3, h4, p[5], p[6], p[7]); },
         {"0x1", "0x2", "0x3", "0xbeef0004", "0x0", "p5", "p6", "p7"}, {}},
        {"SQLGSTLVA", "sqlastvra", [&] { return sqlgstlva(h1, h2, h3, h4, p[5], p[6], p[7], p[8], p[9]); },
         {"0x1", "0x2", "0x3", "0xbeef0004", "0x0", "p5", "p6", "p7", "p8", "p9"}, {}},
        {"SQLGSTRT", "sqlastrt", [&] { return sqlgstrt(p[1], p[2], p[3]); }, {"p1", "p2", "p3"}, {}},
        {"SQLGSTOP", "sqlastop", [&] { return sqlgstop(p[1]); }, {"p1"}, {}},
        {"SQLGUSDA", "sqlausda", [&] { return sqlgusda(h1, p[2], p[3]); }, {"0x1", "p2", "p3"}, {}},
        {"SQLGAUTH", "sqluauth_api", [&] { return sqlgauth(p[1]); }, {"p1"}, {}},
        {"SQLGADAU", "sqluadau", [&] { return sqlgadau(p[1], p[2]); }, {"p1", "p2"}, {}},
        // Thirteen core arguments from ten: 0 in the eleventh place.
        {"SQLGGRPI", "sqlugrpn_api", [&] { return sqlggrpi(h1, p[2], p[3], h4, h5, p[6], p[7], p[8], h9, p[10]); },
         {"0x1", "p2", "p3", "0x4", "0x5", "p6", "p7", "p8", "0x9", "p10", "0x0", "0x0", "0x0"}, {}},
        // The eleventh sign-extended; the twelfth and thirteenth not used.
        {"SQLGGRPN", "sqlugrpn_api",
         [&] { return sqlggrpn(h1, p[2], p[3], h4, h5, p[6], p[7], p[8], h9, p[10], kHigh | 0xFFFF, h1, h2); },
         {"0x1", "p2", "p3", "0x4", "0x5", "p6", "p7", "p8", "0x9", "p10", minus1, "0x0", "0x0"}, {}},
        // Sign-extended numbers; the message file is the library's own.
        {"SQLGINTP", "sqlaintp_api", [&] { return sqlgintp(kHigh | 0xFFFF, kHigh | 80, ca3, buffer4); },
         {"p4", minus1, "0x50", "'vrxsql.mo'", "p3"}, {}, fileName},
        {"SQLGGSTT", "sqlogstt", [&] { return sqlggstt(kHigh | 0xFFFF, kHigh | 80, state3, buffer4); },
         {"p4", minus1, "0x50", "p3"}, {}},
    };
    for (const Form &form : forwards) expect_forward(form, names, mem);
}

TEST_F(AppServicesTest, EntryPointsThatTerminateTextsHandTheCoreThemInItsOrder) {
    CallerStorage mem;
    const Texts x(mem);
    const Values p(mem);
    sqlca *ca = mem.ca();
    auto labels = p.labels;
    labels.emplace_back(ca, "ca");
    const Names names{x, labels};
    const Form framed[] = {
        {"SQLGBNDX", "sqlabndx", [&] { return sqlgbndx(x.len(0), x.len(1), ca, p[4], x.t[0], x.t[1]); },
         {"'BB'", "'A'", "p4", "ca"}, x.checks({0, 1})},
        {"SQLGBNDX without text 6", "sqlabndx",
         [&] { return sqlgbndx(x.len(0), x.len(1), ca, p[4], x.t[0], nullptr); }, {"0x0", "'A'", "p4", "ca"},
         x.checks({0})},
        {"SQLGRBND", "sqlarbnd", [&] { return sqlgrbnd(x.len(2), x.t[2], ca, p[4]); }, {"'CCC'", "ca", "p4"},
         x.checks({2})},
        {"SQLGPROC", "sqleproc_api", [&] { return sqlgproc(x.len(3), ca, x.t[3], p[4], p[5], p[6]); },
         {"'DDDD'", "p6", "p4", "p5", "ca"}, x.checks({3})},
        {"SQLGTBAU", "sqlutbau", [&] { return sqlgtbau(x.len(4), x.t[4], ca); }, {"'EEEEE'", "ca"}, x.checks({4})},
    };
    for (const Form &form : framed) expect_standard_frame(form, names, mem, ca);

    const Form unframed[] = {
        // 16, 16 and 8 bits of the eighth, tenth and eleventh arguments.
        {"SQLGDRDT", "sqludrdt_api",
         [&] {
             return sqlgdrdt(x.len(0), x.len(1), x.len(2), x.t[0], x.t[1], x.t[2], p[7], kHigh | 8, p[9],
                             kHigh | 10, kHigh | 0x1FF, ca);
         },
         {"'A'", "'BB'", "'CCC'", "p7", "0x8", "p9", "0xa", "0xff", "ca"}, x.checks({0, 1, 2})},
        // Length 0: the empty text, its first byte borrowed.
        {"SQLGGTPI", "sqlugtpi_api", [&] { return sqlggtpi(kHigh, x.t[5], p[3], p[4]); }, {"''", "p3", "p4"},
         {{x.t[5], 1, 3}}},
    };
    for (const Form &form : unframed) expect_without_initialisation(form, names, mem);
}

// The copy goes upwards a byte at a time, so a destination one byte above
// its source repeats the first byte; every refusal copies nothing.
TEST_F(AppServicesTest, CopyThroughAStoredAddressChecksBothAreasAndCopiesUpwards) {
    CallerStorage mem;
    char *area = mem.text("ABCDEFG");
    char *slot = static_cast<char *>(mem.room(sizeof(char *) + 1)) + 1;  // holds the source address, unaligned
    std::memcpy(slot, &area, sizeof area);
    auto *source = reinterpret_cast<void *const *>(slot);
    const std::vector<Check> both = {{area + 1, 4, 2}, {area, 4, 1}};
    struct Case {
        const char *name;
        int init;
        int refused;  // the check of `both` refused, if any
        bool nullSource;
        std::int32_t result;
        std::size_t checks;  // how many of `both` were made
    } cases[] = {
        {"copied", 0, -1, false, 0, 2},
        {"initialisation fails", 5, -1, false, -1, 0},
        {"destination refused", 0, 0, false, -1, 1},
        {"source refused", 0, 1, false, -1, 2},
        {"no source address", 0, -1, true, -1, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::memcpy(area, "ABCDEFG", 7);
        vrxstub_reset();
        vrxstub_set_init_result(c.init);
        vrxstub_set_ptr_check(1);
        if (c.refused >= 0) {
            const Check &refused = both[static_cast<std::size_t>(c.refused)];
            vrxstub_refuse_region(refused.at, refused.length, static_cast<std::uint8_t>(refused.mode));
        }
        EXPECT_EQ(sqlgdref(4, area + 1, c.nullSource ? nullptr : source), c.result);
        EXPECT_EQ(std::string(area, 7), c.result == 0 ? "AAAAAFG" : "ABCDEFG");
        EXPECT_EQ(checks_made(), std::vector<Check>(both.begin(), both.begin() + c.checks));
    }
    vrxstub_reset();
    mem.snapshot();
    EXPECT_EQ(sqlgdref(0, area + 1, source), 0);
    EXPECT_TRUE(mem.unchanged_except());
}

// SQLGADDR writes exactly four bytes, at any address; SQLGMCPY copies as
// if through a buffer of its own. Neither calls anything.
TEST_F(AppServicesTest, StoreAnAddressAndCopyMemoryInTheLibrary) {
    CallerStorage mem;
    char *slot = static_cast<char *>(mem.room(8)) + 1;
    char *area = mem.text("ABCDEFG");
    mem.snapshot();
    EXPECT_EQ(sqlgaddr(0x89ABCDEFu, slot), 0);
    EXPECT_EQ(sqlgaddr(1, nullptr), 0);
    EXPECT_EQ(std::string(slot, 4), "\xEF\xCD\xAB\x89");
    EXPECT_EQ(sqlgmcpy(area + 1, area, 4), 0);
    EXPECT_EQ(sqlgmcpy(area, area + 3, 2), 0);
    EXPECT_EQ(sqlgmcpy(nullptr, area, 2), 0);
    EXPECT_EQ(std::string(area, 7), "CDBCDFG");
    EXPECT_TRUE(mem.unchanged_except({{slot, 4}, {area, 7}}));
    EXPECT_EQ(vrxstub_call_count(), 0u);
}

}  // namespace
