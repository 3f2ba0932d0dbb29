// The call frame every converting entry point runs around its core call:
// initialisation, the memory-failure report and the guarded refusals. Each
// entry point calls these steps itself, in its own order, so that the frame
// stays visible in every entry point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "vrxagapi/common.h"
#include "vrxplatform/services.h"

namespace vrx {

// Passed unchanged to the application-data initialisation by every entry point.
constexpr std::uint32_t kAppDataCode = 0x8E8215;

constexpr std::int32_t kSqlInitFailed = -1022;
constexpr std::int32_t kSqlNoMemory = -83;
constexpr std::int32_t kSqlNoRecord = -1078;
constexpr std::int32_t kNoSqlca = -1;
constexpr std::int32_t kSqlBadParameter = -2032;
constexpr std::int32_t kSqlScratchFailed = -2009;

// The 8-byte name of an entry point that the library puts into sqlerrp.
// A seven-letter tag keeps its terminating NUL as the eighth byte.
struct Tag {
    char text[8];
};

template <std::size_t N>
constexpr Tag make_tag(const char (&letters)[N]) {
    static_assert(N == 8 || N == 9, "a tag has seven or eight letters");
    Tag tag{};
    for (std::size_t i = 0; i < 8; ++i) tag.text[i] = letters[i];
    return tag;
}

// Writes sqlcode into the caller's sqlca, which may lie at any address.
void set_sqlcode(sqlca *ca, std::int32_t code);

// True when the caller's sqlca, which may lie at any address, holds a
// negative sqlcode. A null sqlca holds none and is not read.
bool sqlcode_negative(const sqlca *ca);

// A failed initialisation of the standard frame: sqlcode -1022 in a
// non-null sqlca.
void report_init_failure(sqlca *ca);

// Standard frame, step 1. False when the application data could not be
// set up: sqlcode is then -1022 and the entry point returns 0 at once.
inline bool app_data_ready(sqlca *ca) {
    if (sqlo_create_init_app_data(kAppDataCode) == 0) return true;
    report_init_failure(ca);
    return false;
}

// Standard frame, step 1, for an entry point that reports a failed
// initialisation in its result alone: false when the application data
// could not be set up; the sqlca is left as it was.
bool app_data_ready_unreported();

// Writes sqlcode and the tag into the caller's sqlca; a null sqlca stays
// unwritten. For refusals that ask no system service first.
void set_code_and_tag(sqlca *ca, std::int32_t code, const Tag &tag);

// A failure the library reports itself: when the system lets the library
// use the sqlca, sets sqlcode to `code` and the tag. Returns `code`.
std::int32_t report_failure(sqlca *ca, std::int32_t code, const Tag &tag);

// Memory-failure path: the -83 case of report_failure.
inline std::int32_t report_no_memory(sqlca *ca, const Tag &tag) { return report_failure(ca, kSqlNoMemory, tag); }

// Memory-failure path of the entry points that prepare the sqlca whatever
// its state: sqloinca, then sqlcode -83 and the tag. Returns -83.
std::int32_t report_no_memory_prepared(sqlca *ca, const Tag &tag);

// Checked frame: initialisation, then the sqlca's own check. The nonzero
// result of either is the entry point's result, the sqlca untouched;
// otherwise the tag goes into sqlerrp before anything else and the call
// may go on (empty).
std::optional<std::int32_t> checked_refusal(sqlca *ca, const Tag &tag);

// A parameter the entry point refuses: sqlcode -2032, the parameter's name
// with its NUL in sqlerrmc and its length without the NUL in sqlerrml. The
// sqlca has passed its check. Returns `result`, the entry point's result.
std::int32_t report_parameter(sqlca *ca, const char *name, std::int32_t result);

// A scratch request refused by the allocator: sqlcode -2009 and the
// allocator's result in the first sqlerrd word. Returns that result.
std::int32_t report_scratch_failure(sqlca *ca, std::int32_t allocatorResult);

// Guarded frame for an entry point without a parameter record: a null
// sqlca gives -1, a failed initialisation -1022 with the tag and sqlofica.
// Empty when the call may go on.
std::optional<std::int32_t> guarded_refusal(sqlca *ca, const Tag &tag);

// Guarded frame for a versioned entry point: as above, with a null record
// refused by -1078 between the two.
std::optional<std::int32_t> guarded_refusal(sqlca *ca, const void *record, const Tag &tag);

}  // namespace vrx
