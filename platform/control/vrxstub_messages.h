/* The SQLCODEs the stand-ins report, each with an SQLSTATE of its own and
 * the short texts the stand-in message services return for them. Shared by
 * the core stand-in (which completes the sqlca with the SQLSTATE) and the
 * system stand-in (which serves the texts); tests may read it too. */
#ifndef VRXSTUB_MESSAGES_H
#define VRXSTUB_MESSAGES_H

#include <cstdint>
#include <cstring>

namespace vrxstub {

struct Message {
    std::int32_t sqlcode;
    const char *sqlstate;
    const char *text;       // what the message service returns for the SQLCODE
    const char *stateText;  // what the SQLSTATE service returns for the SQLSTATE
};

inline constexpr Message kMessages[] = {
    {0, "00000", "The call completed successfully.", "The call completed successfully."},
    {1014, "02000", "The scan has no more entries.", "No data: the end was reached."},
    {-83, "57011", "Not enough memory for the call.", "A resource is not available."},
    {-1001, "2E000", "The database name is not valid.", "A name is not valid."},
    {-1005, "42710", "The alias is already catalogued.", "An object of that name exists already."},
    {-1013, "42704", "The database alias cannot be found.", "An object that does not exist was named."},
    {-1022, "57019", "The application data could not be set up.", "The call could not be prepared."},
    {-1027, "24000", "No such directory scan is open.", "The scan is not open."},
    {-1078, "22023", "No parameter record was given.", "A parameter is missing or not valid."},
    {-1260, "55039", "The database is not pending rollforward.", "The object is not in a state for the call."},
    {-2009, "57013", "A work area could not be had.", "A work area is not available."},
    {-2032, "22531", "A parameter is not valid.", "A named parameter is not valid."},
    {-2160, "42725", "No history entry has that timestamp.", "No object of that key exists."},
    {-2302, "22532", "The index list is not valid.", "A list of names is not valid."},
    {-2306, "42705", "The table cannot be found.", "A table that does not exist was named."},
    {-2550, "58031", "No backup image matches the timestamp.", "The object asked for is not available."},
    {-5130, "22024", "The configuration token is not known.", "A value is not valid."},
};

// Any other code: a warning or an error of the system.
inline constexpr Message kOtherWarning = {1, "01000", "The call ended with a warning.", "A warning."};
inline constexpr Message kOtherError = {-1, "58004", "The call failed.", "A system error occurred."};

inline const Message &message_for(std::int32_t sqlcode) {
    for (const Message &m : kMessages)
        if (m.sqlcode == sqlcode) return m;
    return sqlcode > 0 ? kOtherWarning : kOtherError;
}

// The first message with `sqlstate` (five characters, not terminated), or null.
inline const Message *message_for_state(const char *sqlstate) {
    if (sqlstate == nullptr) return nullptr;
    for (const Message &m : kMessages)
        if (std::memcmp(m.sqlstate, sqlstate, 5) == 0) return &m;
    for (const Message *m : {&kOtherWarning, &kOtherError})
        if (std::memcmp(m->sqlstate, sqlstate, 5) == 0) return m;
    return nullptr;
}

}  // namespace vrxstub

#endif
