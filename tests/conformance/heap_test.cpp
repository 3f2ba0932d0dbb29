// No entry point takes heap memory of its own: the C allocator and operator
// new are replaced in this program, and while a row's valid call or one of
// its variants runs every allocation made from the library's code is
// counted. The platform's allocations (its scratch service among them) and
// the harness's are made from their own code and are not.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "conformance/conformance.h"
#include "harness.h"

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
#define VRX_HEAP_COUNTING 1
#include <dlfcn.h>

extern "C" void *__libc_malloc(std::size_t);
extern "C" void *__libc_calloc(std::size_t, std::size_t);
extern "C" void *__libc_realloc(void *, std::size_t);
extern "C" void __libc_free(void *);

namespace {

thread_local bool counting = false;
thread_local int counted = 0;
const void *countedObject = nullptr;  // the loaded object whose allocations count

void note(const void *caller) {
    if (!counting) return;
    counting = false;  // dladdr must not count itself
    Dl_info info;
    if (dladdr(caller, &info) != 0 && info.dli_fbase == countedObject) ++counted;
    counting = true;
}

void *allocated(void *block) {
    if (block == nullptr) std::abort();
    return block;
}

}  // namespace

extern "C" {
void *malloc(std::size_t size) {
    note(__builtin_return_address(0));
    return __libc_malloc(size);
}
void *calloc(std::size_t count, std::size_t size) {
    note(__builtin_return_address(0));
    return __libc_calloc(count, size);
}
void *realloc(void *block, std::size_t size) {
    note(__builtin_return_address(0));
    return __libc_realloc(block, size);
}
void free(void *block) { __libc_free(block); }
}

void *operator new(std::size_t size) {
    note(__builtin_return_address(0));
    return allocated(__libc_malloc(size != 0 ? size : 1));
}
void *operator new[](std::size_t size) {
    note(__builtin_return_address(0));
    return allocated(__libc_malloc(size != 0 ? size : 1));
}
void operator delete(void *block) noexcept { __libc_free(block); }
void operator delete(void *block, std::size_t) noexcept { __libc_free(block); }
#endif

namespace vrxtest::conformance {
namespace {

struct Entry {
    const char *name, *core;
};
const Entry kEntries[] = {
#define VRX_ENTRY(upper, mixed, bytes, core, coreBytes, subsystem, frame, source, library) {#upper, #core},
#include "frame/entry_points.inc"
#undef VRX_ENTRY
};

#if VRX_HEAP_COUNTING
const void *object_of(const void *address) {
    Dl_info info;
    return dladdr(address, &info) != 0 ? info.dli_fbase : nullptr;
}

// Allocations from `object`'s code while `run` runs.
template <class Run>
int allocations_from(const void *object, Run run) {
    countedObject = object;
    counted = 0;
    counting = true;
    run();
    counting = false;
    return counted;
}
#endif

TEST_F(PlatformTest, NoEntryPointTakesHeapMemoryOfItsOwn) {
#if VRX_HEAP_COUNTING
    // The count sees allocations from the object it watches: this program's.
    static int anchor;
    void *(*volatile allocate)(std::size_t) = std::malloc;
    EXPECT_EQ(allocations_from(object_of(&anchor), [&] { std::free(allocate(8)); }), 1);

    const void *library = object_of(reinterpret_cast<const void *>(&sqlgrdb));
    for (const Entry &entry : kEntries) {
        const Row *row = find_row(entry.name);
        ASSERT_NE(row, nullptr) << entry.name;
        std::vector<Variant> runs = {as_call(*row)};
        for (const Variant *v : variants_of(entry.name)) runs.push_back(*v);
        for (const Variant &call : runs) {
            vrxstub_reset();
            Arena a(Layout::Aligned);
            std::unique_ptr<CoreHook> hook;
            if (*entry.core != '\0')
                hook = std::make_unique<CoreHook>(entry.core, CoreHook::mayNotRun, [&](const vrxstub_call &c) {
                    for (const auto &[at, text] : a.coreWrites) std::memcpy(at, text.c_str(), text.size() + 1);
                    if (call.core) call.core(c, a);
                    return call.coreResult;
                });
            EXPECT_EQ(allocations_from(library, [&] { call.call(a); }), 0) << entry.name << ", " << call.label;
        }
    }
#else
    GTEST_SKIP() << "the C allocator cannot be replaced here (AddressSanitizer owns it)";
#endif
}

}  // namespace
}  // namespace vrxtest::conformance
