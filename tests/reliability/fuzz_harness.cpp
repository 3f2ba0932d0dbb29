// One table row per exported entry point describes its argument slots by
// kind; the harness turns a fuzz input into a call and checks, after it:
//   - caller storage outside the row's output areas is byte for byte as it was;
//   - the scratch ledger is empty and nothing was released twice;
//   - every text the library must terminate had a NUL within its length + 1
//     while the core ran (unless checking was on and one of its regions was refused);
//   - the result is the core's, or one of the row's refusals with its sqlcode;
//   - no core call after a failed initialisation or a failed scratch request.
//
// Adding an entry point: add ONE row to kRows below, naming it as the entry
// point table does and giving one slot per argument, in order:
//   L        a 16-bit text length, filled in by the text that names it
//   T(n)     a text whose length is in slot n (in place, terminated and put back)
//   S(n)     the restore timestamp: a text (length in slot n) in a 15-byte output field
//   V8 V16 V32   a value; junk goes into the bits above the width
//   CA       the sqlca (an output)
//   OUT(w)   a w-byte output field the library blank-fills
//   ROOM(n)  an n-byte area the core writes (an output)
//   PASS(n)  an n-byte area passed through unread
//   VER      a version number, at and around every threshold
//   REC(d, n)  n caller records (default 1) described by d: texts, outputs,
//            lists, blank-padded and inline fields, nested records and arrays
//   TSL MDL  the positional table space list and media list
//   N  NL  GET(n, set)  UPD(n, m, set)   configuration count, value lengths and items
//   UPTO(n)  a count of 0..n bytes    NUM(n)  a pointer to a 16-bit count -1..n
//   NAMES(c, l)  an array of texts: its count in slot c, its 16-bit lengths in slot l
//   OBJ      an object list: blank-padded names terminated after their last non-blank
//   NUM32(n) a pointer to a 32-bit count -1..n
//   VIA(d, n)  an n-byte area the core writes, reached through d pointers
//   RECS(d, n)  caller records described by d, their count in slot n (an N)
//   MDL_OF(t, u)  a media list of any type whose texts are terminated when
//            its type is t (or u), only the first entry's for 'O'
// then the results the entry point may return without calling the core
// (0: initialisation failed, or no records counted; -83: no memory; 1: a
// list check refused; -1, -1078, -1022: guarded refusals; -1022 of an
// unreported frame leaves the sqlca alone; -3223: a record null or refused;
// -1603: an empty object list; -1607: no memory for the names' saved bytes;
// kNoBlock: the scratch service's own failure, the sqlca untouched; for a
// service done in the library, every result it may give; {result, sqlcode}:
// a refusal the library reports, such as a parameter it may not use, with
// the sqlcode it sets, or kUntouched for the sqlca left as it was), then
// options: kOwnResult for an entry point that returns its own last check
// (0, or 1 when checking is on) rather than the core's result; kPreparesCa
// for one that writes its -83 into a refused sqlca too. The frame `checked`
// returns the initialisation's and the sqlca check's results itself. A new
// record needs a RecordDesc.
#include "fuzz_harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>

#include "vrxagapi.h"
#include "vrxstub.h"

#if defined(__SANITIZE_ADDRESS__)
#define VRX_FUZZ_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VRX_FUZZ_ASAN 1
#endif
#endif
#if defined(VRX_FUZZ_ASAN)
#include <sanitizer/asan_interface.h>
#endif

namespace vrxfuzz {
namespace {

// --- the entry points, from the entry point table ---------------------------------

template <class T>
T slot_as(std::uintptr_t v) {
    if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(v);
    else
        return static_cast<T>(v);
}
template <class... P>
constexpr std::size_t arity(std::int32_t(VRX_STDCALL *)(P...)) {
    return sizeof...(P);
}
template <class... P, std::size_t... I>
std::int32_t apply(std::int32_t(VRX_STDCALL *f)(P...), const std::uintptr_t *a, std::index_sequence<I...>) {
    return f(slot_as<P>(a[I])...);
}
template <auto F>
std::int32_t invoke(const std::uintptr_t *a) {
    return apply(F, a, std::make_index_sequence<arity(F)>{});
}

enum class Frame { standard, guarded, checked, unreported, noinit, forward, library };
struct Entry {
    const char *name;
    std::int32_t (*call)(const std::uintptr_t *);
    std::size_t arity;
    const char *core;
    Frame frame;
};
#define VRX_ENTRY(upper, mixed, argBytes, core, coreBytes, subsystem, frame, source, library) \
    {#upper, invoke<mixed>, arity(mixed), #core, Frame::frame},
const Entry kEntries[] = {
#include "frame/entry_points.inc"
};
#undef VRX_ENTRY

// --- argument kinds ---------------------------------------------------------------

enum class K : std::uint8_t { Len, Text, Stamp, Val8, Val16, Val32, Ca, Out, Room, Pass, Ver, Rec, TsList, MediaList,
                              Count, ValueLens, GetItems, SetItems, Upto, Num, Names, Objects, Num32, Via, Records,
                              Media };
enum class F : std::uint8_t { Text, Out, Stamp, TextList, MediaList, OutValue, Blank, Eye, Pass, Inline16, Inline32,
                              Byte, Id, Sub, Array, Area, TsList, Names, Absent, Objects, Name, Text16, Media };
struct RecordDesc;

struct Field {
    F kind;
    std::uint16_t at;      // offset of the pointer, value or field
    std::uint16_t len;     // offset of its 32-bit length
    std::uint32_t since;   // first version that reads it
    std::uint16_t width;
    const RecordDesc *sub = nullptr;  // Sub, Array: the record pointed at
};
struct RecordDesc {
    std::uint16_t size;
    std::vector<Field> fields;
};
struct Token {
    std::uint16_t token, width;
};
using TokenSet = std::vector<Token>;
struct Slot {
    K kind;
    std::uint16_t n = 0, m = 0;
    const void *desc = nullptr;
};

constexpr Slot L{K::Len}, V8{K::Val8}, V16{K::Val16}, V32{K::Val32}, CA{K::Ca}, VER{K::Ver}, TSL{K::TsList},
    MDL{K::MediaList}, N{K::Count}, NL{K::ValueLens};
constexpr Slot T(std::uint16_t len) { return {K::Text, len}; }
constexpr Slot S(std::uint16_t len) { return {K::Stamp, len}; }
constexpr Slot OUT(std::uint16_t width) { return {K::Out, width}; }
constexpr Slot ROOM(std::uint16_t size) { return {K::Room, size}; }
constexpr Slot PASS(std::uint16_t size) { return {K::Pass, size}; }
Slot REC(const RecordDesc &d, std::uint16_t n = 1) { return {K::Rec, n, 0, &d}; }
constexpr Slot UPTO(std::uint16_t n) { return {K::Upto, n}; }
constexpr Slot NUM(std::uint16_t n) { return {K::Num, n}; }
Slot GET(std::uint16_t count, const TokenSet &set) { return {K::GetItems, count, 0, &set}; }
Slot UPD(std::uint16_t count, std::uint16_t lens, const TokenSet &set) { return {K::SetItems, count, lens, &set}; }
constexpr Slot NAMES(std::uint16_t count, std::uint16_t lens) { return {K::Names, count, lens}; }
constexpr Slot OBJ{K::Objects};
constexpr Slot NUM32(std::uint16_t n) { return {K::Num32, n}; }
constexpr Slot VIA(std::uint16_t depth, std::uint16_t size) { return {K::Via, depth, size}; }
Slot RECS(const RecordDesc &d, std::uint16_t count) { return {K::Records, count, 0, &d}; }
// Media list types packed two to a 16-bit value; 0 names none.
constexpr std::uint16_t types_of(char t, char u = 0) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(t) | static_cast<unsigned char>(u) << 8);
}
constexpr bool of_type(std::uint16_t types, char type) {
    return type != 0 && (type == static_cast<char>(types & 0xFF) || type == static_cast<char>(types >> 8));
}
constexpr Slot MDL_OF(char t, char u = 0) { return {K::Media, types_of(t, u)}; }

#define AT(T, f) static_cast<std::uint16_t>(offsetof(T, f))
#define TEXT(T, p, l, ...) Field{F::Text, AT(T, p), AT(T, l), __VA_ARGS__ + 0, 0}
// A text terminated only under conditions the harness does not follow: restoration is checked, termination is not.
constexpr std::uint32_t kNever = 0xFFFFFFFFu;
#define LOOSE(T, p, l) Field{F::Text, AT(T, p), AT(T, l), kNever, 0}
#define INLINE(k, T, text, l) Field{F::k, AT(T, text), AT(T, l), 0, sizeof(T::text)}
#define BLANK(T, f) Field{F::Blank, AT(T, f), 0, 0, sizeof(T::f)}
#define SUB(T, p, d) Field{F::Sub, AT(T, p), 0, 0, 0, &d}
// A text whose length is a 16-bit field, and one without a length field (length 0).
constexpr std::uint16_t kNoLength = 1;
#define TEXT16(T, p, l) Field{F::Text, AT(T, p), AT(T, l), 0, 2}
#define TEXT0(T, p) Field{F::Text, AT(T, p), 0, 0, kNoLength}
// An output area of w bytes without a length; the positional table space list.
#define AREA(T, p, w) Field{F::Area, AT(T, p), 0, 0, w}
#define TSLIST(T, p) Field{F::TsList, AT(T, p), 0, 0, 0}
// An array of texts, its 16-bit count and its array of 16-bit lengths.
#define NAMELIST(T, p, c, l) Field{F::Names, AT(T, p), AT(T, c), 0, AT(T, l)}
// A list the harness does not build: a null pointer, its 16-bit count 0 or (one time in four) 1.
#define ABSENT(T, p, c) Field{F::Absent, AT(T, p), AT(T, c), 0, 0}
// A text with a 16-bit length at offset l (already an offset); a media list of the given types (see MDL_OF).
#define TEXT16_AT(T, p, l) Field{F::Text16, AT(T, p), static_cast<std::uint16_t>(l), 0, 0}
#define MEDIA(T, p, since, ...) Field{F::Media, AT(T, p), 0, since, types_of(__VA_ARGS__)}

const RecordDesc kBackup{sizeof(vrxgBackupStruct),
                         {TEXT(vrxgBackupStruct, piDbAlias, iDbAliasLen),
                          {F::Out, AT(vrxgBackupStruct, poIdentifier), AT(vrxgBackupStruct, iIdentifierLen), 0, 33},
                          {F::Out, AT(vrxgBackupStruct, poTimestamp), AT(vrxgBackupStruct, iTimestampLen), 0, 15},
                          {F::TextList, AT(vrxgBackupStruct, piTablespaceList), 0, 0, 0},
                          {F::MediaList, AT(vrxgBackupStruct, piMediaList), 0, 0, 0},
                          TEXT(vrxgBackupStruct, piUserName, iUserNameLen),
                          TEXT(vrxgBackupStruct, piPassword, iPasswordLen),
                          TEXT(vrxgBackupStruct, piText4, iText4Len, VRX_VERSION_8010400)}};
const RecordDesc kRestore{sizeof(vrxgRestoreStruct),
                          {TEXT(vrxgRestoreStruct, piSourceDbAlias, iSourceDbAliasLen),
                           TEXT(vrxgRestoreStruct, piTargetDbAlias, iTargetDbAliasLen),
                           {F::Out, AT(vrxgRestoreStruct, poIdentifier), AT(vrxgRestoreStruct, iIdentifierLen), 0, 33},
                           {F::Stamp, AT(vrxgRestoreStruct, piTimestamp), AT(vrxgRestoreStruct, iTimestampLen), 0, 15},
                           TEXT(vrxgRestoreStruct, piText3, iText3Len),
                           TEXT(vrxgRestoreStruct, piText4, iText4Len),
                           {F::TextList, AT(vrxgRestoreStruct, piTablespaceList), 0, 0, 0},
                           {F::MediaList, AT(vrxgRestoreStruct, piMediaList), 0, 0, 0},
                           TEXT(vrxgRestoreStruct, piUserName, iUserNameLen),
                           TEXT(vrxgRestoreStruct, piPassword, iPasswordLen),
                           TEXT(vrxgRestoreStruct, piText7, iText7Len),
                           TEXT(vrxgRestoreStruct, piText8, iText8Len, VRX_VERSION_8010400),
                           TEXT(vrxgRestoreStruct, piText9, iText9Len, VRX_VERSION_8020000),
                           {F::TextList, AT(vrxgRestoreStruct, piTextList2), 0, VRX_VERSION_8020200, 0}}};
const RecordDesc kArchiveLog{sizeof(vrxgArchiveLogStruct),
                             {TEXT(vrxgArchiveLogStruct, piDbAlias, iDbAliasLen),
                              TEXT(vrxgArchiveLogStruct, piUserName, iUserNameLen),
                              TEXT(vrxgArchiveLogStruct, piPassword, iPasswordLen)}};
const RecordDesc kRestart{sizeof(vrxgDatabaseRestartStruct),
                          {TEXT(vrxgDatabaseRestartStruct, piDbAlias, iDbAliasLen),
                           TEXT(vrxgDatabaseRestartStruct, piUserName, iUserNameLen),
                           TEXT(vrxgDatabaseRestartStruct, piPassword, iPasswordLen),
                           TEXT(vrxgDatabaseRestartStruct, piTablespaceNames, iTablespaceNamesLen)}};
const RecordDesc kOpenScan{sizeof(vrxgDbDirOpenScanStruct),
                           {TEXT(vrxgDbDirOpenScanStruct, piPath, iPathLen),
                            {F::OutValue, AT(vrxgDbDirOpenScanStruct, oHandle), 0, 0, 4}}};
const RecordDesc kNextEntry{sizeof(vrxgDbDirNextEntryStruct),
                            {{F::OutValue, AT(vrxgDbDirNextEntryStruct, poDbDirEntry), 0, 0, sizeof(void *)}}};
const RecordDesc kCloseScan{sizeof(vrxgDbDirCloseScanStruct), {}};
const RecordDesc kCodeSet{sizeof(vrxDbCodeSet),
                          {{F::Blank, AT(vrxDbCodeSet, codeSet), 0, 0, 10}, {F::Blank, AT(vrxDbCodeSet, territory), 0, 0, 6}}};
// The descriptor's comment and table are terminated only under the right
// eye-catcher and only when the table is not full: restoration is checked,
// termination is not.
const RecordDesc kDescriptor{sizeof(vrxDbDescriptor), {{F::Eye, AT(vrxDbDescriptor, eyeCatcher), 0, 0, 8}}};

// The host entry's texts are terminated under its structure identifier; the
// filling forms blank-fill them after the call (an output, so only their
// termination is checked).
#define HOST_ID Field{F::Id, AT(vrxHostDbEntry, structId), 0, 0, VRX_HOST_ENTRY_STRUCT_ID}
#define HOST_TEXTS Field{F::OutValue, AT(vrxHostDbEntry, comment), 0, 0, AT(vrxHostDbEntry, reserved3) - AT(vrxHostDbEntry, comment)}
const RecordDesc kHostAdd{sizeof(vrxHostDbEntry),
                          {HOST_ID, BLANK(vrxHostDbEntry, comment), BLANK(vrxHostDbEntry, localName),
                           BLANK(vrxHostDbEntry, targetName), BLANK(vrxHostDbEntry, requesterName),
                           BLANK(vrxHostDbEntry, parameters)}};
const RecordDesc kHostGet{sizeof(vrxHostDbEntry), {HOST_ID, BLANK(vrxHostDbEntry, localName), HOST_TEXTS}};
const RecordDesc kHostFilled{sizeof(vrxHostDbEntry), {HOST_ID, HOST_TEXTS}};
// The protocol record is passed as an area the size of the largest one;
// its texts' restoration is checked, their termination is not.
const RecordDesc kNode{sizeof(vrxNodeRecord),
                       {{F::Id, AT(vrxNodeRecord, structId), 0, 0, VRX_NODE_STRUCT_ID}, BLANK(vrxNodeRecord, comment), BLANK(vrxNodeRecord, nodeName),
                        {F::Byte, AT(vrxNodeRecord, protocol), 0, 0, 12}}};
const RecordDesc kRegistration{sizeof(vrxRegistration),
                               {INLINE(Inline16, vrxRegistration, userId, userIdLen),
                                INLINE(Inline16, vrxRegistration, password, passwordLen)}};
const RecordDesc kAltServer{sizeof(vrxgUpdateAltServerStruct),
                            {TEXT(vrxgUpdateAltServerStruct, piDbAlias, iDbAliasLen),
                             TEXT(vrxgUpdateAltServerStruct, piHostName, iHostNameLen),
                             TEXT(vrxgUpdateAltServerStruct, piPort, iPortLen)}};
const RecordDesc kCfgItem{sizeof(vrxgCfgItem), {TEXT(vrxgCfgItem, pioValue, iValueLen)}};
const RecordDesc kCfg{sizeof(vrxgCfgStruct),
                      {TEXT(vrxgCfgStruct, piDbName, iDbNameLen),
                       {F::Array, AT(vrxgCfgStruct, piItems), AT(vrxgCfgStruct, iNumItems), 0, 0, &kCfgItem}}};
// Inline texts: where their NUL goes depends on length and room; restoration is checked.
const RecordDesc kPstr{sizeof(vrxPstrRecord),
                       {INLINE(Inline32, vrxPstrRecord, text1, iText1Len), INLINE(Inline32, vrxPstrRecord, text2, iText2Len),
                        INLINE(Inline32, vrxPstrRecord, text3, iText3Len), INLINE(Inline32, vrxPstrRecord, text4, iText4Len)}};
const RecordDesc kPstart{sizeof(vrxPstartRecord),
                         {INLINE(Inline32, vrxPstartRecord, text1, iText1Len),
                          INLINE(Inline32, vrxPstartRecord, text2, iText2Len),
                          INLINE(Inline32, vrxPstartRecord, text3, iText3Len)}};
const RecordDesc kPstp{sizeof(vrxPstpRecord), {INLINE(Inline32, vrxPstpRecord, text, iTextLen)}};
// Start and stop: texts terminated for remote instances, present lengths,
// the flag and the selector; restoration is checked, termination is not.
const RecordDesc kComm{sizeof(vrxgInstanceCommStruct),
                       {LOOSE(vrxgInstanceCommStruct, piText1, iText1Len), LOOSE(vrxgInstanceCommStruct, piText2, iText2Len),
                        LOOSE(vrxgInstanceCommStruct, piText3, iText3Len)}};
const RecordDesc kStartOptions{sizeof(vrxgStartOptionsStruct),
                               {LOOSE(vrxgStartOptionsStruct, piText1, iText1Len),
                                LOOSE(vrxgStartOptionsStruct, piText2, iText2Len),
                                LOOSE(vrxgStartOptionsStruct, piText3, iText3Len),
                                {F::Byte, AT(vrxgStartOptionsStruct, iFlag), 0, 0, 2},
                                LOOSE(vrxgStartOptionsStruct, piTextU, iTextULen),
                                LOOSE(vrxgStartOptionsStruct, piTextG, iTextGLen)}};
const RecordDesc kStopOptions{sizeof(vrxgStopOptionsStruct), {LOOSE(vrxgStopOptionsStruct, piText, iTextLen)}};
#define INSTANCE(options) \
    {sizeof(vrxgInstanceStruct), \
     {{F::Byte, AT(vrxgInstanceStruct, iIsRemote), 0, 0, 2}, LOOSE(vrxgInstanceStruct, piInstanceName, iInstanceNameLen), \
      SUB(vrxgInstanceStruct, piComm, kComm), SUB(vrxgInstanceStruct, piOptions, options)}}
const RecordDesc kStart INSTANCE(kStartOptions);
const RecordDesc kStop INSTANCE(kStopOptions);
const RecordDesc kInstanceQuiesce{sizeof(vrxgInstanceQuiesceStruct),
                                  {TEXT(vrxgInstanceQuiesceStruct, piText1, iText1Len),
                                   TEXT(vrxgInstanceQuiesceStruct, piText2, iText2Len),
                                   TEXT(vrxgInstanceQuiesceStruct, piText3, iText3Len)}};
const RecordDesc kInstanceUnquiesce{sizeof(vrxgInstanceUnquiesceStruct),
                                    {TEXT(vrxgInstanceUnquiesceStruct, piText, iTextLen)}};
const RecordDesc kDbQuiesce{sizeof(vrxgDatabaseQuiesceStruct), {}};
#define HADR(T) {TEXT(T, piText1, iText1Len), TEXT(T, piText2, iText2Len), TEXT(T, piText3, iText3Len)}
const RecordDesc kHadrStart{sizeof(vrxgHADRStartStruct), HADR(vrxgHADRStartStruct)};
const RecordDesc kHadrTakeover{sizeof(vrxgHADRTakeoverStruct), HADR(vrxgHADRTakeoverStruct)};
const RecordDesc kHadrStop{sizeof(vrxgHADRStopStruct), HADR(vrxgHADRStopStruct)};
// The source slot of a copy through a stored address.
const RecordDesc kStoredAddress{sizeof(void *), {{F::Pass, 0, 0, 0, 64}}};
const RecordDesc kExport{sizeof(vrxgExportParms),
                         {MEDIA(vrxgExportParms, piPathList1, 0, VRX_MEDIA_LOCAL),
                          MEDIA(vrxgExportParms, piLocationList1, 0, VRX_MEDIA_CLIENT),
                          MEDIA(vrxgExportParms, piPathList2, 9000000, VRX_MEDIA_LOCAL),
                          MEDIA(vrxgExportParms, piLocationList2, 9000000, VRX_MEDIA_CLIENT),
                          TEXT16_AT(vrxgExportParms, piText1, AT(vrxgExportParms, iText1Len)),
                          TEXT16_AT(vrxgExportParms, piText2, AT(vrxgExportParms, iText2Len)),
                          TEXT16_AT(vrxgExportParms, piText3, AT(vrxgExportParms, iText3Len))}};
const RecordDesc kImport{sizeof(vrxgImportParms),
                         {MEDIA(vrxgImportParms, piPathList1, 0, VRX_MEDIA_LOCAL),
                          MEDIA(vrxgImportParms, piPathList2, 0, VRX_MEDIA_LOCAL),
                          TEXT16_AT(vrxgImportParms, piText1, AT(vrxgImportParms, iText1Len)),
                          TEXT16_AT(vrxgImportParms, piText2, AT(vrxgImportParms, iText2Len)),
                          TEXT16_AT(vrxgImportParms, piText3, AT(vrxgImportParms, iText3Len))}};
// The nested records' texts are terminated only when their record passes its check.
const RecordDesc kLoadNested1{sizeof(vrxgLoadNested1), {TEXT16_AT(vrxgLoadNested1, piTextN1, AT(vrxgLoadNested1, iTextN1Len))}};
#define NESTED2(p, i) TEXT16_AT(vrxgLoadNested2, p, AT(vrxgLoadNested2, iTextLen) + 2 * (i))
const RecordDesc kLoadNested2{sizeof(vrxgLoadNested2),
                              {NESTED2(piTextP1, 0), NESTED2(piTextP2, 1), NESTED2(piTextP3, 2), NESTED2(piTextP4, 3),
                               NESTED2(piTextP5, 4), NESTED2(piTextP6, 5)}};
const RecordDesc kLoad{sizeof(vrxgLoadParms),
                       {MEDIA(vrxgLoadParms, piSourceList, 0, VRX_MEDIA_SERVER),
                        MEDIA(vrxgLoadParms, piSourceList2, 0, VRX_MEDIA_SERVER),
                        MEDIA(vrxgLoadParms, piSourceList3, 0, VRX_MEDIA_SERVER),
                        MEDIA(vrxgLoadParms, piPathList, 0, VRX_MEDIA_LOCAL),
                        MEDIA(vrxgLoadParms, piCopyTarget, 0, VRX_MEDIA_LOCAL, VRX_MEDIA_VENDOR),
                        TEXT16_AT(vrxgLoadParms, piText1, AT(vrxgLoadParms, iText1Len)),
                        TEXT16_AT(vrxgLoadParms, piText2, AT(vrxgLoadParms, iText2Len)),
                        TEXT16_AT(vrxgLoadParms, piText3, AT(vrxgLoadParms, iText3Len)),
                        SUB(vrxgLoadParms, piNested1, kLoadNested1), SUB(vrxgLoadParms, piNested2, kLoadNested2)}};
const RecordDesc kLoadQuery{sizeof(vrxgLoadQueryParms),
                            {TEXT(vrxgLoadQueryParms, piText1, iText1Len), TEXT(vrxgLoadQueryParms, piText2, iText2Len)}};

const RecordDesc kRunstats{sizeof(vrxgRunstatsParms),
                          {TEXT16(vrxgRunstatsParms, piTablename, iTablenameLen),
                           ABSENT(vrxgRunstatsParms, piColumnList, iNumColumns),
                           ABSENT(vrxgRunstatsParms, piColumnDistributionList, iNumColdist),
                           ABSENT(vrxgRunstatsParms, piColumnGroupList, iNumColGroups),
                           NAMELIST(vrxgRunstatsParms, piIndexList, iNumIndexes, piIndexNamesLen)}};
// Text 3 is read only for reorganisation types 1 and 2.
const RecordDesc kReorg{sizeof(vrxgReorgParms),
                        {{F::Byte, AT(vrxgReorgParms, iReorgType), 0, 0, 3}, TEXT(vrxgReorgParms, piText1, iText1Len),
                         TEXT(vrxgReorgParms, piText2, iText2Len), LOOSE(vrxgReorgParms, piText3, iText3Len)}};
const RecordDesc kInspect{sizeof(vrxgInspectParms),
                          {TEXT(vrxgInspectParms, piTexts[0], iText1Len), TEXT(vrxgInspectParms, piTexts[1], iText2Len),
                           TEXT(vrxgInspectParms, piTexts[2], iText3Len), TEXT(vrxgInspectParms, piTexts[3], iText4Len),
                           TEXT(vrxgInspectParms, piTexts[4], iText5Len)}};
const RecordDesc kRfwdIn{sizeof(vrxgRfwdInputStruct),
                         {TEXT(vrxgRfwdInputStruct, piDbAlias, iDbAliasLen), TEXT(vrxgRfwdInputStruct, piStopTime, iStopTimeLen),
                          TEXT(vrxgRfwdInputStruct, piUserName, iUserNameLen), TEXT(vrxgRfwdInputStruct, piPassword, iPasswordLen),
                          TEXT(vrxgRfwdInputStruct, piOverflowLogPath, iOverflowLogPathLen),
                          TEXT(vrxgRfwdInputStruct, piDroppedTblID, iDroppedTblIDLen),
                          TEXT(vrxgRfwdInputStruct, piExportDir, iExportDirLen), TSLIST(vrxgRfwdInputStruct, piTablespaceList)}};
const RecordDesc kRfwdOut{sizeof(vrxgRfwdOutputStruct),
                          {AREA(vrxgRfwdOutputStruct, poApplicationId, 33),
                           {F::OutValue, AT(vrxgRfwdOutputStruct, oValue12), 0, 0, 4}}};
const RecordDesc kRollforward{sizeof(vrxgRollforwardStruct),
                              {SUB(vrxgRollforwardStruct, piRfwdInput, kRfwdIn), SUB(vrxgRollforwardStruct, poRfwdOutput, kRfwdOut)}};
const RecordDesc kRfwdPositionalIn{sizeof(vrxRfwdPositionalInput),
                                   {TEXT16(vrxRfwdPositionalInput, dbAlias, dbAliasLen),
                                    TEXT16(vrxRfwdPositionalInput, stopTime, stopTimeLen),
                                    TEXT16(vrxRfwdPositionalInput, userName, userNameLen),
                                    TEXT16(vrxRfwdPositionalInput, password, passwordLen),
                                    TEXT16(vrxRfwdPositionalInput, overflowLogPath, overflowLogPathLen),
                                    TEXT0(vrxRfwdPositionalInput, droppedTblID), TEXT0(vrxRfwdPositionalInput, exportDir),
                                    TSLIST(vrxRfwdPositionalInput, tablespaces)}};
const RecordDesc kRfwdPositionalOut{sizeof(vrxRfwdPositionalOutput), {AREA(vrxRfwdPositionalOutput, applicationId, 33)}};
const RecordDesc kRecover{sizeof(vrxgRecoverStruct),
                          {TEXT(vrxgRecoverStruct, piSourceDBAlias, iSourceDBAliasLen), TEXT(vrxgRecoverStruct, piUserName, iUserNameLen),
                           TEXT(vrxgRecoverStruct, piPassword, iPasswordLen), TEXT(vrxgRecoverStruct, piStopTime, iStopTimeLen),
                           TEXT(vrxgRecoverStruct, piOverflowLogPath, iOverflowLogPathLen),
                           TEXT(vrxgRecoverStruct, piHistoryFile, iHistoryFileLen),
                           TEXT(vrxgRecoverStruct, piComprLibrary, iComprLibraryLen)}};
const RecordDesc kHistoryOpen{sizeof(vrxgHistoryOpenStruct),
                              {TEXT(vrxgHistoryOpenStruct, piDatabaseAlias, iAliasLen),
                               TEXT(vrxgHistoryOpenStruct, piTimestamp, iTimestampLen),
                               TEXT(vrxgHistoryOpenStruct, piObjectName, iObjectNameLen),
                               {F::OutValue, AT(vrxgHistoryOpenStruct, oNumRows), 0, 0, 8},
                               {F::OutValue, AT(vrxgHistoryOpenStruct, oHandle), 0, 0, 2}}};
const RecordDesc kHistoryUpdate{sizeof(vrxgHistoryUpdateStruct),
                                {TEXT(vrxgHistoryUpdateStruct, piEntry, iEntryLen),
                                 TEXT(vrxgHistoryUpdateStruct, piNewLocation, iNewLocationLen),
                                 TEXT(vrxgHistoryUpdateStruct, piNewDeviceType, iNewDeviceTypeLen)}};
const RecordDesc kPrune{sizeof(vrxgPruneStruct), {TEXT(vrxgPruneStruct, piString, iStringLen)}};
// The snapshot records start with their object list.
const RecordDesc kSnapshot{sizeof(vrxgSnapshotData), {{F::Objects, AT(vrxgSnapshotData, piObjectList), 0, 0, 0}}};
const RecordDesc kResetMonitor{sizeof(vrxgResetMonitorData), {TEXT(vrxgResetMonitorData, piText, iTextLen)}};
// A container's name is terminated in place when it fits its field.
const RecordDesc kContainer{sizeof(vrxgContainer),
                            {{F::Name, AT(vrxgContainer, name), AT(vrxgContainer, nameLen), 0, sizeof(vrxgContainer::name)}}};

const TokenSet kAllDb{{46, 256}, {44, 261}, {20, 243},  {103, 243}, {105, 13}, {107, 13}, {121, 34},
                      {120, 18}, {501, 65}, {305, 65}, {306, 65},  {307, 31}, {702, 23}, {602, 11}};
const TokenSet kExtendedGet{{20, 243}, {103, 243}, {105, 13}, {107, 13}, {121, 34}, {120, 18}};
const TokenSet kExtendedUpdate{{20, 243}};
const TokenSet kInstanceGet{{7, 9},    {24, 15},  {25, 65},   {27, 216},  {28, 26},   {47, 49},   {48, 49},  {65, 216},
                            {66, 20},  {67, 9},   {71, 5},    {74, 256},  {75, 256},  {76, 256},  {77, 32},  {92, 9},
                            {305, 36}, {311, 256}, {313, 227}, {844, 129}, {845, 129}, {846, 129}};
const TokenSet kInstanceUpdate{{7, 9},   {24, 15},  {25, 65},  {27, 216},  {28, 26},  {39, 0},    {47, 49},  {48, 49},
                               {62, 0},  {63, 0},   {65, 216}, {66, 20},   {67, 9},   {71, 5},    {74, 256}, {75, 256},
                               {76, 256}, {77, 32}, {92, 9},   {305, 36},  {311, 256}, {313, 227}};

// A result given without a core call, with the sqlcode it reports (kImplied:
// the cause and sqlcode the plain result stands for, listed at the top).
constexpr std::int32_t kImplied = INT32_MIN, kUntouched = INT32_MIN + 1;
// The stand-in's result for a failed scratch request.
constexpr std::int32_t kNoBlock = static_cast<std::int32_t>(0x870F0009u);
struct Refusal {
    Refusal(std::int32_t r, std::int32_t code = kImplied) : result(r), sqlcode(code) {}
    std::int32_t result, sqlcode;
};
struct Row {
    const char *name;
    std::vector<Slot> slots;
    std::vector<Refusal> refusals;
    unsigned options = 0;
};
constexpr unsigned kOwnResult = 1, kPreparesCa = 2;

#define V32x4 V32, V32, V32, V32
const std::vector<Row> kRows = {
    {"SQLGXDB", {L, N, GET(1, kAllDb), CA, T(0)}, {0}},
    {"SQLGDDB", {L, N, GET(1, kAllDb), CA, T(0)}, {0}},
    {"SQLGXDBC", {V32, L, N, GET(2, kExtendedGet), CA, V32, T(1)}, {0}},
    {"SQLGUDB", {L, N, NL, UPD(1, 2, kAllDb), CA, T(0)}, {0, -83}},
    {"SQLGEUDB", {V32, L, N, NL, UPD(2, 3, kExtendedUpdate), CA, V32, T(1)}, {0, -83}},
    {"SQLGRDB", {L, CA, T(0)}, {0}},
    {"SQLGRDBC", {V32, L, CA, V32, T(1)}, {0}},
    {"SQLGCADB", {L, L, L, L, L, L, CA, T(0), V16, T(1), T(2), T(3), V8, T(4), T(5)}, {0}},
    {"SQLGUNCD", {L, CA, T(0)}, {0}},
    {"SQLGDCGD", {L, L, L, CA, T(0), T(1), T(2)}, {0}},
    {"SQLGDOSD", {L, CA, ROOM(2), ROOM(2), T(0)}, {0}},
    {"SQLGDGNE", {V16, ROOM(sizeof(void *)), CA}, {}},
    {"SQLGDCLS", {V16, CA}, {-1, -1022}},
    {"VRXGDBDIROPENSCAN", {VER, REC(kOpenScan), CA}, {-1, -1078, -1022}},
    {"VRXGDBDIRGETNEXTENTRY", {VER, REC(kNextEntry), CA}, {-1, -1078, -1022}},
    {"VRXGDBDIRCLOSESCAN", {VER, REC(kCloseScan), CA}, {-1, -1078, -1022}},
    {"SQLGCREA", {L, L, L, CA, V32, V32, REC(kCodeSet), REC(kDescriptor), T(0), T(1), T(2)}, {0}},
    {"SQLGDBCR", {L, L, CA, REC(kCodeSet), V16, REC(kDescriptor), T(0), T(1)}, {0}},
    {"SQLGDRPD", {V32, L, CA, PASS(16), T(1)}, {0}},
    {"SQLGMGDB", {L, L, L, CA, T(0), T(1), T(2)}, {0}},
    {"SQLGRSTD", {L, L, L, CA, T(0), T(1), T(2)}, {0}},
    {"VRXGDATABASERESTART", {VER, REC(kRestart), CA}, {0}},
    {"SQLG_ACTIVATE_DB", {L, L, L, T(0), T(1), T(2), V32, CA}, {0}},
    {"SQLG_DEACTIVATE_DB", {L, L, L, T(0), T(1), T(2), V32, CA}, {0}},
    {"SQLGADDN", {V32, CA, PASS(16)}, {0}},
    {"SQLGCRAN", {V32, L, CA, PASS(16), T(1)}, {0}},
    {"SQLGDPAN", {V32, L, CA, PASS(16), T(1)}, {0}},
    {"SQLGDRPN", {V32, CA, PASS(16), V16}, {0}},
    {"SQLGBKP", {L, L, L, V32, T(0), V32x4, OUT(33), OUT(15), V32, TSL, MDL, T(1), T(2), V32x4, V32, V32, V32, CA},
     {0, -83, 1}},
    {"SQLGBKUP", {L, L, L, V32, T(0), V32x4, OUT(33), OUT(15), V32, TSL, MDL, T(1), T(2), V32x4, CA}, {0, -83, 1}},
    {"VRXGBACKUP", {VER, REC(kBackup), CA}, {0, -83, 1}},
    {"VRXGARCHIVELOG", {VER, REC(kArchiveLog), CA}, {}},
    {"SQLGRESTORE", {L, L, L, L, L, L, L, V32, T(0), T(1), V32x4, V32, V32, OUT(33), S(2), T(3), V32, T(6), TSL, MDL,
                     T(4), T(5), V32x4, V32x4, V32, CA},
     {0, -83, 1}},
    {"SQLGRST", {L, L, L, L, L, L, V32, T(0), T(1), V32x4, V32, OUT(33), S(2), T(3), V32, TSL, MDL, T(4), T(5), V32x4,
                 V32x4, V32, CA},
     {0, -83, 1}},
    {"SQLGRSTO", {L, L, L, L, L, L, V32, T(0), T(1), V32x4, OUT(33), S(2), T(3), V32, TSL, MDL, T(4), T(5), V32x4, CA},
     {0, -83, 1}},
    {"VRXGRESTORE", {VER, REC(kRestore), CA}, {0, -83, 1}},
    {"SQLGXSYS", {N, GET(0, kInstanceGet), CA}, {0}},
    {"SQLGDSYS", {N, GET(0, kInstanceGet), CA}, {0}},
    {"SQLGUSYS", {N, NL, UPD(0, 1, kInstanceUpdate), CA}, {0, -83}},
    {"SQLGRSYS", {CA}, {}},
    {"VRXGCFGGET", {VER, REC(kCfg), CA}, {0, -83}},
    {"VRXGCFGSET", {VER, REC(kCfg), CA}, {0, -83}},
    {"SQLGCTND", {CA, REC(kNode), PASS(sizeof(vrxNodeProtocolHost))}, {0}},
    {"SQLGUNCN", {L, CA, T(0)}, {0}},
    {"SQLGNOPS", {ROOM(2), ROOM(2), CA}, {}},
    {"SQLGNGNE", {V16, ROOM(sizeof(void *)), CA}, {}},
    {"SQLGNCLS", {V16, CA}, {}},
    {"SQLGGDAD", {CA, REC(kHostAdd)}, {0}},
    {"SQLGGDEL", {CA, REC(kHostGet)}, {0}},
    {"SQLGGDGE", {CA, REC(kHostGet)}, {0}},
    {"SQLGGDSC", {CA, ROOM(2)}, {}},
    {"SQLGGDGT", {CA, NUM(3), REC(kHostFilled, 3)}, {0}},
    {"SQLGGDCL", {CA}, {}},
    {"SQLGCTDD", {L, L, L, L, L, CA, V16, T(0), T(1), T(2), V8, T(3), T(4)}, {0}},
    {"SQLGREGS", {V16, REC(kRegistration), CA}, {0}},
    {"SQLGDREG", {V16, REC(kRegistration), CA}, {0}},
    {"VRXGUPDATEALTERNATESERVERFORDB", {VER, REC(kAltServer), CA}, {-1, -1078, -1022}},
    {"SQLGPSTR", {REC(kPstr), CA}, {0}},
    {"SQLGPSTART", {REC(kPstart), CA}, {0}},
    {"SQLGPSTP", {REC(kPstp), CA}, {0}},
    {"SQLGSTAR", {}, {}},
    {"SQLGSTDM", {CA}, {}},
    {"VRXGINSTANCESTART", {VER, REC(kStart), CA}, {0}},
    {"VRXGINSTANCESTOP", {VER, REC(kStop), CA}, {0}},
    {"SQLGATIN", {L, L, L, CA, T(0), T(1), T(2)}, {0}},
    {"SQLGDTIN", {CA}, {}},
    {"SQLGFRCE", {CA, V32, PASS(16), PASS(16)}, {}},
    {"SQLGGINS", {CA, OUT(9)}, {0}},
    {"VRXGDATABASEPING", {VER, PASS(16), CA}, {0}},
    {"VRXGDATABASEQUIESCE", {VER, REC(kDbQuiesce), CA}, {}},
    {"VRXGDATABASEUNQUIESCE", {VER, PASS(16), CA}, {}},
    {"VRXGINSTANCEQUIESCE", {VER, REC(kInstanceQuiesce), CA}, {}},
    {"VRXGINSTANCEUNQUIESCE", {VER, REC(kInstanceUnquiesce), CA}, {}},
    {"VRXGHADRSTART", {VER, REC(kHadrStart), CA}, {0}},
    {"VRXGHADRTAKEOVER", {VER, REC(kHadrTakeover), CA}, {0}},
    {"VRXGHADRSTOP", {VER, REC(kHadrStop), CA}, {0}},
    {"SQLGSETC", {PASS(16), V32, CA}, {}},
    {"SQLGQRYC", {PASS(16), V32, CA}, {}},
    {"SQLGSACT", {L, T(0), CA}, {0}},
    {"SQLGSDEG", {CA, PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGINTR", {}, {}},
    {"SQLGISIG", {CA}, {}},
    {"SQLGFMEM", {CA, PASS(16)}, {}},
    {"SQLGALOC", {V32, V32, V32, PASS(16)}, {}},
    {"SQLGCALL", {V32x4, PASS(16)}, {}},
    {"SQLGCMPD", {V32x4, PASS(16)}, {}},
    {"SQLGDLOC", {V32, PASS(16)}, {}},
    {"SQLGSETS", {V32, PASS(16), PASS(16)}, {}},
    {"SQLGSTLS", {V32, PASS(16), PASS(16)}, {}},
    {"SQLGSETV", {V32x4, PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGSTLV", {V32x4, PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGSTLVA", {V32x4, PASS(16), PASS(16), PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGSTRT", {PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGSTOP", {PASS(16)}, {}},
    {"SQLGUSDA", {V32, PASS(16), PASS(16)}, {}},
    {"SQLGADDR", {V32, OUT(4)}, {0}},
    {"SQLGDREF", {UPTO(64), ROOM(64), REC(kStoredAddress)}, {0, -1}},
    {"SQLGMCPY", {ROOM(64), PASS(64), UPTO(64)}, {0}},
    {"SQLGBNDX", {L, L, CA, PASS(16), T(0), T(1)}, {0}},
    {"SQLGRBND", {L, T(0), CA, PASS(16)}, {0}},
    {"SQLGPROC", {L, CA, T(0), PASS(16), PASS(16), PASS(16)}, {0}},
    {"SQLGINTP", {V32, V32, CA, PASS(16)}, {}},
    {"SQLGGSTT", {V32, V32, PASS(6), PASS(16)}, {}},
    {"SQLGAUTH", {PASS(16)}, {}},
    {"SQLGADAU", {PASS(16), PASS(16)}, {}},
    {"SQLGTBAU", {L, T(0), CA}, {0}},
    {"SQLGDRDT", {L, L, L, T(0), T(1), T(2), PASS(16), V32, PASS(16), V32, V32, CA}, {}},
    {"SQLGGRPI", {V32, PASS(16), PASS(16), V32, V32, PASS(16), PASS(16), PASS(16), V32, PASS(16)}, {}},
    {"SQLGGRPN", {V32, PASS(16), PASS(16), V32, V32, PASS(16), PASS(16), PASS(16), V32, PASS(16), V32, V32, V32}, {}},
    {"SQLGGTPI", {L, T(0), PASS(16), PASS(16)}, {}},
    {"SQLGSTAT", {L, N, V8, V8, NL, CA, NAMES(1, 4), T(0)}, {0, -83}},
    {"VRXGRUNSTATS", {VER, REC(kRunstats), CA}, {{0, -2032}, {1, -2032}, {0, -2302}, {1, -2302}, {kNoBlock, -2009}}},
    {"SQLGREOT", {L, L, L, CA, T(0), T(1), T(2)}, {0}},
    {"VRXGREORG", {VER, REC(kReorg), CA}, {0}},
    {"VRXGINSPECT", {VER, REC(kInspect), CA}, {0}},
    {"SQLGVQDP", {L, T(0), PASS(16), PASS(16), CA}, {0}},
    {"VRXGUTILITYCONTROL", {VER, PASS(16), CA}, {}},
    {"SQLGROLL", {REC(kRfwdPositionalIn), REC(kRfwdPositionalOut), CA}, {0, 1, {-83, -83}}},
    {"VRXGROLLFORWARD", {VER, REC(kRollforward), CA}, {0, 1, {-83, -83}, {0, -1022}}},
    {"VRXGRECOVER", {VER, REC(kRecover), CA}, {{0, -1022}, {-83, -83}, {-2032, kUntouched}}},
    {"SQLGHOPS", {L, L, L, T(0), T(1), T(2), PASS(16), PASS(16), V16, PASS(16), CA}, {0}},
    {"SQLGHGNE", {V16, PASS(16), PASS(16), CA}, {}},
    {"SQLGHCLS", {V16, PASS(16), CA}, {}},
    {"SQLGHUPD", {L, L, L, L, T(0), T(1), T(2), T(3), PASS(16), CA}, {0}},
    {"SQLGHPRN", {L, T(0), V16, PASS(16), CA}, {0}},
    {"VRXGHISTORYOPENSCAN", {VER, REC(kHistoryOpen), CA}, {}},
    {"VRXGHISTORYGETENTRY", {VER, PASS(16), CA}, {}},
    {"VRXGHISTORYCLOSESCAN", {VER, PASS(2), CA}, {}},
    {"VRXGHISTORYUPDATE", {VER, REC(kHistoryUpdate), CA}, {}},
    {"VRXGPRUNE", {VER, REC(kPrune), CA}, {}},
    {"VRXGGETSNAPSHOT", {VER, REC(kSnapshot), CA}, {0, {0, -1601}, -1603, -1607}},
    {"SQLGMNSS", {V32, CA, V32, V32, V32, OBJ, V32, V32}, {0, -1603, -1607}},
    {"VRXGGETSNAPSHOTSIZE", {VER, REC(kSnapshot), CA}, {0, -1603, -1607}},
    {"SQLGMNSZ", {V32, CA, V32, OBJ, V32, V32}, {0, -1603, -1607}},
    {"VRXGRESETMONITOR", {VER, REC(kResetMonitor), CA}, {0}},
    {"SQLGMRST", {L, V32, CA, T(0), V32, V32, V32}, {0}},
    {"VRXGMONITORSWITCHES", {VER, PASS(16), CA}, {}},
    {"SQLGMON", {V32, CA, PASS(16), PASS(16), PASS(16)}, {}},
    {"VRXGCONVMONSTREAM", {VER, PASS(16), CA}, {}},
    {"SQLGOTSQ", {PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGFTPQ", {PASS(16), PASS(16), ROOM(3 * sizeof(vrxgTablespaceLong)), NUM32(3)}, {}},
    {"SQLGFTSQ", {PASS(16), PASS(16), ROOM(3 * sizeof(vrxgTablespaceShort)), NUM32(3)}, {}},
    {"SQLGCTSQ", {PASS(16)}, {}},
    {"SQLGSTPQ", {PASS(16), PASS(16), ROOM(sizeof(vrxgTablespaceLong)), PASS(16)}, {}},
    {"SQLGSTSQ", {PASS(16), PASS(16), ROOM(sizeof(vrxgTablespaceShort))}, {}},
    {"SQLGMTSQ", {PASS(16), NUM32(3), VIA(2, 3 * sizeof(vrxgTablespaceLong)), PASS(16), PASS(16)}, {}},
    {"SQLGTSQ", {PASS(16), NUM32(3), VIA(1, 3 * sizeof(vrxgTablespaceShort))}, {}},
    {"SQLGOTCQ", {PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGFTCQ", {PASS(16), PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGCTCQ", {PASS(16)}, {}},
    {"SQLGTCQ", {PASS(16), PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGSTSC", {CA, PASS(16), PASS(16), N, RECS(kContainer, 3)}, {0, kNoBlock}},
    {"SQLGGTSS", {PASS(16), PASS(16), PASS(16)}, {}},
    {"SQLGEXPT", {L, L, L, CA, V32, V16, T(0), V32, T(1), V32, V32, T(2)}, {0}},
    {"SQLGEXPR", {L, L, L, T(0), MDL_OF('L'), MDL_OF('C'), V32, V32, T(1), V32, T(2), V16, V32, V32, CA}, {0, -83, 1},
     kOwnResult | kPreparesCa},
    {"VRXGEXPORT", {VER, REC(kExport), CA}, {0, -83, 1}},
    {"SQLGIMPT", {L, L, L, CA, V32, V32, V16, T(0), V32, T(1), V32, V32, T(2)}, {0}},
    {"SQLGIMPR", {L, L, L, T(0), MDL_OF('L'), V32, V32, T(1), V32, T(2), V16, V32, V32, V32, V32, CA}, {0, -83, 1},
     kOwnResult},
    {"VRXGIMPORT", {VER, REC(kImport), CA}, {0, -83, 1}},
    {"SQLGLOAD", {L, L, L, MDL_OF('S'), MDL_OF('S'), V32, V32, T(0), V32, T(1), T(2), V16, V32, V32, MDL_OF('L'),
                  MDL_OF('L', 'O'), V32, V32, CA},
     {0, -83, 1}},
    {"VRXGLOAD", {VER, REC(kLoad), CA}, {-1022, -3223, -83, 1}},
    {"SQLGQRY", {L, L, T(0), T(1), CA}, {0}, kOwnResult},
    {"VRXGLOADQUERY", {VER, REC(kLoadQuery), CA}, {0}, kOwnResult},
};

// --- one call ------------------------------------------------------------------

[[noreturn]] void violated(const char *entry, const char *what) {
    std::fprintf(stderr, "*** %s: %s\n", entry, what);
    std::abort();
}

constexpr std::size_t kArena = std::size_t{1} << 20;
constexpr unsigned char kPattern = 0xA5;
constexpr std::uint32_t kHuge = 0xFFFFFFFEu;  // lengths from here on exist only refused

// A text the core must see terminated, unless a gate (or the text) is refused.
struct Expect {
    const char *text;
    std::uint32_t within;
    const void *gates[3];
};

struct Run {
    const std::uint8_t *in, *end;
    const Entry *entry = nullptr;
    const Row *row = nullptr;
    bool concurrent = false, checkOn = false, initFail = false, refuseCa = false, recordBad = false;
    bool coreCalled = false, muted = false;
    bool emptyList = false, noRecords = false;  // an object list counting no names; no records counted
    std::int32_t coreResult = 0;
    std::uint32_t version = 0;
    sqlca *ca = nullptr;
    const void *record = nullptr;
    std::uintptr_t args[VRXSTUB_MAX_ARGS + 8] = {};
    std::vector<std::pair<const char *, std::size_t>> outputs;
    std::vector<Expect> expects;
    std::vector<const void *> refused;
    std::vector<std::pair<char *, std::size_t>> texts;  // fresh texts, terminator included
    char *arena = nullptr;
    std::size_t used = 0;
    bool full = false;

    std::uint8_t byte() { return in < end ? *in++ : 0; }
    std::uint32_t u32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t{byte()} << (8 * i);
        return v;
    }
    // Input bytes, or `fill` once the input is used up; XOR `base` so that a
    // zero input gives letters (texts) or blanks (fields).
    void content(char *to, std::size_t n, char base) {
        std::size_t i = 0;
        for (; i < n && i < 64 && in < end; ++i) to[i] = static_cast<char>(*in++ ^ base);
        std::memset(to + i, 'a' + static_cast<int>(i % 26), n - i);
    }

    // Fresh room of n bytes after some guard bytes; null when the arena is full.
    char *take(std::size_t n, std::size_t misalign = 0) {
        std::size_t at = ((used + 8 + 15) & ~std::size_t{15}) + misalign;
        if (at + n > kArena) {
            full = true;
            return nullptr;
        }
        std::memset(arena + used, kPattern, at + n - used);
        used = at + n;
        return arena + at;
    }
    // Makes sure [p, p + n) lies in the part of the arena handed out.
    void cover(const char *p, std::uint64_t n) {
        const std::uint64_t endAt = static_cast<std::uint64_t>(p - arena) + n;
        if (endAt > kArena) {
            full = true;
        } else if (endAt > used) {
            std::memset(arena + used, kPattern, endAt - used);
            used = endAt;
        }
    }
    void refuse(const void *p) {
        if (!checkOn || p == nullptr) return;
        refused.push_back(p);
        if (!concurrent) vrxstub_refuse_region(p, 0, 0);
    }
    bool is_refused(const void *p) const {
        return checkOn && p != nullptr && std::find(refused.begin(), refused.end(), p) != refused.end();
    }
    void output(const void *p, std::size_t n) {
        if (p != nullptr) outputs.emplace_back(static_cast<const char *>(p), n);
    }

    // How a pointer argument is made: 0-4 and 6 fresh (at an odd address
    // by the upper bits), 5 null, 7 fresh and refused; a text may instead
    // (6) share the storage of a text made before.
    enum Where { Fresh, Null = 5, Shared, Refused };
    char *place(std::size_t n, std::uint8_t choice) {
        const int where = choice % 8;
        if (where == Null) return nullptr;
        char *p = take(n, (choice >> 3) & 7);
        if (where == Refused) refuse(p);
        return p;
    }

    std::uint32_t length(bool wide) {
        static constexpr std::uint32_t kLengths[] = {0,   1,   8,     18,    19,    20,         30,        31,
                                                     215, 216, 255,   256,   1000,  65535,      kHuge,     0xFFFFFFFFu};
        const std::uint8_t c = byte();
        std::uint32_t n = c < 32 ? 8 + c % 16 : kLengths[c % 16];
        if (!wide) n &= 0xFFFFu;
        if (n >= kHuge && !checkOn) n = 65535;
        return n;
    }
    std::uint32_t junk(std::uint32_t low, std::uint32_t mask) { return (byte() & 1) ? (u32() & ~mask) | low : low; }

    // A length-qualified text (of length 0 unless `sized`); expected terminated at the core when `reads`.
    char *text(std::uint32_t &n, bool wide, bool reads, const void *gate1 = nullptr, const void *gate2 = nullptr,
               bool sized = true) {
        n = sized ? length(wide) : 0;
        const std::uint8_t choice = byte();
        char *p;
        if (n >= kHuge) {
            if (choice % 8 == Null) return nullptr;
            p = take(16);
            refuse(p);
        } else if (choice % 8 == Shared && !texts.empty()) {
            // Inside an earlier text, its terminator's byte included.
            const auto &[at, size] = texts[u32() % texts.size()];
            const std::size_t offset = u32() % size;
            p = at + offset;
            n = std::min<std::uint32_t>(n, static_cast<std::uint32_t>(size - offset - 1));
        } else {
            p = place(n + std::size_t{1}, choice);
            if (p != nullptr) {
                content(p, n, 'A');
                p[n] = static_cast<char>(byte() ^ '#');
                texts.emplace_back(p, n + std::size_t{1});
            }
        }
        if (p != nullptr && reads && n != 0xFFFFFFFFu) expects.push_back({p, n + 1, {p, gate1, gate2}});
        return p;
    }

    void put_ptr(char *record, std::uint16_t at, const void *p) { std::memcpy(record + at, &p, sizeof p); }
    void put_u32(char *record, std::uint16_t at, std::uint32_t v) { std::memcpy(record + at, &v, sizeof v); }

    // A list count: the entries made, or 0, negative, or past the entries
    // (only with the entry array refused).
    std::int64_t count(std::int64_t made, const char *entries, std::int64_t huge) {
        switch (byte() % 8) {
            case 1: return 0;
            case 2: return -1;
            case 3: return INT32_MIN;
            case 4:
            case 5:
                if (!checkOn || entries == nullptr) return made;
                refuse(entries);
                return huge;
            default: return made;
        }
    }

    // Positional lists: a table space list, or a media list of any type.
    char *positional_list(bool media, std::uint16_t types = 0, bool reads = true) {
        char *list = place(media ? sizeof(vrxMediaList) : sizeof(vrxTablespaceList), byte());
        if (list == nullptr) return nullptr;
        static constexpr char kTypes[] = {VRX_MEDIA_LOCAL, VRX_MEDIA_VENDOR, VRX_MEDIA_SERVER,
                                          VRX_MEDIA_CLIENT, VRX_MEDIA_TEXT, 'Z'};
        const char type = media ? kTypes[byte() % 6] : 0;
        const std::uint32_t size = !media ? sizeof(vrxTablespaceEntry)
                                   : type == VRX_MEDIA_LOCAL ? sizeof(vrxPathEntry)
                                   : type == VRX_MEDIA_VENDOR ? sizeof(vrxVendorEntry)
                                                             : sizeof(vrxLocationEntry);
        const std::int32_t made = 1 + byte() % 4;
        char *entries = place(std::size_t(made) * size, byte());
        const auto n = static_cast<std::int32_t>(count(made, entries, 0x7FFFFFFF));
        const bool terminated = types != 0 ? of_type(types, type) : !media || type == VRX_MEDIA_LOCAL || type == VRX_MEDIA_VENDOR;
        for (std::int32_t i = 0; entries != nullptr && i < made && !full; ++i) {
            char *entry = entries + std::size_t(i) * size;
            std::uint32_t len = length(true);
            content(entry + 4, size - 4, 'A');
            if (len >= kHuge || byte() % 8 == Refused) refuse(entry + 4);
            if (len < kHuge) cover(entry + 4, std::uint64_t{len} + 1);
            put_u32(entry, 0, len);
            const bool entryRead = types != 0 ? reads && n == made && (type != VRX_MEDIA_VENDOR || i == 0)
                                              : type == VRX_MEDIA_VENDOR ? i == 0 : n == made;
            if (terminated && entryRead && len != 0xFFFFFFFFu) expects.push_back({entry + 4, len + 1, {entry + 4, list, entries}});
        }
        if (media) {
            list[0] = type;
            put_u32(list, offsetof(vrxMediaList, entryCount), static_cast<std::uint32_t>(n));
            put_ptr(list, offsetof(vrxMediaList, entries), entries);
        } else {
            put_u32(list, offsetof(vrxTablespaceList, count), static_cast<std::uint32_t>(n));
            put_ptr(list, offsetof(vrxTablespaceList, entries), entries);
        }
        return list;
    }

    // An array of 0-3 texts with an array of their 16-bit lengths; the texts
    // are terminated only when both arrays are there.
    char *names(std::uint32_t &count, char *&lens) {
        count = byte() % 4;
        lens = place(count * 2u, byte());
        char *array = place(count * sizeof(char *), byte());
        for (std::uint32_t i = 0; array != nullptr && i < count && !full; ++i) {
            std::uint32_t len = 0;
            char *p = text(len, false, lens != nullptr, lens, array);
            std::memcpy(array + i * sizeof p, &p, sizeof p);
            if (lens != nullptr) std::memcpy(lens + 2 * i, &len, 2);
        }
        return array;
    }

    // Versioned text list or media list: texts copied into scratch and
    // terminated in place meanwhile.
    char *text_list(bool media, bool reads) {
        char *list = place(media ? sizeof(vrxgMediaList) : sizeof(vrxgTextList), byte());
        if (list == nullptr) return nullptr;
        const std::uint32_t made = byte() % 5;
        char *entries = place(made * sizeof(vrxgTextEntry), byte());
        const auto n = static_cast<std::uint32_t>(count(made, entries, 0x10000000));
        for (std::uint32_t i = 0; entries != nullptr && i < made && !full; ++i) {
            std::uint32_t len = 0;
            char *p = text(len, true, reads && n == made, list, entries);
            vrxgTextEntry e{p, len, u32()};
            std::memcpy(entries + i * sizeof e, &e, sizeof e);
        }
        std::memcpy(list + offsetof(vrxgTextList, entries), &entries, sizeof entries);
        put_u32(list, offsetof(vrxgTextList, count), n);
        if (media) list[offsetof(vrxgMediaList, mediaType)] = static_cast<char>(byte());
        return list;
    }

    // An object list: a count, then entries of two values and a 128-byte
    // name; the byte after the last name is checked with it. Each name is
    // expected terminated within its 128 bytes.
    char *object_list(bool reads) {
        constexpr std::size_t kEntry = sizeof(vrxgObjectEntry), kName = offsetof(vrxgObjectEntry, name);
        const std::uint32_t made = 1 + byte() % 4;
        const std::size_t size = offsetof(vrxgObjectList, entries) + made * kEntry + 1;
        char *list = place(size, byte());
        if (list == nullptr) return nullptr;
        content(list, size, ' ');
        const auto n = static_cast<std::uint32_t>(count(made, list, 0x7FFFFFFF));
        put_u32(list, 0, n);
        emptyList = n == 0 && !is_refused(list);
        for (std::uint32_t i = 0; i < made; ++i) {
            char *name = list + offsetof(vrxgObjectList, entries) + i * kEntry + kName;
            const std::size_t used = byte() % 129;
            content(name, used, ' ');
            std::memset(name + used, ' ', 128 - used);
            if (byte() % 8 == Refused) refuse(name);
            if (reads && n == made) expects.push_back({name, 128, {name, list}});
        }
        return list;
    }

    // The top-level record of a row: a null or refused one is a cause of the
    // guarded refusals and of -83.
    char *make_record(const RecordDesc &d, std::size_t n) {
        char *rec = place(d.size * n, byte());
        recordBad = rec == nullptr || is_refused(rec);
        record = rec;
        for (std::size_t i = 0; rec != nullptr && i < n && !full; ++i) fill(rec + i * d.size, d);
        return rec;
    }

    void fill(char *rec, const RecordDesc &d) {
        content(rec, d.size, ' ');
        bool quiet = muted;  // a wrong structure identifier: nothing in the record is terminated
        for (const Field &f : d.fields) {
            const bool reads = !quiet && f.since != kNever && version >= f.since;
            std::uint32_t n = 0;
            char *p = nullptr;
            switch (f.kind) {
                case F::Text:
                    p = text(n, f.width == 0, reads, nullptr, nullptr, f.width != kNoLength);
                    if (f.width == 0) break;
                    put_ptr(rec, f.at, p);
                    if (f.width == 2) std::memcpy(rec + f.len, &n, 2);
                    continue;
                case F::Area:
                    p = place(f.width, byte());
                    if (p != nullptr) content(p, f.width, ' ');
                    output(p, f.width);
                    put_ptr(rec, f.at, p);
                    continue;
                case F::TsList: put_ptr(rec, f.at, positional_list(false)); continue;
                case F::Names: {
                    char *lens = nullptr;
                    put_ptr(rec, f.at, names(n, lens));
                    put_ptr(rec, f.width, lens);
                    std::memcpy(rec + f.len, &n, 2);
                    continue;
                }
                case F::Absent:
                    n = byte() % 4 == 3;
                    put_ptr(rec, f.at, nullptr);
                    std::memcpy(rec + f.len, &n, 2);
                    continue;
                case F::Out:
                case F::Stamp: {
                    static constexpr std::uint32_t kOut[] = {0, 1, 14, 15, 16, 32, 33, 34};
                    n = f.kind == F::Out ? kOut[byte() % 8] : length(true);
                    const std::size_t area = n >= kHuge ? f.width : std::max<std::size_t>(n + std::size_t{1}, f.width);
                    p = place(area, byte());
                    if (p != nullptr) content(p, area, ' ');
                    if (n >= kHuge) refuse(p);
                    output(p, f.kind == F::Out ? area : f.width);
                    if (f.kind == F::Stamp && p != nullptr && n != 0xFFFFFFFFu) expects.push_back({p, n + 1, {p}});
                    break;
                }
                case F::TextList:
                case F::MediaList: p = text_list(f.kind == F::MediaList, reads); break;
                case F::OutValue: output(rec + f.at, f.width); continue;
                case F::Blank:
                    if (byte() % 8 == Refused) refuse(rec + f.at);
                    if (!quiet) expects.push_back({rec + f.at, f.width, {rec + f.at, rec}});
                    continue;
                case F::Eye: {
                    static const char *const kEyes[] = {VRX_DB_DESCRIPTOR_CREA, VRX_DB_DESCRIPTOR_DBCR, "SQLDBDXX"};
                    std::memcpy(rec + f.at, kEyes[byte() % 3], 8);
                    continue;
                }
                case F::Pass:
                    p = place(f.width, byte());
                    if (p != nullptr) content(p, f.width, ' ');
                    put_ptr(rec, f.at, p);
                    continue;
                case F::Inline16:
                case F::Inline32: {
                    // A text held in the record after its length, which keeps its NUL inside the record.
                    const std::uint32_t room = d.size - f.at;
                    const std::uint8_t c = byte();
                    n = c % 4 == 0 ? 0 : c % 4 == 1 ? std::min<std::uint32_t>(f.width - 1u, room - 1u) : u32() % room;
                    if (f.kind == F::Inline16) std::memcpy(rec + f.len, &n, 2);
                    else put_u32(rec, f.len, n);
                    continue;
                }
                case F::Byte: rec[f.at] = static_cast<char>(byte() % f.width); continue;
                case F::Objects: put_ptr(rec, f.at, object_list(reads)); continue;
                case F::Name: {
                    // A text held in the record after its 32-bit length: short, full, past the field or -1.
                    const std::uint8_t c = byte();
                    n = c % 4 == 0 ? 0 : c % 4 == 1 ? f.width - 1u : c % 4 == 2 ? f.width + (c & 8 ? 0xFFFFu : 0u) : u32() % f.width;
                    if (c >= 0xF0) n = 0xFFFFFFFFu;
                    put_u32(rec, f.len, n);
                    if (byte() % 8 == Refused) refuse(rec + f.at);
                    if (reads && n < f.width) expects.push_back({rec + f.at, n + 1, {rec + f.at, rec}});
                    continue;
                }
                case F::Id: {
                    std::uint16_t id = f.width;
                    if (byte() % 8 == 0) id = static_cast<std::uint16_t>(u32()), quiet = id != f.width;
                    std::memcpy(rec + f.at, &id, 2);
                    continue;
                }
                case F::Sub: {
                    // A refused nested record: nothing in it is terminated.
                    p = place(f.sub->size, byte());
                    const bool was = muted;
                    muted = was || is_refused(p);
                    if (p != nullptr) fill(p, *f.sub);
                    muted = was;
                    put_ptr(rec, f.at, p);
                    continue;
                }
                case F::Array: {
                    // A count in the record and the array it counts; up to 4, or past 64.
                    const std::uint8_t c = byte();
                    const std::uint32_t made = c % 8 < 6 ? c % 5 : 64 + c % 4;
                    p = place(made * f.sub->size, byte());
                    const auto counted = static_cast<std::uint32_t>(count(made, p, 0x10000000));
                    if (counted > made) recordBad = true;  // more items than there is room for
                    const bool was = muted;
                    muted = quiet || counted != made;
                    for (std::uint32_t i = 0; p != nullptr && i < made && !full; ++i) fill(p + i * f.sub->size, *f.sub);
                    muted = was;
                    put_ptr(rec, f.at, p);
                    put_u32(rec, f.len, counted);
                    continue;
                }
                case F::Text16:
                    p = text(n, false, reads);
                    put_ptr(rec, f.at, p);
                    std::memcpy(rec + f.len, &n, 2);
                    continue;
                case F::Media:
                    put_ptr(rec, f.at, positional_list(true, f.width, reads));
                    continue;
            }
            put_ptr(rec, f.at, p);
            if (f.kind != F::TextList && f.kind != F::MediaList) put_u32(rec, f.len, n);
        }
    }

    // Configuration items: `count` items whose string-valued tokens (those of
    // `set`) point at output fields (get) or texts (update).
    char *items(const Slot &s, bool update) {
        const auto &set = *static_cast<const TokenSet *>(s.desc);
        const std::uint32_t n = (1 + byte()) % 6;
        args[s.n] = junk(n, 0xFFFFu);
        char *lens = update ? place(n * 2u, byte()) : nullptr;
        if (update) args[s.m] = reinterpret_cast<std::uintptr_t>(lens);
        char *array = place(n * sizeof(vrxConfigItem), byte());
        for (std::uint32_t i = 0; array != nullptr && i < n && !full; ++i) {
            const std::uint8_t c = byte();
            static constexpr std::uint16_t kNumeric[] = {1, 2, 33, 0xFFFF};
            // A token of the set, or one that is a text for some other entry point.
            const std::size_t pick = c % (kAllDb.size() + set.size());
            const std::uint16_t token = (c & 0x10)               ? kNumeric[c % 4]
                                        : pick < kAllDb.size() ? kAllDb[pick].token
                                                               : set[pick - kAllDb.size()].token;
            const auto it = std::find_if(set.begin(), set.end(), [&](const Token &t) { return t.token == token; });
            vrxConfigItem item{token, 0, nullptr};
            std::uint32_t len = 4;
            if (it != set.end() && update) {
                item.value = text(len, false, lens != nullptr, lens, array);
            } else if (it != set.end()) {
                item.value = place(it->width, byte());
                output(item.value, it->width);
            } else {
                item.value = place(4, byte());
            }
            std::memcpy(array + i * sizeof item, &item, sizeof item);
            if (lens != nullptr) std::memcpy(lens + 2 * i, &len, 2);
        }
        return array;
    }

    void make(const Slot &s, std::size_t i) {
        switch (s.kind) {
            case K::Len:
            case K::Count:
            case K::ValueLens: return;  // filled by the argument they describe
            case K::Text: {
                std::uint32_t n = 0;
                args[i] = reinterpret_cast<std::uintptr_t>(text(n, false, true));
                args[s.n] = junk(n, 0xFFFFu);
                return;
            }
            case K::Stamp: {
                const std::uint32_t n = length(false);
                const std::size_t area = std::max<std::size_t>(n + std::size_t{1}, 15);
                char *p = place(area, byte());
                if (p != nullptr) content(p, area, ' ');
                output(p, 15);
                if (p != nullptr) expects.push_back({p, n + 1, {p}});
                args[i] = reinterpret_cast<std::uintptr_t>(p);
                args[s.n] = junk(n, 0xFFFFu);
                return;
            }
            case K::Val8: args[i] = junk(byte(), 0xFFu); return;
            case K::Val16: {
                const std::uint32_t low = byte();
                args[i] = junk(low | std::uint32_t{byte()} << 8, 0xFFFFu);
                return;
            }
            case K::Val32: args[i] = u32(); return;
            case K::Ca: {
                const std::uint8_t choice = byte();
                ca = reinterpret_cast<sqlca *>(choice % 8 == Null ? nullptr : take(sizeof(sqlca), (choice >> 3) & 7));
                output(ca, sizeof(sqlca));
                args[i] = reinterpret_cast<std::uintptr_t>(ca);
                return;
            }
            case K::Out:
            case K::Room:
            case K::Pass: {
                char *p = place(s.n, byte());
                if (p != nullptr) content(p, s.n, ' ');
                if (s.kind != K::Pass) output(p, s.n);
                args[i] = reinterpret_cast<std::uintptr_t>(p);
                return;
            }
            case K::Ver: {
                static constexpr std::uint32_t kVersions[] = {VRX_VERSION_8010200, VRX_VERSION_8010400, VRX_VERSION_8020000,
                                                              VRX_VERSION_8020200, VRX_VERSION_9050000};
                const std::uint8_t c = byte();
                version = c < 16 ? std::uint32_t{VRX_VERSION_9050000} : c < 250 ? kVersions[c % 5] + (c / 5) % 3 - 1 : u32();
                args[i] = version;
                return;
            }
            case K::Rec:
                args[i] = reinterpret_cast<std::uintptr_t>(make_record(*static_cast<const RecordDesc *>(s.desc), s.n));
                return;
            case K::Upto: args[i] = u32() % (s.n + 1u); return;
            case K::Num: {
                char *p = place(2, byte());
                const auto v = static_cast<std::int16_t>(static_cast<int>(byte() % (s.n + 2u)) - 1);
                if (p != nullptr) std::memcpy(p, &v, 2);
                args[i] = reinterpret_cast<std::uintptr_t>(p);
                return;
            }
            case K::Objects: args[i] = reinterpret_cast<std::uintptr_t>(object_list(true)); return;
            case K::Num32: {
                char *p = place(4, byte());
                const auto v = static_cast<std::int32_t>(byte() % (s.n + 2u)) - 1;
                if (p != nullptr) std::memcpy(p, &v, 4);
                args[i] = reinterpret_cast<std::uintptr_t>(p);
                return;
            }
            case K::Via: {
                char *p = place(s.m, byte());
                if (p != nullptr) content(p, s.m, ' ');
                output(p, s.m);
                for (std::uint16_t d = 0; d < s.n; ++d) {
                    char *link = place(sizeof p, byte());
                    if (link != nullptr) put_ptr(link, 0, p);
                    p = link;
                }
                args[i] = reinterpret_cast<std::uintptr_t>(p);
                return;
            }
            case K::Records: {
                // Up to 4 records, their count in slot n: the records made, 0, negative or past them.
                const auto &d = *static_cast<const RecordDesc *>(s.desc);
                const std::uint32_t made = byte() % 5;
                char *p = place(made * std::size_t{d.size}, byte());
                const auto counted = static_cast<std::uint32_t>(count(made, p, 0x10000000));
                noRecords = counted == 0;
                const bool was = muted;
                muted = counted != made;
                for (std::uint32_t r = 0; p != nullptr && r < made && !full; ++r) fill(p + r * std::size_t{d.size}, d);
                muted = was;
                args[s.n] = counted;
                args[i] = reinterpret_cast<std::uintptr_t>(p);
                return;
            }
            case K::TsList:
            case K::MediaList: args[i] = reinterpret_cast<std::uintptr_t>(positional_list(s.kind == K::MediaList)); return;
            case K::GetItems:
            case K::SetItems: args[i] = reinterpret_cast<std::uintptr_t>(items(s, s.kind == K::SetItems)); return;
            case K::Names: {
                std::uint32_t count = 0;
                char *lens = nullptr;
                args[i] = reinterpret_cast<std::uintptr_t>(names(count, lens));
                args[s.n] = junk(count, 0xFFFFu);
                args[s.m] = reinterpret_cast<std::uintptr_t>(lens);
                return;
            }
            case K::Media: args[i] = reinterpret_cast<std::uintptr_t>(positional_list(true, s.n)); return;
        }
    }

    // While the core runs: every text it must see is terminated.
    void at_core() {
        for (const Expect &e : expects) {
            if (std::any_of(std::begin(e.gates), std::end(e.gates), [&](const void *g) { return is_refused(g); }))
                continue;
            if (std::memchr(e.text, 0, e.within) == nullptr) violated(entry->name, "a text reached the core unterminated");
        }
    }

    void check_result(std::int32_t result, const sqlca &before) {
        const char *name = entry->name;
        const bool initialises =
            entry->frame == Frame::standard || entry->frame == Frame::guarded || entry->frame == Frame::checked ||
            entry->frame == Frame::unreported;
        if (coreCalled) {
            if (row->options & kOwnResult) {
                if (result != 0 && !(result == 1 && checkOn)) violated(name, "not the entry point's own check result");
            } else if (result != coreResult) {
                violated(name, "the core's result was not returned");
            }
            if (initFail && initialises) violated(name, "the core was called after a failed initialisation");
            if (!concurrent && vrxstub_scratch_failures() != 0) violated(name, "the core was called after a failed scratch request");
            return;
        }
        const bool written = ca != nullptr;
        const bool untouched = !written || std::memcmp(ca, &before, sizeof before) == 0;
        if (entry->frame == Frame::checked && (initFail || refuseCa || !written)) {
            // Its own frame: the initialisation's result (the stand-in's -1),
            // then the sqlca check's (1), the sqlca as it was.
            if (result != (initFail ? -1 : 1) || !untouched) violated(name, "the frame's refusal was not passed on as it was");
            return;
        }
        auto code_is = [&](std::int32_t code) {
            std::int32_t sqlcode = 0;
            if (written) std::memcpy(&sqlcode, reinterpret_cast<const char *>(ca) + offsetof(sqlca, sqlcode), 4);
            return !written || sqlcode == code;
        };
        auto implied = [&] {
            switch (result) {
                case 0: return (initFail && code_is(-1022)) || (!initFail && noRecords);
                case -83:
                    return (vrxstub_scratch_failures() != 0 || recordBad) &&
                           (refuseCa && !(row->options & kPreparesCa) ? untouched : code_is(-83));
                case 1: return checkOn;
                case -1: return ca == nullptr;
                case -1078: return record == nullptr && code_is(-1078);
                case -1022: return initFail && (entry->frame != Frame::unreported ? code_is(-1022) : untouched);
                case -3223: return recordBad;
                case -1603: return emptyList && (refuseCa ? untouched : code_is(-1603));
                case -1607: return vrxstub_scratch_failures() != 0 && (refuseCa ? untouched : code_is(-1607));
                case kNoBlock: return vrxstub_scratch_failures() != 0 && untouched;
                default: return false;
            }
        };
        bool listed = false, fits = false;
        for (const Refusal &r : row->refusals) {
            if (r.result != result) continue;
            listed = true;
            // The library's own services give their results without a sqlca.
            fits = fits || entry->frame == Frame::library ||
                   (r.sqlcode == kImplied     ? implied()
                    : r.sqlcode == kUntouched ? untouched
                                              : code_is(r.sqlcode) || (refuseCa && untouched));
        }
        if (!listed) violated(name, "a result the entry point may not give");
        if (!fits) violated(name, "a refusal without its cause, or with the wrong sqlcode");
    }
};

thread_local Run *current = nullptr;

std::int32_t VRX_CDECL on_core(const vrxstub_call *, void *) {
    Run &r = *current;
    r.coreCalled = true;
    r.at_core();
    return r.coreResult;
}

// The first two bytes of an input name its entry point by a hash of the
// name, so that saved inputs keep their entry point when the table grows;
// any other value picks one by position.
std::uint16_t key_of(const char *name) {
    std::uint32_t h = 2166136261u;
    for (; *name != 0; ++name) h = (h ^ static_cast<unsigned char>(*name)) * 16777619u;
    return static_cast<std::uint16_t>(h ^ h >> 16);
}

const Entry *entry_of(std::uint32_t key) {
    constexpr std::size_t kCount = sizeof kEntries / sizeof kEntries[0];
    for (const Entry &e : kEntries)
        if (key_of(e.name) == key) return &e;
    return &kEntries[key % kCount];
}

const Row *row_of(const Entry &e) {
    for (const Row &row : kRows)
        if (std::strcmp(row.name, e.name) == 0) return &row;
    return nullptr;
}

// Every entry point of the table has a row with one slot per argument.
void check_table() {
    static const bool checked = [] {
        for (const Entry &e : kEntries) {
            const Row *row = row_of(e);
            if (row == nullptr) violated(e.name, "no fuzz row");
            if (row->slots.size() != e.arity) violated(e.name, "the fuzz row's slots do not match the arguments");
            // Every length slot is named by exactly one text.
            for (std::size_t i = 0; i < row->slots.size(); ++i) {
                const auto names = std::count_if(row->slots.begin(), row->slots.end(), [&](const Slot &s) {
                    return (s.kind == K::Text || s.kind == K::Stamp) && s.n == i;
                });
                if (names != (row->slots[i].kind == K::Len ? 1 : 0)) violated(e.name, "a length slot without its text");
            }
        }
        return true;
    }();
    (void)checked;
}

}  // namespace

std::size_t row_count() { return kRows.size(); }

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> seeds() {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> out;
    for (const Entry &e : kEntries) {
        const std::uint16_t key = key_of(e.name);
        out.push_back({e.name, {static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(key >> 8)}});
    }
    return out;
}

void install_hooks() {
    check_table();
    for (const Entry &e : kEntries)
        if (*e.core != '\0') vrxstub_set_hook(e.core, on_core, nullptr);
}

Outcome run_input(const std::uint8_t *data, std::size_t size, bool concurrent) {
    thread_local std::vector<char> arena(kArena + 64);
    thread_local std::vector<char> before;
    Run r;
    r.in = data;
    r.end = data + size;
    r.arena = arena.data();
    r.concurrent = concurrent;
    const std::uint32_t low = r.byte();
    r.entry = entry_of(low | std::uint32_t{r.byte()} << 8);
    r.row = row_of(*r.entry);
    const std::uint8_t faults = concurrent ? 0 : r.byte();
    r.checkOn = faults & 1;
    r.initFail = faults & 2;
    r.refuseCa = faults & 4;
    static constexpr std::int32_t kResults[] = {0, -1013, 1014, 1, -2550, 20};
    r.coreResult = kResults[r.byte() % 6];
    if (!concurrent) {
        vrxstub_reset();
        vrxstub_set_recording(0);
        vrxstub_set_ptr_check(r.checkOn);
        vrxstub_set_init_result(r.initFail ? -1 : 0);
        vrxstub_refuse_sqlca(r.refuseCa);
        vrxstub_fail_scratch_at(faults >> 3);
    }
    for (std::size_t i = 0; i < r.row->slots.size() && !r.full; ++i) r.make(r.row->slots[i], i);
    Outcome out;
    if (r.full) return out;

    before.assign(r.arena, r.arena + r.used);
    sqlca caBefore{};
    if (r.ca != nullptr) std::memcpy(&caBefore, r.ca, sizeof caBefore);
#if defined(VRX_FUZZ_ASAN)
    ASAN_POISON_MEMORY_REGION(r.arena + r.used, kArena + 64 - r.used);
#endif
    current = &r;
    const std::int32_t result = r.entry->call(r.args);
    current = nullptr;
#if defined(VRX_FUZZ_ASAN)
    ASAN_UNPOISON_MEMORY_REGION(r.arena + r.used, kArena + 64 - r.used);
#endif

    r.check_result(result, caBefore);
    if (!concurrent && (vrxstub_outstanding_blocks() != 0 || vrxstub_bad_releases() != 0))
        violated(r.entry->name, "scratch blocks left outstanding or released twice");
    for (std::size_t i = 0; i < r.used; ++i) {
        if (i % 64 == 0 && i + 64 <= r.used && std::memcmp(r.arena + i, before.data() + i, 64) == 0) {
            i += 63;
            continue;
        }
        if (r.arena[i] == before[i]) continue;
        out.changes.emplace_back(static_cast<std::uint32_t>(i), r.arena[i]);
        const char *p = r.arena + i;
        if (std::none_of(r.outputs.begin(), r.outputs.end(),
                         [&](const auto &o) { return p >= o.first && p < o.first + o.second; }))
            violated(r.entry->name, ("caller byte changed outside the outputs at arena offset " + std::to_string(i)).c_str());
    }
    out.ran = true;
    out.coreCalled = r.coreCalled;
    out.result = result;
    return out;
}

}  // namespace vrxfuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const bool hooked = (vrxfuzz::install_hooks(), vrxstub_set_recording(0), true);
    (void)hooked;
    vrxfuzz::run_input(data, size, false);
    return 0;
}
