#include "frame/marshal.h"

#include "vrxplatform/services.h"

namespace vrx {

std::int32_t check_result(const void *region, std::uint32_t length, CheckMode mode) {
    if (sqlo_ptr_check_active() == 0) return 0;
    return sqlagcptr_real(region, length, static_cast<std::uint8_t>(mode));
}

bool passes_check(const void *region, std::uint32_t length, CheckMode mode) {
    return check_result(region, length, mode) == 0;
}

void *scratch_request(std::uint32_t size, const ScratchSite &site) {
    void *block = nullptr;
    return scratch_request(size, site, block) == 0 ? block : nullptr;
}

std::int32_t scratch_request(std::uint32_t size, const ScratchSite &site, void *&block) {
    block = nullptr;
    const std::int32_t result = sqlogmblkEx(0, size, 0, &block, site.file, site.line, 0);
    if (result != 0) block = nullptr;
    return result;
}

std::int32_t element_check(const void *region, std::uint32_t length, CheckMode mode) {
    void *pointer = const_cast<void *>(region);
    std::uint32_t size = length;
    std::uint8_t flag = static_cast<std::uint8_t>(mode);
    return sqlocptrs(&pointer, &size, &flag, 1, 0);
}

void scratch_release(void *block) { sqlofmblkEx(block); }

char *terminate_unsaved(char *text, std::uint32_t length) {
    if (text != nullptr && terminable(length) && passes_check(text, length + 1u, CheckMode::Terminate))
        text[length] = '\0';
    return text;
}

bool take_termination(TerminationRecord *&head, std::uint32_t index, char *text, std::uint32_t length,
                      const ScratchSite &site) {
    if (text == nullptr || !terminable(length) || !passes_check(text, length + 1u, CheckMode::Terminate)) return true;
    auto *record = static_cast<TerminationRecord *>(scratch_request(sizeof(TerminationRecord), site));
    if (record == nullptr) return false;
    *record = {index, static_cast<unsigned char>(text[length]), head};
    head = record;
    text[length] = '\0';
    return true;
}

bool take_termination(PositionedTerminationRecord *&head, std::uint32_t index, char *text, std::uint32_t length,
                      const ScratchSite &site) {
    auto *record = static_cast<PositionedTerminationRecord *>(scratch_request(sizeof(PositionedTerminationRecord), site));
    if (record == nullptr) return false;
    *record = {index, kNothingWritten, 0, head};
    head = record;
    if (text != nullptr && terminable(length) && passes_check(text, length + 1u, CheckMode::Terminate)) {
        record->savedByte = static_cast<std::uint8_t>(text[length]);
        record->position = length;
        text[length] = '\0';
    }
    return true;
}

void give_back(const TerminationRecord &record, char *text, const std::uint16_t *lengths) {
    text[load_element(lengths, record.index)] = static_cast<char>(record.savedByte);
}

void give_back(const PositionedTerminationRecord &record, char *text, const std::uint16_t * /*lengths*/) {
    if (record.position != kNothingWritten) text[record.position] = static_cast<char>(record.savedByte);
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
