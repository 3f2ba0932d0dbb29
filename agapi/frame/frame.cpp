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

void report_init_failure(sqlca *ca) {
    if (ca != nullptr) set_sqlcode(ca, kSqlInitFailed);
}

bool app_data_ready_unreported() { return sqlo_create_init_app_data(kAppDataCode) == 0; }

std::int32_t report_failure(sqlca *ca, std::int32_t code, const Tag &tag) {
    if (sqloincaChkptr(ca) == 0) set_code_and_tag(ca, code, tag);
    return code;
}

std::int32_t report_no_memory_prepared(sqlca *ca, const Tag &tag) {
    sqloinca(ca);
    set_code_and_tag(ca, kSqlNoMemory, tag);
    return kSqlNoMemory;
}

std::optional<std::int32_t> checked_refusal(sqlca *ca, const Tag &tag) {
    if (const std::int32_t init = sqlo_create_init_app_data(kAppDataCode); init != 0) return init;
    if (const std::int32_t usable = sqloincaChkptr(ca); usable != 0) return usable;
    std::memcpy(field_at(ca, offsetof(sqlca, sqlerrp)), tag.text, sizeof tag.text);
    return std::nullopt;
}

std::int32_t report_parameter(sqlca *ca, const char *name, std::int32_t result) {
    const std::size_t length = std::strlen(name);
    set_sqlcode(ca, kSqlBadParameter);
    std::memcpy(field_at(ca, offsetof(sqlca, sqlerrmc)), name, length + 1);
    store(ca, offsetof(sqlca, sqlerrml), static_cast<std::int16_t>(length));
    return result;
}

std::int32_t report_scratch_failure(sqlca *ca, std::int32_t allocatorResult) {
    set_sqlcode(ca, kSqlScratchFailed);
    store(ca, offsetof(sqlca, sqlerrd), allocatorResult);
    return allocatorResult;
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
