// Stand-in backup, log archiving and restore: a backup records an image of
// the database under a timestamp of its own and returns that timestamp; a
// restore accepts the timestamp of an image of its source database (or a
// leading part of it, or none for the newest) and records the restored
// database. No data is copied anywhere.
#include <algorithm>
#include <ctime>
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

std::string next_timestamp() {
    BackupImages &b = model().backups;
    b.lastTime = std::max<std::int64_t>(static_cast<std::int64_t>(std::time(nullptr)), b.lastTime + 1);
    const std::time_t t = static_cast<std::time_t>(b.lastTime);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", std::gmtime(&t));
    return text;
}

std::string identifier_for(const std::string &alias, const std::string &timestamp) {
    return "VRXAPP." + alias + "." + timestamp;
}

std::int32_t take_backup(const char *dbAlias, char *identifier, char *timestamp, sqlca *ca) {
    if (dbAlias == nullptr || *dbAlias == '\0') return finish(ca, kSqlInvalidAlias);
    const std::string key = alias_key(dbAlias);
    const std::string stamp = next_timestamp();
    model().backups.images[key].push_back(stamp);
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
    return core_call("sqlubkp",
                     {raw(dbAlias), raw(value2), raw(value3), raw(value4), raw(value5), raw(identifier), raw(timestamp),
                      raw(value8), raw(tablespaces), raw(media), raw(userName), raw(password), raw(value13),
                      raw(value14), raw(value15), raw(value16), raw(value17), raw(value18), raw(value19), raw(ca)},
                     [&] { return take_backup(dbAlias, identifier, timestamp, ca); });
}

std::int32_t VRX_STDCALL sqlubkup(char *dbAlias, std::uint32_t value2, std::uint32_t value3, std::uint32_t value4,
                                  std::uint32_t value5, char *identifier, char *timestamp, std::uint32_t value8,
                                  vrxTablespaceList *tablespaces, vrxMediaList *media, char *userName,
                                  char *password, std::uint32_t value13, std::uint32_t value14,
                                  std::uint32_t value15, std::uint32_t value16, sqlca *ca) {
    return core_call("sqlubkup",
                     {raw(dbAlias), raw(value2), raw(value3), raw(value4), raw(value5), raw(identifier), raw(timestamp),
                      raw(value8), raw(tablespaces), raw(media), raw(userName), raw(password), raw(value13),
                      raw(value14), raw(value15), raw(value16), raw(ca)},
                     [&] { return take_backup(dbAlias, identifier, timestamp, ca); });
}

std::int32_t VRX_STDCALL vrxBackup(std::uint32_t version, vrxBackupStruct *params, sqlca *ca) {
    return core_call("vrxBackup", {raw(version), raw(params), raw(ca)}, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        return take_backup(params->dbAlias, params->identifier, params->timestamp, ca);
    });
}

std::int32_t VRX_STDCALL vrxArchiveLog(std::uint32_t version, vrxArchiveLogStruct *params, sqlca *ca) {
    return core_call("vrxArchiveLog", {raw(version), raw(params), raw(ca)}, [&] {
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
    return core_call("sqlurestore",
                     {raw(sourceDbAlias), raw(targetDbAlias), raw(value3), raw(value4), raw(value5), raw(value6),
                      raw(value7), raw(value8), raw(identifier), raw(timestamp), raw(text3), raw(value12), raw(text4),
                      raw(tablespaces), raw(media), raw(userName), raw(password), raw(value18), raw(value19),
                      raw(value20), raw(value21), raw(value22), raw(value23), raw(value24), raw(ca)},
                     [&] { return restore_image(sourceDbAlias, targetDbAlias, timestamp, identifier, ca); });
}

std::int32_t VRX_STDCALL sqlurst(char *sourceDbAlias, char *targetDbAlias, std::uint32_t value3, std::uint32_t value4,
                                 std::uint32_t value5, std::uint32_t value6, std::uint32_t value7, char *identifier,
                                 char *timestamp, char *text3, std::uint32_t value11, vrxTablespaceList *tablespaces,
                                 vrxMediaList *media, char *userName, char *password, std::uint32_t value16,
                                 std::uint32_t value17, std::uint32_t value18, std::uint32_t value19,
                                 std::uint32_t value20, std::uint32_t value21, std::uint32_t value22, sqlca *ca) {
    return core_call("sqlurst",
                     {raw(sourceDbAlias), raw(targetDbAlias), raw(value3), raw(value4), raw(value5), raw(value6),
                      raw(value7), raw(identifier), raw(timestamp), raw(text3), raw(value11), raw(tablespaces),
                      raw(media), raw(userName), raw(password), raw(value16), raw(value17), raw(value18),
                      raw(value19), raw(value20), raw(value21), raw(value22), raw(ca)},
                     [&] { return restore_image(sourceDbAlias, targetDbAlias, timestamp, identifier, ca); });
}

std::int32_t VRX_STDCALL sqlursto(char *sourceDbAlias, char *targetDbAlias, std::uint32_t value3,
                                  std::uint32_t value4, std::uint32_t value5, std::uint32_t value6, char *identifier,
                                  char *timestamp, char *text3, std::uint32_t value10, vrxTablespaceList *tablespaces,
                                  vrxMediaList *media, char *userName, char *password, std::uint32_t value15,
                                  std::uint32_t value16, std::uint32_t value17, std::uint32_t value18, sqlca *ca) {
    return core_call("sqlursto",
                     {raw(sourceDbAlias), raw(targetDbAlias), raw(value3), raw(value4), raw(value5), raw(value6),
                      raw(identifier), raw(timestamp), raw(text3), raw(value10), raw(tablespaces), raw(media),
                      raw(userName), raw(password), raw(value15), raw(value16), raw(value17), raw(value18), raw(ca)},
                     [&] { return restore_image(sourceDbAlias, targetDbAlias, timestamp, identifier, ca); });
}

std::int32_t VRX_STDCALL vrxRestore(std::uint32_t version, vrxRestoreStruct *params, sqlca *ca) {
    return core_call("vrxRestore", {raw(version), raw(params), raw(ca)}, [&] {
        if (params == nullptr) return finish(ca, kSqlNoRecordGiven);
        return restore_image(params->sourceDbAlias, params->targetDbAlias, params->timestamp, params->identifier, ca);
    });
}

}  // extern "C"
