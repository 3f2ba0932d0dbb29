// What the module itself exports besides its entry points, and its
// load-time behaviour.
#include <cstdint>

#include "vrx_abi.h"

// Marks the module as one of the product's libraries. Nothing reads or
// writes it.
extern "C" {
VRX_API std::int32_t sqlzThisIsAVRXLibrary = 0;
}

#if defined(_WIN32)
#include <windows.h>

// No per-process or per-thread state: thread notifications are turned off
// and every notification succeeds.
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
    return TRUE;
}
#endif
