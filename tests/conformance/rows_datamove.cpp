// Export, import, load and load query. A call's texts share text 0; its
// first lists' entries share text 1 and its later lists' text 2, so that a
// list put back before one terminated after it leaves a NUL there; the
// load's nested texts share text 3.
#include "conformance/conformance.h"
#include "vrxplatform/datamove.h"

namespace vrxtest::conformance {
namespace {

constexpr vrx_slot kValue16 = kHigh16 | 0x1234u;  // reaches the core as 4660

void *v(std::uintptr_t n) { return reinterpret_cast<void *>(n); }

vrxMediaList *list(Arena &a, char type, int k, const char *name) {
    return a.record(vrxMediaList{type, {}, a.entries(1), a.entry(k)}, name);
}

vrxgExportParms *export_record(Arena &a) {
    const vrxgExportParms p{a.text(1), list(a, 'L', 1, "paths"), list(a, 'C', 1, "locations"), 1, 2, a.text(2), 3,
                            a.text(3), 0x1234, {}, 4, 1, 2, 3, {}, 5, list(a, 'L', 2, "paths2"),
                            list(a, 'C', 2, "locations2")};
    return a.record(p);
}

void see_export(const vrxstub_call &c, Arena &a) {
    const auto *core = arg<const vrxExportParms *>(c, 1);
    a.see(core->text1, core->pathList1, core->locationList1, core->value1, core->value2, core->text2, core->value3,
          core->text3, core->value16, core->value4, core->value5, core->pathList2, core->locationList2);
}

const Rows rows = {
    {"SQLGEXPT", "'A' 1 2 'BA' 3 'CBA' 4660 4 ca",
     [](Arena &a) {
         return a.call(sqlgexpt, a.len(3), a.len(2), a.len(1), a.ca(), v(4), kValue16, a.text(3), v(3), a.text(2),
                       v(2), v(1), a.text(1));
     }},
    {"SQLGEXPR", "'A' paths locations 1 2 'BA' 3 'CBA' 4660 4 5 ca",
     [](Arena &a) {
         return a.call(sqlgexpr, a.len(1), a.len(2), a.len(3), a.text(1), list(a, 'L', 1, "paths"),
                       list(a, 'C', 1, "locations"), v(1), v(2), a.text(2), v(3), a.text(3), kValue16, v(4), v(5),
                       a.ca());
     },
     {"sqlgexpr"}, "sqlgexpr 267 301", {301, 267}, nullptr, -83, -83, 4711, false, true},
    {"VRXGEXPORT", "9000000 & ca 'A' paths locations 1 2 'BA' 3 'CBA' 4660 4 5 paths2 locations2",
     [](Arena &a) { return a.call(vrxgExport, a.version(9000000u), export_record(a), a.ca()); },
     {"sqluMakeMediaListNullTerminated"}, "sqlgload 191 191 191 191", {191, 191, 191, 191}, see_export},
    {"SQLGIMPT", "'A' 1 2 'BA' 3 'CBA' 4660 4 5 ca",
     [](Arena &a) {
         return a.call(sqlgimpt, a.len(3), a.len(2), a.len(1), a.ca(), v(5), v(4), kValue16, a.text(3), v(3),
                       a.text(2), v(2), v(1), a.text(1));
     }},
    {"SQLGIMPR", "'A' paths 1 2 'BA' 3 'CBA' 4660 4 5 6 7 ca",
     [](Arena &a) {
         return a.call(sqlgimpr, a.len(1), a.len(2), a.len(3), a.text(1), list(a, 'L', 1, "paths"), v(1), v(2),
                       a.text(2), v(3), a.text(3), kValue16, v(4), v(5), v(6), v(7), a.ca());
     },
     {"sqlgimpr"}, "sqlgimpr 226", {226}, nullptr, -83, -83, 4711, false},
    {"VRXGIMPORT", "9050000 & ca 'A' paths 1 2 'BA' 3 'CBA' 4660 4 5 6 paths2 7",
     [](Arena &a) {
         const vrxgImportParms p{a.text(1), list(a, 'L', 1, "paths"), 1, 2, a.text(2), 3, a.text(3), 0x1234, {},
                                 4, 5, 6, 1, 2, 3, {}, list(a, 'L', 1, "paths2"), 7};
         return a.call(vrxgImport, a.version(9050000u), a.record(p), a.ca());
     },
     {"sqluMakeMediaListNullTerminated"}, "sqlgload 191 191", {191, 191},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxImportParms *>(c, 1);
         a.see(core->text1, core->pathList1, core->value1, core->value2, core->text2, core->value3, core->text3,
               core->value16, core->value4, core->value5, core->value6, core->pathList2, core->value7);
     }},
    {"SQLGLOAD", "source source2 1 2 'A' 3 'BA' 'CBA' 4660 4 5 paths target 6 7 ca",
     [](Arena &a) {
         return a.call(sqlgload, a.len(1), a.len(2), a.len(3), list(a, 'S', 1, "source"),
                       list(a, 'S', 1, "source2"), v(1), v(2), a.text(1), v(3), a.text(2), a.text(3), kValue16, v(4),
                       v(5), list(a, 'L', 2, "paths"), list(a, 'O', 2, "target"), v(6), v(7), a.ca());
     },
     {"sqluMakeMediaListNullTerminated"}, "sqlgload 191 191 191 191", {191, 191, 191, 191}},
    {"VRXGLOAD",
     "9050000 & ca source source2 1 2 'A' 3 'BA' 'CBA' paths target 4 nested1 5 nested2 6 4660 7 source3 "
     "'GFEDCBA' 'A' 'BA' 'CBA' 'DCBA' 'EDCBA' 'FEDCBA'",
     [](Arena &a) {
         vrxgLoadNested1 n1{};
         n1.piTextN1 = a.text(7, 3);
         n1.iTextN1Len = 7;
         vrxgLoadNested2 n2{};
         std::tie(n2.piTextP1, n2.piTextP2, n2.piTextP3, n2.piTextP4, n2.piTextP5, n2.piTextP6) =
             std::make_tuple(a.text(1, 3), a.text(2, 3), a.text(3, 3), a.text(4, 3), a.text(5, 3), a.text(6, 3));
         for (std::uint16_t i = 0; i < 6; ++i) n2.iTextLen[i] = static_cast<std::uint16_t>(i + 1);
         const vrxgLoadParms p{list(a, 'S', 1, "source"), list(a, 'S', 1, "source2"), 1, 2, a.text(1), 3,
                               a.text(2), a.text(3), list(a, 'L', 2, "paths"), list(a, 'L', 2, "target"), 4,
                               a.record(n1, "nested1"), 5, a.record(n2, "nested2"), 6, 0x1234, 1, 2, 3, 7,
                               list(a, 'S', 1, "source3")};
         return a.call(vrxgLoad, a.version(9050000u), a.record(p), a.ca());
     },
     {"sqluMakeMediaListNullTerminated"}, "sqlgload 191 191 191 191 191", {191, 191, 191, 191, 191},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxLoadParms *>(c, 1);
         a.see(core->sourceList, core->sourceList2, core->value1, core->value2, core->text1, core->value3,
               core->text2, core->text3, core->pathList, core->copyTarget, core->value4, core->nested1, core->value5,
               core->nested2, core->value6, core->value16, core->value7, core->sourceList3);
         if (core->nested1 == nullptr || core->nested2 == nullptr) return;
         vrxgLoadNested1 n1;  // the caller's, maybe at an odd address
         vrxgLoadNested2 n2;
         std::memcpy(static_cast<void *>(&n1), core->nested1, sizeof n1);
         std::memcpy(static_cast<void *>(&n2), core->nested2, sizeof n2);
         a.see(n1.piTextN1, n2.piTextP1, n2.piTextP2, n2.piTextP3, n2.piTextP4, n2.piTextP5, n2.piTextP6);
     }},
    {"SQLGQRY", "'A' 'BA' ca",
     [](Arena &a) { return a.call(sqlgqry, a.len(1), a.len(2), a.text(1), a.text(2), a.ca()); }, {}, "", {},
     nullptr, -83, -83, 4711, false},
    {"VRXGLOADQUERY", "9050000 & ca 1 'A' 2 3 'BA'",
     [](Arena &a) {
         const vrxgLoadQueryParms p{1, a.len32(1), a.text(1), 2, 3, a.len32(2), a.text(2)};
         return a.call(vrxgLoadQuery, a.version(9050000u), a.record(p), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxLoadQueryParms *>(c, 1);
         a.see(core->value1, core->text1, core->value2, core->value3, core->text2);
     },
     -83, -83, 4711, false},
};

// Below version 9000000 the export record ends before its second pair of
// lists: they are neither read nor handed over. A 16-bit value reaches the
// core sign-extended (seen as a 32-bit number, the same on every build).
const Variants variants(std::vector<Variant>{
    {"VRXGEXPORT", "version 8999999",
     [](Arena &a) { return a.call(vrxgExport, 8999999u, export_record(a), a.ca()); }, see_export},
    {"SQLGEXPT", "value 0xFFFF",
     [](Arena &a) {
         return a.call(sqlgexpt, a.len(3), a.len(2), a.len(1), a.ca(), v(4), kHigh16 | 0xFFFFu, a.text(3), v(3),
                       a.text(2), v(2), v(1), a.text(1));
     },
     [](const vrxstub_call &c, Arena &a) {
         a.seen.clear();
         for (std::uint32_t i = 0; i < c.argc; ++i)
             if (i == 6) a.seen += " " + std::to_string(arg<std::int32_t>(c, i));
             else a.see(c.args[i]);
     }},
});

}  // namespace
}  // namespace vrxtest::conformance
