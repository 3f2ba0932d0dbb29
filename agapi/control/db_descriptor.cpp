#include "control/db_descriptor.h"

#include <cstddef>
#include <cstring>

#include "frame/caller_record.h"
#include "frame/marshal.h"

namespace vrx::control {

namespace {

// The table is checked and trimmed together with the byte after it.
constexpr std::uint32_t kTableWidth = sizeof(vrxDbDescriptor::collatingTable) + 1;

char *field(vrxDbDescriptor *descriptor, std::size_t offset) { return field_at(descriptor, offset); }

bool carries(vrxDbDescriptor *descriptor, const char *eyeCatcher) {
    return descriptor != nullptr &&
           std::strncmp(field(descriptor, offsetof(vrxDbDescriptor, eyeCatcher)), eyeCatcher,
                        sizeof(vrxDbDescriptor::eyeCatcher)) == 0;
}

// The byte after a full table is the comment's first byte, already
// terminated when the comment is all blank and part of the comment's text
// otherwise: a terminator there would hide the comment from the core.
bool table_is_full(vrxDbDescriptor *descriptor) {
    return field(descriptor, offsetof(vrxDbDescriptor, collatingTable))[kTableWidth - 2] != ' ';
}

}  // namespace

void DescriptorFields::terminate(vrxDbDescriptor *descriptor, const char *eyeCatcher) {
    descriptor_ = descriptor;
    eyeCatcher_ = eyeCatcher;
    if (!carries(descriptor, eyeCatcher)) return;
    fields_.terminate_trimmed(field(descriptor, offsetof(vrxDbDescriptor, comment)),
                              sizeof(vrxDbDescriptor::comment));
    if (!table_is_full(descriptor))
        fields_.terminate_trimmed(field(descriptor, offsetof(vrxDbDescriptor, collatingTable)), kTableWidth);
}

void DescriptorFields::put_back() {
    if (carries(descriptor_, eyeCatcher_))
        fields_.restore();
    else
        fields_.discard();
}

void terminate_create_fields(Borrowed &borrowed, DescriptorFields &descriptorFields, vrxDbDescriptor *descriptor,
                             const char *eyeCatcher, vrxDbCodeSet *codeSet) {
    borrowed.add(descriptorFields);
    descriptorFields.terminate(descriptor, eyeCatcher);
    if (codeSet != nullptr) {
        borrowed.terminate_trimmed(field_at(codeSet, offsetof(vrxDbCodeSet, codeSet)), sizeof(vrxDbCodeSet::codeSet));
        borrowed.terminate_trimmed(field_at(codeSet, offsetof(vrxDbCodeSet, territory)),
                                   sizeof(vrxDbCodeSet::territory));
    }
}

}  // namespace vrx::control
