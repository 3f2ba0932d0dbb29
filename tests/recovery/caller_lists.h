// Caller-side lists for the backup, restore and media list tests, carved
// from a test's caller storage. The byte after every text is '#', so that
// a terminator left behind shows.
#pragma once

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

}  // namespace vrxtest
