// Stand-in table space and container queries. The stand-in takes the first
// argument of every function as the caller's sqlca. Three table spaces are
// known, numbered 0 to 2; a record holds the number (32 bits) at byte 0, the
// NUL-terminated name from byte 4, and the kind of storage ("SMS" or "DMS",
// NUL-terminated) in its six-byte text. The query opened by sqlbotsq hands
// them out in order; its second argument is unused and its third, when not
// null, receives the number of table spaces. The fetches take their second
// argument as the number of records the caller's array holds. The queries
// over all table spaces point the caller at the stand-in's own records. The
// container functions succeed and write nothing but the sqlca.
#include <algorithm>
#include <cstring>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/tablespace.h"

namespace vrxapp {

namespace {

constexpr std::int32_t kSqlNoQuery = -1027;         // no query is open
constexpr std::int32_t kSqlNoTablespace = -2160;    // no table space has that number

struct Known {
    const char *name;
    const char *kind;
};
constexpr Known kKnown[kTablespaceCount] = {{"SYSCATSPACE", "DMS"}, {"TEMPSPACE1", "SMS"}, {"USERSPACE1", "DMS"}};

template <class Record>
void fill(Record &record, std::uint32_t id) {
    std::memset(&record, 0, sizeof record);
    std::memcpy(record.core1, &id, sizeof id);
    std::strcpy(record.core1 + 4, kKnown[id].name);
    std::strcpy(record.text6, kKnown[id].kind);
}

Tablespaces &tablespaces() {
    Tablespaces &t = model().tablespaces;
    if (!t.filled) {
        for (std::uint32_t id = 0; id < kTablespaceCount; ++id) {
            fill(t.longRecords[id], id);
            fill(t.shortRecords[id], id);
        }
        t.longList[0] = t.longRecords.data();
        t.filled = true;
    }
    return t;
}

sqlca *sqlca_of(void *value1) { return static_cast<sqlca *>(value1); }

std::uint32_t number_of(void *value) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(value)); }

// Copies the open query's next records into the caller's array.
template <class Record>
std::int32_t fetch(void *value1, void *capacity, Record *records, std::uint32_t *count) {
    Tablespaces &t = tablespaces();
    if (!t.queryOpen) return finish(sqlca_of(value1), kSqlNoQuery);
    const std::uint32_t n = records == nullptr ? 0 : std::min(number_of(capacity), kTablespaceCount - t.next);
    for (std::uint32_t i = 0; i < n; ++i) fill(records[i], t.next + i);
    t.next += n;
    if (count != nullptr) *count = n;
    return finish(sqlca_of(value1), 0);
}

template <class Record>
std::int32_t single(void *value1, void *id, Record *record) {
    if (number_of(id) >= kTablespaceCount) return finish(sqlca_of(value1), kSqlNoTablespace);
    if (record != nullptr) fill(*record, number_of(id));
    return finish(sqlca_of(value1), 0);
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlbotsq(void *value1, void *value2, void *value3) {
    return core_call(__func__, value1, value2, value3, [&] {
        Tablespaces &t = tablespaces();
        t.queryOpen = true;
        t.next = 0;
        if (value3 != nullptr) *static_cast<std::uint32_t *>(value3) = kTablespaceCount;
        return finish(sqlca_of(value1), 0);
    });
}

std::int32_t VRX_STDCALL sqlbftpq(void *value1, void *value2, vrxgTablespaceLong *records, std::uint32_t *count) {
    return core_call(__func__, value1, value2, records, count, [&] { return fetch(value1, value2, records, count); });
}

std::int32_t VRX_STDCALL sqlbftsq(void *value1, void *value2, vrxgTablespaceShort *records, std::uint32_t *count) {
    return core_call(__func__, value1, value2, records, count, [&] { return fetch(value1, value2, records, count); });
}

std::int32_t VRX_STDCALL sqlbctsq(void *value1) {
    return core_call(__func__, value1, [&] {
        Tablespaces &t = tablespaces();
        if (!t.queryOpen) return finish(sqlca_of(value1), kSqlNoQuery);
        t.queryOpen = false;
        return finish(sqlca_of(value1), 0);
    });
}

std::int32_t VRX_STDCALL sqlbstpq(void *value1, void *value2, vrxgTablespaceLong *record, void *value4) {
    return core_call(__func__, value1, value2, record, value4, [&] { return single(value1, value2, record); });
}

std::int32_t VRX_STDCALL sqlbstsq(void *value1, void *value2, vrxgTablespaceShort *record) {
    return core_call(__func__, value1, value2, record, [&] { return single(value1, value2, record); });
}

std::int32_t VRX_STDCALL sqlbmtsq(void *value1, std::uint32_t *count, vrxgTablespaceLong ***records, void *value4,
                                  void *value5) {
    return core_call(__func__, value1, count, records, value4, value5, [&] {
        Tablespaces &t = tablespaces();
        if (records != nullptr) *records = t.longList;
        if (count != nullptr) *count = kTablespaceCount;
        return finish(sqlca_of(value1), 0);
    });
}

std::int32_t VRX_STDCALL sqlbtsq(void *value1, std::uint32_t *count, vrxgTablespaceShort **records) {
    return core_call(__func__, value1, count, records, [&] {
        Tablespaces &t = tablespaces();
        if (records != nullptr) *records = t.shortRecords.data();
        if (count != nullptr) *count = kTablespaceCount;
        return finish(sqlca_of(value1), 0);
    });
}

std::int32_t VRX_STDCALL sqlbotcq(void *value1, void *value2, void *value3) {
    return core_call(__func__, value1, value2, value3, [&] { return finish(sqlca_of(value1), 0); });
}

std::int32_t VRX_STDCALL sqlbftcq(void *value1, void *value2, void *value3, void *value4) {
    return core_call(__func__, value1, value2, value3, value4, [&] { return finish(sqlca_of(value1), 0); });
}

std::int32_t VRX_STDCALL sqlbctcq(void *value1) {
    return core_call(__func__, value1, [&] { return finish(sqlca_of(value1), 0); });
}

std::int32_t VRX_STDCALL sqlbtcq(void *value1, void *value2, void *value3, void *value4) {
    return core_call(__func__, value1, value2, value3, value4, [&] { return finish(sqlca_of(value1), 0); });
}

std::int32_t VRX_STDCALL sqlbstsc(sqlca *ca, void *value2, void *value3, std::uint32_t count,
                                  vrxgContainer *containers) {
    return core_call(__func__, ca, value2, value3, count, containers, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlbgtss(void *value1, void *value2, void *value3) {
    return core_call(__func__, value1, value2, value3, [&] { return finish(sqlca_of(value1), 0); });
}

}  // extern "C"
