// Backup family: the positional sequence that SQLGBKP and SQLGBKUP share,
// and the conversions of the versioned backup record.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/frame.h"
#include "frame/marshal.h"
#include "recovery/positional_lists.h"
#include "vrxplatform/recovery.h"

namespace vrx::recovery {

constexpr std::uint32_t kIdentifierWidth = 33;
constexpr std::uint32_t kTimestampWidth = 15;

// Copies a run of 32-bit values from the caller's record into the core's.
template <std::size_t N>
void copy_values(std::uint32_t (&to)[N], const std::uint32_t (&from)[N]) {
    for (std::size_t i = 0; i < N; ++i) to[i] = from[i];
}

// The caller's arguments of a positional backup that the library converts.
struct PositionalBackup {
    char *dbAlias;
    std::uint32_t dbAliasLen;
    char *userName;
    std::uint32_t userNameLen;
    char *password;
    std::uint32_t passwordLen;
    char *identifier;  // 33-byte output area
    char *timestamp;   // 15-byte output area
    vrxTablespaceList *tablespaces;
    vrxMediaList *media;
};

// The texts as the core receives them.
struct BackupTexts {
    char *dbAlias;
    char *userName;
    char *password;
};

// The texts of a backup terminated in place, in order; text 4 only in the
// versioned form from version 8010400 on.
struct BackupRecordTexts {
    TerminationSlot dbAlias, userName, password, text4;

    void restore() {
        text4.restore();
        password.restore();
        userName.restore();
        dbAlias.restore();
    }
};

// A positional backup: the frame and lists, the three texts, the core call
// that `core(texts)` makes, the blank-fill of the timestamp then the
// identifier, and the texts put back.
template <class CoreCall>
std::int32_t positional_backup(const PositionalBackup &args, sqlca *ca, const PositionalSites &sites,
                               CoreCall core) {
    return with_positional_lists(args.tablespaces, args.media, ca, sites, [&] {
        BackupRecordTexts slots;
        BackupTexts texts{};
        texts.dbAlias = slots.dbAlias.terminate(args.dbAlias, args.dbAliasLen);
        texts.userName = slots.userName.terminate(args.userName, args.userNameLen);
        texts.password = slots.password.terminate(args.password, args.passwordLen);

        const std::int32_t result = core(texts);

        blank_fill_area(args.timestamp, kTimestampWidth);
        blank_fill_area(args.identifier, kIdentifierWidth);
        slots.restore();
        return result;
    });
}

// Fills the zeroed core record from the caller's, field by field as far as
// the caller's version supplies them, terminating texts 1, 2 and 3 (and 4)
// in place. The lists are the core lists already converted, or null.
void backup_to_core(vrxBackupStruct &core, std::uint32_t version, const vrxgBackupStruct &params,
                    BackupRecordTexts &texts, vrxNameList *tablespaces, vrxLocationList *media);

// Copies the core's identifier and timestamp into the caller's areas (as
// many bytes as each length says, at most the core text's width) and
// blank-fills them, the timestamp first.
void put_backup_outputs(const vrxgBackupStruct &params, const vrxBackupStruct &core);

// Copies up to `length` bytes of a core output text of `width` bytes into a
// caller's area, which the caller may leave out.
void copy_output(char *area, std::uint32_t length, const char *coreText, std::uint32_t width);

}  // namespace vrx::recovery
