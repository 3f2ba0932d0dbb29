// Caller-side lists for the backup, restore and media list tests, carved
// from a test's caller storage (the byte after every text is '#', so that
// a terminator left behind shows), and the fault sweep of one call.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "harness.h"
#include "vrxplatform/recovery.h"

namespace vrxtest {

// A list and where each of its entries' texts starts (null for an entry
// without text: a 'Q' or text-list entry given as "(null)").
template <class List>
struct Caller {
    List *list;
    std::vector<char *> texts;
};

Caller<vrxMediaList> media_list(CallerStorage &mem, char type, const std::vector<std::string> &values);
Caller<vrxTablespaceList> tablespace_list(CallerStorage &mem, const std::vector<std::string> &values);
Caller<vrxgTextList> text_list(CallerStorage &mem, const std::vector<std::string> &values);
Caller<vrxgMediaList> versioned_media_list(CallerStorage &mem, char type, const std::vector<std::string> &values);

// Which of the texts hold a NUL right after their value.
std::vector<bool> terminated(const std::vector<char *> &texts, const std::vector<std::string> &values);

// The texts of a core list, as the core sees them ("(null)" for a null copy).
std::vector<std::string> core_texts(char *const *names, std::uint32_t count);

// What the k-th run of a fault sweep must show: the request that failed,
// and the tag the sqlca reports it with (8 bytes).
struct ExpectedFailure {
    std::string file;
    std::uint32_t line;
    std::string tag;
};

// Fault sweep of one call. Before each run the sqlca is cleared and the
// caller storage snapshotted; every injected run must return -83, report
// the tag, skip the core function `core`, leave the caller storage as it
// was but the sqlca, and have failed the request that `expected[k - 1]`
// names. Returns how many runs were injected.
std::uint32_t sweep_scratch_failures(CallerStorage &mem, sqlca *ca, const char *core,
                                     const std::function<std::int32_t()> &call,
                                     const std::vector<ExpectedFailure> &expected);

}  // namespace vrxtest
