// Restore family: the positional sequence that SQLGRESTORE, SQLGRST and
// SQLGRSTO share, the timestamp field's termination, and the conversions
// of the versioned restore record.
#pragma once

#include <cstdint>

#include "frame/frame.h"
#include "frame/marshal.h"
#include "recovery/backup.h"
#include "recovery/positional_lists.h"
#include "vrxplatform/recovery.h"

namespace vrx::recovery {

// The caller's timestamp is a 15-byte field: its terminator is not saved,
// for the blank-fill after the call turns it into a blank. A length that
// puts the terminator past the field, where the blank-fill does not reach,
// has that byte saved and put back like any other.
class TimestampTermination {
public:
    char *terminate(char *field, std::uint32_t length);
    // Puts back a byte saved past the field; call after the blank-fill.
    void restore() { beyond_.restore(); }

private:
    TerminationSlot beyond_;
};

// The caller's arguments of a positional restore that the library
// converts. A form without text 4 leaves it null.
struct PositionalRestore {
    char *sourceDbAlias;
    std::uint32_t sourceDbAliasLen;
    char *targetDbAlias;
    std::uint32_t targetDbAliasLen;
    char *text3;
    std::uint32_t text3Len;
    char *text4;
    std::uint32_t text4Len;
    char *userName;
    std::uint32_t userNameLen;
    char *password;
    std::uint32_t passwordLen;
    char *identifier;  // 33-byte output area
    char *timestamp;   // 15-byte field
    std::uint32_t timestampLen;
    vrxTablespaceList *tablespaces;
    vrxMediaList *media;
};

// The texts as the core receives them.
struct RestoreTexts {
    char *sourceDbAlias;
    char *targetDbAlias;
    char *text3;
    char *text4;
    char *userName;
    char *password;
    char *timestamp;
};

// The texts of a restore terminated in place, in order: texts 1 to 7 and
// the timestamp; in the versioned form text 8 from version 8010400 and
// text 9 from version 8020000 on. The positional forms have no text 7.
struct RestoreRecordTexts {
    TerminationSlot sourceDbAlias, targetDbAlias, text3, text4, userName, password, text7;
    TimestampTermination timestamp;
    TerminationSlot text8, text9;

    void restore();
};

// A positional restore: the frame and lists, texts 1 to 6 and the
// timestamp, the core call that `core(texts)` makes, the blank-fill of the
// identifier then the timestamp, and the texts put back.
template <class CoreCall>
std::int32_t positional_restore(const PositionalRestore &args, sqlca *ca, const PositionalSites &sites,
                                CoreCall core) {
    return with_positional_lists(args.tablespaces, args.media, ca, sites, [&] {
        RestoreRecordTexts slots;
        RestoreTexts texts{};
        texts.sourceDbAlias = slots.sourceDbAlias.terminate(args.sourceDbAlias, args.sourceDbAliasLen);
        texts.targetDbAlias = slots.targetDbAlias.terminate(args.targetDbAlias, args.targetDbAliasLen);
        texts.text3 = slots.text3.terminate(args.text3, args.text3Len);
        texts.text4 = slots.text4.terminate(args.text4, args.text4Len);
        texts.userName = slots.userName.terminate(args.userName, args.userNameLen);
        texts.password = slots.password.terminate(args.password, args.passwordLen);
        texts.timestamp = slots.timestamp.terminate(args.timestamp, args.timestampLen);

        const std::int32_t result = core(texts);

        blank_fill_area(args.identifier, kIdentifierWidth);
        blank_fill_area(args.timestamp, kTimestampWidth);
        slots.restore();
        return result;
    });
}

// Fills the zeroed core record from the caller's, field by field as far as
// the caller's version supplies them, terminating the texts in place. The
// lists are the core lists already converted, or null.
void restore_to_core(vrxRestoreStruct &core, std::uint32_t version, const vrxgRestoreStruct &params,
                     RestoreRecordTexts &texts, vrxNameList *tablespaces, vrxLocationList *media,
                     vrxNameList *textList2);

// Copies the core's identifier into the caller's area and blank-fills it,
// then blank-fills the timestamp field.
void put_restore_outputs(const vrxgRestoreStruct &params, const vrxRestoreStruct &core);

}  // namespace vrx::recovery
