"""Writing INI text the way Qt's QSettings (IniFormat) reads it back.

Only what the shipped files need: groups of keys whose values are integers,
booleans, texts or lists of those.  The escaping follows QSettings' own
writer, so a file written here reads back exactly as if QSettings had
written the same values:

* a text containing ',' ';' or '=' or beginning/ending with a blank is put in
  double quotes (outside quotes ',' separates list elements and ';' starts a
  comment);
* '"' and '\\' are escaped with a backslash, control characters as \\xNN;
* a text beginning with '@' is written with '@@' (a single '@' introduces
  QSettings' typed values such as @Variant(...));
* non-ASCII characters are written as UTF-8.

A list is its elements joined by ", ".  A list of exactly one element cannot
be written as plain text (it would read back as a single text, not a list)
and an empty list reads back as an invalid value, so both are refused.
"""

import re

_KEY_RE = re.compile(r"^[A-Za-z0-9_.\-]+$")


def escape_text(s):
    """One text value (or one list element) as QSettings writes it."""
    s = str(s)
    if s.startswith("@"):
        s = "@" + s
    out = []
    needs_quotes = False
    for ch in s:
        if ch in ";,=":
            needs_quotes = True
        if ch in '"\\':
            out.append("\\" + ch)
        elif ord(ch) < 0x20:
            named = {"\a": "\\a", "\b": "\\b", "\f": "\\f", "\n": "\\n",
                     "\r": "\\r", "\t": "\\t", "\v": "\\v"}
            if ch in named:
                out.append(named[ch])
            else:
                raise ValueError("control character %r not supported" % ch)
        else:
            out.append(ch)
    body = "".join(out)
    if needs_quotes or body.startswith(" ") or body.endswith(" "):
        body = '"' + body + '"'
    return body


def scalar_text(v):
    if isinstance(v, bool):
        return "true" if v else "false"
    if isinstance(v, int):
        return str(v)
    return str(v)


def format_value(v):
    if isinstance(v, (list, tuple)):
        if len(v) < 2:
            raise ValueError("lists of fewer than two elements do not survive "
                             "the INI text form: %r" % (v,))
        return ", ".join(escape_text(scalar_text(e)) for e in v)
    return escape_text(scalar_text(v))


def check_key(k):
    if not _KEY_RE.match(k):
        raise ValueError("key %r needs QSettings key escaping; not supported" % k)


def render(groups):
    """groups: list of (group name, list of (key, value)) in file order."""
    lines = []
    for gi, (group, items) in enumerate(groups):
        check_key(group)
        if gi:
            lines.append("")
        lines.append("[%s]" % group)
        for key, value in items:
            check_key(key)
            lines.append("%s=%s" % (key, format_value(value)))
    return "\n".join(lines) + "\n"


def read_back(v):
    """What a fresh QSettings returns for a value we wrote: a text for a
    scalar, a list of texts for a list (the form the verifier compares)."""
    if isinstance(v, (list, tuple)):
        return [scalar_text(e) for e in v]
    return scalar_text(v)


def check_value(strings):
    """The language file check value ("font/cs") for the scene strings.

    Q is the sum of the UTF-16 lengths of the strings; the check value is the
    four numbers (Q + 74) mod 256, (Q - 69) mod 256, (70 Q) mod 256 and
    (Q div 70) mod 256 written one after the other in decimal.
    """
    q = sum(len(s.encode("utf-16-le")) // 2 for s in strings)
    return "%d%d%d%d" % ((q + 74) % 256, (q - 69) % 256, (70 * q) % 256,
                         (q // 70) % 256)
