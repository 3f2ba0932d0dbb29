#!/usr/bin/env python3
"""Writes docs/reference.md from the entry point table, the public header and
the entry points' sources; with --check, fails when the committed file differs.

Per entry point: its names and argument bytes (table); each argument's C type
and name (header declaration) and what it is: the `///<` comment after it in
the declaration, else a naming rule (rule() below); how the library narrows it
and whether it reads it at all (the definition); the frame's SQLCODEs (table)
and the others the library sets (`// SQLCODE n: ...` and `// Result n: ...`
lines in the comment above the definition, required where the definition
reaches a report or a scratch request)."""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TITLES = {"config": "Configuration", "directory": "Directories", "control": "Instance and database control",
          "recovery": "Backup and recovery", "datamove": "Data movement", "maintenance": "Table maintenance",
          "monitor": "Monitoring", "tablespace": "Table spaces and containers",
          "appsvc": "Application programming services"}
FRAMES = {
    "standard": "initialises first",
    "guarded": "refuses a null sqlca and a null record, then initialises",
    "unreported": "initialises first, reporting a failure in its result alone",
    "checked": "initialises, then checks the sqlca",
    "noinit": "converts without initialising",
    "forward": "passes its arguments on, only widened, reordered or with a constant added",
    "library": "does its work itself, calls nothing",
}
NARROWING = {"widen16": "low 16 bits read", "sext16": "low 16 bits read, sign-extended", "widen8": "low 8 bits read"}
errors = []


def fail(message):
    errors.append(message)


def matching(text, start, open_char, close_char):
    """Index just after the bracket that closes the one at `start`."""
    depth = 0
    for i in range(start, len(text)):
        depth += {open_char: 1, close_char: -1}.get(text[i], 0)
        if depth == 0:
            return i + 1
    raise ValueError("unbalanced")


def entry_points():
    pattern = re.compile(r"^VRX_ENTRY\((\w+), (\w+), (\d+), (\w*), (\d+), ([a-z]+), "
                         r"(standard|guarded|unreported|checked|noinit|forward|library), ([a-z]+/\w+), "
                         r"(VRXAPP|VRXSYS|none)\)$")
    rows = []
    for line in (ROOT / "agapi/frame/entry_points.inc").read_text().splitlines():
        if line.startswith("VRX_ENTRY("):
            m = pattern.match(line)
            if not m:
                fail(f"entry point table: cannot read '{line}'")
                continue
            keys = ("upper", "mixed", "bytes", "core", "core_bytes", "subsystem", "frame", "source", "library")
            rows.append(dict(zip(keys, m.groups())))
    return rows


def split_params(inside):
    """[type, name, comment] per parameter of a declaration; a `///<` comment
    belongs to the parameter it follows."""
    notes = []
    inside = re.sub(r"///<\s*(.*)", lambda m: notes.append(m.group(1).strip()) or f"\x01{len(notes) - 1}\x02", inside)
    inside = re.sub(r"//[^\n]*|/\*.*?\*/", " ", inside, flags=re.S)
    params = []
    for piece in inside.split(","):
        code = " ".join(piece.split())
        lead = re.match(r"^((?:\x01\d+\x02\s*)*)(.*)$", code)
        for n in re.findall(r"\d+", lead.group(1)):
            params[-1][2] = " ".join(filter(None, [params[-1][2], notes[int(n)]]))
        code = lead.group(2)
        note = " ".join(notes[int(n)] for n in re.findall(r"\x01(\d+)\x02", code))
        code = re.sub(r"\s*\x01\d+\x02", "", code)
        if code in ("", "void"):
            continue
        m = re.match(r"^(.*?[\s*])(\w+)$", code)
        params.append([m.group(1).strip(), m.group(2), note] if m and m.group(1).strip() else [code, None, note])
    return params


def header():
    """Declarations and caller records of include/vrxagapi/*.h."""
    declarations, records = {}, {}
    for path in sorted((ROOT / "include/vrxagapi").glob("*.h")):
        text = path.read_text()
        for m in re.finditer(r"VRX_API int32_t VRX_STDCALL (\w+)\(", text):
            end = matching(text, m.end() - 1, "(", ")")
            after = re.match(r";[ \t]*(///<.*)", text[end:])  # the last argument's comment
            declarations[m.group(1)] = split_params(text[m.end():end - 1] + (after.group(1) if after else ""))
        for m in re.finditer(r"^/\*((?:(?!\*/).)*)\*/\n(?:/\*(?:(?!\*/).)*\*/\n)*struct (\w+) \{\n(.*?)^\};"
                             r"|^struct (\w+) \{(?: /\*(.*?)\*/)?\n(.*?)^\};", text, re.S | re.M):
            name = m.group(2) or m.group(4)
            about = " ".join((m.group(1) or m.group(5) or "").replace("*", " ").split())
            fields = []
            for f in re.finditer(r"^[ \t]+([^;/]+?)\s*(\w+)(\[\w+\])?;[ \t]*(?:/\*(.*?)\*/)?", m.group(3) or m.group(6),
                                 re.M):
                fields.append((f.group(1), f.group(2) + (f.group(3) or ""), " ".join((f.group(4) or "").split())))
            records[name] = (path.name, about, fields)
    return declarations, records


SCALARS = {"char": 1, "int8_t": 1, "uint8_t": 1, "int16_t": 2, "uint16_t": 2, "int32_t": 4, "uint32_t": 4,
           "vrx_slot": 4}


def layout(name, records):
    """(size, alignment, offsets) of a record on the 32-bit product."""
    offset, align, offsets = 0, 1, []
    for type_, field, _ in records[name][2]:
        nested = re.fullmatch(r"struct (\w+)", type_)
        size, own = (4, 4) if type_.endswith("*") else layout(nested.group(1), records)[:2] if nested else \
            (SCALARS[type_.replace("const ", "")],) * 2
        offset = -(-offset // own) * own
        offsets.append(offset)
        offset += size * int(re.search(r"\[(\d+)\]", field).group(1) if "[" in field else 1)
        align = max(align, own)
    return -(-offset // align) * align, align, offsets


def check_layouts(records):
    """The header's own assertions of sizes and offsets hold for the layouts computed here."""
    text = "".join(p.read_text() for p in (ROOT / "include/vrxagapi").glob("*.h"))
    text = re.sub(r"^#elif.*?^#endif", "", text, flags=re.S | re.M)  # the 64-bit alternatives
    for name, size in re.findall(r"sizeof\(struct (\w+)\) == (\d+)", text):
        if layout(name, records)[0] != int(size):
            fail(f"record {name}: {layout(name, records)[0]} bytes here, {size} in the header")
    for name, field, at in re.findall(r"offsetof\((\w+), (\w+)\) == (\d+)", text):
        fields = [f.split("[")[0] for _, f, _ in records[name][2]]
        if layout(name, records)[2][fields.index(field)] != int(at):
            fail(f"record {name}: {field} at {layout(name, records)[2][fields.index(field)]} here, {at} in the header")


def definition(row):
    """Parameters and body of the entry point's definition, and the
    comment lines just above it."""
    path = ROOT / "agapi" / (row["source"] + ".cpp")
    if not path.exists():
        fail(f"entry point table: {row['upper']}'s source agapi/{row['source']}.cpp does not exist")
        return None
    text = path.read_text()
    m = re.search(r"VRX_STDCALL " + row["mixed"] + r"\(", text)
    if not m:
        fail(f"entry point table: agapi/{row['source']}.cpp does not define {row['mixed']}")
        return None
    close = matching(text, m.end() - 1, "(", ")")
    body_start = text.index("{", close)
    body = text[body_start:matching(text, body_start, "{", "}")]
    above = []
    for line in reversed(text[:text.rfind("\n", 0, m.start()) + 1].splitlines()):
        if not line.startswith("//"):
            break
        above.insert(0, line[2:])
    return split_params(text[m.end():close - 1]), body, above


def narrowing(name, body):
    notes = [what for f, what in NARROWING.items() if name and re.search(rf"\b{f}\({name}\)", body)]
    if name is None or not re.search(rf"\b{name}\b", body):
        return "not read"
    return "; ".join(notes)


def versions_of(record, records, seen=()):
    """Versions from which a record, or a record it points to, grows."""
    found = []
    _, about, fields = records.get(record, ("", "", []))
    for text in [about] + [comment for _, _, comment in fields]:
        found += re.findall(r"version (\d{7})", text)
    for type_, _, _ in fields:
        nested = re.fullmatch(r"struct (\w+) \*", type_)
        if nested and nested.group(1) not in seen + (record,):
            found += versions_of(nested.group(1), records, seen + (record,))
    return sorted(set(found))


GENERIC = r"(ignored|reserved|value|pvValue|number)\d*"


def rule(type_, name, names):
    """What the naming rules say an argument without a comment is, or None."""
    length = next((o for o in names if re.fullmatch(name + r"Len(16|32)?", o)), None)
    if name == "ca" and type_ == "struct sqlca *":
        return "SQL communication area"
    if name == "version" and type_ == "uint32_t":
        return "version of the record"
    if re.search(r"Len(16|32)?$", name) and re.sub(r"Len(16|32)?$", "", name) in names:
        return f"length of `{re.sub(r'Len(16|32)?$', '', name)}`"
    if type_.endswith("*") and length:
        return f"text of `{length}` bytes"
    if re.fullmatch(r"(ignored|reserved)\d*", name):
        return "reserved, passed on"
    if re.fullmatch(GENERIC, name):
        return "a value passed on"
    return None


def describe(type_, name, comment, names, row, records, versioned):
    record = re.fullmatch(r"(?:const )?struct (\w+) \*", type_)
    record = record.group(1) if record and record.group(1) in records else None
    what = comment or rule(type_, name, names)
    if record and record != "sqlca":
        link = f"[`{record}`](#{record.lower()})"
        what = f"{what} ({link})" if what else f"record {link}"
        if versioned and versions_of(record, records):
            what += ", fields from version " + ", ".join(versions_of(record, records)) + " on"
    if what is None:
        fail(f"{row['upper']}: argument '{type_} {name}' has no comment and no rule describes it")
    return what or "?"


def sqlcodes(row, body, above):
    frame = row["frame"]
    codes = {"standard": ["-1022: initialisation failed (result 0)"], "guarded": ["result -1: null sqlca"],
             "unreported": ["result -1022: initialisation failed, the sqlca untouched"],
             "checked": ["result: that of the failed initialisation or sqlca check, the sqlca untouched"],
             }.get(frame, [])
    if frame == "guarded":
        if re.search(r"guarded_refusal\(\s*ca\s*,\s*\w+\s*,", body):
            codes.append("-1078: null record")
        codes.append("-1022: initialisation failed")
    for line in above:
        m = re.match(r" (SQLCODE|Result)( -?\d+)?: (.*)", line)
        if m:
            code = ("result" if m.group(1) == "Result" else "") + (m.group(2) or "")
            codes.append(f"{code.strip()}: {m.group(3)}")
        elif line.startswith("   ") and codes:
            codes[-1] += " " + line.strip()
    return codes


# What makes an entry point set SQLCODEs beyond its frame's: the frame's
# reports, and the helpers that make scratch requests.
REPORTING = re.compile(r"\b(report_\w+|set_sqlcode|set_code_and_tag|scratch_request|request_saved_bytes|ScratchCopy"
                       r"|StringArrayTermination|TextListCopy|MediaListSlot|terminate_lists"
                       r"|sqluMakeMediaListNullTerminated)\b")
KEYWORDS = {"if", "for", "while", "switch", "return", "sizeof", "catch", "static_assert", "decltype"}


def helpers():
    """Bodies of what the subsystems define, by name: classes (with their
    methods) by the class's name, functions by theirs."""
    index = {}
    for path in (ROOT / "agapi").glob("*/*.[ch]*"):
        if path.parent.name == "frame":
            continue
        text = re.sub(r"//[^\n]*", "", path.read_text())
        for m in reversed(list(re.finditer(r"\b(?:class|struct) (\w+)[^;{()]*\{", text))):
            end = matching(text, m.end() - 1, "{", "}")
            index[m.group(1)] = index.get(m.group(1), "") + text[m.end() - 1:end]
            text = text[:m.start()] + text[end:]
        for m in re.finditer(r"\b(?:(\w+)::)?(\w+)\s*\([^;{}]*\)\s*(?:const\s*)?\{", text):
            if m.group(2) not in KEYWORDS:
                name = m.group(1) or m.group(2)
                index[name] = index.get(name, "") + text[m.end() - 1:matching(text, m.end() - 1, "{", "}")]
    return index


def reports(body, index):
    """Whether the body, or a helper it names, makes scratch requests or
    reports a failure itself."""
    seen, todo = set(), [body]
    while todo:
        text = todo.pop()
        if REPORTING.search(text):
            return True
        for word in set(re.findall(r"\b\w+\b", text)) & index.keys() - seen:
            seen.add(word)
            todo.append(index[word])
    return False


def render():
    declarations, records = header()
    rows = entry_points()
    index = helpers()
    out = ["# Entry point reference", "",
           "Generated from `agapi/frame/entry_points.inc`, the public header `include/vrxagapi/*.h` and the",
           "entry points' sources by `cmake --build <dir> --target reference`; a test fails when it is out",
           f"of date. {len(rows)} entry points.", "",
           "Every entry point is `__stdcall` and exported on Windows under four names: upper case,",
           "upper case with `@` and its argument bytes, lower or mixed case, and that with `@`.",
           "The Linux libraries export the two plain names. The data marker `sqlzThisIsAVRXLibrary`",
           "(4 bytes, 0) is exported too. Every argument takes one 32-bit stack slot; a `vrx_slot` is a",
           "number of which the library reads the bits it says.", "",
           "Frame: *standard* initialises first (-1022 and result 0 when that fails); *guarded*",
           "refuses a null sqlca (-1) and a null record (-1078) before initialising (-1022);",
           "*unreported* initialises first and returns -1022 when that fails, the sqlca left alone;",
           "*checked* initialises, then checks the sqlca, returning either's nonzero result untouched;",
           "*noinit* converts without initialising; *forward* passes its arguments on, only widened, reordered",
           "or with a constant in an argument's place; *library* does its work itself and calls no other",
           "function. The library is where the function called comes from: `VRXAPP` for a core function,",
           "`VRXSYS` for a system service.", "",
           "A text comes as a pointer and a length and needs no NUL: the library terminates it for the",
           "call, in place (borrowing the byte after it, put back before the entry point returns) or in",
           "a copy. An output field comes back blank-filled to its width.", "",
           "The SQLCODEs listed are those the library itself sets (a result alone is marked so); whatever",
           "the function called sets comes on top. Caller records are described at the end."]
    for subsystem in dict.fromkeys(r["subsystem"] for r in rows):
        out += ["", f"## {TITLES.get(subsystem, subsystem)} (`agapi/{subsystem}`)"]
        for row in (r for r in rows if r["subsystem"] == subsystem):
            found = definition(row)
            params = declarations.get(row["mixed"])
            if params is None:
                fail(f"{row['upper']}: no declaration of {row['mixed']} in include/vrxagapi/*.h")
            if found is None or params is None:
                continue
            defined, body, above = found
            if len(params) != len(defined) or 4 * len(params) != int(row["bytes"]):
                fail(f"{row['upper']}: {len(params)} declared and {len(defined)} defined arguments, "
                     f"{row['bytes']} bytes in the table")
                continue
            b, calls = row["bytes"], "calls nothing"
            if row["core"]:
                calls = f"calls `{row['core']}` ({row['library']}, {row['core_bytes']} bytes)"
            out += ["", f"### {row['upper']}", "",
                    f"`{row['upper']}` · `{row['upper']}@{b}` · `{row['mixed']}` · `{row['mixed']}@{b}`: "
                    f"{b} argument bytes; {calls}; frame *{row['frame']}* ({FRAMES[row['frame']]}); "
                    f"`agapi/{row['source']}.cpp`."]
            if params:
                out += ["", "| # | Argument | C type | What it is |", "|---|---|---|---|"]
            names = [n for _, n, _ in params]
            versioned = "version" in names
            for i, ((type_, name, comment), (_, own, _)) in enumerate(zip(params, defined), 1):
                what = describe(type_, name, comment, names, row, records, versioned)
                read = narrowing(own, body)
                if read == "not read" and re.fullmatch(GENERIC, name):
                    what = "not read"
                elif read:
                    what += f" ({read})"
                out.append(f"| {i} | `{name}` | `{type_}` | {what} |")
            codes = sqlcodes(row, body, above)
            if reports(body, index) and not any(re.match(r" (SQLCODE|Result)", line) for line in above):
                fail(f"{row['upper']}: makes scratch requests or reports failures; say which codes in "
                     f"`// SQLCODE n: ...` lines above its definition")
            out += ["", "SQLCODEs the library sets:" + ("" if codes else " none.")] + [f"- {c}" for c in codes]
    out += ["", "## Caller records", "",
            "The records the entry points take, as `include/vrxagapi/*.h` declares them, with their sizes "
            "and offsets on the 32-bit product (the header asserts them too)."]
    check_layouts(records)
    for name, (path, about, fields) in records.items():
        size, _, offsets = layout(name, records)
        copybook = f", COBOL `include/cobol/{name}.cpy`" if (ROOT / f"include/cobol/{name}.cpy").exists() else ""
        out += ["", f"### {name}", "",
                f"`include/vrxagapi/{path}`{copybook}, {size} bytes" + (f": {about}" if about else "."),
                "", "| Offset | Field | C type | Notes |", "|---|---|---|---|"]
        out += [f"| {at} | `{f}` | `{t}` | {c} |" for at, (t, f, c) in zip(offsets, fields)]
    return "\n".join(out) + "\n"


def main():
    text = render()
    if errors:
        sys.exit("\n".join(errors))
    if len(sys.argv) != 3 or sys.argv[1] not in ("--write", "--check"):
        sys.exit("usage: reference.py --write|--check docs/reference.md")
    target = pathlib.Path(sys.argv[2])
    if sys.argv[1] == "--check":
        if target.read_text() != text:
            sys.exit(f"{target} is out of date with the entry point table, the header or the sources: "
                     "run the 'reference' build target")
        print(f"{target} is current")
    else:
        target.write_text(text)


if __name__ == "__main__":
    main()
