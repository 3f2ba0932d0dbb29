// Stand-in instance configuration: one store beside the databases', with
// its own defaults until a caller updates them; reset forgets the updates.
// The versioned get and set are recorded and answered by hooks only.
#include <iterator>

#include "config_store.h"
#include "core_call.h"
#include "vrxplatform/config.h"

namespace vrxapp {

namespace {

// The string-valued parameters with the size of their fields; 39, 62 and
// 63 are written by callers and never read back by the library.
constexpr TextDefault kTextDefaults[] = {
    {7, 9, ""},      {24, 15, ""},    {25, 65, ""},    {27, 216, ""},   {28, 26, ""},    {39, 9, ""},
    {47, 49, ""},    {48, 49, ""},    {62, 9, ""},     {63, 9, ""},     {65, 216, ""},   {66, 20, ""},
    {67, 9, ""},     {71, 5, "NO"},   {74, 256, ""},   {75, 256, ""},   {76, 256, ""},   {77, 32, ""},
    {92, 9, ""},     {305, 36, ""},   {311, 256, ""},  {313, 227, ""},  {844, 129, ""},  {845, 129, ""},
    {846, 129, ""},
};

// A few numeric parameters, enough for callers to update and read back.
constexpr NumberDefault kNumberDefaults[] = {{10, 200}, {16, 4096}, {34, 90}, {37, 1024}};

constexpr ConfigDefaults kDefaults{kTextDefaults, std::size(kTextDefaults), kNumberDefaults,
                                   std::size(kNumberDefaults)};

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlfxsys(std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, count, vrxstub::list(items, count), ca,
                     [&] { return finish(ca, read_items(kDefaults, model().instanceConfig, count, items)); });
}

std::int32_t VRX_STDCALL sqlfdsys(std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, count, vrxstub::list(items, count), ca, [&] {
        static const DbConfig defaults;
        return finish(ca, read_items(kDefaults, defaults, count, items));
    });
}

std::int32_t VRX_STDCALL sqlfusys(std::uint32_t count, vrxConfigItem *items, sqlca *ca) {
    return core_call(__func__, count, vrxstub::list(items, count), ca, [&] {
        return finish(ca, write_items(kDefaults, model().instanceConfig, count, items));
    });
}

std::int32_t VRX_STDCALL sqlfrsys(sqlca *ca) {
    return core_call(__func__, ca, [&] {
        model().instanceConfig = DbConfig{};
        return finish(ca, 0);
    });
}

std::int32_t VRX_STDCALL vrxCfgGet(std::uint32_t version, vrxCfgStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL vrxCfgSet(std::uint32_t version, vrxCfgStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] { return finish(ca, 0); });
}

}  // extern "C"
