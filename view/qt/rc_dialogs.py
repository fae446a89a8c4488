#!/usr/bin/env python3
"""Reads the DIALOG templates of a Windows resource script and writes them as a C++ table
(view/qt/dialog_template.h), so that a view on another toolkit lays its windows out from the
same templates as the Win32 dialogs.

    rc_dialogs.py RC_FILE OUTPUT.cpp FUNCTION [-I DIR]...
    rc_dialogs.py RC_FILE --json [-I DIR]...     the table as JSON, for checks

Each control gets its window class and its full style as the resource compiler gives it: the
statement's default style (windres' defaults), the styles named, less those named after NOT.
"""
import json
import os
import re
import sys

# Win32 values of every style a template may name. A name not listed stops the build, so no
# style is ever dropped without notice.
STYLES = {
    "WS_OVERLAPPED": 0x00000000, "WS_POPUP": 0x80000000, "WS_CHILD": 0x40000000,
    "WS_MINIMIZE": 0x20000000, "WS_VISIBLE": 0x10000000, "WS_DISABLED": 0x08000000,
    "WS_CLIPSIBLINGS": 0x04000000, "WS_CLIPCHILDREN": 0x02000000, "WS_MAXIMIZE": 0x01000000,
    "WS_CAPTION": 0x00C00000, "WS_BORDER": 0x00800000, "WS_DLGFRAME": 0x00400000,
    "WS_VSCROLL": 0x00200000, "WS_HSCROLL": 0x00100000, "WS_SYSMENU": 0x00080000,
    "WS_THICKFRAME": 0x00040000, "WS_GROUP": 0x00020000, "WS_TABSTOP": 0x00010000,
    "WS_MINIMIZEBOX": 0x00020000, "WS_MAXIMIZEBOX": 0x00010000,
    "DS_ABSALIGN": 0x01, "DS_SYSMODAL": 0x02, "DS_LOCALEDIT": 0x20, "DS_SETFONT": 0x40,
    "DS_MODALFRAME": 0x80, "DS_NOIDLEMSG": 0x100, "DS_SETFOREGROUND": 0x200, "DS_3DLOOK": 0x4,
    "DS_FIXEDSYS": 0x8, "DS_NOFAILCREATE": 0x10, "DS_CONTROL": 0x400, "DS_CENTER": 0x800,
    "DS_CENTERMOUSE": 0x1000, "DS_CONTEXTHELP": 0x2000, "DS_SHELLFONT": 0x48,
    "SS_LEFT": 0x0, "SS_CENTER": 0x1, "SS_RIGHT": 0x2, "SS_NOPREFIX": 0x80,
    "SS_LEFTNOWORDWRAP": 0xC, "SS_SUNKEN": 0x1000,
    "BS_PUSHBUTTON": 0x0, "BS_DEFPUSHBUTTON": 0x1, "BS_CHECKBOX": 0x2, "BS_AUTOCHECKBOX": 0x3,
    "BS_RADIOBUTTON": 0x4, "BS_3STATE": 0x5, "BS_AUTO3STATE": 0x6, "BS_GROUPBOX": 0x7,
    "BS_AUTORADIOBUTTON": 0x9, "BS_LEFTTEXT": 0x20,
    "ES_LEFT": 0x0, "ES_CENTER": 0x1, "ES_RIGHT": 0x2, "ES_MULTILINE": 0x4,
    "ES_UPPERCASE": 0x8, "ES_LOWERCASE": 0x10, "ES_PASSWORD": 0x20, "ES_AUTOVSCROLL": 0x40,
    "ES_AUTOHSCROLL": 0x80, "ES_NOHIDESEL": 0x100, "ES_READONLY": 0x800, "ES_NUMBER": 0x2000,
    "LBS_NOTIFY": 0x1, "LBS_SORT": 0x2, "LBS_NOREDRAW": 0x4, "LBS_MULTIPLESEL": 0x8,
    "LBS_USETABSTOPS": 0x80, "LBS_NOINTEGRALHEIGHT": 0x100, "LBS_MULTICOLUMN": 0x200,
    "LBS_WANTKEYBOARDINPUT": 0x400, "LBS_EXTENDEDSEL": 0x800, "LBS_DISABLENOSCROLL": 0x1000,
    "LBS_NOSEL": 0x4000,
}

CHILD = STYLES["WS_CHILD"] | STYLES["WS_VISIBLE"]
S = STYLES
# statement: (window class, default style, has a text argument)
CONTROLS = {
    "LTEXT": ("Static", S["SS_LEFT"] | S["WS_GROUP"], True),
    "CTEXT": ("Static", S["SS_CENTER"] | S["WS_GROUP"], True),
    "RTEXT": ("Static", S["SS_RIGHT"] | S["WS_GROUP"], True),
    "PUSHBUTTON": ("Button", S["BS_PUSHBUTTON"] | S["WS_TABSTOP"], True),
    "DEFPUSHBUTTON": ("Button", S["BS_DEFPUSHBUTTON"] | S["WS_TABSTOP"], True),
    "CHECKBOX": ("Button", S["BS_CHECKBOX"] | S["WS_TABSTOP"], True),
    "AUTOCHECKBOX": ("Button", S["BS_AUTOCHECKBOX"] | S["WS_TABSTOP"], True),
    "RADIOBUTTON": ("Button", S["BS_RADIOBUTTON"] | S["WS_TABSTOP"], True),
    "AUTORADIOBUTTON": ("Button", S["BS_AUTORADIOBUTTON"] | S["WS_TABSTOP"], True),
    "STATE3": ("Button", S["BS_3STATE"] | S["WS_TABSTOP"], True),
    "AUTO3STATE": ("Button", S["BS_AUTO3STATE"] | S["WS_TABSTOP"], True),
    "GROUPBOX": ("Button", S["BS_GROUPBOX"], True),
    "EDITTEXT": ("Edit", S["ES_LEFT"] | S["WS_BORDER"] | S["WS_TABSTOP"], False),
    "LISTBOX": ("ListBox", S["LBS_NOTIFY"] | S["WS_BORDER"], False),
}
# The window classes a CONTROL statement may name, in any case (windres writes them in capitals),
# with the IP address control of the common controls. A class not listed stops the build: the
# view would have no widget for it.
CLASS_NAMES = {"static": "Static", "button": "Button", "edit": "Edit", "listbox": "ListBox",
               "sysipaddress32": "SysIPAddress32"}
# Known to every resource script through the system headers.
SYSTEM_SYMBOLS = {"IDOK": 1, "IDCANCEL": 2, "IDABORT": 3, "IDRETRY": 4, "IDIGNORE": 5,
                  "IDYES": 6, "IDNO": 7, "IDC_STATIC": -1}

TOKEN = re.compile(r'\s*(?:(?P<string>"(?:[^"]|"")*")|(?P<number>0[xX][0-9a-fA-F]+L?|\d+L?)'
                   r'|(?P<name>[A-Za-z_][A-Za-z0-9_]*)|(?P<punct>[,|()\-+]))')


class RcError(Exception):
    pass


def strip_comments(text):
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if c == '"':
            j = i + 1
            while j < n and (text[j] != '"' or (j + 1 < n and text[j + 1] == '"')):
                j += 2 if text[j] == '"' else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def read_symbols(path, include_dirs, symbols, seen):
    """#define NAME NUMBER of path and of the quoted headers it includes."""
    path = os.path.normpath(path)
    if path in seen:
        return []
    seen.add(path)
    with open(path, encoding="latin-1") as f:
        text = strip_comments(f.read())
    body = []
    for line in text.splitlines():
        stripped = line.strip()
        m = re.match(r'#\s*include\s+"([^"]+)"', stripped)
        if m:
            for base in [os.path.dirname(path)] + include_dirs:
                candidate = os.path.join(base, m.group(1))
                if os.path.exists(candidate):
                    read_symbols(candidate, include_dirs, symbols, seen)
                    break
            else:
                raise RcError(f"{path}: cannot find {m.group(1)}")
            continue
        m = re.match(r"#\s*define\s+([A-Za-z_]\w*)\s+(-?(?:0[xX][0-9a-fA-F]+|\d+))L?\s*$", stripped)
        if m:
            symbols.setdefault(m.group(1), int(m.group(2), 0))
            continue
        if stripped.startswith("#"):
            continue   # <system> headers and conditionals: their symbols are known above
        body.append(line)
    return body


def unquote(token):
    text = token[1:-1].replace('""', '"')
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t", "\\": "\\", '"': '"'}.get(
        m.group(1), "\\" + m.group(1)), text)


class Parser:
    def __init__(self, text, symbols):
        self.tokens = []
        pos = 0
        while True:
            m = TOKEN.match(text, pos)
            if not m or m.end() == pos:
                if text[pos:].strip():
                    raise RcError(f"cannot read: {text[pos:pos + 40]!r}")
                break
            pos = m.end()
            kind = m.lastgroup
            self.tokens.append((kind, m.group(kind)))
        self.i = 0
        self.symbols = symbols

    def peek(self, ahead=0):
        j = self.i + ahead
        return self.tokens[j] if j < len(self.tokens) else (None, None)

    def take(self):
        token = self.peek()
        self.i += 1
        return token

    def at(self, value):
        return self.peek()[1] == value

    def number(self, kind, value):
        if kind == "number":
            return int(value.rstrip("L"), 0)
        if kind == "name":
            if value in self.symbols:
                return self.symbols[value]
            if value in STYLES:
                return STYLES[value]
        raise RcError(f"unknown value {value}")

    def expression(self):
        """term ('|' term)*; a term is [NOT] number, name, string or - number."""
        value, removed, text = 0, 0, None
        while True:
            negate = False
            if self.at("NOT"):
                self.take()
                negate = True
            kind, token = self.take()
            if kind == "string":
                text = unquote(token)
            elif token == "-":
                value |= -self.number(*self.take())
            elif negate:
                removed |= self.number(kind, token)
            else:
                value |= self.number(kind, token)
            if not self.at("|"):
                return text if text is not None else (value, removed)
            self.take()

    def arguments(self):
        args = [self.expression()]
        while self.at(","):
            self.take()
            args.append(self.expression())
        return args

    def skip_block(self):
        depth = 0
        while self.peek()[0] is not None:
            value = self.take()[1]
            if value in ("BEGIN", "{"):
                depth += 1
            elif value in ("END", "}"):
                depth -= 1
                if depth == 0:
                    return

    def dialogs(self):
        found = []
        while self.peek()[0] is not None:
            if self.peek(1)[1] in ("DIALOG", "DIALOGEX") and self.peek()[0] in ("name", "number"):
                found.append(self.dialog())
            elif self.at("BEGIN"):
                self.skip_block()
            else:
                self.take()
        return found

    def dialog(self):
        kind, name = self.take()
        self.take()
        while self.peek()[1] in ("MOVEABLE", "FIXED", "PURE", "IMPURE", "PRELOAD", "LOADONCALL",
                                 "DISCARDABLE"):
            self.take()   # memory options, as a decompiled script has them
        box = [a[0] for a in self.arguments()][:4]
        d = {"id": self.number(kind, name), "x": box[0], "y": box[1], "width": box[2],
             "height": box[3], "style": 0, "caption": "", "pointSize": 0, "font": "",
             "controls": []}
        while not self.at("BEGIN"):
            keyword = self.take()[1]
            if keyword is None:
                raise RcError(f"dialog {d['id']}: no BEGIN")
            if keyword == "STYLE":
                value, removed = self.expression()
                d["style"] = value & ~removed
            elif keyword == "CAPTION":
                d["caption"] = unquote(self.take()[1])
            elif keyword == "FONT":
                args = self.arguments()
                d["pointSize"], d["font"] = args[0][0], args[1]
        if d["font"]:
            d["style"] |= STYLES["DS_SETFONT"]
        self.take()
        while not self.at("END"):
            d["controls"].append(self.control(d["id"]))
        self.take()
        return d

    def control(self, dialog_id):
        keyword = self.take()[1]
        args = self.arguments()
        if keyword == "CONTROL":
            text, (cid, _), cls, (style, removed) = args[:4]
            x, y, w, h = (a[0] for a in args[4:8])
            if cls.lower() not in CLASS_NAMES:
                raise RcError(f"dialog {dialog_id}: window class {cls} is not supported")
            cls = CLASS_NAMES[cls.lower()]
            style = (CHILD | style) & ~removed
        elif keyword in CONTROLS:
            cls, default, has_text = CONTROLS[keyword]
            text = args.pop(0) if has_text else ""
            cid = args[0][0]
            x, y, w, h = (a[0] for a in args[1:5])
            style, removed = args[5] if len(args) > 5 else (0, 0)
            style = (CHILD | default | style) & ~removed
        else:
            raise RcError(f"dialog {dialog_id}: statement {keyword} is not supported")
        return {"class": cls, "id": cid, "text": text, "x": x, "y": y, "width": w, "height": h,
                "style": style & 0xFFFFFFFF}


def c_string(text):
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append("\\n")
        elif ch == "\t":
            out.append("\\t")
        elif ord(ch) < 32 or ord(ch) > 126:
            out.append("\\%03o" % ord(ch))
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def write_cpp(dialogs, source, function):
    lines = [f"// Made by view/qt/rc_dialogs.py from {source}; edit the templates there.",
             '#include "view/qt/dialog_template.h"', "", "#include <iterator>", "",
             "namespace {", ""]
    for d in dialogs:
        lines.append(f"const DialogControl kControls{d['id']}[] = {{")
        for c in d["controls"]:
            lines.append(f"    {{{c_string(c['class'])}, {c['id']}, {c_string(c['text'])}, "
                         f"{c['x']}, {c['y']}, {c['width']}, {c['height']}, 0x{c['style']:08x}u}},")
        lines.append("};")
        lines.append("")
    lines.append("const DialogTemplate kDialogs[] = {")
    for d in dialogs:
        lines.append(f"    {{{d['id']}, {c_string(d['caption'])}, {d['width']}, {d['height']}, "
                     f"0x{d['style'] & 0xFFFFFFFF:08x}u, {d['pointSize']}, {c_string(d['font'])}, "
                     f"kControls{d['id']}, std::size(kControls{d['id']})}},")
    lines += ["};", "", "}  // namespace", "",
              f"std::span<const DialogTemplate> {function}() {{ return kDialogs; }}", ""]
    return "\n".join(lines)


def main(argv):
    include_dirs, rest = [], []
    it = iter(argv)
    for a in it:
        if a == "-I":
            include_dirs.append(next(it))
        elif a.startswith("-I"):
            include_dirs.append(a[2:])
        else:
            rest.append(a)
    if len(rest) not in (2, 3) or (len(rest) == 2 and rest[1] != "--json"):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    symbols = dict(SYSTEM_SYMBOLS)
    try:
        body = read_symbols(rest[0], include_dirs, symbols, set())
        dialogs = Parser(strip_comments("\n".join(body)), symbols).dialogs()
    except (RcError, IndexError, ValueError, TypeError) as error:
        print(f"rc_dialogs.py: {rest[0]}: {error or 'unexpected end'}", file=sys.stderr)
        return 1
    if rest[1] == "--json":
        json.dump(dialogs, sys.stdout, indent=1)
        return 0
    output = write_cpp(dialogs, os.path.basename(rest[0]), rest[2])
    # Rewritten only when it changes, so an edit elsewhere in the .rc rebuilds nothing.
    if not os.path.exists(rest[1]) or open(rest[1], encoding="utf-8").read() != output:
        with open(rest[1], "w", encoding="utf-8") as f:
            f.write(output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
