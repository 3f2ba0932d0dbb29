// Every entry point of the table resolves under each of its plain names
// (and, on Windows, its decorated names) to one and the same function.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

struct EntryPoint {
    const char *upper;
    const char *mixed;
    unsigned bytes;
};

const std::vector<EntryPoint> kTable = {
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source) {#upper, #mixed, bytes},
#include "frame/entry_points.inc"
#undef VRX_ENTRY
};

void *lookup(const std::string &name) {
#if defined(_WIN32)
    HMODULE module = GetModuleHandleA("VRXAGAPI.dll");
    return module != nullptr ? reinterpret_cast<void *>(GetProcAddress(module, name.c_str())) : nullptr;
#else
    static void *module = dlopen("libvrxagapi.so", RTLD_NOW | RTLD_NOLOAD);
    return module != nullptr ? dlsym(module, name.c_str()) : nullptr;
#endif
}

std::vector<std::string> names_of(const EntryPoint &e) {
    std::vector<std::string> names = {e.upper, e.mixed};
#if defined(_WIN32)
    names.push_back(std::string(e.upper) + "@" + std::to_string(e.bytes));
    names.push_back(std::string(e.mixed) + "@" + std::to_string(e.bytes));
#endif
    return names;
}

TEST(Exports, EveryNameOfAnEntryPointReachesTheSameFunction) {
    for (const EntryPoint &e : kTable) {
        SCOPED_TRACE(e.upper);
        void *function = lookup(e.mixed);
        ASSERT_NE(function, nullptr);
        for (const std::string &name : names_of(e)) EXPECT_EQ(lookup(name), function) << name;
    }
}

TEST(Exports, TheTableIsConsistent) {
    for (const EntryPoint &e : kTable) {
        std::string lowered = e.mixed;
        for (char &c : lowered) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(lowered, e.upper) << "the upper name is the mixed name in capitals";
        EXPECT_EQ(e.bytes % 4, 0u) << e.upper;
    }
}

TEST(Exports, TheDataMarkerIsExportedAndZero) {
    const auto *marker = static_cast<const std::int32_t *>(lookup("sqlzThisIsAVRXLibrary"));
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(*marker, 0);
}

}  // namespace
