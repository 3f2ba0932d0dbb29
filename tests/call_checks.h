// For entry points that terminate caller texts in place: the pointer checks
// and calls made, the core's arguments named so that a table can state them,
// the standard run of such an entry point, and the directory as a scan lists it.
#pragma once

#include <cstring>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"
#include "vrxplatform/directory.h"

namespace vrxtest {

// A pointer check as the core support function received it.
struct Check {
    const void *at;
    std::uint32_t length;
    std::uint32_t mode;
    bool operator==(const Check &o) const { return at == o.at && length == o.length && mode == o.mode; }
};

inline std::ostream &operator<<(std::ostream &out, const Check &c) {
    return out << "{" << c.at << ", " << c.length << ", " << c.mode << "}";
}

inline std::vector<Check> checks_made() {
    std::vector<Check> out;
    for (const vrxstub_call &c : calls("sqlagcptr_real"))
        out.push_back({arg<const void *>(c, 0), arg<std::uint32_t>(c, 1), arg<std::uint32_t>(c, 2)});
    return out;
}

inline std::vector<std::string> call_names() {
    std::vector<std::string> names;
    for (const vrxstub_call &c : calls()) names.emplace_back(c.name);
    return names;
}

// Six caller texts: the i-th holds i + 1 copies of the i-th capital letter
// and then an 'x' that its length leaves out, so what the core reads shows
// which length it was given.
struct Texts {
    explicit Texts(CallerStorage &mem) {
        for (int i = 0; i < 6; ++i) t[i] = mem.text(std::string(i + 1, static_cast<char>('A' + i)) + "x", '#');
    }
    vrx_slot len(int i) const { return kHigh | static_cast<vrx_slot>(i + 1); }
    // The checks of texts about to be terminated, in the given order.
    std::vector<Check> checks(std::initializer_list<int> order) const {
        std::vector<Check> out;
        for (int i : order) out.push_back({t[i], static_cast<std::uint32_t>(i + 2), 3});
        return out;
    }
    char *t[6];
};

// Names what a core function received: a caller text by what the core read
// there, in quotes; a labelled pointer by its label; anything else in hex.
struct Names {
    const Texts &texts;
    std::vector<std::pair<const void *, std::string>> labels;

    std::string operator()(std::uintptr_t value) const {
        for (const char *t : texts.t)
            if (value == reinterpret_cast<std::uintptr_t>(t)) return "'" + std::string(t, strnlen(t, 16)) + "'";
        for (const auto &[at, label] : labels)
            if (value == reinterpret_cast<std::uintptr_t>(at)) return label;
        std::ostringstream out;
        out << std::hex << "0x" << value;
        return out.str();
    }
    std::vector<std::string> args(const vrxstub_call &c) const {
        std::vector<std::string> out;
        for (std::uint32_t i = 0; i < c.argc; ++i) out.push_back((*this)(c.args[i]));
        return out;
    }
};

// An entry point of the standard frame, called on caller storage the test set up.
struct Form {
    const char *name;
    const char *core;
    std::function<std::int32_t()> call;
    std::vector<std::string> seen;  // the core's arguments, named
    std::vector<Check> checked;     // the pointer checks, in order
    // Puts the contents of a core record in place of its name.
    std::function<void(const vrxstub_call &, const Names &, std::vector<std::string> &)> inspect = nullptr;
};

// Calls `form` with pointer checking on and a core that fails (its result
// comes back, the caller's storage is as it was), then with the
// initialisation failing (result 0, sqlcode -1022, nothing done after it).
inline void expect_standard_frame(const Form &form, const Names &names, CallerStorage &mem, sqlca *ca) {
    SCOPED_TRACE(form.name);
    vrxstub_reset();
    vrxstub_set_ptr_check(1);
    mem.snapshot();
    {
        CoreHook hook(form.core, [&](const vrxstub_call &c) {
            std::vector<std::string> seen = names.args(c);
            if (form.inspect) form.inspect(c, names, seen);
            EXPECT_EQ(seen, form.seen);
            return -1013;
        });
        EXPECT_EQ(form.call(), -1013);
    }
    EXPECT_EQ(checks_made(), form.checked);
    EXPECT_TRUE(mem.unchanged_except());

    vrxstub_reset();
    vrxstub_set_init_result(-1);
    mem.snapshot();
    EXPECT_EQ(form.call(), 0);
    EXPECT_EQ(ca->sqlcode, -1022);
    EXPECT_TRUE(mem.unchanged_except({{&ca->sqlcode, 4}}));
    EXPECT_EQ(call_names().back(), "sqlo_create_init_app_data") << "nothing after the initialisation";
}

// A directory entry as "alias/name/comment/type", blanks trimmed.
inline std::string listed(const vrxDbDirEntry &e) {
    auto trimmed = [](const char *field, std::size_t width) {
        const std::string text(field, width);
        return text.substr(0, text.find_last_not_of(' ') + 1);
    };
    return trimmed(e.alias, 8) + "/" + trimmed(e.dbName, 8) + "/" + trimmed(e.comment, 30) + "/" +
           static_cast<char>(e.type);
}

// The directory under `path` (null: the system directory) through the positional scan.
inline std::vector<std::string> positional_listing(sqlca *ca, const char *path = nullptr) {
    std::string pathText = path != nullptr ? path : "";
    std::uint16_t handle = 0, count = 0;
    EXPECT_EQ(sqlgdosd(static_cast<vrx_slot>(pathText.size()), ca, &count, &handle,
                       path != nullptr ? pathText.data() : nullptr),
              0);
    std::vector<std::string> out;
    vrxDbDirEntry *entry = nullptr;
    for (std::uint16_t i = 0; i < count; ++i)
        if (sqlgdgne(handle, &entry, ca) == 0 && entry != nullptr) out.push_back(listed(*entry));
    EXPECT_EQ(sqlgdgne(handle, &entry, ca), 1014);
    EXPECT_EQ(sqlgdcls(handle, ca), 0);
    return out;
}

}  // namespace vrxtest
