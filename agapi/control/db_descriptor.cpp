#include "control/db_descriptor.h"

#include <cstring>

namespace vrx::control {

namespace {

// The table is checked and trimmed together with the byte after it.
constexpr std::uint32_t kTableWidth = sizeof(vrxDbDescriptor::collatingTable) + 1;

bool carries(const vrxDbDescriptor *descriptor, const char *eyeCatcher) {
    return descriptor != nullptr &&
           std::strncmp(descriptor->eyeCatcher, eyeCatcher, sizeof descriptor->eyeCatcher) == 0;
}

// The byte after a full table is the comment's first byte, already
// terminated when the comment is all blank and part of the comment's text
// otherwise: a terminator there would hide the comment from the core.
bool table_is_full(const vrxDbDescriptor *descriptor) {
    return descriptor->collatingTable[sizeof descriptor->collatingTable - 1] != ' ';
}

}  // namespace

void CreateFields::terminate(vrxDbDescriptor *descriptor, const char *eyeCatcher, vrxDbCodeSet *codeSet) {
    descriptor_ = descriptor;
    eyeCatcher_ = eyeCatcher;
    if (carries(descriptor, eyeCatcher)) {
        descriptorFields_.terminate_trimmed(descriptor->comment, sizeof descriptor->comment);
        if (!table_is_full(descriptor)) descriptorFields_.terminate_trimmed(descriptor->collatingTable, kTableWidth);
    }
    if (codeSet != nullptr) {
        codeSetFields_.terminate_trimmed(codeSet->codeSet, sizeof codeSet->codeSet);
        codeSetFields_.terminate_trimmed(codeSet->territory, sizeof codeSet->territory);
    }
}

void CreateFields::restore() {
    codeSetFields_.restore();
    if (carries(descriptor_, eyeCatcher_)) descriptorFields_.restore();
}

}  // namespace vrx::control
