// Instance control, quiesce, ping, HADR and connection settings. The record
// forms hold their texts inline: SQLGPSTR's first and third texts end on
// the same byte. The versioned start puts its option texts on shared text
// 0, text U and the instance name on text 2, the communication texts on
// text 1; text G, not selected, lies alone on text 3 and reaches the core
// unterminated. Empty texts and a null one are part of the quiesce and
// HADR rows.
#include <cstring>

#include "conformance/conformance.h"
#include "harness.h"
#include "vrxplatform/instance.h"

namespace vrxtest::conformance {
namespace {

// A record form of 'r' bytes with its 32-bit lengths at the given offsets.
template <class Record>
Record *record_form(Arena &a, const char *name, const std::vector<std::pair<std::size_t, std::uint32_t>> &lengths) {
    Record r;
    std::memset(static_cast<void *>(&r), 'r', sizeof r);
    for (const auto &[at, n] : lengths) {
        const std::uint32_t length = a.within(n);
        std::memcpy(reinterpret_cast<char *>(&r) + at, &length, 4);
    }
    return a.record(r, name);
}

// Where the core finds a NUL in a record form, outside its length fields.
auto nuls(std::uint32_t size, const std::vector<std::size_t> &lengths) {
    return [size, lengths](const vrxstub_call &c, Arena &a) {
        const char *r = arg<const char *>(c, 0);
        for (std::size_t i = 0; i < size; ++i) {
            bool length = false;
            for (std::size_t at : lengths) length = length || (i >= at && i < at + 4);
            if (!length && r[i] == '\0') a.seen += " @" + std::to_string(i);
        }
    };
}

vrxgInstanceCommStruct *comm(Arena &a) {
    return a.record(vrxgInstanceCommStruct{7, a.len32(1), a.text(1, 1), a.len32(2), a.text(2, 1), a.len32(3),
                                           a.text(3, 1)},
                    "comm");
}

// The core's instance record, its communication record and options; a null record as 0.
void see_instance(const vrxstub_call &c, Arena &a) {
    const auto *i = arg<const vrxInstanceStruct *>(c, 1);
    if (i == nullptr) return;
    const vrxInstanceCommStruct *m = i->piComm;
    a.see(i->iIsRemote, i->piInstanceName);
    if (m == nullptr) a.see(m);
    else a.see(m->iValue, m->piText1, m->piText2, m->piText3);
}

void see_start(const vrxstub_call &c, Arena &a) {
    see_instance(c, a);
    const auto *i = arg<const vrxInstanceStruct *>(c, 1);
    if (i == nullptr) return;
    const auto *o = static_cast<const vrxStartOptionsStruct *>(i->piOptions);
    if (o == nullptr) return a.see(o);
    a.see(o->iText1Len, o->piText1, o->iValue1, o->iValue2, o->iValue3, o->iText2Len, o->piText2, o->iValue4,
          o->iValue5, o->iText3Len, o->piText3, o->iValue6, o->iValue7, o->iValue8, o->iValue9, o->iValue10,
          o->iValue11, o->iFlag, o->piTextU, o->piTextG, o->iSelector);
}

void see_stop(const vrxstub_call &c, Arena &a) {
    see_instance(c, a);
    if (const auto *i = arg<const vrxInstanceStruct *>(c, 1)) a.see(i->piOptions);
}

// What a variant changes in the versioned start or stop of the rows.
struct Instance {
    bool remote = true, name = true, comm = true, options = true;
    std::uint8_t flag = 1, padding = 0;  // the padding after the flag and after the selector
    char selector = VRX_START_SELECT_U;
    bool emptyText = false;  // text U, or the stop text, of length 0
};

// A local instance record's remote flag is 0, the padding after it not.
// The name lies on shared text k.
vrxgInstanceStruct *instance(Arena &a, const Instance &s, int k, void *options) {
    vrxgInstanceStruct i{1, a.len32(4), a.text(4, k), s.comm ? comm(a) : nullptr, options};
    if (!s.name) i.iInstanceNameLen = 0;
    if (!s.remote) std::memcpy(&i, "\0\xFF\xFF\xFF", 4);
    return a.record(i, "instance");
}

std::int32_t start(Arena &a, const Instance &s) {
    vrxgStartOptionsStruct o{a.len32(1), a.text(1),    101, 102, 103, 0,   nullptr,
                             104,        105,          a.len32(3), a.text(3), 106, 107, 108,
                             109,        110,          111, 1,   a.len32(2), a.text(2, 2), a.len32(4),
                             a.text(4, 3), VRX_START_SELECT_U};
    char *bytes = reinterpret_cast<char *>(&o);
    const std::size_t flag = offsetof(vrxgStartOptionsStruct, iFlag);
    const std::size_t selector = offsetof(vrxgStartOptionsStruct, iSelector);
    std::memset(bytes + flag + 1, s.padding, offsetof(vrxgStartOptionsStruct, iTextULen) - flag - 1);
    std::memset(bytes + selector + 1, s.padding, sizeof o - selector - 1);
    o.iFlag = s.flag;
    o.iSelector = static_cast<std::uint8_t>(s.selector);
    if (s.emptyText) o.iTextULen = 0;
    vrxgInstanceStruct *i = instance(a, s, 2, s.options ? a.record(o, "options") : nullptr);
    return a.call(vrxgInstanceStart, a.version(9050000u), i, a.ca());
}

std::int32_t stop(Arena &a, const Instance &s) {
    auto *stop = s.options ? a.record(vrxgStopOptionsStruct{s.emptyText ? 0 : a.len32(2), a.text(2)}, "stop") : nullptr;
    return a.call(vrxgInstanceStop, a.version(9050000u), instance(a, s, 0, stop), a.ca());
}

// A versioned row whose entry point builds a core record: `make` fills the
// caller's record, `show` sees the core's.
template <class Record, class Core>
Row versioned(const char *name, const char *seen, std::int32_t(VRX_STDCALL *entry)(std::uint32_t, Record *, sqlca *),
              Record (*make)(Arena &), void (*show)(const Core &, Arena &)) {
    return {name, seen, [=](Arena &a) { return a.call(entry, a.version(9050000u), a.record(make(a)), a.ca()); },
            {}, "", {}, [=](const vrxstub_call &c, Arena &a) { show(*arg<const Core *>(c, 1), a); }};
}

const Rows rows = {
    {"SQLGPSTR", "pstr ca @257 @304",
     [](Arena &a) {
         return a.call(sqlgpstr, record_form<vrxPstrRecord>(a, "pstr", {{0, 300}, {248, 5}, {264, 36}, {532, 0}}),
                       a.ca());
     },
     {}, "", {}, nuls(792, {0, 248, 264, 532})},
    {"SQLGPSTART", "pstart ca @247 @274",
     [](Arena &a) {
         return a.call(sqlgpstart, record_form<vrxPstartRecord>(a, "pstart", {{8, 300}, {260, 10}, {528, 0}}), a.ca());
     },
     {}, "", {}, nuls(824, {8, 260, 528})},
    {"SQLGPSTP", "pstp ca @8",
     [](Arena &a) { return a.call(sqlgpstp, record_form<vrxPstpRecord>(a, "pstp", {{0, 4}}), a.ca()); }, {}, "", {},
     nuls(256, {0})},
    {"SQLGSTAR", "", [](Arena &a) { return a.call(sqlgstar); }},
    {"SQLGSTDM", "ca", [](Arena &a) { return a.call(sqlgstdm, a.ca()); }},
    {"VRXGINSTANCESTART",
     "9050000 & ca 1 'DCBA' 7 'A' 'BA' 'CBA' 1 'A' 101 102 103 0 0 104 105 3 'CBA' 106 107 108 109 110 111 1 'BA' "
     "'DCBA                    ' 85",
     [](Arena &a) { return start(a, {}); }, {}, "", {}, see_start},
    // The stop text and the instance name end on the same byte.
    {"VRXGINSTANCESTOP", "9050000 & ca 1 'DCBA' 7 'A' 'BA' 'CBA' stop", [](Arena &a) { return stop(a, {}); },
     {}, "", {}, see_stop},
    // Given password, user name, instance name; the core takes them the other way round.
    {"SQLGATIN", "'CBA' 'BA' 'A' ca",
     [](Arena &a) {
         return a.call(sqlgatin, a.len(1), a.len(2), a.len(3), a.ca(), a.text(1), a.text(2), a.text(3));
     }},
    {"SQLGDTIN", "ca", [](Arena &a) { return a.call(sqlgdtin, a.ca()); }},
    {"SQLGFRCE", "v4 v3 32769 ca",
     [](Arena &a) {
         return a.call(sqlgfrce, a.ca(), kHigh16 | 0x8001, a.record(3u, "v3"), a.record(4u, "v4"));
     }},
    {"SQLGGINS", "out ca", [](Arena &a) { return a.call(sqlggins, a.ca(), a.filled(9, "INST")); }},
    {"VRXGDATABASEPING", "9050000 params ca",
     [](Arena &a) { return a.call(vrxgDatabasePing, a.version(9050000u), a.record(9u, "params"), a.ca()); }},
    // The core's first and last fields are 0; the caller's first eight bytes are not read.
    versioned("VRXGDATABASEQUIESCE", "9050000 & ca 0 1 2 0", vrxgDatabaseQuiesce,
              +[](Arena &) { return vrxgDatabaseQuiesceStruct{{'r', 'e', 's', 'e', 'r', 'v', 'e', 'd'}, 1, 2}; },
              +[](const vrxDatabaseQuiesceStruct &q, Arena &a) { a.see(q.iField1, q.iValueA, q.iValueB, q.iField4); }),
    {"VRXGDATABASEUNQUIESCE", "9050000 0 ca",
     [](Arena &a) { return a.call(vrxgDatabaseUnquiesce, a.version(9050000u), a.record(9u, "params"), a.ca()); }},
    versioned("VRXGINSTANCEQUIESCE", "9050000 & ca 'A' 'BA' 'CBA' 161 178", vrxgInstanceQuiesce,
              +[](Arena &a) {
                  return vrxgInstanceQuiesceStruct{a.len32(1), a.text(1), a.len32(2), a.text(2),
                                                   a.len32(3), a.text(3), 0xA1,       0xB2};
              },
              +[](const vrxInstanceQuiesceStruct &q, Arena &a) {
                  a.see(q.piText1, q.piText2, q.piText3, q.iValueA, q.iValueB);
              }),
    // A text of length 0 is the empty string here.
    versioned("VRXGINSTANCEUNQUIESCE", "9050000 & ca ''", vrxgInstanceUnquiesce,
              +[](Arena &a) { return vrxgInstanceUnquiesceStruct{a.len32(0), a.text(0)}; },
              +[](const vrxInstanceUnquiesceStruct &q, Arena &a) { a.see(q.piText); }),
    // A null second text stays null.
    versioned("VRXGHADRSTART", "9050000 & ca 'A' 0 'CBA' 161 178", vrxgHADRStart,
              +[](Arena &a) {
                  return vrxgHADRStartStruct{a.text(1), a.len32(1), nullptr, a.len32(2), a.text(3), a.len32(3), 0xA1,
                                             0xB2};
              },
              +[](const vrxHADRStartStruct &h, Arena &a) {
                  a.see(h.piText1, h.piText2, h.piText3, h.iValueA, h.iValueB);
              }),
    versioned("VRXGHADRTAKEOVER", "9050000 & ca 'DCBA' '' 'FEDCBA' 178", vrxgHADRTakeover,
              +[](Arena &a) {
                  return vrxgHADRTakeoverStruct{a.text(4), a.len32(4), a.text(0), a.len32(0), a.text(6), a.len32(6),
                                                0xB2};
              },
              +[](const vrxHADRTakeoverStruct &h, Arena &a) { a.see(h.piText1, h.piText2, h.piText3, h.iValueB); }),
    versioned("VRXGHADRSTOP", "9050000 & ca 'CBA' 'BA' 'A'", vrxgHADRStop,
              +[](Arena &a) {
                  return vrxgHADRStopStruct{a.text(3), a.len32(3), a.text(2), a.len32(2), a.text(1), a.len32(1)};
              },
              +[](const vrxHADRStopStruct &h, Arena &a) { a.see(h.piText1, h.piText2, h.piText3); }),
    {"SQLGSETC", "settings 32773 ca",
     [](Arena &a) { return a.call(sqlgsetc, a.record(9u, "settings"), kHigh16 | 0x8005, a.ca()); }},
    {"SQLGQRYC", "settings 32773 ca",
     [](Arena &a) { return a.call(sqlgqryc, a.record(9u, "settings"), kHigh16 | 0x8005, a.ca()); }},
    {"SQLGSACT", "'' ca", [](Arena &a) { return a.call(sqlgsact, a.len(0), a.text(0), a.ca()); }},
    {"SQLGSDEG", "v4 v3 v2 ca",
     [](Arena &a) {
         return a.call(sqlgsdeg, a.ca(), a.record(2u, "v2"), a.record(3u, "v3"), a.record(4u, "v4"));
     }},
    {"SQLGINTR", "", [](Arena &a) { return a.call(sqlgintr); }},
    {"SQLGISIG", "ca", [](Arena &a) { return a.call(sqlgisig, a.ca()); }},
    {"SQLGFMEM", "ca memory", [](Arena &a) { return a.call(sqlgfmem, a.ca(), a.record(9u, "memory")); }},
};

// The checks of null made before the core runs.
void see_null_checks(const vrxstub_call &, Arena &a) {
    for (const vrxstub_call &c : calls("sqlagcptr_real"))
        if (arg<const void *>(c, 0) == nullptr)
            a.seen += " checked null " + std::to_string(arg<std::uint32_t>(c, 1)) + "/" +
                      std::to_string(arg<std::uint8_t>(c, 2));
}

// A record form's texts one at a time (index, length): terminated at their
// length, or at their cap when that is less; a length of 0 leaves a text
// alone. Then a null record: checked for the record's size, and passed on.
template <class Record>
std::vector<Variant> form_texts(const char *name, const char *record,
                                std::int32_t(VRX_STDCALL *entry)(Record *, sqlca *),
                                const std::vector<std::size_t> &lengthAt,
                                std::initializer_list<std::pair<std::size_t, std::uint32_t>> cases) {
    std::vector<Variant> out;
    for (const auto &[text, length] : cases) {
        std::vector<std::pair<std::size_t, std::uint32_t>> lengths;
        for (std::size_t at : lengthAt) lengths.push_back({at, at == lengthAt[text] ? length : 0});
        out.push_back({name, "text " + std::to_string(text) + " of " + std::to_string(length),
                       [=](Arena &a) { return a.call(entry, record_form<Record>(a, record, lengths), a.ca()); },
                       nuls(sizeof(Record), lengthAt)});
    }
    out.push_back({name, "null record", [=](Arena &a) { return a.call(entry, static_cast<Record *>(nullptr), a.ca()); },
                   see_null_checks});
    return out;
}

const Variants pstart(form_texts("SQLGPSTART", "pstart", sqlgpstart, {8, 260, 528},
                                 {{0, 234}, {0, 235}, {0, 236}, {1, 254}, {1, 255}, {1, 256}, {2, 255}, {2, 256}}));
const Variants pstr(form_texts("SQLGPSTR", "pstr", sqlgpstr, {0, 248, 264, 532}, {{1, 0}, {3, 255}}));
const Variants pstp(form_texts("SQLGPSTP", "pstp", sqlgpstp, {0}, {{0, 251}, {0, 0}}));

// A local start terminates text U or G, whatever its length, only under its
// flag byte and a selector of exactly 'U' or 'G'; a remote start or stop its
// name and communication texts too. A missing record or a length of 0
// leaves its texts alone; the core records are built all the same. A null
// instance record goes to the core unchecked.
Variant start_with(const char *label, Instance s) {
    return {"VRXGINSTANCESTART", label, [=](Arena &a) { return start(a, s); }, see_start};
}
Variant stop_with(const char *label, Instance s) {
    return {"VRXGINSTANCESTOP", label, [=](Arena &a) { return stop(a, s); }, see_stop};
}
constexpr Instance local(std::uint8_t flag, std::uint8_t padding, char selector = 'U', bool emptyText = false) {
    return {false, true, true, true, flag, padding, selector, emptyText};
}

// The name comes back blank-filled from the core's terminator to its ninth
// byte, whatever the core's result; without a terminator, or refused, as
// the core left it.
Variant name_back(const char *label, std::string written, std::int32_t result = 4711, bool refused = false) {
    return {"SQLGGINS", label,
            [=](Arena &a) {
                char *name = a.out(9);
                if (refused) vrxstub_refuse_region(name, 9, 2);
                return a.call(sqlggins, a.ca(), name);
            },
            [=](const vrxstub_call &c, Arena &) { std::memcpy(arg<char *>(c, 0), written.data(), 9); }, result};
}

using namespace std::string_literals;

const Variants variants({
    start_with("local, flag 0", local(0, 0)), start_with("local, flag 0, padding", local(0, 0xFF)),
    start_with("local, flag 1, padding", local(1, 0xFF)), start_with("local, flag 0x80, G", local(0x80, 0, 'G')),
    start_with("local, selector X", local(1, 0, 'X')), start_with("local, selector u", local(1, 0, 'u')),
    start_with("local, U of length 0", local(1, 0, 'U', true)),
    start_with("no communication record", {true, true, false}),
    start_with("no options, name of length 0", {true, false, true, false}),
    {"VRXGINSTANCESTART", "null record",
     [](Arena &a) { return a.call(vrxgInstanceStart, 9050000u, static_cast<vrxgInstanceStruct *>(nullptr), a.ca()); },
     see_null_checks},
    stop_with("no options", {true, true, true, false}),
    stop_with("stop text of length 0", {true, true, true, true, 1, 0, 'U', true}),
    {"VRXGINSTANCESTOP", "null record",
     [](Arena &a) { return a.call(vrxgInstanceStop, 9050000u, static_cast<vrxgInstanceStruct *>(nullptr), a.ca()); },
     see_null_checks},
    name_back("NUL first", "\0BCDEFGHI"s), name_back("NUL last", "ABCDEFGH\0"s), name_back("no NUL", "ABCDEFGHI"),
    name_back("refused", "AB\0DEFGHI"s, 4711, true),
    name_back("core result -1032", "VRX\0EFGHI"s, -1032),
});

}  // namespace
}  // namespace vrxtest::conformance
