// The blank-padded fields of the create-database records: the comment and
// the collating-sequence table of the database descriptor, the code set
// and the territory of the code-set record. Each is terminated in place
// after its last non-blank for the call and put back afterwards.
#pragma once

#include "frame/borrowed.h"
#include "vrxagapi/control.h"

namespace vrx::control {

// The descriptor's two fields, put back as a group only while the
// descriptor still carries the eye-catcher it was terminated under.
class DescriptorFields {
public:
    // Terminates the comment and then the collating-sequence table of a
    // descriptor that is not null and carries `eyeCatcher`. A table without
    // a trailing blank fills its 256 bytes and is passed unterminated.
    void terminate(vrxDbDescriptor *descriptor, const char *eyeCatcher);
    void put_back();

private:
    vrxDbDescriptor *descriptor_ = nullptr;
    const char *eyeCatcher_ = nullptr;
    Borrowed fields_;
};

// Terminates, in this order, the descriptor's fields (as a group that
// joins `borrowed`), then the code set and the territory of a code-set
// record that is not null.
void terminate_create_fields(Borrowed &borrowed, DescriptorFields &descriptorFields, vrxDbDescriptor *descriptor,
                             const char *eyeCatcher, vrxDbCodeSet *codeSet);

}  // namespace vrx::control
