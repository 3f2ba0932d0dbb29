// Stand-in backup, log archiving and restore: a backup records an image of
// the database under a timestamp of its own and returns that timestamp; a
// restore accepts the timestamp of an image of its source database (or a
// leading part of it, or none for the newest) and records the restored
// database. No data is copied anywhere.
#include <algorithm>
#include <string>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/recovery.h"

namespace vrxapp {

namespace {

constexpr std::int32_t kSqlNoImage = -2550;           // no image of the database matches the timestamp
constexpr std::int32_t kSqlNoRecordGiven = -1078;  // no parameter record

// Writes `text` NUL-terminated into a core output of `width` bytes.
void put_text(char *out, std::size_t width, const std::string &text) {
    if (out == nullptr) return;
    const std::size_t n = std::min(text.size(), width - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

std::string identifier_for(const std::string &alias, const std::string &timestamp) {
    return "VRXAPP." + alias + "." + timestamp;
}

std::int32_t take_backup(const char *dbAlias, char *identifier, char *timestamp, sqlca *ca) {
    if (dbAlias == nullptr || *dbAlias == '\0') return finish(ca, kSqlInvalidAlias);
    const std::string key = alias_key(dbAlias);
    const std::string stamp = next_timestamp();
    model().backups.images[key].push_back(stamp);
    model().history.entries.push_back({key, stamp, 'B', identifier_for(key, stamp), ""});
    put_text(identifier, 33, identifier_for(key, stamp));
    put_text(timestamp, 15, stamp);
    return finish(ca, 0);
}

std::int32_t restore_image(const char *source, const char *target, const char *timestamp, char *identifier,
                           sqlca *ca) {
    if (source == nullptr || *source == '\0') return finish(ca, kSqlInvalidAlias);
    std::string wanted = timestamp != nullptr ? timestamp : "";
    wanted.erase(wanted.find_last_not_of(' ') + 1);
    const auto &images = model().backups.images[alias_key(source)];
    auto image = std::find_if(images.rbegin(), images.rend(),
                              [&](const std::string &stamp) { return stamp.compare(0, wanted.size(), wanted) == 0; });
    if (wanted.size() > 14 || image == images.rend()) return finish(ca, kSqlNoImage);
    const std::string key = alias_key(target != nullptr && *target != '\0' ? target : source);
    model().backups.restored[key] = *image;
    add_history(key, 'R', identifier_for(alias_key(source), *image));
    put_text(identifier, 33, identifier_for(key, *image));
    return finish(ca, 0);
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlubkp(char *dbAlias, std::uint32_t value2, std::uint32_t value3, std::uint32_t value4,
                                 std::uint32_t value5, char *identifier, char *timestamp, std::uint32_t value8,
                                 vrxTablespaceList *tablespaces, vrxMediaList *media, char *userName, char *password,
                                 std::uint32_t value13, std::uint32_t value14, std::uint32_t value15,
                                 std::uint32_t value16, std::uint32_t value17, std::uint32_t value18,
                                 std::uint32_t value19, sqlca *ca) {
    return core_call(__func__, dbAlias, value2, value3, value4, value5, identifier, timestamp, value8, tablespaces,
                     media, userName, password, value13, value14, value15, value16, value17, value18, value19, ca,
                     [&] { return take_backup(dbAlias, identifier, timestamp, ca); });
}

std::int32_t VRX_STDCALL sqlubkup(char *dbAlias, std::uint32_t value2, std::uint32_t value3, std::uint32_t value4,
                                  std::uint32_t value5, char *identifier, char *timestamp, std::uint32_t value8,
                                  vrxTablespaceList *tablespaces, vrxMediaList *media, char *userName,
                                  char *password, std::uint32_t value13, std::uint32_t value14,
                                  std::uint32_t value15, std::uint32_t value16, sqlca *ca) {
    return core_call(__func__, dbAlias, value2, value3, value4, value5, identifier, timestamp, value8, tablespaces,
                     media, userName, password, value13, value14, value15, value16, ca,
                     [&] { return take_backup(dbAlias, identifier, timestamp, ca); });
}

std::int32_t VRX_STDCALL vrxBackup(std::uint32_t version, vrxBackupStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        return take_backup(params->dbAlias, params->identifier, params->timestamp, ca);
    });
}

std::int32_t VRX_STDCALL vrxArchiveLog(std::uint32_t version, vrxArchiveLogStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        if (params->dbAlias == nullptr || *params->dbAlias == '\0') return finish(ca, kSqlInvalidAlias);
        return finish(ca, 0);
    });
}

std::int32_t VRX_STDCALL sqlurestore(char *sourceDbAlias, char *targetDbAlias, std::uint32_t value3,
                                     std::uint32_t value4, std::uint32_t value5, std::uint32_t value6,
                                     std::uint32_t value7, std::uint32_t value8, char *identifier, char *timestamp,
                                     char *text3, std::uint32_t value12, char *text4, vrxTablespaceList *tablespaces,
                                     vrxMediaList *media, char *userName, char *password, std::uint32_t value18,
                                     std::uint32_t value19, std::uint32_t value20, std::uint32_t value21,
                                     std::uint32_t value22, std::uint32_t value23, std::uint32_t value24, sqlca *ca) {
    return core_call(__func__, sourceDbAlias, targetDbAlias, value3, value4, value5, value6, value7, value8, identifier,
                     timestamp, text3, value12, text4, tablespaces, media, userName, password, value18, value19,
                     value20, value21, value22, value23, value24, ca,
                     [&] { return restore_image(sourceDbAlias, targetDbAlias, timestamp, identifier, ca); });
}

std::int32_t VRX_STDCALL sqlurst(char *sourceDbAlias, char *targetDbAlias, std::uint32_t value3, std::uint32_t value4,
                                 std::uint32_t value5, std::uint32_t value6, std::uint32_t value7, char *identifier,
                                 char *timestamp, char *text3, std::uint32_t value11, vrxTablespaceList *tablespaces,
                                 vrxMediaList *media, char *userName, char *password, std::uint32_t value16,
                                 std::uint32_t value17, std::uint32_t value18, std::uint32_t value19,
                                 std::uint32_t value20, std::uint32_t value21, std::uint32_t value22, sqlca *ca) {
    return core_call(__func__, sourceDbAlias, targetDbAlias, value3, value4, value5, value6, value7, identifier,
                     timestamp, text3, value11, tablespaces, media, userName, password, value16, value17, value18,
                     value19, value20, value21, value22, ca,
                     [&] { return restore_image(sourceDbAlias, targetDbAlias, timestamp, identifier, ca); });
}

std::int32_t VRX_STDCALL sqlursto(char *sourceDbAlias, char *targetDbAlias, std::uint32_t value3,
                                  std::uint32_t value4, std::uint32_t value5, std::uint32_t value6, char *identifier,
                                  char *timestamp, char *text3, std::uint32_t value10, vrxTablespaceList *tablespaces,
                                  vrxMediaList *media, char *userName, char *password, std::uint32_t value15,
                                  std::uint32_t value16, std::uint32_t value17, std::uint32_t value18, sqlca *ca) {
    return core_call(__func__, sourceDbAlias, targetDbAlias, value3, value4, value5, value6, identifier, timestamp,
                     text3, value10, tablespaces, media, userName, password, value15, value16, value17, value18, ca,
                     [&] { return restore_image(sourceDbAlias, targetDbAlias, timestamp, identifier, ca); });
}

std::int32_t VRX_STDCALL vrxRestore(std::uint32_t version, vrxRestoreStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        return restore_image(params->sourceDbAlias, params->targetDbAlias, params->timestamp, params->identifier, ca);
    });
}

}  // extern "C"
