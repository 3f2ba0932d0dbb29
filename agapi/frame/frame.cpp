#include "frame.h"

#include <cstddef>
#include <cstring>

#include "frame/caller_record.h"

#include "vrxplatform/services.h"

namespace vrx {

void set_sqlcode(sqlca *ca, std::int32_t code) { store(ca, offsetof(sqlca, sqlcode), code); }

bool sqlcode_negative(const sqlca *ca) {
    return ca != nullptr && load_at<std::int32_t>(ca, offsetof(sqlca, sqlcode)) < 0;
}

void set_code_and_tag(sqlca *ca, std::int32_t code, const Tag &tag) {
    if (ca == nullptr) return;
    set_sqlcode(ca, code);
    std::memcpy(field_at(ca, offsetof(sqlca, sqlerrp)), tag.text, sizeof tag.text);
}

namespace {

std::int32_t refuse(sqlca *ca, std::int32_t code, const Tag &tag) {
    set_code_and_tag(ca, code, tag);
    sqlofica(ca);
    return code;
}

}  // namespace

bool app_data_ready(sqlca *ca) {
    if (sqlo_create_init_app_data(kAppDataCode) == 0) return true;
    if (ca != nullptr) set_sqlcode(ca, kSqlInitFailed);
    return false;
}

bool app_data_ready_unreported() { return sqlo_create_init_app_data(kAppDataCode) == 0; }

std::int32_t report_no_memory_prepared(sqlca *ca, const Tag &tag) {
    sqloinca(ca);
    set_code_and_tag(ca, kSqlNoMemory, tag);
    return kSqlNoMemory;
}

std::int32_t report_no_memory(sqlca *ca, const Tag &tag) {
    if (sqloincaChkptr(ca) == 0) set_code_and_tag(ca, kSqlNoMemory, tag);
    return kSqlNoMemory;
}

std::optional<std::int32_t> guarded_refusal(sqlca *ca, const Tag &tag) {
    if (ca == nullptr) return kNoSqlca;
    if (sqlo_create_init_app_data(kAppDataCode) != 0) return refuse(ca, kSqlInitFailed, tag);
    return std::nullopt;
}

std::optional<std::int32_t> guarded_refusal(sqlca *ca, const void *record, const Tag &tag) {
    if (ca == nullptr) return kNoSqlca;
    if (record == nullptr) return refuse(ca, kSqlNoRecord, tag);
    if (sqlo_create_init_app_data(kAppDataCode) != 0) return refuse(ca, kSqlInitFailed, tag);
    return std::nullopt;
}

}  // namespace vrx
