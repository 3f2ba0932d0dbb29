// Rollforward, recover and the recovery history. A call's texts share text
// 0; the rollforward list entry lies on text 1 and the positional form's two
// texts without lengths on text 2. Values passed on unread are named
// records; narrow values carry garbage above them or show their widening.
#include <tuple>

#include "conformance/conformance.h"
#include "harness.h"
#include "vrxplatform/history.h"
#include "vrxplatform/rollforward.h"

namespace vrxtest::conformance {
namespace {

void *v(Arena &a, const char *name) { return a.record(std::uint32_t{0}, name); }

// An area of `width` bytes holding `bytes`, printed after the call.
char *area(Arena &a, std::size_t width, const std::string &bytes) {
    char *at = a.out(width);
    return static_cast<char *>(std::memcpy(at, bytes.data(), bytes.size()));
}

// A caller record that receives outputs: an output area holding `value`.
template <class T>
T *output_record(Arena &a, const T &value) {
    char *at = a.out(sizeof(T));
    if (at != nullptr) std::memcpy(at, &value, sizeof value);
    return reinterpret_cast<T *>(at);
}

vrxRfwdPositionalInput positional_input(Arena &a) {
    vrxRfwdPositionalInput p{};
    std::memset(&p, 0xEE, sizeof p);  // the bytes not read
    p.dbAliasLen = 1, p.stopTimeLen = 2, p.userNameLen = 3, p.passwordLen = 4, p.overflowLogPathLen = 5;
    p.value12 = 12, p.value20 = 0xFFFF, p.value40 = 40, p.value44 = 44, p.value48 = 0xFFF0;
    p.value56 = -1, p.value58 = 58, p.value60 = 60, p.value64 = -64;
    p.dbAlias = a.text(1), p.stopTime = a.text(2), p.userName = a.text(3), p.password = a.text(4);
    p.overflowLogPath = a.text(5), p.droppedTblID = a.text(2, 2), p.exportDir = a.text(1, 2);
    p.tablespaces = a.record(vrxTablespaceList{a.entries(1), a.entry<vrxTablespaceEntry>(1)}, "tablespaces");
    return p;
}

vrxgRfwdInputStruct versioned_input(Arena &a) {
    return {a.len32(1), a.len32(2), a.len32(3), a.len32(4), a.len32(5), a.len32(6), a.len32(7), 28, a.text(1), 36,
            a.text(2), a.text(3), a.text(4), a.text(5), {56, 60, 64},
            a.record(vrxTablespaceList{a.entries(1), a.entry<vrxTablespaceEntry>(1)}, "tablespaces"), {72, 76, 80, 84},
            a.text(6), a.text(7), 96};
}

void see_rollforward(const vrxstub_call &c, Arena &a) {
    const auto *core = arg<const vrxRollforwardStruct *>(c, 1);
    const vrxRfwdInputStruct &in = *core->input;
    a.see(in.value0, in.dbAlias, in.value8, in.stopTime, in.userName, in.password, in.overflowLogPath,
          in.values28[0], in.values28[1], in.values28[2], in.tablespaces, in.values44[0], in.values44[1],
          in.values44[2], in.values44[3], in.droppedTblID, in.exportDir, in.value68, core->output->applicationId,
          core->output->value4, core->output->value8, core->output->value12);
}

const Rows rows = {
    {"SQLGROLL",
     "8010000 & ca 12 'A' 65535 'BA' 'CBA' 'DCBA' 'EDCBA' 40 44 65520 tablespaces 4294967295 58 60 4294967232 '' '' "
     "0 out v4 v8 0",
     [](Arena &a) {
         const vrxRfwdPositionalOutput out{a.filled(33, "ROLLED"), v(a, "v4"), v(a, "v8")};
         return a.call(sqlgroll, a.record(positional_input(a), "input"), a.record(out, "output"), a.ca());
     },
     {"sqlgroll"}, "sqlgroll 368", {368}, see_rollforward},
    {"VRXGROLLFORWARD",
     "8010000 & ca 28 'A' 36 'BA' 'CBA' 'DCBA' 'EDCBA' 56 60 64 tablespaces 72 76 80 84 'FEDCBA' 'GFEDCBA' 96 out "
     "v4 v8 0",
     [](Arena &a) {
         const vrxgRfwdOutputStruct out{a.filled(33, "ROLLED"), v(a, "v4"), v(a, "v8"), 0xAAAAAAAA};
         const vrxgRollforwardStruct p{
             a.record(versioned_input(a), "input"),
             a.output_from(a.record(out, "output"), offsetof(vrxgRfwdOutputStruct, oValue12))};
         return a.call(vrxgRollforward, a.version(8010000u), a.record(p), a.ca());
     },
     {"sqlgroll"}, "sqlgroll 368", {368}, see_rollforward},
    {"VRXGRECOVER",
     "9050000 & ca 'A' 'CBA' 'DCBA' 12 16 20 24 'BA' 'EDCBA' 36 40 44 48 52 56 'FEDCBA' 64 68 'GFEDCBA' 76 80",
     [](Arena &a) {
         const vrxgRecoverStruct p{a.text(1), a.len32(1), a.text(3), a.len32(3), a.text(4), a.len32(4),
                                   {12, 16, 20, 24}, a.text(2), a.len32(2), a.text(5), a.len32(5),
                                   {36, 40, 44, 48, 52, 56}, a.text(6), a.len32(6), {64, 68}, a.text(7), a.len32(7),
                                   {76, 80}};
         return a.call(vrxgRecover, a.version(9050000u), a.record(p), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxRecoverStruct *>(c, 1);
         a.see(core->sourceDbAlias, core->userName, core->password);
         for (std::uint32_t value : core->values12) a.see(value);
         a.see(core->stopTime, core->overflowLogPath);
         for (std::uint32_t value : core->values36) a.see(value);
         a.see(core->historyFile, core->values64[0], core->values64[1], core->comprLibrary, core->values76[0],
               core->values76[1]);
     }},
    {"SQLGHOPS", "'A' 'BA' 'CBA' v4 v5 65535 v7 ca",
     [](Arena &a) {
         return a.call(sqlghops, a.len(1), a.len(2), a.len(3), a.text(1), a.text(2), a.text(3), v(a, "v4"),
                       v(a, "v5"), kHigh16 | 0xFFFF, v(a, "v7"), a.ca());
     }},
    {"SQLGHGNE", "65535 v2 v3 ca",
     [](Arena &a) { return a.call(sqlghgne, kHigh16 | 0xFFFF, v(a, "v2"), v(a, "v3"), a.ca()); }},
    {"SQLGHCLS", "7 v2 ca", [](Arena &a) { return a.call(sqlghcls, kHigh16 | 7, v(a, "v2"), a.ca()); }},
    {"SQLGHUPD", "'A' 'BA' 'CBA' 'DCBA' v5 ca",
     [](Arena &a) {
         return a.call(sqlghupd, a.len(1), a.len(2), a.len(3), a.len(4), a.text(1), a.text(2), a.text(3), a.text(4),
                       v(a, "v5"), a.ca());
     }},
    {"SQLGHPRN", "'BA' 65535 v3 ca",
     [](Arena &a) { return a.call(sqlghprn, a.len(2), a.text(2), kHigh16 | 0xFFFF, v(a, "v3"), a.ca()); }},
    // The three outputs come back; the input at 32 stays as it was.
    {"VRXGHISTORYOPENSCAN", "9050000 & ca 'A' 'BA' 'CBA' 0 0 65535 0",
     [](Arena &a) {
         const vrxgHistoryOpenStruct p{a.text(1), a.text(2), a.text(3), a.len32(1), a.len32(2), a.len32(3),
                                       0xAAAAAAAA, 0xAAAAAAAA, 0xFFFF, 0xAAAA};
         auto *record = output_record(a, p);
         if (record != nullptr) a.expect(&record->oNumRows, "\x01\x02\x03\x04\x05\x06\x07\x08\xFF\xFF\x09\x0A");
         return a.call(vrxgHistoryOpenScan, a.version(9050000u), record, a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         auto *core = arg<vrxHistoryOpenStruct *>(c, 1);
         a.see(core->databaseAlias, core->timestamp, core->objectName, core->numRows, core->maxRows,
               core->callerAction, core->handle);
         std::memcpy(&core->numRows, "\x01\x02\x03\x04\x05\x06\x07\x08", 8);
         std::memcpy(&core->handle, "\x09\x0A", 2);
     }},
    {"VRXGHISTORYGETENTRY", "9050000 rec ca",
     [](Arena &a) {
         return a.call(vrxgHistoryGetEntry, a.version(9050000u),
                       static_cast<vrxgHistoryGetEntryStruct *>(v(a, "rec")), a.ca());
     }},
    {"VRXGHISTORYCLOSESCAN", "9050000 handle ca",
     [](Arena &a) {
         return a.call(vrxgHistoryCloseScan, a.version(9050000u), a.record(std::uint16_t{7}, "handle"), a.ca());
     }},
    // The words at 12 and 28 are not read; the core's word at 12 is null.
    {"VRXGHISTORYUPDATE", "9050000 & ca 'A' 'BA' 'CBA' 0 32 36",
     [](Arena &a) {
         const vrxgHistoryUpdateStruct p{a.text(1), a.text(2), a.text(3), 0xDEAD, a.len32(1), a.len32(2), a.len32(3),
                                         0xDEAD, 32, 36};
         return a.call(vrxgHistoryUpdate, a.version(9050000u), a.record(p), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxHistoryUpdateStruct *>(c, 1);
         a.see(core->entry, core->newLocation, core->newDeviceType, core->newComment, core->value16, core->value20);
     }},
    {"VRXGPRUNE", "9050000 & ca 'BA' 8 12 16 20",
     [](Arena &a) {
         return a.call(vrxgPrune, a.version(9050000u),
                       a.record(vrxgPruneStruct{a.len32(2), a.text(2), {8, 12, 16, 20}}), a.ca());
     },
     {}, "", {},
     [](const vrxstub_call &c, Arena &a) {
         const auto *core = arg<const vrxPruneStruct *>(c, 1);
         a.see(core->string, core->values[0], core->values[1], core->values[2], core->values[3]);
     }},
};

// The core's fourth output word comes back from version 9000000 on,
// whatever the core's result.
std::vector<Variant> fourth_word() {
    std::vector<Variant> variants;
    for (std::uint32_t version : {8010000u, 8999999u, 9000000u})
        variants.push_back({"VRXGROLLFORWARD", "version " + std::to_string(version), [version](Arena &a) {
            const vrxgRfwdOutputStruct out{a.out(33), nullptr, nullptr, 0xAAAAAAAA};
            auto *output = a.record(out, "output");
            a.output(reinterpret_cast<char *>(output) + offsetof(vrxgRfwdOutputStruct, oValue12), 4);
            const vrxgRollforwardStruct p{a.record(vrxgRfwdInputStruct{}, "input"), output};
            return a.call(vrxgRollforward, version, a.record(p), a.ca());
        }, [](const vrxstub_call &c, Arena &) {
            arg<vrxRollforwardStruct *>(c, 1)->output->value12 = 0x12345678;  // the fourth word
        }, -1});
    return variants;
}

const Variants variants(fourth_word());

// Checks that end the call before the core: a text the library may not
// read, or the table space list's scratch request refused, is reported by
// its name, appended to the message tokens as far as their 70 bytes hold it
// (from a count outside them nothing), and rollforward logs the report;
// with the sqlca refused too, rollforward logs that, and the family's result
// comes back. Neither touches the 33-byte area. A table space entry that
// fails its check as the last one is the result, unreported, and the area is
// still blank-filled. Only the first text is checked when null. Seen: the
// null checks, the scratch requests, the log record (its words and items);
// left: the area, then the whole sqlca.
std::vector<Variant> early_ends() {
    enum Refused { kUser, kListScratch, kLastEntry };
    const char *const kRoll = "VRXGROLLFORWARD", *const kRecover = "VRXGRECOVER";
    const struct {
        const char *name, *label;
        Refused refused;
        bool refuseSqlca;
        std::int16_t before;  // sqlerrml
    } cases[] = {
        {kRoll, "user refused", kUser, false, 0}, {kRoll, "user and sqlca refused", kUser, true, 0},
        {kRoll, "list scratch failed", kListScratch, false, 0}, {kRoll, "last entry refused", kLastEntry, false, 0},
        {kRecover, "user refused, tokens 3", kUser, false, 3}, {kRecover, "user refused, tokens 61", kUser, false, 61},
        {kRecover, "user refused, tokens 70", kUser, false, 70},
        {kRecover, "user refused, tokens -1", kUser, false, -1}, {kRecover, "user and sqlca refused", kUser, true, 0},
    };
    std::vector<Variant> variants;
    for (const auto &k : cases)
        variants.push_back({k.name, k.label, [k](Arena &a) {
            char *user = a.text(1);
            const std::vector<vrxTablespaceEntry> entries = {{3, "TS1#"}, {3, "TS2#"}};
            auto *list = a.record(vrxTablespaceList{2, a.records(entries, "entries")}, "tablespaces");
            vrxgRecoverStruct recover{};
            vrxgRfwdInputStruct in{};
            std::tie(recover.piUserName, recover.iUserNameLen) = std::tuple(user, 1);
            std::tie(in.piUserName, in.iUserNameLen, in.piTablespaceList) = std::tuple(user, 1, list);
            const bool recovers = std::string(k.name) == "VRXGRECOVER";
            vrxgRollforwardStruct *record = nullptr;
            if (!recovers) {
                auto *input = a.record(in, "input");
                const vrxgRfwdOutputStruct out{area(a, 33, std::string("AB\0CD", 5)), nullptr, nullptr, 0};
                record = a.record(vrxgRollforwardStruct{input, a.record(out, "output")}, "rollforward");
            }
            auto *recoverRecord = recovers ? a.record(recover, "recover") : nullptr;
            sqlca *ca = a.ca();
            ca->sqlerrml = k.before;
            std::memset(ca->sqlerrmc, 'x', sizeof ca->sqlerrmc);
            a.output(reinterpret_cast<char *>(ca), sizeof *ca);
            vrxstub_refuse_sqlca(k.refuseSqlca);
            if (k.refused == kUser) vrxstub_refuse_region(user, 1, 1);
            if (k.refused == kListScratch) vrxstub_fail_scratch_at(1);
            if (k.refused == kLastEntry) vrxstub_refuse_region(list->entries[1].text, 4, 3);
            const std::int32_t result = recovers ? a.call(vrxgRecover, 9000000u, recoverRecord, ca)
                                                 : a.call(vrxgRollforward, 9000000u, record, ca);
            int nulls = 0;
            for (const vrxstub_call &c : calls("sqlagcptr_real")) nulls += c.args[0] == 0 && c.args[2] == 1;
            a.seen += std::to_string(nulls) + " null checked";
            for (std::size_t i = 0; i < vrxstub_scratch_request_count(); ++i)
                a.seen += ", scratch " + std::to_string(vrxstub_scratch_request_at(i)->size);
            const auto logs = calls("pdLog");
            for (std::size_t n = 0; n < logs.size(); ++n) {
                a.seen += ", logged";
                for (int i = 0; i < 15; ++i) {  // the two items' addresses as & when given
                    const bool address = (i == 11 || i == 14) && logs[n].args[i] != 0;
                    a.seen += " " + (address ? "&" : std::to_string(logs[n].args[i]));
                }
                for (std::uint32_t item = 0, length = 0; item < logs[n].args[7]; ++item) {
                    const char *bytes = vrxstub_log_item(n, item, &length);
                    a.seen += " '" + std::string(bytes, length) + "'";
                }
            }
            return result;
        }});
    return variants;
}

const Variants refusals(early_ends());

}  // namespace
}  // namespace vrxtest::conformance
