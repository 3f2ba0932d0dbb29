// Stand-in database lifecycle. Creating a database catalogues it (as a
// database of this instance, with the descriptor's comment) and dropping
// it uncatalogues it and forgets its configuration; the other operations
// succeed for a catalogued alias. Nodes are accepted as they come.
#include <cstring>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/control.h"

namespace vrxapp {

namespace {

// The comment the core reads from a descriptor of the expected kind: the
// text before its terminator, within the comment field.
std::string comment_of(const vrxDbDescriptor *descriptor, const char *eyeCatcher) {
    if (descriptor == nullptr || std::strncmp(descriptor->eyeCatcher, eyeCatcher, 8) != 0) return "";
    return std::string(descriptor->comment, strnlen(descriptor->comment, sizeof descriptor->comment));
}

std::int32_t create(const char *dbName, const char *dbAlias, const char *path, const std::string &comment) {
    CatalogEntry entry;
    entry.dbName = dbName != nullptr ? dbName : "";
    entry.alias = dbAlias != nullptr && *dbAlias != '\0' ? dbAlias : entry.dbName;
    entry.path = path != nullptr ? path : "";
    entry.comment = comment;
    entry.type = VRX_DB_INDIRECT;
    return catalogue(entry);
}

std::int32_t drop(const char *dbAlias) {
    const std::int32_t code = uncatalogue(dbAlias);
    if (code == 0) model().configs.erase(alias_key(dbAlias));
    return code;
}

std::int32_t known(const char *dbAlias) { return catalogued(dbAlias) != nullptr ? 0 : kSqlInvalidAlias; }

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqlecrea_api(char *dbName, char *dbAlias, char *path, vrxDbDescriptor *descriptor,
                                      vrxDbCodeSet *codeSet, std::uint32_t reserved1, void *reserved2, sqlca *ca) {
    return core_call(__func__, dbName, dbAlias, path, descriptor, codeSet, reserved1, reserved2, ca,
                     [&] { return finish(ca, create(dbName, dbAlias, path, comment_of(descriptor, VRX_DB_DESCRIPTOR_CREA))); });
}

std::int32_t VRX_STDCALL sqledbcr_api(char *dbName, char *path, vrxDbDescriptor *descriptor, std::uint32_t option,
                                      vrxDbCodeSet *codeSet, sqlca *ca) {
    return core_call(__func__, dbName, path, descriptor, option, codeSet, ca,
                     [&] { return finish(ca, create(dbName, dbName, path, comment_of(descriptor, VRX_DB_DESCRIPTOR_DBCR))); });
}

std::int32_t VRX_STDCALL sqledrpd_api(char *dbAlias, void *reserved, sqlca *ca) {
    return core_call(__func__, dbAlias, reserved, ca, [&] { return finish(ca, drop(dbAlias)); });
}

std::int32_t VRX_STDCALL sqlemgdb_api(char *dbAlias, char *userName, char *password, sqlca *ca) {
    return core_call(__func__, dbAlias, userName, password, ca, [&] { return finish(ca, known(dbAlias)); });
}

std::int32_t VRX_STDCALL sqlerstd_api(char *dbAlias, char *userName, char *password, sqlca *ca) {
    return core_call(__func__, dbAlias, userName, password, ca, [&] { return finish(ca, known(dbAlias)); });
}

std::int32_t VRX_STDCALL vrxDatabaseRestart(std::uint32_t version, vrxDatabaseRestartStruct *params, sqlca *ca) {
    return core_call(__func__, version, params, ca, [&] {
        return finish(ca, params != nullptr ? known(params->piDbAlias) : kSqlInvalidParameter);
    });
}

std::int32_t VRX_STDCALL sqle_activate_db_api(char *dbAlias, char *userName, char *password, void *reserved,
                                              sqlca *ca) {
    return core_call(__func__, dbAlias, userName, password, reserved, ca, [&] { return finish(ca, known(dbAlias)); });
}

std::int32_t VRX_STDCALL sqle_deactivate_db_api(char *dbAlias, char *userName, char *password, void *reserved,
                                                sqlca *ca) {
    return core_call(__func__, dbAlias, userName, password, reserved, ca, [&] { return finish(ca, known(dbAlias)); });
}

std::int32_t VRX_STDCALL sqleaddn_api(void *options, sqlca *ca) {
    return core_call(__func__, options, ca, [&] { return finish(ca, 0); });
}

std::int32_t VRX_STDCALL sqlecran_api(char *dbName, void *reserved, sqlca *ca) {
    return core_call(__func__, dbName, reserved, ca, [&] {
        return finish(ca, dbName != nullptr && *dbName != '\0' ? 0 : kSqlInvalidDbName);
    });
}

std::int32_t VRX_STDCALL sqledpan_api(char *dbAlias, void *reserved, sqlca *ca) {
    return core_call(__func__, dbAlias, reserved, ca,
                     [&] { return finish(ca, dbAlias != nullptr && *dbAlias != '\0' ? 0 : kSqlInvalidAlias); });
}

std::int32_t VRX_STDCALL sqledrpn_api(std::uint32_t action, void *params, sqlca *ca) {
    return core_call(__func__, action, params, ca, [&] { return finish(ca, 0); });
}

}  // extern "C"
