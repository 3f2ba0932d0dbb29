#include "frame/marshal.h"

#include "vrxplatform/services.h"

namespace vrx {

std::int32_t element_check(const void *region, std::uint32_t length, CheckMode mode) {
    void *pointer = const_cast<void *>(region);
    std::uint32_t size = length;
    std::uint8_t flag = static_cast<std::uint8_t>(mode);
    return sqlocptrs(&pointer, &size, &flag, 1, 0);
}

char *terminate_unsaved(char *text, std::uint32_t length) {
    if (text != nullptr && terminable(length) && passes_check(text, length + 1u, CheckMode::Terminate))
        text[length] = '\0';
    return text;
}

bool ScratchCopy::make(const char *text, std::uint32_t length, const ScratchSite &site) {
    if (text == nullptr || !terminable(length)) return true;
    block_ = static_cast<char *>(scratch_request(length + 1u, site));
    if (block_ == nullptr) return false;
    std::memcpy(block_, text, length);
    block_[length] = '\0';
    return true;
}

void ScratchCopy::release() {
    if (block_ == nullptr) return;
    scratch_release(block_);
    block_ = nullptr;
}

void blank_fill(char *field, std::uint32_t width) {
    if (field == nullptr || !passes_check(field, width, CheckMode::Field)) return;
    void *nul = std::memchr(field, '\0', width);
    if (nul == nullptr) return;
    char *from = static_cast<char *>(nul);
    std::memset(from, ' ', static_cast<std::size_t>(field + width - from));
}

void copy_output(char *area, std::uint32_t length, const char *coreText, std::uint32_t width) {
    if (area != nullptr) std::memcpy(area, coreText, std::min(length, width));
}

}  // namespace vrx
