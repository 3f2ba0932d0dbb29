// The blank-padded fields of the create-database records: the comment and
// the collating-sequence table of the database descriptor, the code set
// and the territory of the code-set record. Each is terminated in place
// after its last non-blank for the call and put back afterwards.
#pragma once

#include "frame/terminations.h"
#include "vrxagapi/control.h"

namespace vrx::control {

class CreateFields {
public:
    // Terminates, in this order, the comment and the collating-sequence
    // table of a descriptor that is not null and carries `eyeCatcher`, then
    // the code set and the territory of a code-set record that is not null.
    // A table without a trailing blank fills its 256 bytes and is passed
    // unterminated.
    void terminate(vrxDbDescriptor *descriptor, const char *eyeCatcher, vrxDbCodeSet *codeSet);

    // Puts back the territory's byte and the code set's, then the table's
    // and the comment's if the descriptor still carries its eye-catcher.
    void restore();

private:
    vrxDbDescriptor *descriptor_ = nullptr;
    const char *eyeCatcher_ = nullptr;
    Terminations<2> descriptorFields_;
    Terminations<2> codeSetFields_;
};

}  // namespace vrx::control
