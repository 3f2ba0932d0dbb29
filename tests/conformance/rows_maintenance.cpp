// Table maintenance. The statistics record's names share four texts: the
// table and the first column on text 0, the second column and the
// distribution on text 1, the group's two names on text 2, the two indexes
// on text 3; each pair shows whether its later name went back first.
#include "conformance/conformance.h"
#include "vrxplatform/maintenance.h"

namespace vrxtest::conformance {
namespace {

void *v(Arena &a, const char *name) { return a.record(std::uint32_t{0}, name); }

// Element i of an array the caller may have placed at an odd address.
template <class T>
T item(const T *array, std::size_t i) {
    T value;
    std::memcpy(&value, reinterpret_cast<const char *>(array) + i * sizeof(T), sizeof value);
    return value;
}

}  // namespace

// Two columns, one distribution, one group of two names, two indexes; also
// the family tests' valid record.
vrxgRunstatsParms *runstats_record(Arena &a) {
    auto *column1 = a.record(vrxgColumnData{a.text(2, 0), 2, 5}, "c1");
    auto *column2 = a.record(vrxgColumnData{a.text(1, 1), 1, 6}, "c2");
    auto *distribution = a.record(vrxgColumnDistData{a.text(2, 1), 2, 7, 8}, "d1");
    auto *group = a.record(vrxgColumnGrpData{a.records(std::vector<char *>{a.text(1, 2), a.text(2, 2)}, "gn"),
                                             a.records(std::vector<std::uint16_t>{1, 2}, "gl"), 2, 9, 10},
                           "g1");
    const vrxgRunstatsParms p{11, 12, a.text(1, 0),
                              a.records(std::vector<vrxgColumnData *>{column1, column2}, "columns"),
                              a.records(std::vector<vrxgColumnDistData *>{distribution}, "distributions"),
                              a.records(std::vector<vrxgColumnGrpData *>{group}, "groups"),
                              a.records(std::vector<char *>{a.text(1, 3), a.text(2, 3)}, "indexes"),
                              a.records(std::vector<std::uint16_t>{1, 2}, "il"), 13, 1, 2, 1, 1, 2, 14, 15, 16, 17, 18};
    return a.record(p, "data");
}

namespace {

void see_runstats(const vrxstub_call &c, Arena &a) {
    const auto *core = arg<const vrxRunstatsParms *>(c, 1);
    for (int i = 0; i < 2; ++i) a.see(core->piColumnList[i]->piColumnName, core->piColumnList[i]->iColumnValue);
    const vrxColumnDistData *d = core->piColumnDistributionList[0];
    const vrxColumnGrpData *g = core->piColumnGroupList[0];
    a.see(d->piColumnName, d->iValueA, d->iValueB, g->piGroupColumnNames, item(g->piGroupColumnNames, 0),
          item(g->piGroupColumnNames, 1), g->iGroupSize, g->iValueA, g->iValueB);
    a.see(core->iValue1, core->iValue2, core->piTablename, core->piIndexList, item(core->piIndexList, 0),
          item(core->piIndexList, 1), core->iValue3, core->iNumColumns, core->iNumColdist, core->iNumColGroups,
          core->iNumIndexes, core->iValue4, core->iValue5, core->iValue6, core->iValue7, core->iValue8);
}

const Rows rows = {
    {"SQLGSTAT", "'A' 2 names 7 9 ca 'BA' 'CBA'",
     [](Arena &a) {
         auto *lengths = a.records(std::vector<std::uint16_t>{2, 3}, "lengths");
         auto *names = a.records(std::vector<char *>{a.text(2), a.text(3)}, "names");
         return a.call(sqlgstat, a.len(1), kHigh16 | a.count(2), kHigh8 | 7, kHigh8 | 9, lengths, a.ca(), names, a.text(1));
     },
     {"sqlgstat"}, "sqlgstat 264", {264},
     [](const vrxstub_call &c, Arena &a) {
         const auto *names = arg<char *const *>(c, 2);
         a.see(item(names, 0), item(names, 1));
     }},
    {"VRXGRUNSTATS",
     "8020000 & ca 'BA' 5 'A' 6 'BA' 7 8 gn 'A' 'BA' 2 9 10 11 12 'A' indexes 'A' 'BA' 13 2 1 1 2 14 15 16 17 18",
     [](Arena &a) { return a.call(vrxgRunstats, a.version(8020000u), runstats_record(a), a.ca()); },
     {"vrxgRnst"}, "sqlgstat 469 485 534 534 584 600 649 704 718 804 846 918",
     {534, 534, 485, 469, 649, 600, 584, 846, 804, 704, 718, 918}, see_runstats,
     static_cast<std::int32_t>(0x870F0009), -2009},
    // Given text 3, 2, 1: the core takes them the other way round.
    {"SQLGREOT", "'CBA' 'BA' 'A' ca",
     [](Arena &a) {
         return a.call(sqlgreot, a.len(1), a.len(2), a.len(3), a.ca(), a.text(1), a.text(2), a.text(3));
     }},
    {"VRXGREORG", "9050000 & ca 1 2 3 4 5 'A' 'BA' 'CBA'",
     [](Arena &a) {
         const vrxgReorgParms p{1, {2, 3, 4, 5}, a.len32(1), a.text(1), a.len32(2), a.text(2), a.len32(3), a.text(3)};
         return a.call(vrxgReorg, a.version(9050000u), a.record(p), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxReorgParms *>(c, 1);
         a.see(core->iReorgType, core->iValues[0], core->iValues[1], core->iValues[2], core->iValues[3],
               core->piText1, core->piText2, core->piText3);
     }},
    {"VRXGINSPECT", "9000000 & ca 'A' 'BA' 'CBA' 'DCBA' 'EDCBA' 21 22 30 31 41 42 0 0",
     [](Arena &a) {
         vrxgInspectParms p{{a.text(1), a.text(2), a.text(3), a.text(4), a.text(5)}, 21, a.len32(4), a.len32(5),
                            a.len32(1), a.len32(2), a.len32(3), {}, {}, 42};
         for (std::uint32_t i = 0; i < 9; ++i) p.iValues2To10[i] = 22 + i;
         for (std::uint16_t i = 0; i < 11; ++i) p.iValues11To21[i] = static_cast<std::uint16_t>(31 + i);
         return a.call(vrxgInspect, a.version(9000000u), a.record(p), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxInspectParms *>(c, 1);
         for (char *text : core->piTexts) a.see(text);
         a.see(core->iValue1, core->iValues2To10[0], core->iValues2To10[8], core->iValues11To21[0],
               core->iValues11To21[10], core->iValue22, item(core->reserved, 0), item(core->reserved, 3));
     }},
    {"SQLGVQDP", "'A' v1 v2 ca",
     [](Arena &a) { return a.call(sqlgvqdp, a.len(1), a.text(1), v(a, "v1"), v(a, "v2"), a.ca()); }},
    {"VRXGUTILITYCONTROL", "9050000 rec ca",
     [](Arena &a) { return a.call(vrxgUtilityControl, a.version(9050000u), v(a, "rec"), a.ca()); }},
};

}  // namespace
}  // namespace vrxtest::conformance
