#!/usr/bin/env python3
"""Generates src/intake/record_field_tables.h from the Markdown document that describes the
three KOL record files (the race, runner and horse file layouts).

Usage: gen_record_layouts.py LAYOUT_DOC.md > src/intake/record_field_tables.h

Each table row gives a field's number, first byte and width; grouped rows (repeated groups,
the count groups, the five past-run blocks, the tail's sub-records) are expanded by the
formulas that the document states for them. Every expanded field is checked to start where
the previous one ended; any mismatch with a row's stated first byte or width is reported on
stderr, and the expansion (the field-by-field widths) wins.
"""
import re
import sys

problems = []


def note(msg):
    problems.append(msg)
    print("layout: " + msg, file=sys.stderr)


def table_after(lines, marker):
    """Rows (lists of cells) of the first Markdown table after the line containing marker."""
    start = next(i for i, l in enumerate(lines) if marker in l)
    rows, seen = [], False
    for l in lines[start + 1:]:
        if l.startswith("|"):
            seen = True
            cells = [c.strip() for c in l.strip().strip("|").split("|")]
            if cells[0] in ("field", "field (block 1)") or set(cells[0]) <= set("-"):
                continue
            rows.append(cells)
        elif seen:
            break
    return rows, start


def check_row(name, number, first, width, pos):
    if first != pos:
        note(f"{name} field {number}: first byte given as {first}, follows at {pos}")


def plain_fields(name, rows, out, base=0, number_shift=0):
    for cells in rows:
        m = re.fullmatch(r"(\d+)", cells[0])
        if not m:
            yield cells
            continue
        number, first, width = int(cells[0]), int(cells[1]), int(cells[2])
        pos = out[-1][1] + out[-1][2] if out else 1
        check_row(name, number + number_shift, first + base, width, pos)
        if number + number_shift != (out[-1][0] + 1 if out else 1):
            note(f"{name} field {number + number_shift} out of sequence")
        out.append((number + number_shift, pos, width))


def den1(lines):
    rows, start = table_after(lines, "`Den1Record`, one record of kol_den1.kd2")
    out = []
    for cells in plain_fields("Den1Record", rows, out):
        m = re.match(r"(\d+) to (\d+)$", cells[0])
        g = re.match(r"(\d+) groups k = 1 to (\d+) of three fields: (.*)", cells[3])
        if not (m and g):
            sys.exit("unexpected row: " + str(cells))
        parts = re.findall(r"field (\d+)\+(\d+)k at byte (\d+)\+(\d+)\(k-1\), width (\d+)", g.group(3))
        stated_first, stated_width = int(cells[1]), int(cells[2])
        group_start = out[-1][1] + out[-1][2]
        check_row("Den1Record", int(m.group(1)), stated_first, 0, group_start)
        for k in range(1, int(g.group(2)) + 1):
            for fa, fk, ba, bk, w in parts:
                number, first = int(fa) + int(fk) * k, int(ba) + int(bk) * (k - 1)
                pos = out[-1][1] + out[-1][2]
                check_row("Den1Record", number, first, int(w), pos)
                out.append((number, pos, int(w)))
        real = out[-1][1] + out[-1][2] - group_start
        if real != stated_width:
            note(f"Den1Record fields {m.group(1)} to {m.group(2)}: width given as {stated_width}, "
                 f"the groups take {real}")
    return out, lines[start]


def den2(lines):
    rows, start = table_after(lines, "`Den2Record`, one record of kol_den2.kd2")
    out = []
    for cells in plain_fields("Den2Record", rows, out):
        sys.exit("unexpected row: " + str(cells))
    return out, lines[start]


def uma(lines):
    rows, start = table_after(lines, "Header, fields 1 to 200.")
    out = []
    for cells in plain_fields("UmaRecord", rows, out):
        m = re.match(r"(\d+) to (\d+)$", cells[0])
        g = re.match(r"(\d+) fields of (\d+) bytes", cells[3])
        if not (m and g):
            sys.exit("unexpected row: " + str(cells))
        check_row("UmaRecord", int(m.group(1)), int(cells[1]), 0, out[-1][1] + out[-1][2])
        for i in range(int(g.group(1))):
            pos = out[-1][1] + out[-1][2]
            out.append((int(m.group(1)) + i, pos, int(g.group(2))))
        if int(m.group(1)) + int(g.group(1)) - 1 != int(m.group(2)):
            note("UmaRecord count fields: numbers and count disagree")

    region = next(l for l in lines if l.startswith("| past-run block b"))
    r = re.search(r"(\d+) \+ (\d+)\(b-1\) to (\d+) \+ \d+\(b-1\) \| (\d+) \+ (\d+)\(b-1\) to (\d+)", region)
    block_first, block_len, _, f_first, f_step, _ = map(int, r.groups())
    brows, _ = table_after(lines, "Past-run blocks: five blocks of the same layout.")
    for b in range(1, 6):
        shift = f_step * (b - 1)
        base = block_first - 1 + block_len * (b - 1)
        for cells in plain_fields("UmaRecord", brows, out, base=base, number_shift=shift):
            sys.exit("unexpected row: " + str(cells))
        end = out[-1][1] + out[-1][2] - 1
        if end != base + block_len:
            note(f"UmaRecord block {b} ends at byte {end}, not {base + block_len}")

    tail = next(l for l in lines if l.startswith("Tail, bytes"))
    t = re.search(r"field (\d+) \((\d+) bytes at byte (\d+)\), then (\d+) sub-records of (\d+) bytes\. "
                  r"Sub-record s \(s = 1\.\.\d+\) starts at byte (\d+) \+ \d+\(s-1\) and holds fields "
                  r"(\d+) \+ (\d+)\(s-1\) to \d+ \+ \d+\(s-1\), of widths ([\d, ]+) in that order", tail)
    f726, w726, b726, subs, sublen, sub_first, sf_first, sf_step, widths = t.groups()
    widths = [int(w) for w in widths.split(",")]
    pos = out[-1][1] + out[-1][2]
    check_row("UmaRecord", int(f726), int(b726), 0, pos)
    out.append((int(f726), pos, int(w726)))
    if sum(widths) != int(sublen):
        note("UmaRecord tail sub-record widths do not add up to its length")
    for s in range(1, int(subs) + 1):
        pos = out[-1][1] + out[-1][2]
        check_row("UmaRecord", int(sf_first) + int(sf_step) * (s - 1),
                  int(sub_first) + int(sublen) * (s - 1), 0, pos)
        for i, w in enumerate(widths):
            pos = out[-1][1] + out[-1][2]
            out.append((int(sf_first) + int(sf_step) * (s - 1) + i, pos, w))
    head = next(l for l in lines if l.startswith("Record type `UmaRecord`"))
    return out, head


def check_total(name, fields, heading):
    m = re.search(r"(\d+) bytes, (\d+) fields", heading)
    length, count = int(m.group(1)), int(m.group(2))
    end = fields[-1][1] + fields[-1][2] - 1
    if end != length:
        note(f"{name}: fields end at byte {end}, the record has {length}")
    if len(fields) != count or fields[-1][0] != count:
        note(f"{name}: {len(fields)} fields, {count} stated")
    return length, count


def emit(name, var, fields, length, count):
    print(f"// {name}: {length} bytes, {count} fields; entry 0 unused.")
    print(f"inline constexpr std::array<FieldSpec, {count + 1}> {var} = {{{{")
    print("    {0, 0},  // unused")
    for number, first, width in fields:
        print(f"    {{{first}, {width}}},  // {number}")
    print("}};")
    print()


def main():
    lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
    layouts = [("Den1Record", "kDen1Fields", *den1(lines)),
               ("Den2Record", "kDen2Fields", *den2(lines)),
               ("UmaRecord", "kUmaFields", *uma(lines))]
    d1, d2 = layouts[0][2], layouts[1][2]
    if [w for _, _, w in d1[:7]] != [w for _, _, w in d2[:7]]:
        note("Den2Record fields 1 to 7 differ in width from Den1Record's")
    print("#pragma once")
    print("// Generated by scripts/gen_record_layouts.py from the record-file layout document; do not edit.")
    print("// {first byte (1-based), width in bytes} of every field, indexed by field number.")
    print()
    print("#include <array>")
    print()
    print('#include "intake/record_file.h"')
    print()
    print("namespace intake {")
    print()
    print("// clang-format off")
    for name, var, fields, heading in layouts:
        length, count = check_total(name, fields, heading)
        emit(name, var, fields, length, count)
    print("// clang-format on")
    print()
    print("}  // namespace intake")


main()
