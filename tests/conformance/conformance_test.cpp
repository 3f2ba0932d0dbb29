// Every entry point of the table through one loop: its row's valid call,
// then the same call under each fault the library must survive.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <memory>
#include <tuple>

#include "conformance/conformance.h"
#include "harness.h"

using namespace vrxtest;
using namespace vrxtest::conformance;

namespace {

struct Entry {
    const char *name, *core, *frame;
};

// A failing case names its entry point.
void PrintTo(const Entry &e, std::ostream *out) { *out << e.name; }

const Entry kEntries[] = {
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source, library) {#upper, #core, #frame},
#include "frame/entry_points.inc"
#undef VRX_ENTRY
};

// The scratch requests made, as a row states them: "file line line ...".
std::string sites_requested() {
    std::string out, file;
    for (const auto &[name, line] : scratch_sites())
        out += (name == file ? " " : (out.empty() ? "" : " ") + (file = name) + " ") + std::to_string(line);
    return out;
}

std::string names_called() {
    std::string out;
    for (const vrxstub_call &c : calls()) out += std::string(out.empty() ? "" : " ") + c.name;
    return out;
}

// The regions checked so far whose checks let the library write there.
std::vector<Span> writable_regions() {
    std::vector<Span> spans;
    for (const vrxstub_call &c : calls("sqlagcptr_real")) {
        const auto *at = arg<const void *>(c, 0);
        const auto length = arg<std::uint32_t>(c, 1);
        if (c.args[2] >= 2 && !vrxstub_region_refused(at, length, arg<std::uint8_t>(c, 2)))
            spans.push_back({at, length});
    }
    return spans;
}

// The code, and the tag in sqlerrp (a 32-byte routine name runs on over sqlerrd).
::testing::AssertionResult reports(const sqlca *ca, std::int32_t code, const std::string &tag) {
    const std::size_t n = tag.size() == 8 ? 8 : tag.size() + 1;
    const std::string held(reinterpret_cast<const char *>(ca) + offsetof(sqlca, sqlerrp), n);
    if (ca->sqlcode == code && held == std::string(tag.c_str(), n)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "sqlcode " << ca->sqlcode << ", sqlerrp '" << held << "'";
}

class Conformance : public PlatformTest, public ::testing::WithParamInterface<Entry> {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        row_ = find_row(GetParam().name);
        ASSERT_NE(row_, nullptr) << "no conformance row";
    }
    const Row &row() const { return *row_; }
    std::string frame() const { return GetParam().frame; }
    // An entry point of frame `library` does its work itself: no core call, result 0.
    bool calls_core() const { return *GetParam().core != '\0'; }

    // Calls the row with its core hooked. With pointer checking on, every
    // caller byte changed when the core runs lies where a check allowed it.
    std::int32_t invoke(Arena &a, bool checked) {
        return invoke(a, checked, as_call(row()));
    }
    std::int32_t invoke(Arena &a, bool checked, const Variant &call) {
        if (!calls_core()) return call.call(a);
        int top = 0;
        // Whether the core runs is for each test to say.
        CoreHook hook(GetParam().core, CoreHook::mayNotRun, [&](const vrxstub_call &c) {
            int bottom = 0;
            ++a.coreCalls;
            if (checked) {
                std::vector<Span> allowed = writable_regions();
                allowed.push_back(own_sqlca(a));
                EXPECT_TRUE(unchanged_except(a.mem, allowed)) << "written where no check allowed it";
            }
            a.own = {reinterpret_cast<std::uintptr_t>(&bottom), reinterpret_cast<std::uintptr_t>(&top)};
            for (std::uint32_t i = 0; i < c.argc; ++i) a.see(c.args[i]);
            if (a.layout == Layout::Nulls) return call.coreResult;
            for (const auto &[at, text] : a.coreWrites) std::memcpy(at, text.c_str(), text.size() + 1);
            if (call.core) call.core(c, a);
            return call.coreResult;
        });
        return call.call(a);
    }

    // Nothing of the caller's written but the output areas and the sqlca, nothing left outstanding.
    static void expect_only_outputs_written(const Arena &a) {
        std::vector<Span> allowed = a.outputs();
        allowed.push_back(a.sqlca_span());
        EXPECT_TRUE(unchanged_except(a.mem, allowed));
        EXPECT_EQ(vrxstub_outstanding_blocks(), 0u);
    }

    // A checked frame prepares the sqlca and tags it before converting.
    Span own_sqlca(const Arena &a) const { return frame() == "checked" ? a.sqlca_span() : Span{nullptr, 0}; }

    // The core's result; one core call that saw the row's arguments; the
    // storage as before but for the output areas, which read as expected;
    // the row's scratch requests, all released, in the row's order.
    void expect_valid(Arena &a, std::int32_t result) {
        EXPECT_EQ(result, calls_core() && row().resultIsCores ? row().coreResult : 0);
        EXPECT_EQ(a.coreCalls, calls_core() ? 1 : 0);
        EXPECT_EQ(a.seen, row().seen);
        std::vector<Span> allowed = a.outputs();
        allowed.push_back(own_sqlca(a));
        EXPECT_TRUE(unchanged_except(a.mem, allowed));
        if (frame() == "checked") {
            ASSERT_FALSE(row().tags.empty());
            EXPECT_EQ(std::string(a.ca()->sqlerrp, 8), row().tags[0]);
        }
        for (const auto &[at, bytes] : a.expected)
            EXPECT_EQ(std::string(static_cast<const char *>(at), bytes.size()), bytes);
        EXPECT_EQ(sites_requested(), row().sites);
        std::map<const void *, std::uint32_t> lines;
        for (std::size_t i = 0; i < vrxstub_scratch_request_count(); ++i)
            lines[vrxstub_scratch_request_at(i)->block] = vrxstub_scratch_request_at(i)->line;
        std::vector<std::uint32_t> released;
        for (const vrxstub_call &c : calls("sqlofmblkEx")) released.push_back(lines[arg<const void *>(c, 0)]);
        EXPECT_EQ(released, row().releases);
        EXPECT_EQ(vrxstub_outstanding_blocks(), 0u);
    }

    // A guarded refusal: the code as result and sqlcode, the tag, only
    // `names` called (the last with the sqlca), nothing else written.
    void expect_refused(Arena &a, std::int32_t result, std::int32_t code, const char *names) {
        EXPECT_EQ(result, code);
        ASSERT_FALSE(row().tags.empty());
        EXPECT_TRUE(reports(a.ca(), code, row().tags[0]));
        EXPECT_EQ(names_called(), names);
        EXPECT_EQ(arg<sqlca *>(calls().back(), 0), a.ca());
        EXPECT_TRUE(unchanged_except(a.mem, {a.sqlca_span()}));
    }

private:
    const Row *row_ = nullptr;
};

// What each entry point checks of the caller's storage, in the order it
// first checks it, and what a refusal of each region gives, as checks.txt
// holds them: "region: result [core [seeing ...]] [sqlcode n tag
// ['tokens']] [sqlca+offset 'bytes' ...]", a region as Arena::region names
// it, then any other byte of the sqlca that differs from the valid call's.
// Then each variant of the entry point: "variant label[, checking region
// ...]: result [core seeing ...] [sqlcode ...] [leaving 'output' ...]",
// every check of the caller's storage in order, and its output areas as
// the call left them.
const std::map<std::string, std::string> &checks_txt() {
    static const std::map<std::string, std::string> sections = [] {
        static const char kText[] =
#include "checks.inc"
            ;
        std::map<std::string, std::string> out;
        std::string *section = nullptr;
        std::istringstream in(kText);
        for (std::string line; std::getline(in, line);)
            if (line.rfind("  ", 0) == 0 && section != nullptr) *section += line + "\n";
            else if (!line.empty()) section = &out[line];
        return out;
    }();
    return sections;
}

// With VRX_CHECKS_OUT set, each entry point appends its section there (to
// rewrite checks.txt after a deliberate change).
void write_section(const std::string &name, const std::string &lines) {
    if (const char *path = std::getenv("VRX_CHECKS_OUT")) std::ofstream(path, std::ios::app) << name << "\n" << lines;
}

constexpr std::int32_t kRefusal = 77;  // a refused check's result, told apart from the library's own codes

// Runs of eight or more of a byte as "{n blanks}" or "{n x}", unprintable bytes as "\\xNN".
std::string printable(const std::string &text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t run = 1;
        while (i + run < text.size() && text[i + run] == text[i]) ++run;
        const char c = text[i];
        if (run > 7) {
            const std::string what = c == ' ' ? std::string(" blanks") : " " + printable(std::string(1, c));
            out += "{" + std::to_string(run) + what + "}";
            i += run;
            continue;
        }
        if (c >= ' ' && c <= '~') {
            out += c;
        } else {
            static const char kHex[] = "0123456789ABCDEF";
            out += std::string("\\x") + kHex[std::uint8_t(c) >> 4] + kHex[c & 15];
        }
        ++i;
    }
    return out;
}

// The sqlca's bytes that differ from `valid`'s outside the code, the tag
// and the message tokens, as "sqlca+offset 'bytes'" per run of them.
std::string sqlca_rest(const sqlca &ca, const sqlca &valid) {
    const auto *at = reinterpret_cast<const char *>(&ca), *was = reinterpret_cast<const char *>(&valid);
    const auto told = [&](std::size_t i) {
        return (i >= offsetof(sqlca, sqlcode) && i < offsetof(sqlca, sqlerrmc) + std::max<int>(ca.sqlerrml, 0)) ||
               (i >= offsetof(sqlca, sqlerrp) && i < offsetof(sqlca, sqlerrd));
    };
    std::string out;
    for (std::size_t i = 0, n = 0; i < sizeof(sqlca); i += n + 1, n = 0) {
        while (i + n < sizeof(sqlca) && !told(i + n) && at[i + n] != was[i + n]) ++n;
        if (n != 0) out += " sqlca+" + std::to_string(i) + " '" + printable(std::string(at + i, n)) + "'";
    }
    return out;
}

// A call's outcome, beside the valid call's `seen` and sqlca.
std::string outcome(Arena &a, std::int32_t result, const std::string &validSeen, const sqlca &valid) {
    std::string out = std::to_string(result);
    if (a.coreCalls > 0) out += " core" + (a.seen != validSeen ? " seeing " + printable(a.seen) : "");
    else if (!a.seen.empty()) out += " seeing " + printable(a.seen);  // what a variant saw after the call
    const sqlca *ca = a.ca();
    const std::string tag(ca->sqlerrp, strnlen(ca->sqlerrp, 8));
    if (ca->sqlcode != 0) out += " sqlcode " + std::to_string(ca->sqlcode) + " " + tag;
    else if (tag != std::string(valid.sqlerrp, strnlen(valid.sqlerrp, 8))) out += " tag '" + printable(tag) + "'";
    if (ca->sqlerrml > 0) {
        std::string tokens(ca->sqlerrmc, std::min<std::size_t>(ca->sqlerrml, sizeof ca->sqlerrmc));
        std::replace(tokens.begin(), tokens.end(), '\xFF', '|');
        out += " '" + printable(tokens) + "'";
    }
    return out + sqlca_rest(*ca, valid);
}

TEST_P(Conformance, ValidCallAndEachCheckedRegionRefused) {
    Arena valid(Layout::Aligned);
    vrxstub_set_ptr_check(1);
    expect_valid(valid, invoke(valid, true));

    // Only the caller's storage: the library's own blocks are not the caller's to refuse.
    std::vector<std::tuple<std::ptrdiff_t, std::uint32_t, std::uint8_t>> regions;
    for (const vrxstub_call &c : calls("sqlagcptr_real")) {
        const auto region = std::make_tuple(valid.offset(arg<const void *>(c, 0)), arg<std::uint32_t>(c, 1),
                                            arg<std::uint8_t>(c, 2));
        if (valid.mem.holds(arg<const void *>(c, 0)) &&
            std::find(regions.begin(), regions.end(), region) == regions.end())
            regions.push_back(region);
    }
    std::string transcript;
    for (const auto &[offset, length, mode] : regions) {
        const std::string region = valid.region(valid.at(offset), length, mode);
        SCOPED_TRACE("refused: " + region);
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        Arena a(Layout::Aligned);
        vrxstub_refuse_region_with(a.at(offset), length, mode, kRefusal);
        const std::int32_t result = invoke(a, true);
        expect_only_outputs_written(a);
        transcript += "  " + region + ": " + outcome(a, result, valid.seen, *valid.ca()) + "\n";
    }
    for (const Variant *v : variants_of(GetParam().name)) {
        SCOPED_TRACE("variant " + v->label);
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        Arena a(Layout::Aligned);
        const std::int32_t result = invoke(a, true, *v);
        std::string checks;
        for (const vrxstub_call &c : calls("sqlagcptr_real"))
            if (a.mem.holds(arg<const void *>(c, 0)))
                checks += " " + a.region(arg<const void *>(c, 0), arg<std::uint32_t>(c, 1), arg<std::uint8_t>(c, 2));
        expect_only_outputs_written(a);
        std::string outputs;
        for (const Span &out : a.outputs())
            outputs += " '" + printable(std::string(static_cast<const char *>(out.at), out.size)) + "'";
        transcript += "  variant " + v->label + (checks.empty() ? "" : ", checking" + checks) + ": " +
                      outcome(a, result, "", *valid.ca()) +
                      (outputs.empty() ? "" : " leaving" + outputs) + "\n";
    }
    write_section(GetParam().name, transcript);
    const auto section = checks_txt().find(GetParam().name);
    EXPECT_EQ(transcript, section != checks_txt().end() ? section->second : "(no section in checks.txt)\n");
}

// Each scratch request fails in turn, with sqloincaChkptr accepting and
// refusing the sqlca; the run that fails none is the valid call unchecked.
TEST_P(Conformance, EveryScratchFailure) {
    for (bool refuseSqlca : {false, true}) {
        // A checked frame refuses the sqlca before any request (see below).
        if (refuseSqlca && frame() == "checked") continue;
        SCOPED_TRACE(refuseSqlca ? "sqlca refused" : "sqlca accepted");
        std::unique_ptr<Arena> a;
        std::int32_t result = 0;
        std::size_t requests = 0;
        const std::uint32_t injected = fault_sweep(
            [&] {
                a = std::make_unique<Arena>(Layout::Aligned);
                vrxstub_refuse_sqlca(refuseSqlca);
                result = invoke(*a, false);
                requests = vrxstub_scratch_request_count();
                if (vrxstub_scratch_failures() == 0) expect_valid(*a, result);
            },
            [&](std::uint32_t k) {
                SCOPED_TRACE("scratch request " + std::to_string(k) + " failed");
                EXPECT_EQ(result, row().noMemory);
                EXPECT_EQ(a->coreCalls, 0);
                // Without a tag the failure leaves the sqlca alone, as a refused one.
                if ((refuseSqlca && !row().reportsAlways) || row().tags.empty()) {
                    EXPECT_TRUE(unchanged_except(a->mem));
                    return;
                }
                EXPECT_TRUE(reports(a->ca(), row().noMemoryCode,
                                    row().tags[std::min<std::size_t>(k, row().tags.size()) - 1]));
                EXPECT_TRUE(unchanged_except(a->mem, {a->sqlca_span()}));
            });
        EXPECT_EQ(injected, requests);
    }
}

TEST_P(Conformance, FailedInitialisationAndGuardedRefusals) {
    Arena a(Layout::Aligned);
    vrxstub_set_init_result(-1);
    const std::int32_t result = invoke(a, false);
    EXPECT_EQ(a.coreCalls, frame() == "noinit" || frame() == "forward" ? 1 : 0);
    if (frame() == "noinit" || frame() == "forward") {
        EXPECT_EQ(result, row().coreResult);
        EXPECT_EQ(count_calls("sqlo_create_init_app_data"), 0u);
    } else if (frame() == "standard") {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(a.ca()->sqlcode, -1022);
        EXPECT_TRUE(unchanged_except(a.mem, {{&a.ca()->sqlcode, 4}}));
        EXPECT_EQ(calls().back().name, std::string("sqlo_create_init_app_data"));
    } else if (frame() == "unreported") {
        EXPECT_EQ(result, -1022);
        EXPECT_TRUE(unchanged_except(a.mem));
    } else if (frame() == "library") {
        // Only an entry point that initialises fails with it: -1, nothing written.
        if (count_calls("sqlo_create_init_app_data") == 0) {
            EXPECT_EQ(result, 0);
        } else {
            EXPECT_EQ(result, -1);
            EXPECT_TRUE(unchanged_except(a.mem));
            EXPECT_EQ(calls().size(), 1u);
        }
    } else if (frame() == "checked") {
        // The initialisation's result, then the sqlca check's, each returned
        // with nothing written.
        EXPECT_EQ(result, -1);
        EXPECT_TRUE(unchanged_except(a.mem));
        EXPECT_EQ(calls().size(), 1u);
        vrxstub_reset();
        Arena refused(Layout::Aligned);
        vrxstub_refuse_sqlca(1);
        EXPECT_EQ(invoke(refused, false), 1);
        EXPECT_EQ(refused.coreCalls, 0);
        EXPECT_EQ(names_called(), "sqlo_create_init_app_data sqloincaChkptr");
        EXPECT_TRUE(unchanged_except(refused.mem));
    } else {
        ASSERT_EQ(frame(), "guarded");
        expect_refused(a, result, -1022, "sqlo_create_init_app_data sqlofica");
        vrxstub_reset();
        Arena noSqlca(Layout::NullSqlca);
        EXPECT_EQ(invoke(noSqlca, false), -1);
        EXPECT_TRUE(calls().empty());
        EXPECT_TRUE(unchanged_except(noSqlca.mem));
    }
}

// Null texts, records and areas are passed on or left alone, never read
// through; a guarded form refuses a null record.
TEST_P(Conformance, NullPointers) {
    Arena a(Layout::Nulls);
    vrxstub_set_ptr_check(1);
    const std::int32_t result = invoke(a, true);
    EXPECT_TRUE(unchanged_except(a.mem, {a.sqlca_span()}));
    if (frame() == "guarded" && a.recordsMade > 0) expect_refused(a, result, -1078, "sqlofica");
}

// A COBOL group item need not be aligned.
TEST_P(Conformance, RecordsAtOddAddresses) {
    Arena a(Layout::Odd);
    vrxstub_set_ptr_check(1);
    expect_valid(a, invoke(a, true));
}

// No region of 0xFFFFFFFF bytes passes its check: nothing may be written,
// as length + 1 must not wrap to 0; an entry point that validates its texts
// reports the first one in the sqlca.
TEST_P(Conformance, LengthsOfFourGigabytes) {
    Arena a(Layout::Huge);
    vrxstub_set_ptr_check(1);
    invoke(a, true);
    expect_only_outputs_written(a);
}

INSTANTIATE_TEST_SUITE_P(EntryPoints, Conformance, ::testing::ValuesIn(kEntries),
                         [](const ::testing::TestParamInfo<Entry> &info) { return std::string(info.param.name); });

}  // namespace
