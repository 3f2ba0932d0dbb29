#include "frame/borrowed.h"

#include "frame/caller_record.h"
#include "frame/marshal.h"

namespace vrx {

char *Borrowed::terminate_keeping(char *text, std::uint32_t length, std::int32_t &check) {
    if (text == nullptr || !terminable(length)) return text;
    check = check_result(text, length + 1u, CheckMode::Terminate);
    return check == 0 ? borrow(text, length) : text;
}

char *Borrowed::terminate_rechecked(char *text, std::uint32_t length, std::initializer_list<Region> checks,
                                    Region recheck) {
    if (text == nullptr || !terminable(length)) return text;
    for (const Region &region : checks)
        if (!passes_check(region.at, region.length, region.mode)) return text;
    return recheck.at == nullptr ? borrow(text, length) : borrow_rechecked(text, length, recheck);
}

char *Borrowed::borrow_rechecked(char *text, std::uint32_t length, const Region &recheck) {
    Entry &entry = next();
    entry.putBack = [](const Entry &e) {
        if (passes_check(e.recheck.at, e.recheck.length, e.recheck.mode)) *e.position = e.saved;
    };
    entry.position = text + length;
    entry.saved = text[length];
    entry.recheck = recheck;
    text[length] = '\0';
    return text;
}

bool Borrowed::terminate_validated(char *text, std::uint32_t length, Validate validate) {
    if (text == nullptr && validate == Validate::UnlessNull) return true;
    if (!passes_check(text, length, CheckMode::ReadOnly)) return false;
    terminate(text, length);
    return true;
}

char *Borrowed::terminate_present(char *text, std::uint32_t length) {
    return length == 0 ? text : terminate(text, length);
}

char *Borrowed::terminate_trimmed(char *field, std::uint32_t width) {
    if (field == nullptr || width == 0 || !passes_check(field, width, CheckMode::Field)) return field;
    borrow(field, trimmed_length(field, width - 1));
    return field;
}

}  // namespace vrx
