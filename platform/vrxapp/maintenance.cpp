// Stand-in table maintenance: statistics and reorganisation accept any
// non-empty table name; statistics reports in the sqlca how many column,
// distribution, group and index names it received. Nothing is stored.
#include "core_call.h"
#include "vrxplatform/maintenance.h"

namespace vrxapp {

namespace {

constexpr std::int32_t kSqlNoTable = -2306;  // an empty or missing table name

bool names_table(const char *table) { return table != nullptr && *table != '\0'; }

std::int32_t counted(std::int32_t count) { return count > 0 ? count : 0; }

std::int32_t collect(const vrxRunstatsParms *params, sqlca *ca) {
    if (params == nullptr || !names_table(params->piTablename)) return finish(ca, kSqlNoTable);
    std::int32_t names = 0;
    for (std::int32_t g = 0; g < counted(params->iNumColGroups); ++g) names += params->piColumnGroupList[g]->iGroupSize;
    finish(ca, 0);
    if (ca != nullptr) {
        ca->sqlerrd[0] = counted(params->iNumColumns);
        ca->sqlerrd[1] = counted(params->iNumColdist);
        ca->sqlerrd[2] = names;
        ca->sqlerrd[3] = counted(params->iNumIndexes);
    }
    return 0;
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlustat_api(char *tableName, std::uint32_t indexCount, char **indexNames,
                                      std::uint32_t value1, std::uint32_t value2, sqlca *ca) {
    return core_call(__func__, tableName, indexCount, indexNames, value1, value2, ca, [&] {
        if (!names_table(tableName)) return finish(ca, kSqlNoTable);
        finish(ca, 0);
        if (ca != nullptr) ca->sqlerrd[3] = static_cast<std::int32_t>(indexCount);
        return 0;
    });
}

std::int32_t VRX_STDCALL vrxRunstats(std::uint32_t version, vrxRunstatsParms *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return collect(params, ca); });
}

std::int32_t VRX_STDCALL sqlureot_api(char *text1, char *text2, char *text3, sqlca *ca) {
    return core_call(__func__, text1, text2, text3, ca,
                     [&] { return finish(ca, names_table(text1) ? 0 : kSqlNoTable); });
}

std::int32_t VRX_STDCALL vrxReorg(std::uint32_t version, vrxReorgParms *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        return finish(ca, params != nullptr && names_table(params->piText1) ? 0 : kSqlNoTable);
    });
}

std::int32_t VRX_STDCALL vrxInspect(std::uint32_t version, vrxInspectParms *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqluvqdp(char *text, void *value1, void *value2, sqlca *ca) {
    return core_call(__func__, text, value1, value2, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxUtilityControl(std::uint32_t version, void *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

}  // extern "C"
