// Instance control, quiesce, ping, HADR and connection settings, through
// the library's exports: what each core function receives (reordered,
// widened, core records built), the inline texts of the record forms and
// their caps, the start options' flag and selector, the versioned records'
// remote flag, the instance name's blank-fill, and the stand-in's one
// instance end to end.
#include <cstring>
#include <sstream>

#include "call_checks.h"
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
std::string shown(const char *text) {
    if (text == nullptr) return "null";
    const std::size_t n = strnlen(text, 8);
    return n < 8 ? "'" + std::string(text, n) + "'" : "unterminated";
}

std::string describe(const vrxInstanceCommStruct *c) {
    if (c == nullptr) return "null";
    return std::to_string(c->iValue) + " " + shown(c->piText1) + " " + shown(c->piText2) + " " + shown(c->piText3);
}

std::string describe(const vrxStartOptionsStruct *o) {
    if (o == nullptr) return "null";
    std::ostringstream out;
    out << o->iText1Len << shown(o->piText1) << " " << o->iValue1 << " " << o->iValue2 << " " << o->iValue3 << " "
        << o->iText2Len << shown(o->piText2) << " " << o->iValue4 << " " << o->iValue5 << " " << o->iText3Len
        << shown(o->piText3) << " " << o->iValue6 << " " << o->iValue7 << " " << o->iValue8 << " " << o->iValue9
        << " " << o->iValue10 << " " << o->iValue11 << " flag " << int(o->iFlag) << " U " << shown(o->piTextU)
        << " G " << shown(o->piTextG) << " " << o->iSelector;
    return out.str();
}

// The versioned start and stop records with every text in caller storage.
struct InstanceRecords {
    explicit InstanceRecords(CallerStorage &mem, std::uint8_t remote = 1, std::uint8_t flag = 1,
                             char selector = 'U', std::uint32_t uLen = 2)
        : name(text(mem, "inst")), c1(text(mem, "host")), c2(text(mem, "svc")), c3(text(mem, "net")),
          o1(text(mem, "one")), o3(text(mem, "three")), u(text(mem, "uu")), g(text(mem, "ggg")),
          stopText(text(mem, "stop")) {
        comm = mem.place(vrxgInstanceCommStruct{7, c1.len, c1.at, c2.len, c2.at, c3.len, c3.at});
        options = mem.place(vrxgStartOptionsStruct{o1.len, o1.at, 101, 102, 103, 0, nullptr, 104, 105, o3.len, o3.at,
                                                   106, 107, 108, 109, 110, 111, flag, uLen, u.at, g.len, g.at,
                                                   static_cast<std::uint8_t>(selector)});
        stop = mem.place(vrxgStopOptionsStruct{stopText.len, stopText.at});
        instance = mem.place(vrxgInstanceStruct{remote, name.len, name.at, comm, options});
        stopInstance = mem.place(vrxgInstanceStruct{remote, name.len, name.at, comm, stop});
    }
    Text name, c1, c2, c3, o1, o3, u, g, stopText;
    vrxgInstanceCommStruct *comm;
    vrxgStartOptionsStruct *options;
    vrxgStopOptionsStruct *stop;
    vrxgInstanceStruct *instance, *stopInstance;
    Check record(const vrxgInstanceStruct *at) const { return {at, sizeof(vrxgInstanceStruct), 3}; }
};

// The core instance record of a start or stop call as the core saw it.
std::string seen_instance(const vrxstub_call &c, bool start, const Names &n) {
    const auto *core = arg<const vrxInstanceStruct *>(c, 1);
    if (core == nullptr) return "null";
    return "remote " + std::to_string(core->iIsRemote) + " " + shown(core->piInstanceName) + " comm{" +
           describe(core->piComm) + "} options{" +
           (start ? describe(static_cast<const vrxStartOptionsStruct *>(core->piOptions))
                  : n(reinterpret_cast<std::uintptr_t>(core->piOptions))) +
           "}";
}

// The position of the terminator of each inline text of a record form.
struct InlineField {
    std::size_t at, width;
};
std::string terminators(const void *record, std::initializer_list<InlineField> fields) {
    std::string out;
    for (const InlineField &f : fields) {
        const char *text = static_cast<const char *>(record) + f.at;
        const void *nul = std::memchr(text, 0, f.width);
        out += (out.empty() ? "" : ",") + (nul ? std::to_string(static_cast<const char *>(nul) - text) : "-");
    }
    return out;
}
const std::initializer_list<InlineField> kStartFields = {{offsetof(vrxPstrRecord, text1), 244},
                                                         {offsetof(vrxPstrRecord, text2), 12},
                                                         {offsetof(vrxPstrRecord, text3), 264},
                                                         {offsetof(vrxPstrRecord, text4), 256}};
const std::initializer_list<InlineField> kCappedFields = {{offsetof(vrxPstartRecord, text1), 300},
                                                          {offsetof(vrxPstartRecord, text2), 264},
                                                          {offsetof(vrxPstartRecord, text3), 292}};
const std::initializer_list<InlineField> kStopFields = {{offsetof(vrxPstpRecord, text), 252}};

template <class Record>
Record *record_form(CallerStorage &mem, std::initializer_list<std::pair<std::size_t, std::uint32_t>> lengths) {
    auto *record = static_cast<Record *>(mem.room(sizeof(Record)));
    std::memset(record, 'r', sizeof(Record));
    for (const auto &[at, length] : lengths) std::memcpy(reinterpret_cast<char *>(record) + at, &length, 4);
    return record;
}

std::string describe_unquiesce(const vrxInstanceUnquiesceStruct &q) { return shown(q.piText); }
std::string describe_hadr_start(const vrxHADRStartStruct &h) {
    return shown(h.piText1) + " " + shown(h.piText2) + " " + shown(h.piText3) + " " + std::to_string(h.iValueA) +
           " " + std::to_string(h.iValueB);
}
std::string describe_hadr_takeover(const vrxHADRTakeoverStruct &h) {
    return shown(h.piText1) + " " + shown(h.piText2) + " " + shown(h.piText3) + " " + std::to_string(h.iValueB);
}

template <class Core>
auto core_record(std::string (*describe_record)(const Core &)) {
    return [describe_record](const vrxstub_call &c, const Names &, std::vector<std::string> &seen) {
        if (const auto *core = arg<const Core *>(c, 1)) seen[1] = describe_record(*core);
    };
}

TEST_F(InstanceTest, EveryEntryPointHandsTheCoreItsArgumentsAndPutsTheCallersBytesBack) {
    CallerStorage mem;
    const Texts x(mem);
    const InstanceRecords r(mem);
    auto *pstr = record_form<vrxPstrRecord>(
        mem, {{offsetof(vrxPstrRecord, iText1Len), 2}, {offsetof(vrxPstrRecord, iText3Len), 3},
              {offsetof(vrxPstrRecord, iText4Len), 1}, {offsetof(vrxPstrRecord, iText2Len), 0}});
    auto *pstart = record_form<vrxPstartRecord>(
        mem, {{offsetof(vrxPstartRecord, iText1Len), 300}, {offsetof(vrxPstartRecord, iText2Len), 10},
              {offsetof(vrxPstartRecord, iText3Len), 0}});
    auto *pstp = record_form<vrxPstpRecord>(mem, {{offsetof(vrxPstpRecord, iTextLen), 4}});
    auto *dbQuiesce = static_cast<vrxgDatabaseQuiesceStruct *>(mem.room(16));
    std::memcpy(dbQuiesce, "reservedAAAABBBB", 16);
    auto *iq = mem.place(vrxgInstanceQuiesceStruct{1, x.t[0], 2, x.t[1], 3, x.t[2], 0xA1, 0xB2});
    auto *iuq = mem.place(vrxgInstanceUnquiesceStruct{4, x.t[3]});
    auto *hs = mem.place(vrxgHADRStartStruct{x.t[0], 1, x.t[1], 2, x.t[2], 3, 0xA1, 0xB2});
    auto *ht = mem.place(vrxgHADRTakeoverStruct{x.t[3], 4, x.t[4], 5, x.t[5], 6, 0xB2});
    auto *hst = mem.place(vrxgHADRStopStruct{x.t[2], 3, x.t[1], 2, x.t[0], 1});
    char *name = mem.field("NOTERMINA", 9);
    void *v2 = mem.room(4), *v3 = mem.room(4), *v4 = mem.room(4), *params = mem.room(4);
    sqlca *ca = mem.ca();
    const Names names{x, {{ca, "ca"}, {v2, "v2"}, {v3, "v3"}, {v4, "v4"}, {params, "params"}, {name, "name"},
                          {pstr, "pstr"}, {pstart, "pstart"}, {pstp, "pstp"}, {r.stop, "stop options"}}};
    const auto forms_of = [](const void *record, std::initializer_list<InlineField> fields) {
        return [record, fields](const vrxstub_call &, const Names &, std::vector<std::string> &seen) {
            seen[0] += "{" + terminators(record, fields) + "}";
        };
    };
    const auto started = [](const vrxstub_call &c, const Names &n, std::vector<std::string> &seen) {
        seen[1] = seen_instance(c, true, n);
    };
    const auto stopped = [](const vrxstub_call &c, const Names &n, std::vector<std::string> &seen) {
        seen[1] = seen_instance(c, false, n);
    };
    const std::vector<Check> startChecks = {r.record(r.instance),      checked(r.o1),   checked(r.o3), checked(r.u),
                                            checked(r.name), checked(r.c1), checked(r.c2), checked(r.c3)};
    const std::string comm = " 'inst' comm{7 'host' 'svc' 'net'} options{";
    const std::uint32_t v = 0xFEDCBA98u;
    const Form forms[] = {
        {"SQLGPSTR", "sqlepstr_api", [&] { return sqlgpstr(pstr, ca); }, {"pstr{2,-,3,1}", "ca"},
         {{pstr, 792, 3}, {pstr->text1, 3, 3}, {pstr->text3, 4, 3}, {pstr->text4, 2, 3}}, forms_of(pstr, kStartFields)},
        {"SQLGPSTART", "sqlepstart_api", [&] { return sqlgpstart(pstart, ca); }, {"pstart{235,10,-}", "ca"},
         {{pstart, 824, 3}, {pstart->text1, 236, 3}, {pstart->text2, 11, 3}}, forms_of(pstart, kCappedFields)},
        {"SQLGPSTP", "sqlepstp_api", [&] { return sqlgpstp(pstp, ca); }, {"pstp{4}", "ca"},
         {{pstp, 256, 3}, {pstp->text, 5, 3}}, forms_of(pstp, kStopFields)},
        {"SQLGSTAR", "sqlestar_api", [] { return sqlgstar(); }, {}, {}},
        {"SQLGSTDM", "sqlestop_api", [&] { return sqlgstdm(ca); }, {"ca"}, {}},
        {"VRXGINSTANCESTART", "vrxInstanceStart", [&] { return vrxgInstanceStart(v, r.instance, ca); },
         {"0xfedcba98",
          "remote 1" + comm + "3'one' 101 102 103 0null 104 105 5'three' 106 107 108 109 110 111 flag 1 U 'uu' G "
                              "unterminated U}",
          "ca"},
         startChecks, started},
        {"VRXGINSTANCESTOP", "vrxInstanceStop",
         [&] { return vrxgInstanceStop(v, r.stopInstance, ca); },
         {"0xfedcba98", "remote 1" + comm + "stop options}", "ca"},
         {r.record(r.stopInstance), checked(r.stopText), checked(r.name), checked(r.c1), checked(r.c2), checked(r.c3)}, stopped},
        // Given password, user name, instance name; the core takes them the other way round.
        {"SQLGATIN", "sqleatin_api", [&] { return sqlgatin(x.len(0), x.len(1), x.len(2), ca, x.t[0], x.t[1], x.t[2]); },
         {"'CCC'", "'BB'", "'A'", "ca"}, x.checks({0, 1, 2})},
        {"SQLGDTIN", "sqledtin_api", [&] { return sqlgdtin(ca); }, {"ca"}, {}},
        {"SQLGFRCE", "sqlefrce_api", [&] { return sqlgfrce(ca, kHigh | 0x8001, v3, v4); },
         {"v4", "v3", "0x8001", "ca"}, {}},
        {"SQLGGINS", "sqlegins_api", [&] { return sqlggins(ca, name); }, {"name", "ca"}, {{name, 9, 2}}},
        {"VRXGDATABASEPING", "vrxDatabasePing", [&] { return vrxgDatabasePing(v, params, ca); },
         {"0xfedcba98", "params", "ca"}, {}},
        {"VRXGDATABASEQUIESCE", "vrxDatabaseQuiesce", [&] { return vrxgDatabaseQuiesce(v, dbQuiesce, ca); },
         {"0xfedcba98", "0 41414141 42424242 0", "ca"}, {},
         core_record<vrxDatabaseQuiesceStruct>([](const vrxDatabaseQuiesceStruct &q) {
             std::ostringstream out;
             out << std::hex << q.iField1 << " " << q.iValueA << " " << q.iValueB << " " << q.iField4;
             return out.str();
         })},
        {"VRXGDATABASEUNQUIESCE", "vrxDatabaseUnquiesce", [&] { return vrxgDatabaseUnquiesce(v, params, ca); },
         {"0xfedcba98", "0x0", "ca"}, {}},
        {"VRXGINSTANCEQUIESCE", "vrxInstanceQuiesce", [&] { return vrxgInstanceQuiesce(v, iq, ca); },
         {"0xfedcba98", "'A' 'BB' 'CCC' 161 178", "ca"}, x.checks({0, 1, 2}),
         core_record<vrxInstanceQuiesceStruct>([](const vrxInstanceQuiesceStruct &q) {
             return shown(q.piText1) + " " + shown(q.piText2) + " " + shown(q.piText3) + " " +
                    std::to_string(q.iValueA) + " " + std::to_string(q.iValueB);
         })},
        {"VRXGINSTANCEUNQUIESCE", "vrxInstanceUnquiesce", [&] { return vrxgInstanceUnquiesce(v, iuq, ca); },
         {"0xfedcba98", "'DDDD'", "ca"}, x.checks({3}),
         core_record(describe_unquiesce)},
        {"VRXGHADRSTART", "vrxHADRStart", [&] { return vrxgHADRStart(v, hs, ca); },
         {"0xfedcba98", "'A' 'BB' 'CCC' 161 178", "ca"}, x.checks({0, 1, 2}),
         core_record(describe_hadr_start)},
        {"VRXGHADRTAKEOVER", "vrxHADRTakeover", [&] { return vrxgHADRTakeover(v, ht, ca); },
         {"0xfedcba98", "'DDDD' 'EEEEE' 'FFFFFF' 178", "ca"}, x.checks({3, 4, 5}),
         core_record(describe_hadr_takeover)},
        {"VRXGHADRSTOP", "vrxHADRStop", [&] { return vrxgHADRStop(v, hst, ca); },
         {"0xfedcba98", "'CCC' 'BB' 'A'", "ca"}, x.checks({2, 1, 0}),
         core_record<vrxHADRStopStruct>([](const vrxHADRStopStruct &h) {
             return shown(h.piText1) + " " + shown(h.piText2) + " " + shown(h.piText3);
         })},
        {"SQLGSETC", "sqlesetc_api", [&] { return sqlgsetc(v2, kHigh | 0x8005, ca); }, {"v2", "0x8005", "ca"}, {}},
        {"SQLGQRYC", "sqleqryc_api", [&] { return sqlgqryc(v2, kHigh | 0x8005, ca); }, {"v2", "0x8005", "ca"}, {}},
        {"SQLGSACT", "sqlesact_api", [&] { return sqlgsact(x.len(4), x.t[4], ca); }, {"'EEEEE'", "ca"},
         x.checks({4})},
        {"SQLGSDEG", "sqlesdeg_api", [&] { return sqlgsdeg(ca, v2, v3, v4); }, {"v4", "v3", "v2", "ca"}, {}},
        {"SQLGINTR", "sqleintr_api", [] { return sqlgintr(); }, {}, {}},
        {"SQLGISIG", "sqleisig_api", [&] { return sqlgisig(ca); }, {"ca"}, {}},
        {"SQLGFMEM", "sqlefmem_api", [&] { return sqlgfmem(ca, v3); }, {"ca", "v3"}, {}},
    };
    for (const Form &form : forms) {
        expect_core_sees(form, names, mem);
        EXPECT_EQ(vrxstub_scratch_request_count(), 0u) << form.name;
    }
}

// Each record form's texts, one at a time: terminated at the length, or at
// the cap when the length is larger; a length of 0 is an absent text; a
// refused record or text is left alone.
TEST_F(InstanceTest, RecordFormTextsEndAtTheirLengthUpToTheirCap) {
    struct Kind {
        const char *core;
        std::uint32_t size;
        std::vector<std::pair<std::size_t, std::size_t>> slots;  // (length, text) offsets
        std::function<std::int32_t(void *, sqlca *)> call;
    };
    const Kind start{"sqlepstr_api", 792,
                     {{offsetof(vrxPstrRecord, iText1Len), offsetof(vrxPstrRecord, text1)},
                      {offsetof(vrxPstrRecord, iText2Len), offsetof(vrxPstrRecord, text2)},
                      {offsetof(vrxPstrRecord, iText3Len), offsetof(vrxPstrRecord, text3)},
                      {offsetof(vrxPstrRecord, iText4Len), offsetof(vrxPstrRecord, text4)}},
                     [](void *r, sqlca *ca) { return sqlgpstr(static_cast<vrxPstrRecord *>(r), ca); }};
    const Kind capped{"sqlepstart_api", 824,
                      {{offsetof(vrxPstartRecord, iText1Len), offsetof(vrxPstartRecord, text1)},
                       {offsetof(vrxPstartRecord, iText2Len), offsetof(vrxPstartRecord, text2)},
                       {offsetof(vrxPstartRecord, iText3Len), offsetof(vrxPstartRecord, text3)}},
                      [](void *r, sqlca *ca) { return sqlgpstart(static_cast<vrxPstartRecord *>(r), ca); }};
    const Kind stop{"sqlepstp_api", 256, {{offsetof(vrxPstpRecord, iTextLen), offsetof(vrxPstpRecord, text)}},
                    [](void *r, sqlca *ca) { return sqlgpstp(static_cast<vrxPstpRecord *>(r), ca); }};
    struct Case {
        const Kind &kind;
        std::size_t slot;
        std::uint32_t length;
        char refused;  // 'R' the record, 'T' the text, '-' nothing
        int end;       // where the core finds the terminator, -1 nowhere
    } cases[] = {
        {capped, 0, 234, '-', 234}, {capped, 0, 235, '-', 235}, {capped, 0, 236, '-', 235},
        {capped, 0, 300, '-', 235}, {capped, 1, 254, '-', 254}, {capped, 1, 255, '-', 255},
        {capped, 1, 256, '-', 255}, {capped, 2, 255, '-', 255}, {capped, 2, 256, '-', 255},
        {capped, 2, 0, '-', -1},    {start, 0, 300, '-', 300},  {start, 1, 0, '-', -1},
        {start, 3, 255, '-', 255},  {stop, 0, 251, '-', 251},   {stop, 0, 0, '-', -1},
        {start, 2, 5, 'R', -1},     {capped, 1, 5, 'T', -1},    {stop, 0, 5, 'R', -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.kind.core) + " slot " + std::to_string(c.slot) + " length " +
                     std::to_string(c.length) + " refused " + c.refused);
        vrxstub_reset();
        CallerStorage mem;
        char *record = static_cast<char *>(mem.room(c.kind.size));
        std::memset(record, 'r', c.kind.size);
        for (const auto &[lengthAt, textAt] : c.kind.slots) std::memset(record + lengthAt, 0, 4);
        const auto [lengthAt, textAt] = c.kind.slots[c.slot];
        std::memcpy(record + lengthAt, &c.length, 4);
        char *text = record + textAt;
        const std::string before(record, c.kind.size);
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        std::vector<Check> expected = {{record, c.kind.size, 3}};
        const std::uint32_t n = std::min<std::uint32_t>(c.length, c.end < 0 ? c.length : c.end);
        if (c.refused == 'R') vrxstub_refuse_region(record, c.kind.size, 3);
        if (c.refused == 'T') vrxstub_refuse_region(text, n + 1, 3);
        if (c.length != 0 && c.refused != 'R') expected.push_back({text, n + 1, 3});
        int end = -2;
        CoreHook hook(c.kind.core, [&](const vrxstub_call &call) {
            // The first byte of the record the library changed.
            end = -1;
            for (std::size_t i = textAt; end < 0 && i < c.kind.size; ++i)
                if (record[i] != before[i]) end = record[i] == '\0' ? static_cast<int>(i - textAt) : -3;
            EXPECT_EQ(arg<void *>(call, 0), record);
            return 0;
        });
        EXPECT_EQ(c.kind.call(record, ca), 0);
        EXPECT_EQ(end, c.end);
        EXPECT_EQ(checks_made(), expected);
        EXPECT_TRUE(mem.unchanged_except());
    }
    // A null record is checked, then passed on as it is.
    for (const Kind *kind : {&start, &capped, &stop}) {
        vrxstub_reset();
        vrxstub_set_ptr_check(1);
        CoreHook hook(kind->core, [](const vrxstub_call &call) { return call.args[0] == 0 ? 3 : -3; });
        EXPECT_EQ(kind->call(nullptr, nullptr), 3) << kind->core;
        EXPECT_EQ(checks_made(), (std::vector<Check>{{nullptr, kind->size, 3}})) << kind->core;
    }
}

// Text U or G is terminated, whatever its length, only when the flag byte
// is set and the selector byte is exactly 'U' or 'G'; the padding after
// either byte may hold anything. Both pointers always reach the core.
TEST_F(InstanceTest, StartOptionsTerminateTextUOrGByFlagAndSelector) {
    struct Case {
        std::uint8_t flag, flagPadding;
        char selector;
        std::uint8_t selectorPadding;
        std::uint32_t uLen;
        const char *seen;
    } cases[] = {
        {0, 0, 'U', 0, 2, "U unterminated G unterminated"},    {0, 0xFF, 'U', 0, 2, "U unterminated G unterminated"},
        {1, 0, 'U', 0xFF, 2, "U 'uu' G unterminated"},         {0x80, 0, 'G', 0, 2, "U unterminated G 'ggg'"},
        {1, 0, 'X', 0, 2, "U unterminated G unterminated"},    {1, 0, 'u', 0, 2, "U unterminated G unterminated"},
        {1, 0, 'U', 0, 0, "U '' G unterminated"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.flag) + " " + c.selector + " " + std::to_string(c.uLen));
        vrxstub_reset();
        CallerStorage mem;
        const InstanceRecords r(mem, 0, c.flag, c.selector, c.uLen);
        char *options = reinterpret_cast<char *>(r.options);
        const std::size_t flagAt = offsetof(vrxgStartOptionsStruct, iFlag);
        const std::size_t selectorAt = offsetof(vrxgStartOptionsStruct, iSelector);
        std::memset(options + flagAt + 1, c.flagPadding, offsetof(vrxgStartOptionsStruct, iTextULen) - flagAt - 1);
        std::memset(options + selectorAt + 1, c.selectorPadding, sizeof(vrxgStartOptionsStruct) - selectorAt - 1);
        sqlca *ca = mem.ca();
        mem.snapshot();
        std::string seen;
        CoreHook hook("vrxInstanceStart", [&](const vrxstub_call &call) {
            const auto *o = static_cast<const vrxStartOptionsStruct *>(arg<vrxInstanceStruct *>(call, 1)->piOptions);
            seen = "U " + shown(o->piTextU) + " G " + shown(o->piTextG);
            EXPECT_EQ(o->iFlag, c.flag);
            EXPECT_EQ(o->iSelector, static_cast<std::uint8_t>(c.selector));
            return 0;
        });
        EXPECT_EQ(vrxgInstanceStart(1, r.instance, ca), 0);
        EXPECT_EQ(seen, c.seen);
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// What the versioned start and stop terminate and build when the instance
// is local, its record is refused, a record is missing or a length is 0.
TEST_F(InstanceTest, VersionedStartAndStopTerminateByRemoteFlagAndBuildTheCoreRecordsAlways) {
    const std::string options = "3'one' 101 102 103 0null 104 105 5'three' 106 107 108 109 110 111 flag 1 U 'uu' G "
                                "unterminated U";
    const std::string untouched = "3unterminated 101 102 103 0null 104 105 5unterminated 106 107 108 109 110 111 "
                                  "flag 1 U unterminated G unterminated U";
    const std::string comm = "comm{7 'host' 'svc' 'net'}";
    const std::string bare = "comm{7 unterminated unterminated unterminated}";
    using R = const InstanceRecords &;
    struct Case {
        const char *name;
        bool start;
        std::function<void(InstanceRecords &, vrxgInstanceStruct *&)> change;
        std::string seen;
        std::function<std::vector<Check>(R)> checks;
    } cases[] = {
        {"local, padding after the flag", true,
         [](InstanceRecords &, vrxgInstanceStruct *&i) { std::memcpy(i, "\0\xFF\xFF\xFF", 4); },
         "remote 0 unterminated " + bare + " options{" + options + "}",
         [](R r) { return std::vector<Check>{r.record(r.instance), checked(r.o1), checked(r.o3), checked(r.u)}; }},
        {"instance record refused", true,
         [](InstanceRecords &, vrxgInstanceStruct *&i) {
             vrxstub_refuse_region(i, sizeof *i, 3);
         },
         "remote 1 unterminated " + bare + " options{" + untouched + "}",
         [](R r) { return std::vector<Check>{r.record(r.instance)}; }},
        {"no communication record", true, [](InstanceRecords &, vrxgInstanceStruct *&i) { i->piComm = nullptr; },
         "remote 1 'inst' comm{null} options{" + options + "}",
         [](R r) {
             return std::vector<Check>{r.record(r.instance), checked(r.o1), checked(r.o3), checked(r.u),
                                       checked(r.name)};
         }},
        {"no options, name of length 0", true,
         [](InstanceRecords &, vrxgInstanceStruct *&i) {
             i->piOptions = nullptr;
             i->iInstanceNameLen = 0;
         },
         "remote 1 unterminated " + comm + " options{null}",
         [](R r) { return std::vector<Check>{r.record(r.instance), checked(r.c1), checked(r.c2), checked(r.c3)}; }},
        {"no stop options", false, [](InstanceRecords &, vrxgInstanceStruct *&i) { i->piOptions = nullptr; },
         "remote 1 'inst' " + comm + " options{0x0}",
         [](R r) {
             return std::vector<Check>{r.record(r.stopInstance), checked(r.name), checked(r.c1), checked(r.c2),
                                       checked(r.c3)};
         }},
        {"stop text of length 0", false, [](InstanceRecords &r, vrxgInstanceStruct *&) { r.stop->iTextLen = 0; },
         "remote 1 'inst' " + comm + " options{stop}",
         [](R r) {
             return std::vector<Check>{r.record(r.stopInstance), checked(r.name), checked(r.c1), checked(r.c2),
                                       checked(r.c3)};
         }},
        {"no instance record", true, [](InstanceRecords &, vrxgInstanceStruct *&i) { i = nullptr; }, "null",
         [](R) { return std::vector<Check>{}; }},
        {"no instance record", false, [](InstanceRecords &, vrxgInstanceStruct *&i) { i = nullptr; }, "null",
         [](R) { return std::vector<Check>{}; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.start ? "start: " : "stop: ") + c.name);
        vrxstub_reset();
        CallerStorage mem;
        InstanceRecords r(mem);
        sqlca *ca = mem.ca();
        vrxstub_set_ptr_check(1);
        vrxgInstanceStruct *instance = c.start ? r.instance : r.stopInstance;
        c.change(r, instance);
        const Texts x(mem);
        const Names names{x, {{r.stop, "stop"}}};
        mem.snapshot();
        std::string seen;
        CoreHook hook(c.start ? "vrxInstanceStart" : "vrxInstanceStop", [&](const vrxstub_call &call) {
            seen = seen_instance(call, c.start, names);
            return 0;
        });
        EXPECT_EQ(c.start ? vrxgInstanceStart(1, instance, ca) : vrxgInstanceStop(1, instance, ca), 0);
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(checks_made(), c.checks(r));
        EXPECT_TRUE(mem.unchanged_except());
    }
}

// Every text of a call is the same caller text: each terminator lands on
// the byte an earlier one already replaced, so only a restoration in the
// reverse order gives the caller's byte back.
TEST_F(InstanceTest, TextsSharingStorageArePutBackInReverse) {
    CallerStorage mem;
    const Text t = text(mem, "abc");
    auto *comm = mem.place(vrxgInstanceCommStruct{7, t.len, t.at, t.len, t.at, t.len, t.at});
    auto *options = mem.place(vrxgStartOptionsStruct{t.len, t.at, 0, 0, 0, t.len, t.at, 0, 0, t.len, t.at, 0, 0, 0,
                                                     0, 0, 0, 1, t.len, t.at, t.len, t.at, 'G'});
    auto *stop = mem.place(vrxgStopOptionsStruct{t.len, t.at});
    auto *start = mem.place(vrxgInstanceStruct{1, t.len, t.at, comm, options});
    auto *stopping = mem.place(vrxgInstanceStruct{1, t.len, t.at, comm, stop});
    auto *quiesce = mem.place(vrxgInstanceQuiesceStruct{t.len, t.at, t.len, t.at, t.len, t.at, 0, 0});
    auto *hadr = mem.place(vrxgHADRStartStruct{t.at, t.len, t.at, t.len, t.at, t.len, 0, 0});
    sqlca *ca = mem.ca();
    const struct {
        const char *core;
        std::function<std::int32_t()> call;
    } calls[] = {
        {"sqleatin_api", [&] { return sqlgatin(t.len, t.len, t.len, ca, t.at, t.at, t.at); }},
        {"vrxInstanceStart", [&] { return vrxgInstanceStart(1, start, ca); }},
        {"vrxInstanceStop", [&] { return vrxgInstanceStop(1, stopping, ca); }},
        {"vrxInstanceQuiesce", [&] { return vrxgInstanceQuiesce(1, quiesce, ca); }},
        {"vrxHADRStart", [&] { return vrxgHADRStart(1, hadr, ca); }},
    };
    for (const auto &c : calls) {
        vrxstub_reset();
        mem.snapshot();
        std::string seen;
        CoreHook hook(c.core, [&](const vrxstub_call &) {
            seen = shown(t.at);
            return 0;
        });
        EXPECT_EQ(c.call(), 0) << c.core;
        EXPECT_EQ(seen, "'abc'") << c.core;
        EXPECT_TRUE(mem.unchanged_except()) << c.core;
    }
}

// A text of length 0 outside the start and stop records is the empty
// string; a null text of a converted record stays null, the others are
// terminated all the same.
TEST_F(InstanceTest, EmptyAndNullTextsOfTheConvertedRecords) {
    CallerStorage mem;
    const Texts x(mem);
    auto *unquiesce = mem.place(vrxgInstanceUnquiesceStruct{0, x.t[0]});
    auto *takeover = mem.place(vrxgHADRTakeoverStruct{x.t[0], 0, x.t[1], 0, x.t[2], 0, 9});
    auto *hadr = mem.place(vrxgHADRStartStruct{x.t[0], 1, nullptr, 2, x.t[2], 3, 8, 9});
    auto *quiesce = mem.place(vrxgInstanceQuiesceStruct{1, x.t[0], 0, x.t[1], 3, nullptr, 5, 6});
    sqlca *ca = mem.ca();
    const Names names{x, {{ca, "ca"}}};
    const std::vector<Check> empties = {{x.t[0], 1, 3}, {x.t[1], 1, 3}, {x.t[2], 1, 3}};
    const Form forms[] = {
        {"SQLGATIN", "sqleatin_api", [&] { return sqlgatin(kHigh, kHigh, kHigh, ca, x.t[0], x.t[1], x.t[2]); },
         {"''", "''", "''", "ca"}, {empties[0], empties[1], empties[2]}},
        {"SQLGSACT", "sqlesact_api", [&] { return sqlgsact(kHigh, x.t[0], ca); }, {"''", "ca"}, {empties[0]}},
        {"VRXGINSTANCEUNQUIESCE", "vrxInstanceUnquiesce", [&] { return vrxgInstanceUnquiesce(1, unquiesce, ca); },
         {"0x1", "''", "ca"}, {empties[0]}, core_record(describe_unquiesce)},
        {"VRXGHADRTAKEOVER", "vrxHADRTakeover", [&] { return vrxgHADRTakeover(1, takeover, ca); },
         {"0x1", "'' '' '' 9", "ca"}, empties, core_record(describe_hadr_takeover)},
        {"VRXGHADRSTART", "vrxHADRStart", [&] { return vrxgHADRStart(1, hadr, ca); },
         {"0x1", "'A' null 'CCC' 8 9", "ca"}, x.checks({0, 2}), core_record(describe_hadr_start)},
        {"VRXGINSTANCEQUIESCE", "vrxInstanceQuiesce", [&] { return vrxgInstanceQuiesce(1, quiesce, ca); },
         {"0x1", "'A' '' null 5 6", "ca"}, {x.checks({0})[0], empties[1]},
         core_record<vrxInstanceQuiesceStruct>([](const vrxInstanceQuiesceStruct &q) {
             return shown(q.piText1) + " " + shown(q.piText2) + " " + shown(q.piText3) + " " +
                    std::to_string(q.iValueA) + " " + std::to_string(q.iValueB);
         })},
    };
    for (const Form &form : forms) expect_core_sees(form, names, mem);
}

// The name buffer is blank-filled from the core's terminator to its ninth
// byte whatever the core's result; without a terminator, or refused by the
// check, it stays as the core left it.
TEST_F(InstanceTest, InstanceNameComesBackBlankPaddedToNineBytes) {
    const struct {
        std::string written;
        bool refused;
        std::int32_t result;
        std::string expected;
    } cases[] = {
        {std::string("\0BCDEFGHI", 9), false, 0, "         "},
        {std::string("ABCDEFGH\0", 9), false, 0, "ABCDEFGH "},
        {"ABCDEFGHI", false, 0, "ABCDEFGHI"},
        {std::string("AB\0DEFGHI", 9), true, 0, std::string("AB\0DEFGHI", 9)},
        {std::string("VRX\0EFGHI", 9), false, -1032, "VRX      "},
    };
    for (const auto &c : cases) {
        vrxstub_reset();
        CallerStorage mem;
        char *name = mem.field("#########", 9);
        sqlca *ca = mem.ca();
        mem.snapshot();
        vrxstub_set_ptr_check(1);
        if (c.refused) vrxstub_refuse_region(name, 9, 2);
        CoreHook hook("sqlegins_api", [&](const vrxstub_call &) {
            std::memcpy(name, c.written.data(), 9);
            return c.result;
        });
        EXPECT_EQ(sqlggins(ca, name), c.result);
        EXPECT_EQ(std::string(name, 9), c.expected);
        EXPECT_TRUE(mem.unchanged_except({{name, 9}}));
    }
}

// Fields 1 and 4 of the core's database quiesce record are 0 whatever the
// stack held before the call; A and B come from bytes 8 and 12 of a record
// that may lie at any address.
__attribute__((noinline)) void dirty_stack(unsigned char pattern) {
    volatile unsigned char junk[4096];
    for (volatile unsigned char &b : junk) b = pattern;
}

TEST_F(InstanceTest, DatabaseQuiesceFillsTheCoreFieldsTheCallerDoesNotSupply) {
    CallerStorage mem;
    auto *params = reinterpret_cast<vrxgDatabaseQuiesceStruct *>(static_cast<char *>(mem.room(17)) + 1);
    std::memcpy(params, "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x01\x00\x00\x00\x02\x00\x00\x00", 16);
    std::vector<std::uint32_t> seen;
    CoreHook hook("vrxDatabaseQuiesce", [&](const vrxstub_call &c) {
        const auto *core = arg<const vrxDatabaseQuiesceStruct *>(c, 1);
        seen.insert(seen.end(), {core->iField1, core->iValueA, core->iValueB, core->iField4});
        return 0;
    });
    for (unsigned char pattern : {0x5A, 0xC3}) {
        dirty_stack(pattern);
        EXPECT_EQ(vrxgDatabaseQuiesce(1, params, nullptr), 0);
    }
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{0, 1, 2, 0, 0, 1, 2, 0}));
}

// The stand-in's one instance through a caller's session: each start, stop,
// attach, detach, quiesce and unquiesce form changes its state or is
// refused when the state does not allow it.
TEST_F(InstanceTest, TheInstanceIsStartedAttachedQuiescedAndStoppedInTurn) {
    CallerStorage mem;
    sqlca *ca = mem.ca();
    char *other = mem.text("OTHER");
    char *own = mem.text("vrxinst");
    char *name = mem.field("", 9);
    auto *instance = mem.place(vrxgInstanceStruct{0, 0, nullptr, nullptr, nullptr});
    auto *quiesce = mem.place(vrxgInstanceQuiesceStruct{0, nullptr, 0, nullptr, 0, nullptr, 0, 0});
    auto *unquiesce = mem.place(vrxgInstanceUnquiesceStruct{0, nullptr});
    auto *pstr = mem.place(vrxPstrRecord{});
    auto *pstart = mem.place(vrxPstartRecord{});
    auto *pstp = mem.place(vrxPstpRecord{});
    const struct {
        const char *step;
        std::function<std::int32_t()> call;
        std::int32_t code;
    } steps[] = {
        {"stop a stopped instance", [&] { return sqlgstdm(ca); }, -1032},
        {"attach to a stopped instance", [&] { return sqlgatin(0, 0, 7, ca, nullptr, nullptr, own); }, -1032},
        {"start", [] { return sqlgstar(); }, 0},
        {"start again", [&] { return vrxgInstanceStart(1, instance, ca); }, -1026},
        {"start again", [&] { return sqlgpstart(pstart, ca); }, -1026},
        {"attach to another instance", [&] { return sqlgatin(0, 0, 5, ca, nullptr, nullptr, other); }, -1097},
        {"quiesce unattached", [&] { return vrxgInstanceQuiesce(1, quiesce, ca); }, -1427},
        {"attach", [&] { return sqlgatin(0, 0, 7, ca, nullptr, nullptr, own); }, 0},
        {"attach again", [&] { return sqlgatin(0, 0, 0, ca, nullptr, nullptr, nullptr); }, -1248},
        {"instance name", [&] { return sqlggins(ca, name); }, 0},
        {"quiesce", [&] { return vrxgInstanceQuiesce(1, quiesce, ca); }, 0},
        {"quiesce again", [&] { return vrxgInstanceQuiesce(1, quiesce, ca); }, -1371},
        {"unquiesce", [&] { return vrxgInstanceUnquiesce(1, unquiesce, ca); }, 0},
        {"unquiesce again", [&] { return vrxgInstanceUnquiesce(1, unquiesce, ca); }, -1372},
        {"stop while attached", [&] { return sqlgpstp(pstp, ca); }, -1025},
        {"detach", [&] { return sqlgdtin(ca); }, 0},
        {"detach again", [&] { return sqlgdtin(ca); }, -1427},
        {"stop", [&] { return vrxgInstanceStop(1, instance, ca); }, 0},
        {"start", [&] { return sqlgpstr(pstr, ca); }, 0},
        {"stop", [&] { return sqlgpstp(pstp, ca); }, 0},
        {"no instance record", [&] { return vrxgInstanceStart(1, nullptr, ca); }, -1078},
    };
    for (const auto &s : steps) EXPECT_EQ(s.call(), s.code) << s.step;
    EXPECT_EQ(std::string(name, 9), "VRXINST  ");
}

}  // namespace
