#!/usr/bin/env python3
"""Writes a PureBasic source tree of a given size, for benchmarking the scanner.

The tree is a main file (main.pb) and included files spread over subfolders:

  main.pb                      includes every library file, and one of them twice
  lib/common.pbi               constants and structures, XIncluded again by every module
  lib/moduleNNN.pbi            procedures; each includes its part in lib/parts/
  lib/parts/moduleNNN_x.pbi    more procedures; some include lib/parts/shared.pbi again
  lib/parts/shared.pbi         small helpers

Every file is reached exactly once through the includes, so a tool that follows them and a
tool that is given every file see the same lines. Files use LF or CR LF line ends (chosen per
file) and a few start with a UTF-8 byte-order mark. The output depends only on the seed and
the requested size.

Usage: gen_source.py (--lines N | --bytes N) --out DIR [--seed S] [--lines-per-file M]
Prints the path of the main file; DIR/files.txt lists every file written, relative to DIR.
"""

import argparse
import os
import random
import sys

TYPES = ["b", "a", "c", "w", "u", "l", "i", "q", "f", "d", "s"]
TYPE_WEIGHTS = [1, 1, 1, 2, 1, 6, 8, 2, 2, 4, 6]
STRUCTS = ["Double", "Long", "Integer", "Quad", "Point", "Rect", "Float"]
VERBS = ["Get", "Set", "Find", "Load", "Save", "Parse", "Build", "Count", "Scale", "Copy",
         "Merge", "Split", "Check", "Reset", "Update", "Draw", "Read", "Write", "Sort", "Hash"]
NOUNS = ["Item", "Buffer", "Point", "Entry", "Record", "Window", "Gadget", "Image", "Value",
         "Text", "Node", "List", "Map", "Key", "Color", "Pixel", "Token", "Block", "File", "Path"]
WORDS = ["the", "value", "buffer", "is", "checked", "before", "use", "count", "of", "items",
         "returns", "zero", "when", "empty", "see", "note", "below", "fast", "path", "for",
         "small", "inputs", "keep", "in", "sync", "with", "caller", "result", "cached", "here"]
BUILTINS = ["Len", "Str", "Val", "Mid", "Left", "Right", "Abs", "Sqr", "Int", "Round",
            "PeekL", "PokeL", "Chr", "Asc", "UCase", "LCase", "Trim", "ListSize"]


class Writer:
    """Collects the lines of one file and writes them with its line end."""

    def __init__(self, path, crlf, bom):
        self.path = path
        self.crlf = crlf
        self.bom = bom
        self.lines = []

    def add(self, line, indent=0):
        self.lines.append("  " * indent + line)

    def count(self):
        return len(self.lines)

    def encoded(self):
        end = "\r\n" if self.crlf else "\n"
        data = (end.join(self.lines) + end).encode("utf-8")
        return b"\xef\xbb\xbf" + data if self.bom else data

    def size(self):
        return len(self.encoded())

    def save(self):
        os.makedirs(os.path.dirname(self.path), exist_ok=True)
        with open(self.path, "wb") as out:
            out.write(self.encoded())


class Generator:
    """Writes the statements, blocks and procedures of the tree from one seeded generator."""

    def __init__(self, rng):
        self.rng = rng
        self.serial = 0

    def next_id(self):
        self.serial += 1
        return self.serial

    def comment(self):
        r = self.rng
        return "; " + " ".join(r.choice(WORDS) for _ in range(r.randint(2, 9)))

    def name(self):
        return self.rng.choice(VERBS) + self.rng.choice(NOUNS)

    def number(self):
        r = self.rng
        pick = r.random()
        if pick < 0.5:
            return str(r.randint(0, 1000))
        if pick < 0.65:
            return "$%X" % r.randint(0, 0xFFFF)
        if pick < 0.75:
            return "%" + format(r.randint(1, 63), "b")
        if pick < 0.9:
            return "%d.%d" % (r.randint(0, 99), r.randint(0, 99))
        return "-" + str(r.randint(1, 500))

    def string(self):
        r = self.rng
        return '"' + " ".join(r.choice(WORDS) for _ in range(r.randint(1, 5))) + '"'

    def operand(self, names):
        r = self.rng
        pick = r.random()
        if pick < 0.55:
            return r.choice(names)
        if pick < 0.85:
            return self.number()
        if pick < 0.95:
            return "%s(%s)" % (r.choice(BUILTINS), r.choice(names))
        return "#%s_%d" % (r.choice(NOUNS).upper(), r.randint(1, 40))

    def expression(self, names):
        r = self.rng
        parts = [self.operand(names)]
        for _ in range(r.randint(0, 3)):
            parts.append(r.choice(["+", "-", "*", "/", "&", "|"]))
            parts.append(self.operand(names))
        if len(parts) > 3 and r.random() < 0.3:
            return "(%s) %s" % (" ".join(parts[:3]), " ".join(parts[3:]))
        return " ".join(parts)

    def condition(self, names):
        r = self.rng
        test = "%s %s %s" % (r.choice(names), r.choice(["=", "<>", "<", ">", "<=", ">="]),
                             self.operand(names))
        if r.random() < 0.3:
            test += " %s %s > 0" % (r.choice(["And", "Or"]), r.choice(names))
        return test

    def statement(self, w, names, indent):
        r = self.rng
        pick = r.random()
        if pick < 0.40:
            line = "%s = %s" % (r.choice(names), self.expression(names))
        elif pick < 0.52:
            line = "text$ = %s + Str(%s)" % (self.string(), r.choice(names))
        elif pick < 0.60:
            line = "*mem\\%s = %s" % (r.choice(["x", "y", "d", "l"]), self.expression(names))
        elif pick < 0.68:
            line = "%s(%s, %s)" % (self.name(), r.choice(names), self.operand(names))
        elif pick < 0.74:
            line = "Debug %s + Str(%s)" % (self.string(), r.choice(names))
        elif pick < 0.79:
            line = "char = '%s'" % r.choice("ABCxyz09")
        elif pick < 0.83:
            line = "PokeL(*buffer + %s * 4, %s)" % (r.choice(names), self.operand(names))
        elif pick < 0.87:
            line = "%s + 1 : %s - 1" % (r.choice(names), r.choice(names))
        elif pick < 0.94:
            w.add(self.comment(), indent)
            return
        else:
            line = "%s = %s" % (r.choice(names), self.operand(names))
        if r.random() < 0.12:
            line += "  " + self.comment()
        w.add(line, indent)

    def block(self, w, names, indent, depth):
        r = self.rng
        pick = r.random()
        if depth >= 2 or pick < 0.55:
            self.statement(w, names, indent)
            return
        inner = lambda: [self.block(w, names, indent + 1, depth + 1)
                         for _ in range(r.randint(1, 4))]
        if pick < 0.72:
            w.add("If " + self.condition(names), indent)
            inner()
            if r.random() < 0.3:
                w.add("ElseIf " + self.condition(names), indent)
                inner()
            if r.random() < 0.5:
                w.add("Else", indent)
                inner()
            w.add("EndIf", indent)
        elif pick < 0.84:
            step = " Step %d" % r.randint(2, 4) if r.random() < 0.2 else ""
            w.add("For i = %s To %s%s" % (self.number(), r.choice(names), step), indent)
            inner()
            w.add("Next", indent)
        elif pick < 0.93:
            w.add("Select " + r.choice(names), indent)
            for _ in range(r.randint(2, 4)):
                w.add("Case %s, %s" % (r.randint(0, 9), self.number()), indent)
                self.block(w, names, indent + 1, depth + 1)
            w.add("Default", indent)
            self.statement(w, names, indent + 1)
            w.add("EndSelect", indent)
        else:
            w.add("While %s" % self.condition(names), indent)
            inner()
            w.add("Wend", indent)

    def parameter(self, index):
        r = self.rng
        name = r.choice(["a", "b", "count", "size", "mode", "flags", "value", "index"])
        name += str(index)
        pick = r.random()
        if pick < 0.2:
            return "*%s.%s" % (name, r.choice(STRUCTS)), "*" + name
        if pick < 0.35:
            return "%s.s" % name, name
        kind = r.choices(TYPES, TYPE_WEIGHTS)[0]
        text = "%s.%s" % (name, kind)
        if r.random() < 0.15:
            text += " = " + (self.string() if kind == "s" else self.number())
        return text, name

    def procedure(self, w, exported):
        r = self.rng
        keyword = "ProcedureDLL" if exported else r.choice(["Procedure", "Procedure", "ProcedureC"])
        kind = r.choices(TYPES, TYPE_WEIGHTS)[0]
        suffix = "" if r.random() < 0.2 else "." + kind
        params, names = [], ["result", "total", "i"]
        for index in range(r.randint(0, 5)):
            text, name = self.parameter(index)
            params.append(text)
            names.append(name.lstrip("*"))
        proc = "%s%d" % (self.name(), self.next_id())
        if r.random() < 0.3:
            w.add(self.comment())
        w.add("%s%s %s(%s)" % (keyword, suffix, proc, ", ".join(params)))
        w.add("Protected result.%s, total.q = %s, ratio.d = 1.5" % (kind, self.number()), 1)
        for _ in range(r.randint(3, 12)):
            self.block(w, names, 1, 0)
        w.add("ProcedureReturn result", 1)
        w.add("EndProcedure")
        w.add("")

    def declarations(self, w):
        r = self.rng
        tag = self.next_id()
        pick = r.random()
        if pick < 0.4:
            for k in range(r.randint(2, 6)):
                w.add("#%s_%d = %s" % (r.choice(NOUNS).upper(), k + 1, self.number()))
        elif pick < 0.75:
            w.add("Structure %s%d" % (r.choice(NOUNS), tag))
            for field in r.sample(["x", "y", "z", "width", "height", "name", "flags", "*next"],
                                  r.randint(2, 5)):
                w.add("%s.%s" % (field, r.choices(TYPES, TYPE_WEIGHTS)[0]), 1)
            w.add("EndStructure")
        else:
            w.add("Global %s%d.%s = %s" % (r.choice(NOUNS).lower(), tag,
                                           r.choices(TYPES, TYPE_WEIGHTS)[0], self.number()))
            w.add("Global NewList %ss%d.s()" % (r.choice(NOUNS).lower(), tag))
        w.add("")

    def fill(self, w, target, exported_share=0.35):
        """Adds declarations and procedures until the file has about `target` lines."""
        r = self.rng
        w.add(self.comment())
        w.add("EnableExplicit")
        w.add("")
        while w.count() < target:
            if r.random() < 0.15:
                self.declarations(w)
            else:
                self.procedure(w, r.random() < exported_share)


def generate(out, total_lines, seed, lines_per_file, write=True):
    """Builds the tree; writes it when `write` is set. Returns the main file's path, the lines,
    the files and the bytes over all files."""
    rng = random.Random(seed)
    gen = Generator(rng)

    def writer(rel):
        return Writer(os.path.join(out, rel), crlf=rng.random() < 0.4, bom=rng.random() < 0.1)

    # The split: about lines_per_file lines in each module and in each of its parts.
    share = max(200, lines_per_file)
    modules = max(1, total_lines // (2 * share))
    main = writer("main.pb")
    common = writer(os.path.join("lib", "common.pbi"))
    shared = writer(os.path.join("lib", "parts", "shared.pbi"))
    files = [main, common, shared]

    main.add("; Benchmark application, seed %d" % seed)
    main.add("EnableExplicit")
    main.add('XIncludeFile "lib/common.pbi"')
    gen.fill(common, 60)
    gen.fill(shared, 60)
    budget = total_lines - 400  # what main, common and shared take up
    for m in range(modules):
        module_rel = "module%03d.pbi" % m
        part_rel = "module%03d_part.pbi" % m
        module = writer(os.path.join("lib", module_rel))
        part = writer(os.path.join("lib", "parts", part_rel))
        main.add('IncludeFile "lib/%s"' % module_rel)
        if m == 0:
            main.add('XIncludeFile "lib/%s"  ; already in, skipped' % module_rel)
        remaining = budget - sum(f.count() for f in files[3:])
        size = remaining // (2 * (modules - m))
        module.add('XIncludeFile "common.pbi"')  # lib/common.pbi again: skipped every time
        module.add('IncludeFile "parts/%s"' % part_rel)
        if m % 3 == 0:
            part.add('XIncludeFile "shared.pbi"')  # lib/parts/shared.pbi: read once
        gen.fill(module, size)
        gen.fill(part, size)
        files += [module, part]
    gen.fill(main, 400 - common.count() - shared.count())
    total_bytes = sum(f.size() for f in files)
    if not write:
        return main.path, sum(f.count() for f in files), len(files), total_bytes
    for f in files:
        f.save()
    # The list of every file, for tools that are given the files instead of following includes.
    with open(os.path.join(out, "files.txt"), "w") as listing:
        for f in files:
            listing.write(os.path.relpath(f.path, out) + "\n")
    return main.path, sum(f.count() for f in files), len(files), total_bytes


def lines_for_bytes(total_bytes, seed, lines_per_file):
    """Estimates the lines that make about `total_bytes` bytes, from a smaller tree of the same
    seed built in memory: the mix of statements, and so the bytes per line, is the same."""
    sample = max(1000, min(50000, total_bytes // 30))
    _, lines, _, size = generate("", sample, seed, lines_per_file, write=False)
    return max(1000, round(total_bytes * lines / size))


def main():
    parser = argparse.ArgumentParser(description="Writes a PureBasic source tree for benchmarks.")
    size = parser.add_mutually_exclusive_group(required=True)
    size.add_argument("--lines", type=int, help="total lines over all files")
    size.add_argument("--bytes", type=float,
                      help="about this many bytes over all files (1e6, 100e6, ...)")
    parser.add_argument("--out", required=True, help="directory to write the tree into")
    parser.add_argument("--seed", type=int, default=1, help="seed of the generator")
    parser.add_argument("--lines-per-file", type=int, default=2000,
                        help="about how many lines each included file holds")
    args = parser.parse_args()
    if args.bytes is not None:
        args.lines = lines_for_bytes(int(args.bytes), args.seed, args.lines_per_file)
    if args.lines < 1000:
        parser.error("--lines must be at least 1000")
    path, lines, files, size = generate(args.out, args.lines, args.seed, args.lines_per_file)
    print(path)
    print("%d lines in %d files, %d bytes" % (lines, files, size), file=sys.stderr)


if __name__ == "__main__":
    main()
