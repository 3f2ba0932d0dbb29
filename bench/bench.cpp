// Cost per call of representative entry points, run on the null platform
// (build/<preset>/null-platform in front of the stand-ins), with pointer
// checking off and on. Each case has up to three forms: the entry point
// ("library"), the bare core call on texts the caller terminated itself
// ("bare"), and the floor: the platform calls and byte saves the entry point
// must make, written out straight ("floor").
//   vrxagapi_bench [Google Benchmark options]   wall time, 1 and 2 threads
//   vrxagapi_bench --count N                     each case N times with
//       callgrind's collection on around the loop, one dump per case
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <new>
#include <string>

#include "vrxagapi.h"
#include "vrxplatform.h"

namespace {

struct ObjectList8 {
    std::uint32_t count;
    vrxgObjectEntry entries[8];
};

// Every text holds 16 letters and then blanks; a call gives each its
// length. The "done" copies are terminated by the caller, for the bare calls.
// String-valued items (token 305, of the database's and the instance's sets
// alike) alternate with numeric ones.
struct Caller {
    Caller();
    void lists(std::uint32_t n) { tablespaces.count = media.count = n; }

    char text[6][32], done[6][32], values[10][32], doneValues[10][32], outputs[10][72], entryTexts[16][32];
    sqlca ca{};
    std::uint16_t valueLens[10];
    vrxConfigItem items[10], doneItems[10], getItems[10];
    char *coreNames[8];
    vrxgTextEntry entries[16];
    vrxgTextList tablespaces{entries, 8};
    vrxgMediaList media{entries + 8, 8, 'L', {}};
    vrxgBackupStruct backup{text[0], 8, nullptr, 0, nullptr, 0, &tablespaces, &media, text[1], 8, text[2], 8,
                            {}, 0, text[3], 8, {}, {}};
    vrxNameList coreTablespaces{coreNames, 8};
    vrxLocationList coreMedia{coreNames, 8, 'L'};
    vrxBackupStruct coreBackup{};
    ObjectList8 objects, doneObjects;
    vrxgTablespaceShort records[8]{};
    vrxgTablespaceShort *firstRecord = records;
    std::uint32_t recordCount = 0;
};

using Call = std::int32_t (*)(Caller &, std::uint32_t);

// --- the floors ---------------------------------------------------------------

constexpr std::uint32_t kInit = 0x8E8215;
const char kSite[] = "floor";

void fill(char *to, std::uint32_t terminateAt) {
    std::memcpy(to, "PONMLKJIHGFEDCBA", 16);
    std::memset(to + 16, ' ', 16);
    if (terminateAt < 32) to[terminateAt] = '\0';
}

// Checking off, or the core accepts the region.
bool may_write(const void *at, std::uint32_t length) {
    return sqlo_ptr_check_active() == 0 || sqlagcptr_real(at, length, 3) == 0;
}

void *scratch(std::uint32_t size) {
    void *block = nullptr;
    return sqlogmblkEx(0, size, 0, &block, kSite, 1, 0) == 0 ? block : nullptr;
}

struct Held {
    char *at;
    std::uint32_t length;
    char byte;
    bool held;
};

Held hold(char *text, std::uint32_t length) {
    Held h{text, length, 0, text != nullptr && may_write(text, length + 1)};
    if (h.held) {
        h.byte = text[length];
        text[length] = '\0';
    }
    return h;
}

void give_back(const Held &h) {
    if (h.held) h.at[h.length] = h.byte;
}

// A list's texts: each terminated in place (its byte saved in a scratch
// array) and copied into a scratch block of its own.
struct ListCopy {
    struct Saved {
        std::int32_t length;
        char byte;
    };
    vrxgTextEntry *entries = nullptr;
    std::uint32_t count = 0;
    Saved *saved = nullptr;
    char **copies = nullptr;

    void copy(vrxgTextEntry *list, std::uint32_t n) {
        entries = list;
        count = n;
        saved = static_cast<Saved *>(scratch(n * 8));
        copies = static_cast<char **>(scratch(n * 12));
        for (std::uint32_t i = 0; i < n; ++i) {
            const vrxgTextEntry e = list[i];
            saved[i].length = -1;
            copies[i] = nullptr;
            if (!may_write(e.text, e.length) || !may_write(e.text, e.length + 1)) continue;
            saved[i] = {static_cast<std::int32_t>(e.length), e.text[e.length]};
            e.text[e.length] = '\0';
            copies[i] = static_cast<char *>(scratch(e.length + 1));
            std::memcpy(copies[i], e.text, e.length + 1);
        }
    }
    void put_back() {
        for (std::uint32_t i = count; i-- > 0;)
            if (saved[i].length >= 0) entries[i].text[saved[i].length] = saved[i].byte;
        sqlofmblkEx(saved);
    }
    void release() {
        for (std::uint32_t i = 0; i < count; ++i)
            if (copies[i] != nullptr) sqlofmblkEx(copies[i]);
        sqlofmblkEx(copies);
    }
};

Caller::Caller() {
    const std::uint32_t lengths[6] = {8, 12, 10, 8, 8, 8};
    for (int k = 0; k < 6; ++k) {
        fill(text[k], 32);
        fill(done[k], lengths[k]);
    }
    for (int i = 0; i < 10; ++i) {
        const auto token = static_cast<std::uint16_t>(i % 2 == 0 ? 305 : 1);
        valueLens[i] = 8;
        fill(values[i], 32);
        fill(doneValues[i], 8);
        std::memset(outputs[i], 0, sizeof outputs[i]);
        items[i] = {token, 0, values[i]};
        doneItems[i] = {token, 0, doneValues[i]};
        getItems[i] = {token, 0, outputs[i]};
    }
    for (int i = 0; i < 16; ++i) {
        fill(entryTexts[i], 32);
        entries[i] = {entryTexts[i], 8, 0};
    }
    for (char *&name : coreNames) name = done[0];
    coreBackup.dbAlias = coreBackup.userName = coreBackup.password = coreBackup.text4 = done[0];
    coreBackup.tablespaces = &coreTablespaces;
    coreBackup.media = &coreMedia;
    for (ObjectList8 *list : {&objects, &doneObjects})
        for (vrxgObjectEntry &e : list->entries) {
            e = {1, 2, {}};
            std::memset(e.name, list == &objects ? ' ' : '\0', sizeof e.name);
            std::memcpy(e.name, "SAMPLEDB", 8);
        }
}

std::int32_t floor_sqlgrdb(Caller &c, std::uint32_t) {
    if (sqlo_create_init_app_data(kInit) != 0) return 0;
    const Held alias = hold(c.text[0], 8);
    const std::int32_t result = sqlfrdb(alias.at, &c.ca);
    give_back(alias);
    return result;
}

std::int32_t floor_sqlgcadb(Caller &c, std::uint32_t) {
    if (sqlo_create_init_app_data(kInit) != 0) return 0;
    const Held principal = hold(c.text[0], 8), comment = hold(c.text[1], 12), path = hold(c.text[2], 10),
               node = hold(c.text[3], 8), alias = hold(c.text[4], 8), name = hold(c.text[5], 8);
    const std::int32_t result =
        sqlecadb_api(name.at, alias.at, 'R', node.at, path.at, comment.at, 0, principal.at, &c.ca);
    for (const Held *h : {&name, &alias, &node, &path, &comment, &principal}) give_back(*h);
    return result;
}

// Items with even indices hold string values: a 12-byte scratch record per
// text keeps its byte, chained from the last one made.
std::int32_t floor_sqlgudb(Caller &c, std::uint32_t n) {
    struct Record {
        std::uint32_t index;
        std::uint16_t byte;
        Record *next;
    };
    if (sqlo_create_init_app_data(kInit) != 0) return 0;
    const Held alias = hold(c.text[0], 8);
    Record *head = nullptr;
    if (may_write(c.valueLens, n * 2) && may_write(c.items, n * sizeof(vrxConfigItem)))
        for (std::uint32_t i = 0; i < n; i += 2) {
            char *text = static_cast<char *>(c.items[i].value);
            const std::uint16_t length = c.valueLens[i];
            if (!may_write(text, length + 1u)) continue;
            head = new (scratch(sizeof(Record))) Record{i, static_cast<unsigned char>(text[length]), head};
            text[length] = '\0';
        }
    const std::int32_t result = sqlfudb(alias.at, n, c.items, &c.ca);
    while (head != nullptr) {
        Record *next = head->next;
        static_cast<char *>(c.items[head->index].value)[c.valueLens[head->index]] = static_cast<char>(head->byte);
        sqlofmblkEx(head);
        head = next;
    }
    give_back(alias);
    return result;
}

std::int32_t floor_vrxgbackup(Caller &c, std::uint32_t n) {
    c.lists(n);
    if (sqlo_create_init_app_data(kInit) != 0) return 0;
    if (!may_write(&c.backup, sizeof c.backup)) return -83;
    vrxgBackupStruct p;
    std::memcpy(&p, &c.backup, sizeof p);
    ListCopy names, media;
    vrxgTextList tl{};
    vrxgMediaList ml{};
    if (may_write(p.piTablespaceList, sizeof tl)) std::memcpy(&tl, p.piTablespaceList, sizeof tl);
    if (may_write(tl.entries, tl.count * 12)) names.copy(tl.entries, tl.count);
    if (may_write(p.piMediaList, sizeof ml)) std::memcpy(&ml, p.piMediaList, sizeof ml);
    if (may_write(ml.entries, ml.count * 12)) media.copy(ml.entries, ml.count);
    vrxNameList coreNames{names.copies, tl.count};
    vrxLocationList coreMedia{media.copies, ml.count, ml.mediaType};
    const Held alias = hold(p.piDbAlias, p.iDbAliasLen), user = hold(p.piUserName, p.iUserNameLen),
               password = hold(p.piPassword, p.iPasswordLen), text4 = hold(p.piText4, p.iText4Len);
    vrxBackupStruct core{alias.at, {}, {}, &coreNames, &coreMedia, user.at, password.at, {}, p.iValue8010200,
                         text4.at, {}, {}};
    std::memcpy(core.values, p.iValues, sizeof core.values);
    std::memcpy(core.values8010400, p.iValues8010400, sizeof core.values8010400);
    std::memcpy(core.values9050000, p.iValues9050000, sizeof core.values9050000);
    const std::int32_t result = vrxBackup(VRX_VERSION_9050000, &core, &c.ca);
    for (const Held *h : {&text4, &password, &user, &alias}) give_back(*h);
    media.put_back();
    names.put_back();
    names.release();
    media.release();
    return result;
}

// --- the calls, one function per form --------------------------------------

std::int32_t rdb(Caller &c, std::uint32_t) { return sqlgrdb(8, &c.ca, c.text[0]); }
std::int32_t rdb_bare(Caller &c, std::uint32_t) { return sqlfrdb(c.done[0], &c.ca); }

std::int32_t cadb(Caller &c, std::uint32_t) {
    return sqlgcadb(8, 12, 10, 8, 8, 8, &c.ca, c.text[0], 0, c.text[1], c.text[2], c.text[3], 'R', c.text[4],
                    c.text[5]);
}
std::int32_t cadb_bare(Caller &c, std::uint32_t) {
    return sqlecadb_api(c.done[5], c.done[4], 'R', c.done[3], c.done[2], c.done[1], 0, c.done[0], &c.ca);
}

std::int32_t xdb(Caller &c, std::uint32_t n) { return sqlgxdb(8, n, c.getItems, &c.ca, c.text[0]); }
std::int32_t xdb_bare(Caller &c, std::uint32_t n) { return sqlfxdb(c.done[0], n, c.getItems, &c.ca); }

std::int32_t udb(Caller &c, std::uint32_t n) { return sqlgudb(8, n, c.valueLens, c.items, &c.ca, c.text[0]); }
std::int32_t udb_bare(Caller &c, std::uint32_t n) { return sqlfudb(c.done[0], n, c.doneItems, &c.ca); }

std::int32_t usys(Caller &c, std::uint32_t n) { return sqlgusys(n, c.valueLens, c.items, &c.ca); }
std::int32_t usys_bare(Caller &c, std::uint32_t n) { return sqlfusys(n, c.doneItems, &c.ca); }

std::int32_t backup(Caller &c, std::uint32_t n) {
    c.lists(n);
    return vrxgBackup(VRX_VERSION_9050000, &c.backup, &c.ca);
}
std::int32_t backup_bare(Caller &c, std::uint32_t n) {
    c.coreTablespaces.count = c.coreMedia.count = n;
    return vrxBackup(VRX_VERSION_9050000, &c.coreBackup, &c.ca);
}

std::int32_t mnss(Caller &c, std::uint32_t n) {
    c.objects.count = n;
    return sqlgmnss(0, &c.ca, 3, 4, 5, reinterpret_cast<vrxgObjectList *>(&c.objects), 0, 8);
}
std::int32_t mnss_bare(Caller &c, std::uint32_t n) {
    c.doneObjects.count = n;
    vrxSnapshotRequest request{reinterpret_cast<vrxgObjectList *>(&c.doneObjects), 3, 4, 8, 5, 0};
    return vrxGetSnapshot(6010000, &request, &c.ca);
}

std::int32_t tsq(Caller &c, std::uint32_t n) {
    c.recordCount = n;
    return sqlgtsq(nullptr, &c.recordCount, &c.firstRecord);
}
std::int32_t tsq_bare(Caller &c, std::uint32_t n) {
    c.recordCount = n;
    return sqlbtsq(nullptr, &c.recordCount, &c.firstRecord);
}

// --- the cases ---------------------------------------------------------------

struct Case {
    const char *name;  // what the case exercises
    std::uint32_t n;   // items, list entries, objects or records
    Call library, bare, floor;
};

const Case kCases[] = {
    {"SQLGRDB/one text", 1, rdb, rdb_bare, floor_sqlgrdb},
    {"SQLGCADB/six texts", 6, cadb, cadb_bare, floor_sqlgcadb},
    {"SQLGXDB/2 items", 2, xdb, xdb_bare, nullptr},
    {"SQLGXDB/10 items", 10, xdb, xdb_bare, nullptr},
    {"SQLGUDB/2 items", 2, udb, udb_bare, nullptr},
    {"SQLGUDB/10 items", 10, udb, udb_bare, floor_sqlgudb},
    {"SQLGUSYS/string array of 10", 10, usys, usys_bare, nullptr},
    {"VRXGBACKUP/two lists of 1", 1, backup, backup_bare, floor_vrxgbackup},
    {"VRXGBACKUP/two lists of 8", 8, backup, backup_bare, floor_vrxgbackup},
    {"SQLGMNSS/1 object", 1, mnss, mnss_bare, nullptr},
    {"SQLGMNSS/8 objects", 8, mnss, mnss_bare, nullptr},
    {"SQLGTSQ/walk of 8 records", 8, tsq, tsq_bare, nullptr},
};

using SetCheck = void (*)(int);

// The null platform's switch, looked up at run time: found only when the
// null platform is the one loaded, which a measurement needs.
SetCheck set_check() {
    static const auto fn = reinterpret_cast<SetCheck>(dlsym(RTLD_DEFAULT, "vrxnull_set_ptr_check"));
    if (fn == nullptr) {
        std::fprintf(stderr, "vrxagapi_bench: the null platform is not loaded; put build/<preset>/null-platform "
                             "first on LD_LIBRARY_PATH\n");
        std::exit(2);
    }
    return fn;
}

std::string case_name(const Case &c, const char *form, int check) {
    return std::string(c.name) + "/" + form + (check != 0 ? "/check-on" : "/check-off");
}

template <class F>
void for_each_form(F f) {
    for (int check = 0; check < 2; ++check)
        for (const Case &c : kCases) {
            const std::pair<const char *, Call> forms[] = {{"library", c.library}, {"bare", c.bare}, {"floor", c.floor}};
            for (const auto &form : forms)
                if (form.second != nullptr) f(c, form.first, form.second, check);
        }
}

// callgrind's collection is on only around the loop; each case ends in a
// dump named after it.
int count_mode(long iterations) {
    for_each_form([&](const Case &c, const char *form, Call call, int check) {
        set_check()(check);
        Caller caller;
        call(caller, c.n);  // the first call binds the platform's symbols
        CALLGRIND_TOGGLE_COLLECT;
        for (long i = 0; i < iterations; ++i) call(caller, c.n);
        CALLGRIND_TOGGLE_COLLECT;
        const std::string name = case_name(c, form, check);
        CALLGRIND_DUMP_STATS_AT(name.c_str());
        std::printf("%s\n", name.c_str());
    });
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    set_check();
    if (argc == 3 && std::strcmp(argv[1], "--count") == 0) return count_mode(std::atol(argv[2]));
    for_each_form([](const Case &c, const char *form, Call call, int check) {
        benchmark::RegisterBenchmark(case_name(c, form, check).c_str(),
                                     [&c, call, check](benchmark::State &state) {
                                         if (state.thread_index() == 0) set_check()(check);
                                         Caller caller;
                                         for (auto _ : state) benchmark::DoNotOptimize(call(caller, c.n));
                                         state.SetItemsProcessed(state.iterations());
                                     })
            ->Threads(1)
            ->Threads(2)
            ->UseRealTime();
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
