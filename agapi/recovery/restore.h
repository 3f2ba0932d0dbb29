// Restore family: the caller's timestamp field and the conversions of the
// versioned restore record.
#pragma once

#include <cstdint>

#include "frame/borrowed.h"
#include "vrxplatform/recovery.h"

namespace vrx::recovery {

// The caller's timestamp is a 15-byte field whose terminator is not saved:
// the blank-fill after the call turns it into a blank. A length that puts
// the terminator past the field, where the blank-fill does not reach, has
// that byte borrowed and put back like any other.
char *terminate_timestamp(Borrowed &borrowed, char *field, std::uint32_t length);

// The core record built from the caller's, field by field as far as the
// caller's version supplies them: texts 1 to 7 and the timestamp
// terminated in place, then text 8 from version 8010400 and text 9 from
// version 8020000 on. The lists are the core lists already converted, or null.
vrxRestoreStruct restore_to_core(std::uint32_t version, const vrxgRestoreStruct &params, Borrowed &borrowed,
                                 vrxNameList *tablespaces, vrxLocationList *media, vrxNameList *textList2);

// Copies the core's identifier into the caller's area and blank-fills it,
// then blank-fills the timestamp field.
void put_restore_outputs(const vrxgRestoreStruct &params, const vrxRestoreStruct &core);

}  // namespace vrx::recovery
