#include "frame/borrowed.h"

#include <cstdlib>

#include "frame/marshal.h"

namespace vrx {

void Borrowed::push(const Entry &entry) {
    if (used_ == kCapacity) std::abort();
    entries_[used_++] = entry;
}

char *Borrowed::terminate(char *text, std::uint32_t length) {
    if (text == nullptr || !terminable(length) || !passes_check(text, length + 1u, CheckMode::Terminate))
        return text;
    push({text + length, nullptr, nullptr, text[length]});
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
    std::uint32_t end = width - 1;
    while (end > 0 && field[end - 1] == ' ') --end;
    push({field + end, nullptr, nullptr, field[end]});
    field[end] = '\0';
    return field;
}

void Borrowed::restore() {
    while (used_ > 0) {
        const Entry &entry = entries_[--used_];
        if (entry.group != nullptr)
            entry.putBack(entry.group);
        else
            *entry.position = entry.saved;
    }
}

}  // namespace vrx
