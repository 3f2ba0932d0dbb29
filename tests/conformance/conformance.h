// Conformance rows: one valid call per exported entry point, made on caller
// storage where texts, fields and list entries share terminator bytes, so
// that only an exact last-in-first-out restoration leaves it as it was.
// A shared byte ends holding what its last restore wrote: it shows a wrong
// order only when the first two texts terminated on it are put back the
// wrong way round, so a row spreads its texts over a few shared texts (one
// for a record's texts, one for the first entries of its lists, ...).
// A new entry point adds its row to its family's rows_*.cpp.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "storage.h"

namespace vrxtest::conformance {

// Garbage a caller leaves above a 16-bit or an 8-bit value in its slot.
constexpr vrx_slot kHigh16 = 0xBEEF0000u;
constexpr vrx_slot kHigh8 = 0xBEEFBE00u;

// Odd: records, lists, entries at odd addresses. Nulls: every text, record and
// area null. Huge: every 32-bit length 0xFFFFFFFF. Fuzz: every choice below
// taken from a fuzz input.
enum class Layout { Aligned, Odd, Nulls, NullSqlca, Huge, Fuzz };

// A fuzz input: one byte per choice, 0 (the row's own choice) once it is
// used up. `refusals`: pointer checking is on, so a choice may refuse a
// region; only then are lengths of 0xFFFFFFFE and 0xFFFFFFFF chosen, their
// regions refused as in the Huge layout.
struct Choices {
    const std::uint8_t *at = nullptr, *end = nullptr;
    bool refusals = false;
    std::uint8_t next() { return at < end ? *at++ : 0; }
};

class Arena {
public:
    explicit Arena(Layout layout, Choices *fuzz = nullptr);

    // The last n (at most 16) letters of shared text k, "PONMLKJIHGFEDCBA",
    // with blanks after it: whatever n, the text ends at the same byte.
    // Fuzzed: null, or refused.
    char *text(std::size_t n, int k = 0);
    // The lengths of a text of n letters; fuzzed: 0 to n, past the text (its
    // NUL among the blanks after it), 0xFFFE, 0xFFFF, and for 32 bits
    // 0xFFFFFFFE and 0xFFFFFFFF; other garbage above 16 bits.
    vrx_slot len(std::size_t n) { return (kHigh16 ^ std::uint32_t{pick()} << 24) | length(n, false); }
    std::uint32_t len32(std::uint32_t n) { return layout == Layout::Huge ? ~0u : length(n, true); }
    // The length of an output area of n bytes, or of an inline text whose NUL
    // must stay within n bytes of its record; fuzzed: 0 to n.
    std::uint32_t within(std::uint32_t n) { return layout == Layout::Huge ? ~0u : upto(n); }
    // A version, or a count of items or entries, as the row passes it;
    // fuzzed: at and around every version the library tells apart, 0 and
    // 0xFFFFFFFF; 0 to n items.
    std::uint32_t version(std::uint32_t v);
    std::uint32_t count(std::uint32_t n) { return upto(n); }
    // A positional list's entry count; fuzzed: 0 to n, -1 or INT32_MIN.
    std::int32_t entries(std::int32_t n);
    // An inline list entry (32-bit length, then text) holding all of shared text k.
    template <class T = void>
    T *entry(int k) {
        char *t = text(16, k);
        return t != nullptr ? reinterpret_cast<T *>(t - 4) : nullptr;
    }

    // Caller records, arrays and lists, named for the core's arguments.
    // Fuzzed: null, at an odd address, or refused.
    template <class T>
    T *records(const std::vector<T> &values, const char *name = "rec") {
        ++recordsMade;
        if (layout == Layout::Nulls) return nullptr;
        const int c = pick() % 8;
        if (c == kNull) return nullptr;
        char *at = static_cast<char *>(mem.room(values.size() * sizeof(T) + 2)) + shift_ + (c == kOdd);
        std::memcpy(at, values.data(), values.size() * sizeof(T));
        names_[at] = name;
        records_[at] = values.size() * sizeof(T);
        if (c == kRefused) refuse(at);
        return reinterpret_cast<T *>(at);
    }
    template <class T>
    T *record(const T &value, const char *name = "rec") {
        return records(std::vector<T>{value}, name);
    }
    void name(const void *at, const char *name) { names_[at] = name; }

    // An area of `width` bytes of 'o' (and one more); the core writes the
    // texts of writes() into it with their NULs; afterwards it reads expect().
    char *out(std::size_t width);
    void writes(char *at, std::string text) { coreWrites.emplace_back(at, std::move(text)); }
    void expect(const void *at, std::string bytes) { expected.emplace_back(at, std::move(bytes)); }
    // An area the core writes `text` into, blank-filled after the call unless `fill` is false.
    char *filled(std::size_t width, const std::string &text, bool fill = true);
    // The same for a field of `width` bytes at `at`, inside a record of the call.
    char *filled_at(char *at, std::size_t width, const std::string &text, bool fill = true);
    // A field of `width` bytes at `at` that the library may write (a text it blank-fills).
    char *output(char *at, std::size_t width) {
        if (at != nullptr) outs_.push_back({at, width});
        return at;
    }
    // A record whose fields from `offset` on the library writes after a successful core call.
    template <class T>
    T *output_from(T *record, std::size_t offset) {
        output(reinterpret_cast<char *>(record) + (record != nullptr ? offset : 0), sizeof(T) - offset);
        return record;
    }
    // Fuzzed: null, or at an odd address.
    sqlca *ca();

    // Makes the call on the storage built while its arguments were evaluated.
    template <class F, class... A>
    std::int32_t call(F f, A... args) {
        if (layout == Layout::Huge || huge_)
            for (const void *at : lengthy) vrxstub_refuse_region(at, ~0u, 0);
        mem.snapshot();
        if (beforeCall) beforeCall();
        return f(args...);
    }

    // A core argument: a text by what it reads, a record by its name, the
    // sqlca as ca, the library's own storage as &, a value in decimal.
    std::string describe(std::uintptr_t value) const;
    template <class... T>
    void see(T... values) {
        ((seen += (seen.empty() ? "" : " ") + describe(vrxstub::raw(values))), ...);
    }

    // A checked region: a text by its letters and length, a record by its
    // name (and the length checked, unless the record's size, which differs
    // by platform), an area by its name (numbered when several share it) and
    // width, a place inside one by name and offset; then the check's mode.
    std::string region(const void *at, std::uint32_t length, std::uint8_t mode) const;

    std::vector<Span> outputs() const { return outs_; }
    Span sqlca_span() const { return {ca_, sizeof(sqlca)}; }
    std::ptrdiff_t offset(const void *at) const { return static_cast<const char *>(at) - base_; }
    const void *at(std::ptrdiff_t offset) const { return base_ + offset; }

    Storage mem;
    const Layout layout;
    int recordsMade = 0, coreCalls = 0;
    std::function<void()> beforeCall;
    std::string seen;
    std::vector<std::pair<char *, std::string>> coreWrites;
    std::vector<std::pair<const void *, std::string>> expected;
    std::vector<const void *> lengthy;             // texts and areas a 32-bit length may go with
    std::pair<std::uintptr_t, std::uintptr_t> own;  // the library's stack while the core runs

private:
    enum { kOdd = 5, kNull = 6, kRefused = 7 };  // fuzz choices of a pointer
    std::uint8_t pick() { return fuzz_ != nullptr ? fuzz_->next() : 0; }
    std::uint32_t length(std::uint32_t n, bool wide);
    std::uint32_t upto(std::uint32_t n);
    void refuse(const void *at) {
        if (fuzz_->refusals) vrxstub_refuse_region(at, 0, 0);
    }

    Choices *const fuzz_;
    const std::size_t shift_;
    const char *const base_;
    bool huge_ = false, caMade_ = false;
    std::map<int, char *> spots_;
    std::map<const void *, std::string> names_;
    std::map<const void *, std::size_t> records_;  // and their sizes
    std::vector<Span> outs_;
    sqlca *ca_ = nullptr;
};

// A valid call of one entry point and what the loop expects of it.
struct Row {
    const char *name;  // the upper-case name, as in the entry point table
    const char *seen;  // the core's arguments, and what `core` adds, as Arena::describe names them
    std::function<std::int32_t(Arena &)> call;
    std::vector<std::string> tags = {};  // sqlerrp on a memory failure or refusal, by failed request
    const char *sites = "";              // the scratch requests: "file line line ..."
    std::vector<std::uint32_t> releases = {};  // the request lines of the blocks, in release order
    // Runs while the core runs: fills the core's records, sees.
    std::function<void(const vrxstub_call &, Arena &)> core = nullptr;
    std::int32_t noMemory = -83;      // the result of a scratch failure
    std::int32_t noMemoryCode = -83;  // and its sqlcode (the sqlca untouched for a row without tags)
    std::int32_t coreResult = 4711;   // what the hooked core returns
    bool resultIsCores = true;        // false: the result is the library's own status, 0 on a valid call
    bool reportsAlways = false;       // a scratch failure is reported whatever sqloincaChkptr would say
};

// The rows of a family register themselves.
struct Rows {
    Rows(std::initializer_list<Row> rows);
};
const Row *find_row(const std::string &name);

// Another call of a row's entry point, with arguments the row does not
// take (flags, versions, types, counts, another core result): the loop
// makes it with checking on and states in checks.txt the checks it made,
// its result, what the core saw, the sqlca and its output areas.
struct Variant {
    std::string name;   // the entry point, as its row names it
    std::string label;  // what sets this call apart, unique for the entry point
    std::function<std::int32_t(Arena &)> call;
    // What the core sees and fills, in place of the row's `core`.
    std::function<void(const vrxstub_call &, Arena &)> core = nullptr;
    std::int32_t coreResult = 4711;
};
struct Variants {
    Variants(std::vector<Variant> variants);
};
std::vector<const Variant *> variants_of(const std::string &name);
// A row's own valid call, as a variant is made.
inline Variant as_call(const Row &row) { return {row.name, "row", row.call, row.core, row.coreResult}; }

}  // namespace vrxtest::conformance
