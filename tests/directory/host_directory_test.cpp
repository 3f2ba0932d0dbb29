// Host database directory beyond the conformance rows: a core that
// rewrites the entry's identifier while it runs.
#include "harness.h"
#include "vrxplatform/directory.h"

using namespace vrxtest;

namespace {

class HostDirectoryTest : public PlatformTest {};

// Each text of the entry as the core reads it, up to its NUL within its width.
std::string texts(const vrxHostDbEntry *e) {
    std::string out;
    for (const auto &[f, width] : {std::pair{e->comment, 31}, {e->localName, 9}, {e->targetName, 19},
                                   {e->requesterName, 9}, {e->parameters, 513}})
        out += std::string(f, strnlen(f, width)) + "|";
    return out;
}

// Add puts the texts back only while the entry still carries its identifier:
// rewritten, they keep the terminators they were given.
TEST_F(HostDirectoryTest, AddPutsTheEntryBackOnlyWhileItCarriesItsIdentifier) {
    CallerStorage mem;
    auto *e = static_cast<vrxHostDbEntry *>(mem.room(sizeof(vrxHostDbEntry)));
    std::memset(static_cast<void *>(e), ' ', sizeof *e);
    e->structId = 0x100;
    for (char *f : {e->comment, e->targetName, e->requesterName, e->parameters}) f[0] = 'T';
    std::memcpy(e->localName, "LOCALDB1z", 9);
    std::string seen;
    CoreHook hook("sqlegdad_api", [&](const vrxstub_call &) {
        seen = texts(e);
        e->structId = 0x101;
        return 0;
    });
    EXPECT_EQ(sqlggdad(mem.ca(), e), 0);
    EXPECT_EQ(seen, "T|LOCALDB1|T|T|T|");
    EXPECT_EQ(texts(e), seen);
}

}  // namespace
