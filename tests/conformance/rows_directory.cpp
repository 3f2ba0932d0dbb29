// Database directory.
#include "conformance/conformance.h"

namespace vrxtest::conformance {
namespace {

const Rows rows = {
    // The type is 8 bits wide, the authentication 16.
    {"SQLGCADB", "'FEDCBA' 'EDCBA' 82 'DCBA' 'CBA' 'BA' 7 'A' ca",
     [](Arena &a) {
         return a.call(sqlgcadb, a.len(1), a.len(2), a.len(3), a.len(4), a.len(5), a.len(6), a.ca(), a.text(1),
                       kHigh16 | 7, a.text(2), a.text(3), a.text(4), kHigh8 | 'R', a.text(5), a.text(6));
     }},
    {"SQLGUNCD", "'A' ca", [](Arena &a) { return a.call(sqlguncd, a.len(1), a.ca(), a.text(1)); }},
    {"SQLGDCGD", "'CBA' 'BA' 'A' ca",
     [](Arena &a) { return a.call(sqlgdcgd, a.len(1), a.len(2), a.len(3), a.ca(), a.text(1), a.text(2), a.text(3)); }},
    {"SQLGDOSD", "'A' handle count ca",
     [](Arena &a) {
         return a.call(sqlgdosd, a.len(1), a.ca(), a.record<std::uint16_t>(1, "count"),
                       a.record<std::uint16_t>(2, "handle"), a.text(1));
     }},
    {"SQLGDGNE", "7 entry ca",
     [](Arena &a) { return a.call(sqlgdgne, kHigh16 | 7, a.record<vrxDbDirEntry *>(nullptr, "entry"), a.ca()); }},
    {"SQLGDCLS", "8020000 & ca", [](Arena &a) { return a.call(sqlgdcls, kHigh16 | 7, a.ca()); }, {"SQLGDCLS"}},
    {"VRXGDBDIROPENSCAN", "9050000 & ca",
     [](Arena &a) {
         return a.call(vrxgDbDirOpenScan, 9050000u, a.record(vrxgDbDirOpenScanStruct{a.len32(1), a.text(1), 1, 2}),
                       a.ca());
     },
     {"SQLGDOSD"}},
    {"VRXGDBDIRGETNEXTENTRY", "9050000 & ca",
     [](Arena &a) {
         return a.call(vrxgDbDirGetNextEntry, 9050000u, a.record(vrxgDbDirNextEntryStruct{7, 9, nullptr}), a.ca());
     },
     {"SQLGDGNE"}},
    {"VRXGDBDIRCLOSESCAN", "9050000 & ca",
     [](Arena &a) { return a.call(vrxgDbDirCloseScan, 9050000u, a.record(vrxgDbDirCloseScanStruct{7}), a.ca()); },
     {"SQLGDCLS"}},
};

}  // namespace
}  // namespace vrxtest::conformance
