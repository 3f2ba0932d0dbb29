// The stand-ins' call trace: with VRX_STANDIN_TRACE set to a file name (or
// "-" for standard error), every core and service call of the stand-ins
// writes one line when it returns:
//
//     sqlfxdb("SAMPLE", 1, [{token=4, value=@0x7ffc...}], sqlca) -> 0, sqlcode 0
//
// Each argument is shown by a formatter chosen by its type: numbers in
// decimal, texts quoted up to their NUL (fixed-width fields without their
// padding blanks), a number behind a pointer as &number, an sqlca as `sqlca`
// (its sqlcode ends the line), a record by its fields (for the record types
// that have a vrx_describe overload, found by argument-dependent lookup),
// any other pointer as its address.
//
// The line is made when the call returns, while the library still holds
// the caller's texts terminated: inputs show what the core received, output
// fields what it wrote. A stand-in marks three kinds of argument: an output
// buffer of the caller's, vrxstub::output(p), shown by its address since it
// holds nothing readable before the core writes it; a text read at a fixed
// width without terminator, vrxstub::fixed(p, n); an array of records whose
// length another argument gives, vrxstub::list(p, count).
#pragma once

#include <cinttypes>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>

#include "vrxagapi/common.h"
#include "vrxstub.h"

namespace vrxstub {

// An output buffer of the caller's, shown by its address.
template <class T>
struct Output {
    T value;
};
template <class T>
Output<T> output(T value) {
    return {value};
}

// A text of `width` bytes without terminator.
struct Fixed {
    const char *text;
    std::size_t width;
};
inline Fixed fixed(const char *text, std::size_t width) { return {text, width}; }

// An array whose length another argument gives.
template <class T>
struct List {
    T *items;
    std::uint32_t count;
};
template <class T>
List<T> list(T *items, std::uint32_t count) {
    return {items, count};
}

// Recorded as the pointer they wrap.
template <class T>
uintptr_t raw(Output<T> value) {
    return raw(value.value);
}
inline uintptr_t raw(Fixed value) { return raw(value.text); }
template <class T>
uintptr_t raw(List<T> value) {
    return raw(value.items);
}

// A text longer than this is cut, with "..." after it.
constexpr std::size_t kTraceTextLimit = 512;

// One trace line being made.
class Line {
public:
    std::string text;
    // The last sqlca among the arguments: its sqlcode ends the line.
    const void *ca = nullptr;
    int depth = 0;

    void add(const char *s) { text += s; }
    void addf(const char *format, ...) __attribute__((format(printf, 2, 3)));

    // The text at `s` up to its NUL, at most `limit` bytes; `trim` drops
    // the blanks that pad a fixed-width field.
    void quoted(const char *s, std::size_t limit, bool trim = false) {
        text += '"';
        std::size_t end = 0;
        while (end < limit && end < kTraceTextLimit && s[end] != '\0') ++end;
        const std::size_t shown = end;
        if (trim)
            while (end > 0 && s[end - 1] == ' ') --end;
        std::size_t n = 0;
        for (; n < end; ++n) {
            const unsigned char c = static_cast<unsigned char>(s[n]);
            if (c == '"' || c == '\\') {
                text += '\\';
                text += static_cast<char>(c);
            } else if (c < 0x20 || c >= 0x7F) {
                addf("\\x%02X", c);
            } else {
                text += static_cast<char>(c);
            }
        }
        text += '"';
        if (shown == kTraceTextLimit && shown < limit && s[shown] != '\0') text += "...";
    }
};

inline void Line::addf(const char *format, ...) {
    char buffer[64];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    text += buffer;
}

class Fields;

template <class T, class = void>
struct Describable : std::false_type {};
template <class T>
struct Describable<T, std::void_t<decltype(vrx_describe(std::declval<Fields &>(), std::declval<const T &>()))>>
    : std::true_type {};

// --- the formatters, chosen by the argument's type ---------------------------

inline void put(Line &line, const char *text) {
    if (text == nullptr)
        line.add("null");
    else
        line.quoted(text, SIZE_MAX);
}
inline void put(Line &line, char *text) { put(line, static_cast<const char *>(text)); }
inline void put(Line &line, Fixed value) {
    if (value.text == nullptr)
        line.add("null");
    else
        line.quoted(value.text, value.width);
}
template <class T>
void put(Line &line, Output<T> value) {
    line.addf("out@%p", static_cast<const void *>(value.value));
}
template <class T>
void put(Line &line, List<T> value);
inline void put(Line &line, sqlca *ca) {
    line.add(ca != nullptr ? "sqlca" : "null");
    line.ca = ca;
}
inline void put(Line &line, char c) {
    if (c >= 0x20 && c < 0x7F)
        line.addf("'%c'", c);
    else
        line.addf("%d", c);
}

template <class T>
void put(Line &line, const T &value);

// Fixed-width fields of a record: a char array is a text up to its NUL or
// its width, other arrays are shown element by element.
template <class T, std::size_t N>
void put_array(Line &line, const T (&values)[N]) {
    if constexpr (std::is_same_v<T, char>) {
        line.quoted(values, N, true);
    } else {
        line.add("[");
        for (std::size_t i = 0; i < N; ++i) {
            if (i != 0) line.add(", ");
            put(line, values[i]);
        }
        line.add("]");
    }
}

// A record, shown field by field.
class Fields {
public:
    explicit Fields(Line &line) : line_(line) {}
    template <class T>
    Fields &operator()(const char *name, const T &value) {
        start(name);
        if constexpr (std::is_array_v<T>)
            put_array(line_, value);
        else
            put(line_, value);
        return *this;
    }
    // `count` texts or records from `items`, an array of them or of their
    // addresses.
    template <class T>
    Fields &list(const char *name, const T *items, std::int64_t count, bool named = true) {
        if (named) start(name);
        if (items == nullptr) {
            line_.add("null");
            return *this;
        }
        line_.add("[");
        for (std::int64_t i = 0; i < count && i < 64; ++i) {
            if (i != 0) line_.add(", ");
            if constexpr (std::is_pointer_v<T>)  // texts, or records held by address
                put(line_, items[i]);
            else
                put(line_, items + i);
        }
        line_.add("]");
        return *this;
    }

private:
    void start(const char *name) {
        if (!first_) line_.add(", ");
        first_ = false;
        line_.add(name);
        line_.add("=");
    }
    Line &line_;
    bool first_ = true;
};

template <class T>
void put(Line &line, const T &value) {
    if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) {
        line.addf("%" PRId64, static_cast<std::int64_t>(value));
    } else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) {
        line.addf("%" PRIu64, static_cast<std::uint64_t>(value));
    } else if constexpr (std::is_pointer_v<T>) {
        using Record = std::remove_cv_t<std::remove_pointer_t<T>>;
        if (value == nullptr) {
            line.add("null");
        } else if constexpr (std::is_arithmetic_v<Record>) {
            // A number the core reads or writes through a pointer.
            Record number;
            std::memcpy(&number, value, sizeof number);
            line.add("&");
            put(line, number);
        } else if constexpr (std::conjunction_v<std::negation<std::is_void<Record>>, Describable<Record>>) {
            // Records nest a few levels deep at most; deeper ones show
            // their address. The copy is aligned, whatever the caller's is.
            if (line.depth >= 3) {
                line.addf("@%p", static_cast<const void *>(value));
                return;
            }
            Record copy;
            std::memcpy(static_cast<void *>(&copy), value, sizeof copy);
            ++line.depth;
            line.add("{");
            Fields fields(line);
            vrx_describe(fields, copy);
            line.add("}");
            --line.depth;
        } else {
            line.addf("@%p", reinterpret_cast<const void *>(value));
        }
    } else if constexpr (Describable<T>::value) {
        line.add("{");
        Fields fields(line);
        vrx_describe(fields, value);
        line.add("}");
    } else {
        line.add("{...}");
    }
}

template <class T>
void put(Line &line, List<T> value) {
    Fields(line).list("", value.items, value.count, false);
}

// Writes the line of a call to `name` with `args` that returned `result`
// (none for a function without one), if the trace is on.
template <class Result, class... Args>
void trace_call(const char *name, const Result *result, Args... args) {
    if (!vrxstub_tracing()) return;
    Line line;
    line.add(name);
    line.add("(");
    bool first = true;
    ((line.add(first ? "" : ", "), first = false, put(line, args)), ...);
    line.add(")");
    if (result != nullptr) line.addf(" -> %" PRId64, static_cast<std::int64_t>(*result));
    if (line.ca != nullptr) {
        std::int32_t code;
        std::memcpy(&code, static_cast<const char *>(line.ca) + offsetof(sqlca, sqlcode), sizeof code);
        line.addf(", sqlcode %" PRId32, code);
    }
    vrxstub_trace_write(line.text.c_str());
}

}  // namespace vrxstub
