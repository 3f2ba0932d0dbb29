#include "frame/borrowed.h"

#include <cstdlib>

#include "frame/marshal.h"

namespace vrx {

void Borrowed::push(const Entry &entry) {
    if (used_ == kCapacity) std::abort();
    entries_[used_++] = entry;
}

char *Borrowed::borrow(char *text, std::uint32_t length, const Region &recheck) {
    push({text + length, nullptr, nullptr, text[length], recheck});
    text[length] = '\0';
    return text;
}

char *Borrowed::terminate(char *text, std::uint32_t length) {
    return terminate_rechecked(text, length, {{text, length + 1u, CheckMode::Terminate}}, {});
}

char *Borrowed::terminate_keeping(char *text, std::uint32_t length, std::int32_t &check) {
    if (text == nullptr || !terminable(length)) return text;
    check = check_result(text, length + 1u, CheckMode::Terminate);
    return check == 0 ? borrow(text, length, {}) : text;
}

char *Borrowed::terminate_rechecked(char *text, std::uint32_t length, std::initializer_list<Region> checks,
                                    Region recheck) {
    if (text == nullptr || !terminable(length)) return text;
    for (const Region &region : checks)
        if (!passes_check(region.at, region.length, region.mode)) return text;
    return borrow(text, length, recheck);
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
    std::uint32_t end = width - 1;
    while (end > 0 && field[end - 1] == ' ') --end;
    borrow(field, end, {});
    return field;
}

void Borrowed::restore() {
    while (used_ > 0) {
        const Entry &entry = entries_[--used_];
        if (entry.group != nullptr)
            entry.putBack(entry.group);
        else if (entry.recheck.at == nullptr ||
                 passes_check(entry.recheck.at, entry.recheck.length, entry.recheck.mode))
            *entry.position = entry.saved;
    }
}

}  // namespace vrx
