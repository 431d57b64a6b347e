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

With --style project the tree looks more like a grown application:

  main.pb                          long file header; IncludePath "src/", then every subsystem
  src/common/types.pbi             constants, structures; XIncluded again from deep inside
  src/common/macros.pbi            Macro ... EndMacro blocks
  src/sysNN/sysNN.pbi              first link of a chain of includes, each one a folder deeper,
  src/sysNN/impl/.../sysNN_K.pbi   so that files sit 5 to 8 include levels below main.pb
  vendor/...                       reached after IncludePath "vendor/"

Most files there start with a UTF-8 byte-order mark and use CR LF; they open with a header
comment of 10 to 40 lines, many procedures carry a doc comment of 10 to 40 lines, comments
and strings hold non-ASCII UTF-8 text, some parameter lists run over several lines, and
besides Procedure/ProcedureC/ProcedureDLL there are ProcedureCDLL procedures, Macro blocks,
CompilerIf blocks, DataSections and Declare lines.

Usage: gen_source.py (--lines N | --bytes N) --out DIR [--seed S] [--lines-per-file M]
                     [--style plain|project]
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

    def signature(self, most_params):
        """A procedure's return type, its suffix, up to `most_params` parameters, the names its
        body may use, and its name."""
        r = self.rng
        kind = r.choices(TYPES, TYPE_WEIGHTS)[0]
        suffix = "" if r.random() < 0.2 else "." + kind
        params, names = [], ["result", "total", "i"]
        for index in range(r.randint(0, most_params)):
            text, name = self.parameter(index)
            params.append(text)
            names.append(name.lstrip("*"))
        return kind, suffix, params, names, "%s%d" % (self.name(), self.next_id())

    def body(self, w, kind, names, most_blocks):
        """A procedure's body, up to `most_blocks` blocks, and its end."""
        w.add("Protected result.%s, total.q = %s, ratio.d = 1.5" % (kind, self.number()), 1)
        for _ in range(self.rng.randint(3, most_blocks)):
            self.block(w, names, 1, 0)
        w.add("ProcedureReturn result", 1)
        w.add("EndProcedure")
        w.add("")

    def procedure(self, w, exported):
        r = self.rng
        keyword = "ProcedureDLL" if exported else r.choice(["Procedure", "Procedure", "ProcedureC"])
        kind, suffix, params, names, proc = self.signature(5)
        if r.random() < 0.3:
            w.add(self.comment())
        w.add("%s%s %s(%s)" % (keyword, suffix, proc, ", ".join(params)))
        self.body(w, kind, names, 12)

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

    # How often fill adds declarations rather than a procedure, and how often a procedure is
    # exported.
    DECLARATION_SHARE = 0.15
    EXPORTED_SHARE = 0.35

    def opening(self):
        """The lines a filled file starts with."""
        return [self.comment(), "EnableExplicit", ""]

    def fill(self, w, target):
        """Adds declarations and procedures until the file has about `target` lines."""
        r = self.rng
        for line in self.opening():
            w.add(line)
        while w.count() < target:
            if r.random() < self.DECLARATION_SHARE:
                self.declarations(w)
            else:
                self.procedure(w, r.random() < self.EXPORTED_SHARE)


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


# Words of the project style's comments and strings: mostly ASCII, some of them with two-,
# three- and four-byte UTF-8 characters, as sources written by people in many languages have.
PROSE = WORDS + ["größe", "déjà", "naïve", "über", "café", "résumé", "→", "…", "©", "±",
                 "Ωmega", "€", "日本語", "中文", "✓", "😀", "ß", "Ärger", "señal", "Straße"]
AUTHORS = ["F. Müller", "J. Núñez", "A. Ødegård", "K. Tanaka", "M. Rossi", "S. Dubois"]


class ProjectGenerator(Generator):
    """The statements of the plain style, plus what a grown project holds: long comment
    blocks, doc comments, non-ASCII text, multi-line parameter lists, ProcedureCDLL, macros."""

    def __init__(self, rng):
        super().__init__(rng)
        self.exports = 0
        self.macros = []

    def prose(self, low, high):
        r = self.rng
        return " ".join(r.choice(PROSE) for _ in range(r.randint(low, high)))

    def comment(self):
        return "; " + self.prose(2, 9)

    def string(self):
        r = self.rng
        if r.random() < 0.1:
            return '~"' + self.prose(1, 4) + r.choice(["\\n", "\\t", "\\r\\n"]) + '"'
        return '"' + self.prose(1, 5) + '"'

    def header(self, w, rel):
        """A file header of 10 to 40 comment lines."""
        r = self.rng
        bar = ";" + r.choice(["-", "=", "*"]) * r.randint(40, 90)
        w.add(bar)
        w.add(";  File:    %s" % rel.replace(os.sep, "/"))
        w.add(";  Author:  %s" % r.choice(AUTHORS))
        w.add(";  Version: %d.%d.%d" % (r.randint(0, 5), r.randint(0, 20), r.randint(0, 99)))
        w.add(";")
        for _ in range(r.randint(5, 35)):
            w.add(";  " + self.prose(3, 12) if r.random() < 0.9 else ";")
        w.add(bar)
        w.add("")

    def doc(self, w, proc, params):
        """A doc comment of 10 to 40 lines before a procedure."""
        r = self.rng
        lines = r.randint(10, 40)
        w.add(";- " + proc)
        w.add("; <summary>")
        for _ in range(max(1, lines - 6 - len(params))):
            w.add(";   " + self.prose(3, 11))
        w.add("; </summary>")
        for text in params:
            w.add("; <param name=\"%s\">%s</param>" % (text.split(".")[0].split(" ")[0],
                                                       self.prose(2, 6)))
        w.add("; <returns>%s</returns>" % self.prose(2, 6))
        w.add(";")

    def statement(self, w, names, indent):
        r = self.rng
        if self.macros and r.random() < 0.03:
            w.add("%s(%s, %s)" % (r.choice(self.macros), r.choice(names), self.operand(names)),
                  indent)
            return
        super().statement(w, names, indent)

    def procedure(self, w, exported):
        r = self.rng
        pick = r.random()
        if exported:
            keyword = "ProcedureCDLL" if pick < 0.25 else "ProcedureDLL"
            self.exports += 1
        else:
            keyword = r.choice(["Procedure", "Procedure", "Procedure", "ProcedureC"])
        kind, suffix, params, names, proc = self.signature(7)
        if r.random() < 0.5:
            self.doc(w, proc, params)
        elif r.random() < 0.3:
            w.add(self.comment())
        head = "%s%s %s(" % (keyword, suffix, proc)
        if len(params) >= 2 and r.random() < 0.2:
            # One parameter a line, aligned under the first, some with a comment after.
            pad = " " * len(head)
            for index, text in enumerate(params):
                last = index == len(params) - 1
                line = (head if index == 0 else pad) + text + (")" if last else ",")
                if r.random() < 0.3:
                    line += "  " + self.comment()
                w.add(line)
        elif len(params) >= 3 and r.random() < 0.1:
            # The list starts on the next line and breaks once.
            w.add(head)
            half = len(params) // 2
            w.add("    " + ", ".join(params[:half]) + ",")
            w.add("    " + ", ".join(params[half:]) + ")")
        else:
            w.add(head + ", ".join(params) + ")")
        self.body(w, kind, names, 14)

    def macro(self, w):
        r = self.rng
        name = "M_%s%d" % (self.name(), self.next_id())
        w.add("Macro %s(a, b)" % name)
        for _ in range(r.randint(1, 4)):
            w.add("a = a %s (b)" % r.choice(["+", "-", "*", "|"]), 1)
        w.add("EndMacro")
        w.add("")
        self.macros.append(name)

    def declarations(self, w):
        r = self.rng
        pick = r.random()
        if pick < 0.15:
            self.macro(w)
        elif pick < 0.25:
            w.add("CompilerIf #PB_Compiler_OS = #PB_OS_Windows")
            w.add("#%s_SEP = \"\\\"" % r.choice(NOUNS).upper(), 1)
            w.add("CompilerElse")
            w.add("#%s_SEP = \"/\"" % r.choice(NOUNS).upper(), 1)
            w.add("CompilerEndIf")
            w.add("")
        elif pick < 0.32:
            label = "%sData%d" % (r.choice(NOUNS), self.next_id())
            w.add("DataSection")
            w.add("%s:" % label, 1)
            for _ in range(r.randint(1, 4)):
                w.add("Data.l " + ", ".join(self.number() for _ in range(r.randint(2, 8))), 1)
            w.add("EndDataSection")
            w.add("")
        elif pick < 0.38:
            w.add("Declare.%s %s%d(%s)" % (r.choices(TYPES, TYPE_WEIGHTS)[0], self.name(),
                                           self.next_id(), self.parameter(0)[0]))
            w.add("")
        else:
            super().declarations(w)

    DECLARATION_SHARE = 0.18
    EXPORTED_SHARE = 0.12

    def opening(self):
        return ["EnableExplicit", ""]


def generate_project(out, total_lines, seed, lines_per_file, write=True):
    """Builds the project-style tree; returns what `generate` returns."""
    rng = random.Random(seed)
    gen = ProjectGenerator(rng)
    files = []

    def writer(rel):
        w = Writer(os.path.join(out, rel), crlf=rng.random() < 0.85, bom=rng.random() < 0.8)
        files.append(w)
        gen.header(w, rel)
        return w

    share = max(200, lines_per_file)
    main = writer("main.pb")
    types = writer(os.path.join("src", "common", "types.pbi"))
    macros = writer(os.path.join("src", "common", "macros.pbi"))
    main.add("EnableExplicit")
    main.add("")
    main.add('IncludePath "src/"')
    main.add('; IncludePath "old/src/"   (the layout before 2.0)')
    main.add('XIncludeFile "common/types.pbi"')
    main.add('XIncludeFile "common/macros.pbi"')
    gen.fill(types, 150)
    macros.add("EnableExplicit")
    for _ in range(12):
        gen.macro(macros)
    # Chains of includes: main.pb -> sysNN.pbi -> impl/... one folder deeper each time.
    chain_files = max(6, total_lines // share)
    systems = []
    while sum(systems) < chain_files:
        systems.append(rng.randint(4, 7))  # files below main.pb: 5 to 8 levels with main
    budget = total_lines - sum(f.count() for f in files) - 600
    per_file = max(50, budget // sum(systems))
    folders = ["impl", "detail", "core", "util", "io", "internal", "backend"]
    for s, depth in enumerate(systems):
        name = "sys%02d" % s
        rel = os.path.join("src", name)
        main.add('IncludeFile "%s/%s.pbi"' % (name, name))
        w = writer(os.path.join(rel, name + ".pbi"))
        for level in range(1, depth + 1):
            if level < depth:
                sub = folders[(s + level) % len(folders)]
                child = "%s_%d.pbi" % (name, level)
                if rng.random() < 0.5:
                    w.add('XIncludeFile "common/types.pbi"  ; found through IncludePath')
                w.add('XIncludeFile "%s/%s"' % (sub, child))
                if s == 0 and level == 1:
                    w.add('IncludeFile "%s/%s"' % (sub, child))  # already in: skipped
            gen.fill(w, per_file)
            if level < depth:
                rel = os.path.join(rel, sub)
                w = writer(os.path.join(rel, child))
        if s == 0:
            main.add('XIncludeFile "%s/%s.pbi"' % (name, name))  # already in: skipped
    main.add("")
    main.add('IncludePath "vendor/"')
    for v in range(2):
        vendor = "lib%d.pbi" % v
        main.add('XIncludeFile "%s"' % vendor)
        gen.fill(writer(os.path.join("vendor", vendor)), 300)
    main.add("")
    gen.fill(main, main.count() + 300)
    total_bytes = sum(f.size() for f in files)
    result = main.path, sum(f.count() for f in files), len(files), total_bytes
    if not write:
        return result
    for f in files:
        f.save()
    with open(os.path.join(out, "files.txt"), "w") as listing:
        for f in files:
            listing.write(os.path.relpath(f.path, out) + "\n")
    print("%d ProcedureDLL/ProcedureCDLL procedures" % gen.exports, file=sys.stderr)
    return result


STYLES = {"plain": generate, "project": generate_project}


def lines_for_bytes(total_bytes, seed, lines_per_file, style="plain"):
    """Estimates the lines that make about `total_bytes` bytes, from a smaller tree of the same
    seed built in memory: the mix of statements, and so the bytes per line, is the same."""
    sample = max(1000, min(50000, total_bytes // 30))
    _, lines, _, size = STYLES[style]("", sample, seed, lines_per_file, write=False)
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
    parser.add_argument("--style", choices=sorted(STYLES), default="plain",
                        help="plain: the benchmark mix; project: looks like a grown application")
    args = parser.parse_args()
    if args.bytes is not None:
        args.lines = lines_for_bytes(int(args.bytes), args.seed, args.lines_per_file,
                                     args.style)
    if args.lines < 1000:
        parser.error("--lines must be at least 1000")
    path, lines, files, size = STYLES[args.style](args.out, args.lines, args.seed,
                                                  args.lines_per_file)
    print(path)
    print("%d lines in %d files, %d bytes" % (lines, files, size), file=sys.stderr)


if __name__ == "__main__":
    main()
