// Table space and container queries: forwards that hand every argument on
// unchanged and in order. Those that return table-space records blank-fill
// each record's six-byte text after a result of 0, without initialising.
#include "frame/caller_record.h"
#include "tablespace/six_byte_field.h"
#include "vrxplatform/tablespace.h"

using namespace vrx;

namespace {

// The first record of a list reached through two pointers; null when a link is.
void *first_listed(vrxgTablespaceLong ***records) {
    vrxgTablespaceLong **list = records != nullptr ? load(records) : nullptr;
    return list != nullptr ? load(list) : nullptr;
}

void *first_pointed(vrxgTablespaceShort **records) { return records != nullptr ? load(records) : nullptr; }

}  // namespace

VRX_API int32_t VRX_STDCALL sqlgotsq(void *value1, void *value2, void *value3) {
    return sqlbotsq(value1, value2, value3);
}

VRX_API int32_t VRX_STDCALL sqlgftpq(void *value1, void *value2, vrxgTablespaceLong *records, uint32_t *count) {
    const int32_t result = sqlbftpq(value1, value2, records, count);
    if (result == 0) blank_fill_records(records, count, kLongRecord);
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgftsq(void *value1, void *value2, vrxgTablespaceShort *records, uint32_t *count) {
    const int32_t result = sqlbftsq(value1, value2, records, count);
    if (result == 0) blank_fill_records(records, count, kShortRecord);
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgctsq(void *value1) { return sqlbctsq(value1); }

VRX_API int32_t VRX_STDCALL sqlgstpq(void *value1, void *value2, vrxgTablespaceLong *record, void *value4) {
    const int32_t result = sqlbstpq(value1, value2, record, value4);
    if (result == 0) blank_fill_record(record, kLongRecord);
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgstsq(void *value1, void *value2, vrxgTablespaceShort *record) {
    const int32_t result = sqlbstsq(value1, value2, record);
    if (result == 0) blank_fill_record(record, kShortRecord);
    return result;
}

// The records follow the first one the list's first element points to.
VRX_API int32_t VRX_STDCALL sqlgmtsq(void *value1, uint32_t *count, vrxgTablespaceLong ***records, void *value4,
                                     void *value5) {
    const int32_t result = sqlbmtsq(value1, count, records, value4, value5);
    if (result == 0) blank_fill_records(first_listed(records), count, kLongRecord);
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgtsq(void *value1, uint32_t *count, vrxgTablespaceShort **records) {
    const int32_t result = sqlbtsq(value1, count, records);
    if (result == 0) blank_fill_records(first_pointed(records), count, kShortRecord);
    return result;
}

VRX_API int32_t VRX_STDCALL sqlgotcq(void *value1, void *value2, void *value3) {
    return sqlbotcq(value1, value2, value3);
}

VRX_API int32_t VRX_STDCALL sqlgftcq(void *value1, void *value2, void *value3, void *value4) {
    return sqlbftcq(value1, value2, value3, value4);
}

VRX_API int32_t VRX_STDCALL sqlgctcq(void *value1) { return sqlbctcq(value1); }

VRX_API int32_t VRX_STDCALL sqlgtcq(void *value1, void *value2, void *value3, void *value4) {
    return sqlbtcq(value1, value2, value3, value4);
}

VRX_API int32_t VRX_STDCALL sqlggtss(void *value1, void *value2, void *value3) {
    return sqlbgtss(value1, value2, value3);
}
