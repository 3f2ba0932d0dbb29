// Database configuration: which values each update form terminates for the
// core. (The conformance rows hold the get forms' tokens and widths.)
#include "harness.h"

using namespace vrxtest;

namespace {

class DbConfigTest : public PlatformTest {};

// A text for every string-valued token and for a numeric one: SQLGUDB
// terminates the texts of all fourteen string tokens, SQLGEUDB of token 20 only.
TEST_F(DbConfigTest, UpdateFormsTerminateTheValuesOfTheirOwnTokens) {
    for (const bool extended : {false, true}) {
        CallerStorage mem;
        std::vector<vrxConfigItem> items;
        for (std::uint16_t token : {46, 44, 20, 103, 105, 107, 121, 120, 501, 305, 306, 307, 702, 602, 1})
            items.push_back({token, 0, mem.text("VALUE")});
        std::vector<std::uint16_t> lengths(items.size(), 5);
        std::string terminated;
        CoreHook hook("sqlfudb", [&](const vrxstub_call &) {
            for (const vrxConfigItem &item : items)
                if (static_cast<const char *>(item.value)[5] == '\0')
                    terminated += (terminated.empty() ? "" : " ") + std::to_string(item.token);
            return 0;
        });
        EXPECT_EQ(extended ? sqlgeudb(0, 0, 15, lengths.data(), items.data(), mem.ca(), 0, nullptr)
                           : sqlgudb(0, 15, lengths.data(), items.data(), mem.ca(), nullptr),
                  0);
        EXPECT_EQ(terminated, extended ? "20" : "46 44 20 103 105 107 121 120 501 305 306 307 702 602");
    }
}

}  // namespace
