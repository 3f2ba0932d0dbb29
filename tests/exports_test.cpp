// Every entry point of the table resolves under each of its plain names
// (and, on Windows, its decorated names) to one and the same function, and
// the function each row calls comes from the platform library it names.
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
    const char *core;
    unsigned coreBytes;
    const char *library;
};

const std::vector<EntryPoint> kTable = {
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source, library) \
    {#upper, #mixed, bytes, #core, coreBytes, #library},
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

// The platform library that defines the row's function under its export
// name ("VRXAPP" or "VRXSYS"); empty when neither of them does.
std::string library_defining(const EntryPoint &e) {
#if defined(_WIN32)
    const std::string name = std::string(e.core) + "@" + std::to_string(e.coreBytes);
    for (const char *library : {"VRXAPP", "VRXSYS"}) {
        HMODULE module = GetModuleHandleA((std::string(library) + ".dll").c_str());
        if (module != nullptr && GetProcAddress(module, name.c_str()) != nullptr) return library;
    }
#else
    Dl_info info{};
    void *function = dlsym(RTLD_DEFAULT, e.core);
    if (function != nullptr && dladdr(function, &info) != 0 && info.dli_fname != nullptr) {
        const std::string file = info.dli_fname;
        if (file.find("libvrxapp.so") != std::string::npos) return "VRXAPP";
        if (file.find("libvrxsys.so") != std::string::npos) return "VRXSYS";
    }
#endif
    return "";
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

TEST(Exports, EachRowsFunctionComesFromTheLibraryTheTableNames) {
    for (const EntryPoint &e : kTable) {
        if (std::string(e.library) == "none") continue;
        EXPECT_EQ(library_defining(e), e.library) << e.upper << " calls " << e.core;
    }
}

TEST(Exports, TheDataMarkerIsExportedAndZero) {
    const auto *marker = static_cast<const std::int32_t *>(lookup("sqlzThisIsAVRXLibrary"));
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(*marker, 0);
}

}  // namespace
