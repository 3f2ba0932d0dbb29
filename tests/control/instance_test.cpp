// Instance control beyond what the conformance rows show: the record forms'
// caps, the start options' flag and selector, the remote flag and missing
// records, and the instance name's blank-fill.
#include <cstring>

#include "harness.h"
#include "vrxplatform/instance.h"

using namespace vrxtest;

namespace {

class InstanceTest : public PlatformTest {};

// A caller text and its length; an 'x' its length leaves out follows it.
struct Text {
    char *at;
    std::uint32_t len;
};
Text text(CallerStorage &mem, const std::string &value) {
    return {mem.text(value + "x"), static_cast<std::uint32_t>(value.size())};
}
Check checked(const Text &t) { return {t.at, t.len + 1, 3}; }

// A text as the core read it.
std::string shown(const char *t) {
    if (t == nullptr) return "null";
    const std::size_t n = strnlen(t, 8);
    return n < 8 ? "'" + std::string(t, n) + "'" : "unterminated";
}

// The core instance record: remote flag, name, communication record, and
// the options (start: texts 1 and U; stop: the caller's record).
std::string seen_instance(const vrxstub_call &c, const void *stopOptions) {
    const auto *core = arg<const vrxInstanceStruct *>(c, 1);
    if (core == nullptr) return "null";
    const vrxInstanceCommStruct *m = core->piComm;
    const auto *o = static_cast<const vrxStartOptionsStruct *>(core->piOptions);
    return std::to_string(core->iIsRemote) + " " + shown(core->piInstanceName) + " comm{" +
           (m ? std::to_string(m->iValue) + " " + shown(m->piText1) + " " + shown(m->piText2) + " " + shown(m->piText3)
              : "null") +
           "} options{" +
           (o == nullptr                          ? "null"
            : core->piOptions == stopOptions      ? "stop"
                                                  : shown(o->piText1) + " " + shown(o->piTextU)) +
           "}";
}

// The versioned start and stop records, every text in caller storage.
struct InstanceRecords {
    explicit InstanceRecords(CallerStorage &mem)
        : name(text(mem, "inst")), c1(text(mem, "host")), c2(text(mem, "svc")), c3(text(mem, "net")),
          o1(text(mem, "one")), o3(text(mem, "three")), u(text(mem, "uu")), g(text(mem, "ggg")),
          stopText(text(mem, "stop")) {
        comm = mem.place(vrxgInstanceCommStruct{7, c1.len, c1.at, c2.len, c2.at, c3.len, c3.at});
        options = mem.place(vrxgStartOptionsStruct{o1.len, o1.at, 101, 102, 103, 0, nullptr, 104, 105, o3.len, o3.at,
                                                   106, 107, 108, 109, 110, 111, 1, u.len, u.at, g.len, g.at, 'U'});
        stop = mem.place(vrxgStopOptionsStruct{stopText.len, stopText.at});
        start = mem.place(vrxgInstanceStruct{1, name.len, name.at, comm, options});
        stopping = mem.place(vrxgInstanceStruct{1, name.len, name.at, comm, stop});
    }
    // The checks a call makes: R instance record, 1 and 3 option texts,
    // U and G texts U and G, N instance name, C the communication texts,
    // S stop text.
    std::vector<Check> checks(const vrxgInstanceStruct *instance, const std::string &which) const {
        std::vector<Check> out;
        for (char w : which) {
            if (w == 'R') out.push_back({instance, sizeof(vrxgInstanceStruct), 3});
            if (w == 'C') out.insert(out.end(), {checked(c1), checked(c2), checked(c3)});
            for (auto [letter, t] :
                 {std::pair{'1', &o1}, {'3', &o3}, {'U', &u}, {'G', &g}, {'N', &name}, {'S', &stopText}})
                if (w == letter) out.push_back(checked(*t));
        }
        return out;
    }
    Text name, c1, c2, c3, o1, o3, u, g, stopText;
    vrxgInstanceCommStruct *comm;
    vrxgStartOptionsStruct *options;
    vrxgStopOptionsStruct *stop;
    vrxgInstanceStruct *start, *stopping;
};

// A record form filled with 'r', its lengths set at the given offsets.
char *record_form(CallerStorage &mem, std::uint32_t size, std::vector<std::pair<std::size_t, std::uint32_t>> lengths) {
    char *record = static_cast<char *>(mem.room(size));
    std::memset(record, 'r', size);
    for (const auto &[at, length] : lengths) std::memcpy(record + at, &length, 4);
    return record;
}

// One text at a time: terminated at its length, or at the cap when that is
// less; a length of 0 is an absent text; a null record is checked and passed
// on.
TEST_F(InstanceTest, RecordFormTextsEndAtTheirLengthUpToTheirCap) {
    using Call = std::int32_t (*)(char *, sqlca *);
    const struct Kind {
        const char *core;
        std::uint32_t size;
        std::vector<std::size_t> lengthAt;  // each text follows its length
        Call call;
    } start{"sqlepstr_api", 792, {0, 248, 264, 532},
            [](char *r, sqlca *ca) { return sqlgpstr(reinterpret_cast<vrxPstrRecord *>(r), ca); }},
        capped{"sqlepstart_api", 824, {8, 260, 528},
               [](char *r, sqlca *ca) { return sqlgpstart(reinterpret_cast<vrxPstartRecord *>(r), ca); }},
        stop{"sqlepstp_api", 256, {0},
             [](char *r, sqlca *ca) { return sqlgpstp(reinterpret_cast<vrxPstpRecord *>(r), ca); }};
    const struct {
        const Kind &kind;
        std::size_t slot;
        std::uint32_t length;
        int end;  // where the terminator goes; -1 nowhere
    } cases[] = {
        {capped, 0, 234, 234}, {capped, 0, 235, 235}, {capped, 0, 236, 235}, {capped, 1, 254, 254},
        {capped, 1, 255, 255}, {capped, 1, 256, 255}, {capped, 2, 255, 255}, {capped, 2, 256, 255},
        {start, 1, 0, -1},     {start, 3, 255, 255},  {stop, 0, 251, 251},    {stop, 0, 0, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.kind.core) + " slot " + std::to_string(c.slot) + " length " +
                     std::to_string(c.length));
        vrxstub_reset();
        CallerStorage mem;
        std::vector<std::pair<std::size_t, std::uint32_t>> lengths;
        for (std::size_t at : c.kind.lengthAt) lengths.push_back({at, at == c.kind.lengthAt[c.slot] ? c.length : 0});
        char *record = record_form(mem, c.kind.size, lengths);
        char *text = record + c.kind.lengthAt[c.slot] + 4;
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        std::vector<Check> expected = {{record, c.kind.size, 3}};
        if (c.end >= 0) expected.push_back({text, static_cast<std::uint32_t>(c.end) + 1, 3});
        bool terminated = false;
        CoreHook hook(c.kind.core, [&](const vrxstub_call &) {
            terminated = text[c.end >= 0 ? c.end : c.length] == '\0';
            return 0;
        });
        EXPECT_EQ(c.kind.call(record, ca), 0);
        EXPECT_EQ(terminated, c.end >= 0);
        EXPECT_EQ(checks_made(), expected);
        EXPECT_TRUE(mem.unchanged_except());
    }
    for (const Kind *kind : {&start, &capped, &stop}) {
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        CoreHook hook(kind->core, [](const vrxstub_call &call) { return call.args[0] == 0 ? 3 : -3; });
        EXPECT_EQ(kind->call(nullptr, nullptr), 3) << kind->core;
        EXPECT_EQ(checks_made(), (std::vector<Check>{{nullptr, kind->size, 3}})) << kind->core;
    }
}

// What the versioned start and stop terminate and build: a local start
// terminates texts U or G, whatever the length, only under its flag byte
// and a selector byte of exactly 'U' or 'G' (the padding after the remote
// flag, the flag and the selector may hold anything); a remote one its name
// and communication texts too; a missing record or a length of 0 leaves its
// texts alone, and the core records are built all the same.
TEST_F(InstanceTest, VersionedStartAndStopTerminateByTheirFlagsAndAlwaysBuildTheCoreRecords) {
    using Change = std::function<void(InstanceRecords &, vrxgInstanceStruct *&)>;
    const std::string comm = "comm{7 'host' 'svc' 'net'}",
                      local = "0 unterminated comm{7 unterminated unterminated unterminated} options{'one' ";
    // A local start with the given flag, padding, selector and length of text U.
    auto localStart = [](std::uint8_t flag, std::uint8_t padding, char selector, std::uint32_t uLen) -> Change {
        return [=](InstanceRecords &r, vrxgInstanceStruct *&i) {
            std::memcpy(i, "\0\xFF\xFF\xFF", 4);
            char *o = reinterpret_cast<char *>(r.options);
            const std::size_t flagAt = offsetof(vrxgStartOptionsStruct, iFlag) + 1;
            const std::size_t selectorAt = offsetof(vrxgStartOptionsStruct, iSelector) + 1;
            std::memset(o + flagAt, padding, offsetof(vrxgStartOptionsStruct, iTextULen) - flagAt);
            std::memset(o + selectorAt, padding, sizeof(vrxgStartOptionsStruct) - selectorAt);
            r.options->iFlag = flag;
            r.options->iSelector = static_cast<std::uint8_t>(selector);
            r.options->iTextULen = r.u.len = uLen;
        };
    };
    const struct {
        const char *name;
        bool start;
        Change change;
        std::string seen, checks;
    } cases[] = {
        {"flag 0", true, localStart(0, 0, 'U', 2), local + "unterminated}", "R13"},
        {"flag 0, padding", true, localStart(0, 0xFF, 'U', 2), local + "unterminated}", "R13"},
        {"flag 1, padding", true, localStart(1, 0xFF, 'U', 2), local + "'uu'}", "R13U"},
        {"flag 0x80, G", true, localStart(0x80, 0, 'G', 2), local + "unterminated}", "R13G"},
        {"selector X", true, localStart(1, 0, 'X', 2), local + "unterminated}", "R13"},
        {"selector u", true, localStart(1, 0, 'u', 2), local + "unterminated}", "R13"},
        {"U of length 0", true, localStart(1, 0, 'U', 0), local + "''}", "R13U"},
        {"no communication record", true, [](InstanceRecords &, vrxgInstanceStruct *&i) { i->piComm = nullptr; },
         "1 'inst' comm{null} options{'one' 'uu'}", "R13UN"},
        {"no options, name of length 0", true,
         [](InstanceRecords &, vrxgInstanceStruct *&i) { i->piOptions = nullptr, i->iInstanceNameLen = 0; },
         "1 unterminated " + comm + " options{null}", "RC"},
        {"no stop options", false, [](InstanceRecords &, vrxgInstanceStruct *&i) { i->piOptions = nullptr; },
         "1 'inst' " + comm + " options{null}", "RNC"},
        {"stop text of length 0", false, [](InstanceRecords &r, vrxgInstanceStruct *&) { r.stop->iTextLen = 0; },
         "1 'inst' " + comm + " options{stop}", "RNC"},
        {"no instance record", true, [](InstanceRecords &, vrxgInstanceStruct *&i) { i = nullptr; }, "null", ""},
        {"no instance record", false, [](InstanceRecords &, vrxgInstanceStruct *&i) { i = nullptr; }, "null", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.start ? "start: " : "stop: ") + c.name);
        vrxstub_reset();
        CallerStorage mem;
        InstanceRecords r(mem);
        sqlca *ca = mem.ca();
        vrxstub_set_ptr_check(1);
        vrxgInstanceStruct *instance = c.start ? r.start : r.stopping;
        c.change(r, instance);
        const std::vector<Check> checks = r.checks(instance, c.checks);
        mem.snapshot();
        std::string seen;
        CoreHook hook(c.start ? "vrxInstanceStart" : "vrxInstanceStop", [&](const vrxstub_call &call) {
            seen = seen_instance(call, r.stop);
            return 0;
        });
        EXPECT_EQ(c.start ? vrxgInstanceStart(1, instance, ca) : vrxgInstanceStop(1, instance, ca), 0);
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(checks_made(), checks);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// The name is blank-filled from the core's terminator to the ninth byte
// whatever the core's result; without a terminator, or refused by the
// check, it stays as the core left it.
TEST_F(InstanceTest, InstanceNameComesBackBlankPaddedToNineBytes) {
    using namespace std::string_literals;
    const struct {
        std::string written, expected;
        bool refused;
        std::int32_t result;
    } cases[] = {{"\0BCDEFGHI"s, "         ", false, 0}, {"ABCDEFGH\0"s, "ABCDEFGH ", false, 0},
                 {"ABCDEFGHI", "ABCDEFGHI", false, 0},    {"AB\0DEFGHI"s, "AB\0DEFGHI"s, true, 0},
                 {"VRX\0EFGHI"s, "VRX      ", false, -1032}};
    for (const auto &c : cases) {
        vrxstub_reset();
        CallerStorage mem;
        char *name = mem.field("#########", 9);
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        if (c.refused) vrxstub_refuse_region(name, 9, 2);
        CoreHook hook("sqlegins_api",
                      [&](const vrxstub_call &) { return std::memcpy(name, c.written.data(), 9), c.result; });
        EXPECT_EQ(sqlggins(ca, name), c.result);
        EXPECT_EQ(std::string(name, 9), c.expected);
        EXPECT_TRUE(mem.unchanged_except({{name, 9}}));
    }
}

}  // namespace
