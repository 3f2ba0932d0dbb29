/* Linkage and calling-convention macros shared by the library, its public
 * header and the platform declarations.
 *
 *   VRX_STDCALL  callee pops its arguments (the entry points and the core API)
 *   VRX_CDECL    caller pops (system services and the two core support calls)
 *   VRX_API      linkage of this library's exports
 *   VRXAPP_LINK, VRXSYS_LINK, VRXWINT_LINK
 *                linkage of the platform libraries, as seen by their users
 *                (import) or by the stand-in being built (export)
 */
#ifndef VRX_ABI_H
#define VRX_ABI_H

#if defined(_WIN32)
#  define VRX_STDCALL __stdcall
#  define VRX_CDECL __cdecl
#  define VRX_EXPORT __declspec(dllexport)
#  define VRX_IMPORT __declspec(dllimport)
#elif defined(__i386__)
#  define VRX_STDCALL __attribute__((stdcall))
#  define VRX_CDECL __attribute__((cdecl))
#  define VRX_EXPORT __attribute__((visibility("default")))
#  define VRX_IMPORT
#else
/* x86_64 has a single calling convention; the attributes would only warn. */
#  define VRX_STDCALL
#  define VRX_CDECL
#  define VRX_EXPORT __attribute__((visibility("default")))
#  define VRX_IMPORT
#endif

/* On Windows the export names come from the generated .def file, so the
 * library's own functions need no dllexport. */
#if defined(VRXAGAPI_BUILDING) && !defined(_WIN32)
#  define VRX_API VRX_EXPORT
#elif defined(VRXAGAPI_BUILDING)
#  define VRX_API
#else
#  define VRX_API VRX_IMPORT
#endif

#if defined(VRXAPP_BUILDING)
#  define VRXAPP_LINK VRX_EXPORT
#else
#  define VRXAPP_LINK VRX_IMPORT
#endif
#if defined(VRXSYS_BUILDING)
#  define VRXSYS_LINK VRX_EXPORT
#else
#  define VRXSYS_LINK VRX_IMPORT
#endif
#if defined(VRXWINT_BUILDING)
#  define VRXWINT_LINK VRX_EXPORT
#else
#  define VRXWINT_LINK VRX_IMPORT
#endif

#if defined(__cplusplus)
#  define VRX_EXTERN_C extern "C"
#  define VRX_BEGIN_DECLS extern "C" {
#  define VRX_END_DECLS }
#else
#  define VRX_EXTERN_C extern
#  define VRX_BEGIN_DECLS
#  define VRX_END_DECLS
#endif

#endif
