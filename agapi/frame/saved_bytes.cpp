#include "frame/saved_bytes.h"

namespace vrx {

SavedByte *request_saved_bytes(std::uint32_t count, const ScratchSite &site) {
    SavedByte *records = nullptr;
    request_saved_bytes(count, site, records);
    return records;
}

std::int32_t request_saved_bytes(std::uint32_t count, const ScratchSite &site, SavedByte *&records) {
    void *block = nullptr;
    const std::int32_t result = scratch_request(count * 8u, site, block);
    records = static_cast<SavedByte *>(block);
    for (std::uint32_t i = 0; records != nullptr && i < count; ++i) records[i] = SavedByte{kNothingSaved, 0};
    return result;
}

std::int32_t save_and_terminate(SavedByte &record, const EntryText &entry) {
    if (!terminable(entry.length)) return 0;
    const std::int32_t check = check_result(entry.text, entry.length + 1u, CheckMode::Terminate);
    if (check != 0) return check;
    char *position = entry.text + entry.length;
    record.savedByte = static_cast<std::uint8_t>(*position);
    record.savedLength = static_cast<std::int32_t>(entry.length);
    *position = '\0';
    return 0;
}

void put_back(const SavedByte &record, char *text) {
    // A length of 2^31 or more is stored as a negative number: index with its 32 bits.
    if (record.savedLength != kNothingSaved)
        text[static_cast<std::uint32_t>(record.savedLength)] = static_cast<char>(record.savedByte);
}

}  // namespace vrx
