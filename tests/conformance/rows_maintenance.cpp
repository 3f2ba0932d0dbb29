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

// Two columns, one distribution, one group of two names, two indexes.
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

void see_reorg(const vrxstub_call &c, Arena &a) {
    const auto *core = arg<const vrxReorgParms *>(c, 1);
    a.see(core->iReorgType, core->iValues[0], core->iValues[1], core->iValues[2], core->iValues[3], core->piText1,
          core->piText2, core->piText3);
}

void see_inspect(const vrxstub_call &c, Arena &a) {
    const auto *core = arg<const vrxInspectParms *>(c, 1);
    for (char *text : core->piTexts) a.see(text);
    a.see(core->iValue1, core->iValues2To10[0], core->iValues2To10[8], core->iValues11To21[0],
          core->iValues11To21[10], core->iValue22, item(core->reserved, 0), item(core->reserved, 3));
}

vrxgReorgParms *reorg_record(Arena &a, std::uint32_t type) {
    const vrxgReorgParms p{type, {2, 3, 4, 5}, a.len32(1), a.text(1), a.len32(2), a.text(2), a.len32(3), a.text(3)};
    return a.record(p);
}

vrxgInspectParms *inspect_record(Arena &a) {
    vrxgInspectParms p{{a.text(1), a.text(2), a.text(3), a.text(4), a.text(5)}, 21, a.len32(4), a.len32(5),
                       a.len32(1), a.len32(2), a.len32(3), {}, {}, 42};
    for (std::uint32_t i = 0; i < 9; ++i) p.iValues2To10[i] = 22 + i;
    for (std::uint16_t i = 0; i < 11; ++i) p.iValues11To21[i] = static_cast<std::uint16_t>(31 + i);
    return a.record(p);
}

const Rows rows = {
    {"SQLGSTAT", "'A' 2 names 7 9 ca 'BA' 'CBA'",
     [](Arena &a) {
         auto *lengths = a.records(std::vector<std::uint16_t>{2, 3}, "lengths");
         auto *names = a.records(std::vector<char *>{a.text(2), a.text(3)}, "names");
         return a.call(sqlgstat, a.len(1), kHigh16 | a.count(2), kHigh8 | 7, kHigh8 | 9, lengths, a.ca(), names,
                       a.text(1));
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
     [](Arena &a) { return a.call(vrxgReorg, a.version(9050000u), reorg_record(a, 1), a.ca()); }, {}, "", {},
     see_reorg},
    {"VRXGINSPECT", "9000000 & ca 'A' 'BA' 'CBA' 'DCBA' 'EDCBA' 21 22 30 31 41 42 0 0",
     [](Arena &a) { return a.call(vrxgInspect, a.version(9000000u), inspect_record(a), a.ca()); }, {}, "", {},
     see_inspect},
    {"SQLGVQDP", "'A' v1 v2 ca",
     [](Arena &a) { return a.call(sqlgvqdp, a.len(1), a.text(1), v(a, "v1"), v(a, "v2"), a.ca()); }},
    {"VRXGUTILITYCONTROL", "9050000 rec ca",
     [](Arena &a) { return a.call(vrxgUtilityControl, a.version(9050000u), v(a, "rec"), a.ca()); }},
};

constexpr std::int32_t kRefused = 77;  // what a refusing check returns

void refuse(const void *region) { vrxstub_refuse_region_with(region, 0, 0, kRefused); }

// The statistics record with one parameter spoilt (set null, its record or
// array refused): the first one is reported, the index list's without a
// name. A table name is checked only as it is terminated, never read; no
// columns, or one name twice, reach the core. Below version 8020000 values
// 7 and 8 are 0. A scratch failure leaves the allocator's result in sqlerrd.
std::vector<Variant> statistics() {
    using P = vrxgRunstatsParms;
    const std::pair<const char *, void (*)(P &)> spoilt[] = {
        {"record refused", [](P &p) { refuse(&p); }},
        {"table null", [](P &p) { p.piTablename = nullptr; }},
        {"table refused for reading", [](P &p) { vrxstub_refuse_region_with(p.piTablename, 0, 1, kRefused); }},
        {"no columns", [](P &p) { p.iNumColumns = 0, p.piColumnList = nullptr; }},
        {"column list null", [](P &p) { p.piColumnList = nullptr; }},
        {"column list refused", [](P &p) { refuse(p.piColumnList); }},
        {"second column null", [](P &p) { p.piColumnList[1] = nullptr; }},
        {"column refused", [](P &p) { refuse(p.piColumnList[1]); }},
        {"column name null", [](P &p) { p.piColumnList[1]->piColumnName = nullptr; }},
        {"one name twice", [](P &p) { *p.piColumnList[1] = {p.piColumnList[0]->piColumnName, 2, 0}; }},
        {"distribution name null", [](P &p) { p.piColumnDistributionList[0]->piColumnName = nullptr; }},
        {"groups refused", [](P &p) { refuse(p.piColumnGroupList); }},
        {"group refused", [](P &p) { refuse(p.piColumnGroupList[0]); }},
        {"group names null", [](P &p) { p.piColumnGroupList[0]->piGroupColumnNames = nullptr; }},
        {"group lengths null", [](P &p) { p.piColumnGroupList[0]->piGroupColumnNamesLen = nullptr; }},
        {"group of size 0", [](P &p) { p.piColumnGroupList[0]->iGroupSize = 0; }},
        {"group names refused", [](P &p) { refuse(p.piColumnGroupList[0]->piGroupColumnNames); }},
        {"group lengths refused", [](P &p) { refuse(p.piColumnGroupList[0]->piGroupColumnNamesLen); }},
        {"group's second name null", [](P &p) { p.piColumnGroupList[0]->piGroupColumnNames[1] = nullptr; }},
        {"index list null", [](P &p) { p.piIndexList = nullptr; }},
        {"index lengths null", [](P &p) { p.piIndexNamesLen = nullptr; }},
        {"index list refused", [](P &p) { refuse(p.piIndexList); }},
        {"index lengths refused", [](P &p) { refuse(p.piIndexNamesLen); }},
        {"second index null", [](P &p) { p.piIndexList[1] = nullptr; }},
    };
    std::vector<Variant> variants;
    for (const auto &[label, spoil] : spoilt)
        variants.push_back({"VRXGRUNSTATS", label, [spoil = spoil](Arena &a) {
                                vrxgRunstatsParms *p = runstats_record(a);
                                spoil(*p);
                                return a.call(vrxgRunstats, 8020000u, p, a.ca());
                            }});
    variants.push_back({"VRXGRUNSTATS", "a column record not had", [](Arena &a) {
                            vrxstub_fail_scratch_at(4);
                            a.output(reinterpret_cast<char *>(a.ca()->sqlerrd), 4);
                            return a.call(vrxgRunstats, 8020000u, runstats_record(a), a.ca());
                        }});
    variants.push_back({"VRXGRUNSTATS", "version 8019999",
                        [](Arena &a) { return a.call(vrxgRunstats, 8019999u, runstats_record(a), a.ca()); },
                        see_runstats});
    return variants;
}

// With a nonzero count, the index names (on texts of their own, so that
// the first shows whether it was terminated) are terminated only when both
// arrays may be read; otherwise nothing is requested and the core gets the
// caller's arrays. A count of 0 still requests (and releases) its 0 bytes.
Variant flat_statistics(const char *label, vrx_slot count, int spoilt) {
    return {"SQLGSTAT", label,
            [=](Arena &a) {
                auto *lengths = a.records(std::vector<std::uint16_t>{2, 3}, "lengths");
                auto *names = a.records(std::vector<char *>{a.text(2, 1), a.text(3, 2)}, "names");
                if (spoilt == 3) vrxstub_refuse_region(lengths, 0, 0);
                if (spoilt == 4) vrxstub_refuse_region(names, 0, 0);
                return a.call(sqlgstat, a.len(1), kHigh16 | count, kHigh8 | 7, kHigh8 | 9,
                              spoilt == 1 ? nullptr : lengths, a.ca(), names, a.text(1));
            },
            [](const vrxstub_call &c, Arena &a) {
                const auto *names = arg<char *const *>(c, 2);
                a.see(item(names, 0), item(names, 1));
                for (std::size_t i = 0; i < vrxstub_scratch_request_count(); ++i)
                    a.seen += " request of " + std::to_string(vrxstub_scratch_request_at(i)->size);
            }};
}

// The reorganisation's third text goes to the core for types 1 and 2, for
// no other type, nor is it checked; the inspection's value 22 is 0 below
// version 9000000.
std::vector<Variant> more() {
    std::vector<Variant> variants = {
        flat_statistics("two names", 2, 0),          flat_statistics("no names", 0, 0),
        flat_statistics("lengths null", 2, 1),       flat_statistics("lengths refused", 2, 3),
        flat_statistics("names refused", 2, 4),
        {"VRXGINSPECT", "version 8999999",
         [](Arena &a) { return a.call(vrxgInspect, 8999999u, inspect_record(a), a.ca()); }, see_inspect},
    };
    for (std::uint32_t type : {0, 2, 3})
        variants.push_back({"VRXGREORG", "type " + std::to_string(type),
                            [=](Arena &a) { return a.call(vrxgReorg, 0u, reorg_record(a, type), a.ca()); },
                            see_reorg});
    return variants;
}

const Variants variants(statistics()), moreVariants(more());

}  // namespace
}  // namespace vrxtest::conformance
