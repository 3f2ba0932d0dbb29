// Table space and container queries: the six-byte texts of the records the
// core returns, per entry point (stride, offset, where the count and the
// records are found), and SQLGSTSC without containers.
#include "vrxplatform/tablespace.h"

#include "harness.h"

using namespace vrxtest;

namespace {

class TablespaceTest : public PlatformTest {};

constexpr std::size_t kRecords = 3;

vrxgTablespaceLong *as_long(char *r) { return reinterpret_cast<vrxgTablespaceLong *>(r); }
vrxgTablespaceShort *as_short(char *r) { return reinterpret_cast<vrxgTablespaceShort *>(r); }

// How an entry point reaches its records: the caller's array `records` of
// kRecords records of `stride` bytes, and the count (null for a single record).
const struct Filler {
    const char *name, *core;
    std::uint32_t stride, offset;
    bool single;
    std::int32_t (*call)(char *records, std::uint32_t *count, char *elsewhere);
} kFillers[] = {
    {"SQLGFTPQ", "sqlbftpq", 300, 176, false,
     [](char *r, std::uint32_t *n, char *) { return sqlgftpq(nullptr, nullptr, as_long(r), n); }},
    {"SQLGFTSQ", "sqlbftsq", 176, 168, false,
     [](char *r, std::uint32_t *n, char *) { return sqlgftsq(nullptr, nullptr, as_short(r), n); }},
    {"SQLGSTPQ", "sqlbstpq", 300, 176, true,
     [](char *r, std::uint32_t *, char *) { return sqlgstpq(nullptr, nullptr, as_long(r), nullptr); }},
    {"SQLGSTSQ", "sqlbstsq", 176, 168, true,
     [](char *r, std::uint32_t *, char *) { return sqlgstsq(nullptr, nullptr, as_short(r)); }},
    // The list's second element points elsewhere: the records follow the first.
    {"SQLGMTSQ", "sqlbmtsq", 300, 176, false,
     [](char *r, std::uint32_t *n, char *elsewhere) {
         vrxgTablespaceLong *list[2] = {as_long(r), as_long(elsewhere)}, **pointer = list;
         return sqlgmtsq(nullptr, n, &pointer, nullptr, nullptr);
     }},
    {"SQLGTSQ", "sqlbtsq", 176, 168, false,
     [](char *r, std::uint32_t *n, char *) {
         vrxgTablespaceShort *pointer = as_short(r);
         return sqlgtsq(nullptr, n, &pointer);
     }},
};

// The core writes "AB" into records 0 and 2 and six letters into record 1;
// the count it reports is `count`. (Each row shows every record up to the
// count blank-filled.)
TEST_F(TablespaceTest, SixByteTextsBlankFilledAfterSuccess) {
    const std::string unfilled = std::string("AB\0ooo", 6);
    const struct {
        std::int32_t result;
        std::uint32_t count;
        bool refuseThird;
    } cases[] = {{0, 3, true}, {0, 2, false}, {0, 0, false}, {0, 0xFFFFFFFF, false}, {-1, 3, false}};
    for (const Filler &f : kFillers) {
        for (const auto &k : cases) {
            SCOPED_TRACE(std::string(f.name) + " result " + std::to_string(k.result) + " count " +
                         std::to_string(k.count) + (k.refuseThird ? " third refused" : ""));
            vrxstub_reset();
            CallerStorage mem;
            char *records = static_cast<char *>(std::memset(mem.room(kRecords * f.stride), 'o', kRecords * f.stride));
            char *elsewhere = static_cast<char *>(std::memset(mem.room(f.stride), 'o', f.stride));
            auto *count = mem.place(std::uint32_t{0});
            std::vector<Span> texts;
            for (std::size_t i = 0; i < kRecords; ++i) texts.push_back({records + i * f.stride + f.offset, 6});
            vrxstub_set_ptr_check(1);
            if (k.refuseThird) vrxstub_refuse_region(texts[2].at, 6, 2);
            mem.snapshot();
            CoreHook hook(f.core, [&](const vrxstub_call &) {
                for (char *at : {records, records + 2 * f.stride, elsewhere}) std::memcpy(at + f.offset, "AB", 3);
                std::memcpy(records + f.stride + f.offset, "ABCDEF", 6);
                *count = k.count;
                return k.result;
            });
            EXPECT_EQ(f.call(records, count, elsewhere), k.result);
            // A single record is filled whatever the count says; the others never.
            const bool first = k.result == 0 && (f.single || (k.count != 0 && k.count < 4));
            EXPECT_EQ(std::string(records + f.offset, 6), first ? "AB    " : unfilled);
            EXPECT_EQ(std::string(records + 2 * f.stride + f.offset, 6), unfilled);
            texts.push_back({count, 4});
            texts.push_back({elsewhere + f.offset, 3});
            EXPECT_TRUE(mem.unchanged_except(texts));
        }
    }
}

// No container: no request and no core call, after the initialisation.
// (The conformance row shows a name too long for its record passed on as it is.)
TEST_F(TablespaceTest, NoContainersNoCall) {
    CallerStorage mem;
    auto *containers = static_cast<vrxgContainer *>(std::memset(mem.room(sizeof(vrxgContainer)), 'x', sizeof(vrxgContainer)));
    sqlca *ca = mem.ca();
    mem.snapshot();
    EXPECT_EQ(sqlgstsc(ca, nullptr, nullptr, 0, containers), 0);
    EXPECT_EQ(vrxstub_scratch_request_count(), 0u);
    EXPECT_EQ(count_calls("sqlbstsc"), 0u);
    EXPECT_EQ(count_calls("sqlo_create_init_app_data"), 1u);
    EXPECT_TRUE(mem.unchanged_except());
}

}  // namespace
