#!/usr/bin/env bash
# Finds string literals in the window and core files that a user would read but that no tr(),
# QT_TR_NOOP or QCoreApplication::translate marks for translation. A literal passes when it is
# inside such a call, holds no letter, names an object (setObjectName, findChild, a widget
# name such as "cmdClose" or "Label5"), is a file name or suffix, or is listed in
# tools/check_tr.allow (data and names shown as they are). Prints each offender; exits non-zero
# when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."
folders=(stats/ui installer/ui installer/uninstaller tracker/ui tracker/core)
[ $# -gt 0 ] && folders=("$@")
files=$(git ls-files -co --exclude-standard "${folders[@]/%//*.cpp}" "${folders[@]/%//*.h}" 2>/dev/null)
[ -n "$files" ] || { echo "No window file found in: ${folders[*]}" >&2; exit 1; }
python3 - tools/check_tr.allow $files <<'PY'
import re, sys

allow_file, files = sys.argv[1], sys.argv[2:]
allowed = set()
for line in open(allow_file, encoding="utf-8"):
    line = line.rstrip("\n")
    if line and not line.startswith("#"):
        allowed.add(line)

MARKERS = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP",
           "QT_TRANSLATE_N_NOOP", "qtTrId", "QT_TRID_NOOP"}
# Calls whose text argument is a name, never shown.
NAMES = {"setObjectName", "findChild", "findChildren", "QFont", "setFamily", "property",
         "setProperty", "startsWith", "endsWith", "contains", "load", "QFile", "QFileInfo",
         "QStandardPaths", "qEnvironmentVariable", "qEnvironmentVariableIntValue", "connect",
         "printf", "fprintf", "installUiLanguage", "installTranslations", "nameProgramLog"}
# A translation context, as given to QCoreApplication::translate.
CONTEXT = re.compile(r"^\w+(::\w+)+$")
WIDGET_NAME = re.compile(r"^(cmd|lbl|txt|chk|cmb|lst|drv|dir|grd|frm|img|pic|mnu|opt)[A-Z]\w*$"
                         r"|^(Label|Frame|Picture|Image|Shape|Text|Combo|List)\d+$")
FILE_NAME = re.compile(r"^[\w.-]*\.[A-Za-z0-9]{1,8}$")
TOKEN = re.compile(r'^[ \t]*#[^\n]*|//[^\n]*|/\*.*?\*/|(?:u8|u|U|L)?"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'',
                   re.S | re.M)

def enclosing_call(text, pos):
    """The name of the call whose parentheses hold pos, and where that call starts."""
    depth = 0
    i = pos - 1
    while i >= 0:
        c = text[i]
        if c == ")":
            depth += 1
        elif c == "(":
            if depth == 0:
                m = re.search(r"([A-Za-z_]\w*)\s*(?:<[^<>()]*>)?\s*$", text[:i])
                return (m.group(1), m.start(1)) if m else ("", i)
            depth -= 1
        elif c in ";{}" and depth == 0:
            return ("", i)
        i -= 1
    return ("", 0)

status = 0
for path in files:
    text = open(path, encoding="utf-8").read()
    # Blank out comments and character literals, keep offsets and string literals.
    code = list(text)
    literals = []
    for m in TOKEN.finditer(text):
        tok = m.group(0)
        if tok.lstrip().startswith(("#", "//", "/*", "'")):
            for k in range(m.start(), m.end()):
                if code[k] != "\n":
                    code[k] = " "
        else:
            body_start = m.start() + tok.index('"') + 1
            literals.append((m.start(), tok[tok.index('"') + 1:-1]))
            # A bracket inside a text is no call's.
            for k in range(body_start, m.end() - 1):
                if code[k] != "\n":
                    code[k] = " "
    code = "".join(code)
    for start, body in literals:
        # Markup and escapes are not words; the text between the tags is.
        plain = re.sub(r"<[^<>]*>|&\w+;", "", re.sub(r"\\.", "", body))
        if not re.search(r"[^\W\d_]", plain):
            continue
        if WIDGET_NAME.match(body) or FILE_NAME.match(body) or CONTEXT.match(body) \
                or body in allowed \
                or f"{path}: {body}" in allowed:
            continue
        name, at = enclosing_call(code, start)
        while name in ("QStringLiteral", "QLatin1String", "QStringView", "QString",
                       "QLatin1StringView", "u"):
            name, at = enclosing_call(code, at)
        if name in MARKERS or name in NAMES:
            continue
        line = text.count("\n", 0, start) + 1
        print(f"{path}:{line}: \"{body}\" is not marked for translation")
        status = 1
if status:
    print("Wrap these texts in tr() (or QT_TR_NOOP), or list data and names in tools/check_tr.allow.",
          file=sys.stderr)
sys.exit(status)
PY
