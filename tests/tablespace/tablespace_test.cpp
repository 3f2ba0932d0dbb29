// Table space and container queries: the six-byte texts of the records the
// core returns, per entry point (stride, offset, where the count and the
// records are found), the container names of SQLGSTSC, and the stand-in's
// three table spaces.
#include "harness.h"
#include "vrxplatform/tablespace.h"

using namespace vrxtest;

namespace {

class TablespaceTest : public PlatformTest {};

constexpr std::size_t kRecords = 3;

// How an entry point reaches its records: the caller's array `records` of
// kRecords records of `stride` bytes, and the count (null for a single record).
const struct Filler {
    const char *name, *core;
    std::uint32_t stride, offset;
    bool single;
    std::int32_t (*call)(char *records, std::uint32_t *count, char *elsewhere);
} kFillers[] = {
    {"SQLGFTPQ", "sqlbftpq", 300, 176, false,
     [](char *r, std::uint32_t *n, char *) { return sqlgftpq(nullptr, nullptr, reinterpret_cast<vrxgTablespaceLong *>(r), n); }},
    {"SQLGFTSQ", "sqlbftsq", 176, 168, false,
     [](char *r, std::uint32_t *n, char *) { return sqlgftsq(nullptr, nullptr, reinterpret_cast<vrxgTablespaceShort *>(r), n); }},
    {"SQLGSTPQ", "sqlbstpq", 300, 176, true,
     [](char *r, std::uint32_t *, char *) { return sqlgstpq(nullptr, nullptr, reinterpret_cast<vrxgTablespaceLong *>(r), nullptr); }},
    {"SQLGSTSQ", "sqlbstsq", 176, 168, true,
     [](char *r, std::uint32_t *, char *) { return sqlgstsq(nullptr, nullptr, reinterpret_cast<vrxgTablespaceShort *>(r)); }},
    // The list's second element points elsewhere: the records follow the first.
    {"SQLGMTSQ", "sqlbmtsq", 300, 176, false,
     [](char *r, std::uint32_t *n, char *elsewhere) {
         vrxgTablespaceLong *list[2] = {reinterpret_cast<vrxgTablespaceLong *>(r),
                                        reinterpret_cast<vrxgTablespaceLong *>(elsewhere)};
         vrxgTablespaceLong **pointer = list;
         return sqlgmtsq(nullptr, n, &pointer, nullptr, nullptr);
     }},
    {"SQLGTSQ", "sqlbtsq", 176, 168, false,
     [](char *r, std::uint32_t *n, char *) {
         auto *pointer = reinterpret_cast<vrxgTablespaceShort *>(r);
         return sqlgtsq(nullptr, n, &pointer);
     }},
};

// The core writes "AB" into record 0, six letters into record 1 and an
// empty text into record 2; the count it reports is `count`.
TEST_F(TablespaceTest, SixByteTextsBlankFilledAfterSuccess) {
    const std::vector<std::string> unfilled = {std::string("AB\0ooo", 6), "ABCDEF", std::string("\0ooooo", 6)};
    const struct {
        std::int32_t result;
        std::uint32_t count;
        bool refuseSecond;
        std::vector<std::string> expected;  // the texts afterwards, records 0..2
    } cases[] = {
        {0, 3, false, {"AB    ", "ABCDEF", "      "}},
        {0, 2, false, {"AB    ", "ABCDEF", std::string("\0ooooo", 6)}},
        {0, 3, true, {"AB    ", "ABCDEF", "      "}},
        {0, 0, false, unfilled},
        {0, 0xFFFFFFFF, false, unfilled},
        {-1, 3, false, unfilled},
    };
    for (const Filler &f : kFillers) {
        for (const auto &k : cases) {
            SCOPED_TRACE(std::string(f.name) + " result " + std::to_string(k.result) + " count " +
                         std::to_string(k.count) + (k.refuseSecond ? " second refused" : ""));
            vrxstub_reset();
            CallerStorage mem;
            char *records = static_cast<char *>(std::memset(mem.room(kRecords * f.stride + 1), 'o', kRecords * f.stride));
            char *elsewhere = static_cast<char *>(std::memset(mem.room(f.stride), 'o', f.stride));
            auto *count = mem.place(std::uint32_t{0});
            std::vector<Span> texts;
            for (std::size_t i = 0; i < kRecords; ++i) texts.push_back({records + i * f.stride + f.offset, 6});
            vrxstub_set_ptr_check(1);
            if (k.refuseSecond) vrxstub_refuse_region(texts[1].at, 6, 2);
            mem.snapshot();
            CoreHook hook(f.core, [&](const vrxstub_call &) {
                std::memcpy(records + f.offset, "AB", 3);
                std::memcpy(records + f.stride + f.offset, "ABCDEF", 6);
                std::memcpy(records + 2 * f.stride + f.offset, "", 1);
                std::memcpy(elsewhere + f.offset, "", 1);
                *count = k.count;
                return k.result;
            });
            EXPECT_EQ(f.call(records, count, elsewhere), k.result);
            // A single record is filled whatever the count says.
            std::vector<std::string> expected = k.expected;
            if (f.single) expected = k.result == 0 ? std::vector<std::string>{"AB    ", "ABCDEF", unfilled[2]} : unfilled;
            for (std::size_t i = 0; i < kRecords; ++i)
                EXPECT_EQ(std::string(static_cast<const char *>(texts[i].at), 6), expected[i]) << "record " << i;
            texts.push_back({count, 4});
            texts.push_back({elsewhere + f.offset, 1});
            EXPECT_TRUE(mem.unchanged_except(texts));
            EXPECT_EQ(elsewhere[f.offset], '\0');
        }
    }
}

// What the core sees of a name: at most its first 12 bytes.
std::string seen_name(const vrxgContainer &c) { return std::string(c.name, strnlen(c.name, 12)); }

TEST_F(TablespaceTest, ContainerNamesTerminatedInTheirRecordsOnly) {
    const struct {
        std::uint32_t count;
        bool refuseFirst;
        std::uint32_t secondLength;
        const char *seen;  // the names the core received; empty: not called
    } cases[] = {
        {2, false, 9, "/data|/data/two"},
        {2, true, 9, "/data/one/xx|/data/two"},  // refused: passed unterminated
        {2, false, 276, "/data|/data/two/xx"},   // no room for a terminator: passed as it is
        {0, false, 9, ""},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(std::string(k.seen));
        vrxstub_reset();
        CallerStorage mem;
        auto *containers = static_cast<vrxgContainer *>(mem.room(2 * sizeof(vrxgContainer)));
        std::memset(static_cast<void *>(containers), 'x', 2 * sizeof(vrxgContainer));
        containers[0].nameLen = 5;
        std::memcpy(containers[0].name, "/data/one/", 10);
        containers[1].nameLen = k.secondLength;
        std::memcpy(containers[1].name, "/data/two/", 10);
        sqlca *ca = mem.ca();
        vrxstub_set_ptr_check(1);
        if (k.refuseFirst) vrxstub_refuse_region(containers[0].name, 6, 3);
        mem.snapshot();
        std::string seen;
        CoreHook hook("sqlbstsc", CoreHook::mayNotRun, [&](const vrxstub_call &c) {
            const auto *received = arg<const vrxgContainer *>(c, 4);
            seen = seen_name(received[0]) + "|" + seen_name(received[1]);
            return 7;
        });
        EXPECT_EQ(sqlgstsc(ca, nullptr, nullptr, k.count, containers), k.count == 0 ? 0 : 7);
        EXPECT_EQ(seen, k.seen);
        EXPECT_EQ(vrxstub_scratch_request_count(), k.count == 0 ? 0u : 1u);
        EXPECT_EQ(count_calls("sqlo_create_init_app_data"), 1u);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// Open, fetch into short records, close: the stand-in's three table spaces.
TEST_F(TablespaceTest, StandInQueryHandsOutThreeTableSpaces) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    auto *total = mem.place(std::uint32_t{0});
    auto *fetched = mem.place(std::uint32_t{0});
    auto *records = static_cast<vrxgTablespaceShort *>(mem.room(4 * sizeof(vrxgTablespaceShort)));
    ASSERT_EQ(sqlgotsq(ca, nullptr, total), 0);
    EXPECT_EQ(*total, 3u);
    ASSERT_EQ(sqlgftsq(ca, reinterpret_cast<void *>(std::uintptr_t{4}), records, fetched), 0);
    ASSERT_EQ(*fetched, 3u);
    EXPECT_EQ(std::string(records[0].core1 + 4) + " " + std::string(records[1].core1 + 4) + " " +
                  std::string(records[2].core1 + 4),
              "SYSCATSPACE TEMPSPACE1 USERSPACE1");
    EXPECT_EQ(std::string(records[1].text6, 6), "SMS   ");
    EXPECT_EQ(sqlgctsq(ca), 0);
    EXPECT_EQ(sqlgctsq(ca), -1027);
}

}  // namespace
