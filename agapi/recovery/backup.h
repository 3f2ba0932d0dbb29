// Backup family: the conversions of the versioned backup record.
#pragma once

#include <cstdint>

#include "frame/borrowed.h"
#include "vrxplatform/recovery.h"

namespace vrx::recovery {

constexpr std::uint32_t kIdentifierWidth = 33;
constexpr std::uint32_t kTimestampWidth = 15;

// The core record built from the caller's, field by field as far as the
// caller's version supplies them: texts 1, 2 and 3 terminated in place,
// then text 4 from version 8010400 on. The lists are the core lists
// already converted, or null.
vrxBackupStruct backup_to_core(std::uint32_t version, const vrxgBackupStruct &params, Borrowed &borrowed,
                               vrxNameList *tablespaces, vrxLocationList *media);

// Copies the core's identifier and timestamp into the caller's areas (as
// many bytes as each length says, at most the core text's width) and
// blank-fills them, the timestamp first.
void put_backup_outputs(const vrxgBackupStruct &params, const vrxBackupStruct &core);

}  // namespace vrx::recovery
