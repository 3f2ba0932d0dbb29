// Stand-in export, import, load and load query, with the data files kept
// in memory by name. To the stand-in, an export's text 1 names the data
// file it writes (texts 2 and 3, the file type and message file, are not
// read); it writes every row of its one table. An import's text 1 and a
// load's source list (the text of its first 'S' entry) name the file they
// read. Each reports its row count in the third sqlerrd word; a load query
// reports the last load's. A file never exported gives SQLCODE -3025.
#include <string>

#include "core_call.h"
#include "model.h"
#include "vrxplatform/datamove.h"

namespace vrxapp {

namespace {

constexpr std::int32_t kSqlNoFile = -3025;
constexpr std::int32_t kTableRows = 25;

std::int32_t finish_with_rows(sqlca *ca, std::int32_t rows) {
    finish(ca, 0);
    if (ca != nullptr) ca->sqlerrd[2] = rows;
    return 0;
}

std::int32_t export_file(const char *name, sqlca *ca) {
    if (name == nullptr || *name == '\0') return finish(ca, kSqlNoFile);
    model().files.rows[name] = kTableRows;
    return finish_with_rows(ca, kTableRows);
}

// The rows of the file `name`, or -1 for a file never exported.
std::int32_t rows_of(const char *name) {
    if (name == nullptr) return -1;
    const auto it = model().files.rows.find(name);
    return it != model().files.rows.end() ? it->second : -1;
}

std::int32_t import_file(const char *name, sqlca *ca) {
    const std::int32_t rows = rows_of(name);
    return rows < 0 ? finish(ca, kSqlNoFile) : finish_with_rows(ca, rows);
}

// The file the first entry of an 'S' list names.
const char *source_name(const vrxMediaList *list) {
    if (list == nullptr || list->mediaType != VRX_MEDIA_SERVER || list->entryCount < 1 || list->entries == nullptr)
        return nullptr;
    return static_cast<const vrxLocationEntry *>(list->entries)->text;
}

std::int32_t load_file(const vrxMediaList *source, sqlca *ca) {
    const std::int32_t rows = rows_of(source_name(source));
    if (rows < 0) return finish(ca, kSqlNoFile);
    model().files.lastLoadRows = rows;
    return finish_with_rows(ca, rows);
}

}  // namespace

}  // namespace vrxapp

using namespace vrxapp;

extern "C" {

std::int32_t VRX_STDCALL sqluexpt_api(char *text1, void *value1, void *value2, char *text2, void *value3, char *text3,
                                      std::int32_t value16, void *value4, sqlca *ca) {
    return core_call(__func__, text1, value1, value2, text2, value3, text3, value16, value4, ca,
                     [&] { return export_file(text1, ca); });
}

std::int32_t VRX_STDCALL sqluexpr_api(char *text1, vrxMediaList *pathList, vrxMediaList *locationList, void *value1,
                                      void *value2, char *text2, void *value3, char *text3, std::int32_t value16,
                                      void *value4, void *value5, sqlca *ca) {
    return core_call(__func__, text1, pathList, locationList, value1, value2, text2, value3, text3, value16, value4,
                     value5, ca, [&] { return export_file(text1, ca); });
}

std::int32_t VRX_STDCALL vrxExport(std::uint32_t version, vrxExportParms *params, sqlca *ca) {
    return core_call(__func__, version, params, ca,
                     [&] { return export_file(params != nullptr ? params->text1 : nullptr, ca); });
}

std::int32_t VRX_STDCALL sqluimpt_api(char *text1, void *value1, void *value2, char *text2, void *value3, char *text3,
                                      std::int32_t value16, void *value4, void *value5, sqlca *ca) {
    return core_call(__func__, text1, value1, value2, text2, value3, text3, value16, value4, value5, ca,
                     [&] { return import_file(text1, ca); });
}

std::int32_t VRX_STDCALL sqluimpr_api(char *text1, vrxMediaList *pathList, void *value1, void *value2, char *text2,
                                      void *value3, char *text3, std::int32_t value16, void *value4, void *value5,
                                      void *value6, void *value7, sqlca *ca) {
    return core_call(__func__, text1, pathList, value1, value2, text2, value3, text3, value16, value4, value5, value6,
                     value7, ca, [&] { return import_file(text1, ca); });
}

std::int32_t VRX_STDCALL vrxImport(std::uint32_t version, vrxImportParms *params, sqlca *ca) {
    return core_call(__func__, version, params, ca,
                     [&] { return import_file(params != nullptr ? params->text1 : nullptr, ca); });
}

std::int32_t VRX_STDCALL sqluload_api(vrxMediaList *sourceList, vrxMediaList *sourceList2, void *value1,
                                      void *value2, char *text1, void *value3, char *text2, char *text3,
                                      std::int32_t value16, void *value4, void *value5, vrxMediaList *pathList,
                                      vrxMediaList *copyTarget, void *value6, void *value7, sqlca *ca) {
    return core_call(__func__, sourceList, sourceList2, value1, value2, text1, value3, text2, text3, value16, value4,
                     value5, pathList, copyTarget, value6, value7, ca, [&] { return load_file(sourceList, ca); });
}

std::int32_t VRX_STDCALL vrxLoad(std::uint32_t version, vrxLoadParms *params, sqlca *ca) {
    return core_call(__func__, version, params, ca,
                     [&] { return load_file(params != nullptr ? params->sourceList : nullptr, ca); });
}

std::int32_t VRX_STDCALL sqluqry_api(char *text1, char *text2, sqlca *ca) {
    return core_call(__func__, text1, text2, ca, [&] { return finish_with_rows(ca, model().files.lastLoadRows); });
}

std::int32_t VRX_STDCALL vrxLoadQuery(std::uint32_t version, vrxLoadQueryParms *params, sqlca *ca) {
    return core_call(__func__, version, params, ca,
                     [&] { return finish_with_rows(ca, model().files.lastLoadRows); });
}

}  // extern "C"
