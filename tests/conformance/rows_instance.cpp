// Instance control, quiesce, ping, HADR and connection settings. The record
// forms hold their texts inline: SQLGPSTR's first and third texts end on
// the same byte. The versioned start puts its option texts on shared text
// 0, text U and the instance name on text 2, the communication texts on
// text 1; text G, not selected, lies alone on text 3 and reaches the core
// unterminated. Empty texts and a null one are part of the quiesce and
// HADR rows.
#include <cstring>

#include "conformance/conformance.h"
#include "vrxplatform/instance.h"

namespace vrxtest::conformance {
namespace {

// A record form of 'r' bytes with its 32-bit lengths at the given offsets.
template <class Record>
Record *record_form(Arena &a, const char *name, std::initializer_list<std::pair<std::size_t, std::uint32_t>> lengths) {
    Record r;
    std::memset(static_cast<void *>(&r), 'r', sizeof r);
    for (const auto &[at, n] : lengths) {
        const std::uint32_t length = a.within(n);
        std::memcpy(reinterpret_cast<char *>(&r) + at, &length, 4);
    }
    return a.record(r, name);
}

// Where the core finds a NUL in a record form, outside its length fields.
auto nuls(std::uint32_t size, std::initializer_list<std::size_t> lengthAt) {
    const std::vector<std::size_t> lengths(lengthAt);
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

void see_instance(const vrxInstanceStruct *i, Arena &a) {
    const vrxInstanceCommStruct *m = i->piComm;
    a.see(i->iIsRemote, i->piInstanceName, m->iValue, m->piText1, m->piText2, m->piText3);
}

// A versioned row whose entry point builds a core record: `make` fills the
// caller's record, `show` sees the core's.
template <class Record, class Core>
Row versioned(const char *name, const char *seen, std::int32_t(VRX_STDCALL *entry)(std::uint32_t, Record *, sqlca *),
              Record (*make)(Arena &), void (*show)(const Core &, Arena &)) {
    return {name, seen, [=](Arena &a) { return a.call(entry, a.version(9050000u), a.record(make(a)), a.ca()); }, {}, "", {},
            [=](const vrxstub_call &c, Arena &a) { show(*arg<const Core *>(c, 1), a); }};
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
     [](Arena &a) {
         const vrxgStartOptionsStruct o{a.len32(1), a.text(1),    101, 102, 103, 0,   nullptr,
                                        104,        105,          a.len32(3), a.text(3), 106, 107, 108,
                                        109,        110,          111, 1,   a.len32(2), a.text(2, 2), a.len32(4),
                                        a.text(4, 3), VRX_START_SELECT_U};
         const vrxgInstanceStruct i{1, a.len32(4), a.text(4, 2), comm(a), a.record(o, "options")};
         return a.call(vrxgInstanceStart, a.version(9050000u), a.record(i, "instance"), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *i = arg<const vrxInstanceStruct *>(c, 1);
         const auto *o = static_cast<const vrxStartOptionsStruct *>(i->piOptions);
         see_instance(i, a);
         a.see(o->iText1Len, o->piText1, o->iValue1, o->iValue2, o->iValue3, o->iText2Len, o->piText2, o->iValue4,
               o->iValue5, o->iText3Len, o->piText3, o->iValue6, o->iValue7, o->iValue8, o->iValue9, o->iValue10,
               o->iValue11, o->iFlag, o->piTextU, o->piTextG, o->iSelector);
     }},
    // The stop text and the instance name end on the same byte.
    {"VRXGINSTANCESTOP", "9050000 & ca 1 'DCBA' 7 'A' 'BA' 'CBA' stop",
     [](Arena &a) {
         auto *stop = a.record(vrxgStopOptionsStruct{a.len32(2), a.text(2)}, "stop");
         const vrxgInstanceStruct i{1, a.len32(4), a.text(4), comm(a), stop};
         return a.call(vrxgInstanceStop, a.version(9050000u), a.record(i, "instance"), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *i = arg<const vrxInstanceStruct *>(c, 1);
         see_instance(i, a);
         a.see(i->piOptions);
     }},
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

}  // namespace
}  // namespace vrxtest::conformance
