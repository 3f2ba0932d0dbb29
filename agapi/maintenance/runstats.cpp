#include "maintenance/runstats.h"

#include <cstring>

#include "frame/caller_record.h"
#include "frame/marshal.h"

namespace vrx::maintenance {

namespace {

// Values 7 and 8 are known to the core from this version on.
constexpr std::uint32_t kValues7And8Version = 8020000;
constexpr std::int32_t kSqlBadIndexList = -2302;
constexpr std::uint32_t kPointer = sizeof(void *);

constexpr ScratchSite site(std::uint32_t line) { return {"sqlgstat", line}; }

constexpr NameListShape kColumns{"piColumnList", "vrxgColumnData", "vrxgColumnData.piColumnName",
                                 site(469), site(485), site(534)};
constexpr NameListShape kDistributions{"piColumnDistributionList", "vrxgColumnDistData",
                                       "vrxgColumnDistData.piColumnName", site(584), site(600), site(649)};

constexpr const char *kGroupList = "piColumnGroupList";
constexpr const char *kGroup = "vrxgColumnGrpData";
constexpr const char *kGroupNames = "vrxgColumnGrpData.piGroupColumnNames";
constexpr const char *kGroupLengths = "vrxgColumnGrpData.piGroupColumnNamesLen";
constexpr const char *kGroupSize = "vrxgColumnGrpData.iGroupSize";
constexpr ScratchSite kGroupPointers = site(704), kGroupSavedArrays = site(718), kGroupSaved = site(804),
                      kGroupRecord = site(846), kIndexSaved = site(918);

vrxColumnData to_core(const vrxgColumnData &e) { return {e.piColumnName, e.iColumnValue}; }
vrxColumnDistData to_core(const vrxgColumnDistData &e) { return {e.piColumnName, e.iValueA, e.iValueB}; }

std::uint32_t bytes(std::int32_t count, std::uint32_t size) { return static_cast<std::uint32_t>(count) * size; }

template <class T>
T element(T const *array, std::int32_t i) {
    return load_element(array, static_cast<std::uint32_t>(i));
}

// Puts back the names of a list's elements, last first, reading the
// caller's list anew: only elements whose names were terminated are read.
template <class Element>
void put_back_names(Element *const *list, const NameListConversion &converted) {
    for (std::int32_t i = converted.count - 1; i >= 0; --i)
        if (converted.saved[i].savedLength != kNothingSaved)
            put_back(converted.saved[i], load(element(list, i)).piColumnName);
}

void release_name_list(NameListConversion &converted) {
    for (std::int32_t i = 0; converted.cores != nullptr && i < converted.count; ++i)
        if (converted.cores[i] != nullptr) scratch_release(converted.cores[i]);
    if (converted.cores != nullptr) scratch_release(converted.cores);
    if (converted.saved != nullptr) scratch_release(converted.saved);
    converted = {};
}

}  // namespace

bool RunstatsConversion::refuse(const char *parameter, std::int32_t result) {
    refusal_ = report_parameter(ca_, parameter, result);
    return false;
}

bool RunstatsConversion::refuse_index(std::int32_t result) {
    set_sqlcode(ca_, kSqlBadIndexList);
    refusal_ = result;
    return false;
}

bool RunstatsConversion::request(std::uint32_t size, const ScratchSite &at, void *&block) {
    const std::int32_t result = scratch_request(size, at, block);
    if (result == 0) return true;
    refusal_ = report_scratch_failure(ca_, result);
    return false;
}

bool RunstatsConversion::request_saved(std::int32_t count, const ScratchSite &at, SavedByte *&records) {
    const std::int32_t result = request_saved_bytes(static_cast<std::uint32_t>(count), at, records);
    if (result == 0) return true;
    refusal_ = report_scratch_failure(ca_, result);
    return false;
}

bool RunstatsConversion::convert(const vrxgRunstatsParms *params) {
    if (params == nullptr) return refuse("data", 0);
    if (const std::int32_t check = element_check(params, sizeof *params, CheckMode::ReadOnly); check != 0)
        return refuse("data", check);
    caller_ = load(params);
    return table_name() &&
           name_list<vrxgColumnData, vrxColumnData>(caller_.piColumnList, caller_.iNumColumns, kColumns, columns_) &&
           name_list<vrxgColumnDistData, vrxColumnDistData>(caller_.piColumnDistributionList, caller_.iNumColdist,
                                                            kDistributions, distributions_) &&
           groups() && indexes();
}

bool RunstatsConversion::table_name() {
    if (caller_.piTablename == nullptr) return refuse("piTablename", 0);
    const std::int32_t check = save_and_terminate(table_, {caller_.piTablename, caller_.iTablenameLen});
    return check == 0 || refuse("piTablename", check);
}

// The list checked, its saved bytes and pointer array had, then per element
// its checks, its core record, its name.
template <class Element, class Core>
bool RunstatsConversion::name_list(Element *const *list, std::int16_t count, const NameListShape &shape,
                                   NameListConversion &out) {
    if (count < 1) return true;
    if (list == nullptr) return refuse(shape.list, 0);
    if (const std::int32_t check = element_check(list, bytes(count, kPointer), CheckMode::ReadOnly); check != 0)
        return refuse(shape.list, check);
    if (!request_saved(count, shape.saved, out.saved)) return false;
    out.count = count;
    void *pointers = nullptr;
    if (!request(bytes(count, kPointer), shape.pointers, pointers)) return false;
    out.cores = static_cast<void **>(std::memset(pointers, 0, bytes(count, kPointer)));
    for (std::int32_t i = 0; i < count; ++i) {
        const Element *at = element(list, i);
        if (at == nullptr) return refuse(shape.list, 0);
        if (const std::int32_t check = element_check(at, sizeof(Element), CheckMode::ReadOnly); check != 0)
            return refuse(shape.element, check);
        const Element caller = load(at);
        if (caller.piColumnName == nullptr) return refuse(shape.name, 0);
        if (!request(sizeof(Core), shape.record, out.cores[i])) return false;
        const std::int32_t check = save_and_terminate(out.saved[i], {caller.piColumnName, caller.iColumnNameLen});
        if (check != 0) return refuse(shape.name, check);
        *static_cast<Core *>(out.cores[i]) = to_core(caller);
    }
    return true;
}

bool RunstatsConversion::groups() {
    const std::int16_t count = caller_.iNumColGroups;
    vrxgColumnGrpData *const *list = caller_.piColumnGroupList;
    if (count < 1) return true;
    if (list == nullptr) return refuse(kGroupList, 0);
    if (const std::int32_t check = element_check(list, bytes(count, kPointer), CheckMode::ReadOnly); check != 0)
        return refuse(kGroupList, check);
    void *cores = nullptr, *saved = nullptr;
    if (!request(bytes(count, kPointer), kGroupPointers, cores)) return false;
    groups_.cores = static_cast<void **>(std::memset(cores, 0, bytes(count, kPointer)));
    groups_.count = count;
    if (!request(bytes(count, kPointer), kGroupSavedArrays, saved)) return false;
    groups_.saved = static_cast<SavedByte **>(std::memset(saved, 0, bytes(count, kPointer)));
    for (std::int32_t g = 0; g < count; ++g)
        if (!group(g, element(list, g))) return false;
    return true;
}

// One group: its checks, its saved bytes, its names, its core record.
bool RunstatsConversion::group(std::int32_t g, const vrxgColumnGrpData *at) {
    if (at == nullptr) return refuse(kGroupList, 0);
    if (const std::int32_t check = element_check(at, sizeof *at, CheckMode::ReadOnly); check != 0)
        return refuse(kGroup, check);
    const vrxgColumnGrpData caller = load(at);
    if (caller.piGroupColumnNames == nullptr) return refuse(kGroupNames, 0);
    if (caller.piGroupColumnNamesLen == nullptr) return refuse(kGroupLengths, 0);
    const std::int16_t size = caller.iGroupSize;
    if (size < 1) return refuse(kGroupSize, 0);
    if (const std::int32_t check = element_check(caller.piGroupColumnNames, bytes(size, kPointer),
                                                 CheckMode::ReadOnly);
        check != 0)
        return refuse(kGroupNames, check);
    if (const std::int32_t check = element_check(caller.piGroupColumnNamesLen, bytes(size, 2), CheckMode::ReadOnly);
        check != 0)
        return refuse(kGroupLengths, check);
    if (!request_saved(size, kGroupSaved, groups_.saved[g])) return false;
    for (std::int32_t j = 0; j < size; ++j) {
        char *name = element(caller.piGroupColumnNames, j);
        if (name == nullptr) return refuse(kGroupNames, 0);
        const std::int32_t check =
            save_and_terminate(groups_.saved[g][j], {name, element(caller.piGroupColumnNamesLen, j)});
        if (check != 0) return refuse(kGroupNames, check);
    }
    if (!request(sizeof(vrxColumnGrpData), kGroupRecord, groups_.cores[g])) return false;
    vrxColumnGrpData core{};
    core.piGroupColumnNames = caller.piGroupColumnNames;
    core.iGroupSize = size;
    core.iValueA = caller.iValueA;
    core.iValueB = caller.iValueB;
    *static_cast<vrxColumnGrpData *>(groups_.cores[g]) = core;
    return true;
}

bool RunstatsConversion::indexes() {
    const std::int16_t count = caller_.iNumIndexes;
    char *const *names = caller_.piIndexList;
    const std::uint16_t *lengths = caller_.piIndexNamesLen;
    if (count < 1) return true;
    if (names == nullptr || lengths == nullptr) return refuse_index(0);
    if (const std::int32_t check = element_check(names, bytes(count, kPointer), CheckMode::ReadOnly); check != 0)
        return refuse_index(check);
    if (const std::int32_t check = element_check(lengths, bytes(count, 2), CheckMode::ReadOnly); check != 0)
        return refuse_index(check);
    if (!request_saved(count, kIndexSaved, indexes_)) return false;
    indexCount_ = count;
    for (std::int32_t i = 0; i < count; ++i) {
        char *name = element(names, i);
        if (name == nullptr) return refuse_index(0);
        if (const std::int32_t check = save_and_terminate(indexes_[i], {name, element(lengths, i)}); check != 0)
            return refuse_index(check);
    }
    return true;
}

vrxRunstatsParms RunstatsConversion::core(std::uint32_t version) const {
    vrxRunstatsParms core{};
    core.iValue1 = caller_.iValue1;
    core.iValue2 = caller_.iValue2;
    core.piTablename = caller_.piTablename;
    core.piColumnList = reinterpret_cast<vrxColumnData **>(columns_.cores);
    core.piColumnDistributionList = reinterpret_cast<vrxColumnDistData **>(distributions_.cores);
    core.piColumnGroupList = reinterpret_cast<vrxColumnGrpData **>(groups_.cores);
    core.piIndexList = caller_.iNumIndexes >= 1 ? caller_.piIndexList : nullptr;
    core.iValue3 = caller_.iValue3;
    core.iNumColumns = caller_.iNumColumns;
    core.iNumColdist = caller_.iNumColdist;
    core.iNumColGroups = caller_.iNumColGroups;
    core.iNumIndexes = caller_.iNumIndexes;
    core.iValue4 = caller_.iValue4;
    core.iValue5 = caller_.iValue5;
    core.iValue6 = caller_.iValue6;
    if (version >= kValues7And8Version) {
        core.iValue7 = caller_.iValue7;
        core.iValue8 = caller_.iValue8;
    }
    return core;
}

// Index names, group names, distribution names, column names, table name:
// the reverse of their termination.
void RunstatsConversion::put_back() {
    for (std::int32_t i = indexCount_ - 1; i >= 0; --i)
        if (indexes_[i].savedLength != kNothingSaved) vrx::put_back(indexes_[i], element(caller_.piIndexList, i));
    for (std::int32_t g = groups_.count - 1; g >= 0; --g) {
        const SavedByte *saved = groups_.saved != nullptr ? groups_.saved[g] : nullptr;
        if (saved == nullptr) continue;
        const vrxgColumnGrpData group = load(element(caller_.piColumnGroupList, g));
        for (std::int32_t j = group.iGroupSize - 1; j >= 0; --j)
            if (saved[j].savedLength != kNothingSaved) vrx::put_back(saved[j], element(group.piGroupColumnNames, j));
    }
    put_back_names(caller_.piColumnDistributionList, distributions_);
    put_back_names(caller_.piColumnList, columns_);
    vrx::put_back(table_, caller_.piTablename);
    table_ = {kNothingSaved, 0};
    indexCount_ = 0;
}

void RunstatsConversion::release_blocks() {
    release_name_list(columns_);
    release_name_list(distributions_);
    for (std::int32_t g = 0; g < groups_.count; ++g) {
        if (groups_.cores[g] != nullptr) scratch_release(groups_.cores[g]);
        if (groups_.saved != nullptr && groups_.saved[g] != nullptr) scratch_release(groups_.saved[g]);
    }
    if (groups_.cores != nullptr) scratch_release(groups_.cores);
    if (groups_.saved != nullptr) scratch_release(groups_.saved);
    groups_ = {};
    if (indexes_ != nullptr) scratch_release(indexes_);
    indexes_ = nullptr;
}

void RunstatsConversion::release() {
    put_back();
    release_blocks();
}

}  // namespace vrx::maintenance
