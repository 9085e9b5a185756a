"""JSON text in the indented layout that the client's JSON writer produces.

Members sorted by name, three blanks per level, " : " between name and value, short arrays of
plain values on one line, a line break at the end. Non-ASCII text is written as UTF-8.

Every reply the servers send goes through here, so it is written for speed: plain functions over
a list of pieces rather than a growing string.
"""
import json
import re

_RIGHT_MARGIN = 74
_INDENT = "   "
_PLAIN_TEXT = re.compile(r'[^"\\\x00-\x1f]*\Z')
_dumps = json.dumps


def _scalar(value) -> str:
    if value is None:
        return "null"
    if value is True:
        return "true"
    if value is False:
        return "false"
    if isinstance(value, int):
        return str(value)
    if isinstance(value, float):
        return repr(value)
    text = str(value)
    if _PLAIN_TEXT.match(text):
        return '"' + text + '"'
    return _dumps(text, ensure_ascii=False)


def _indent(parts: list, indent: str) -> None:
    """A new line at the indent, unless the text already ends in blanks (after " : ")."""
    if parts:
        last = parts[-1][-1:]
        if last == " ":
            return
        if last != "\n":
            parts.append("\n")
    parts.append(indent)


def _value(v, parts: list, indent: str) -> None:
    if isinstance(v, dict):
        if not v:
            parts.append("{}")
            return
        _indent(parts, indent)
        parts.append("{")
        inner = indent + _INDENT
        names = sorted(v.keys(), key=lambda k: str(k).encode("utf-8"))
        last = len(names) - 1
        for i, name in enumerate(names):
            _indent(parts, inner)
            parts.append(_scalar(str(name)))
            parts.append(" : ")
            _value(v[name], parts, inner)
            if i < last:
                parts.append(",")
        _indent(parts, indent)
        parts.append("}")
    elif isinstance(v, (list, tuple)):
        _array(list(v), parts, indent)
    else:
        parts.append(_scalar(v))


def _array(items: list, parts: list, indent: str) -> None:
    if not items:
        parts.append("[]")
        return
    multi = len(items) * 3 >= _RIGHT_MARGIN or any(
        isinstance(c, (dict, list, tuple)) and len(c) > 0 for c in items)
    texts = []
    if not multi:
        texts = [styled(c).rstrip("\n") for c in items]
        multi = 4 + (len(items) - 1) * 2 + sum(len(t) for t in texts) >= _RIGHT_MARGIN
    if not multi:
        parts.append("[ " + ", ".join(texts) + " ]")
        return
    _indent(parts, indent)
    parts.append("[")
    inner = indent + _INDENT
    last = len(items) - 1
    for i, child in enumerate(items):
        _indent(parts, inner)
        if texts:
            parts.append(texts[i])
        else:
            _value(child, parts, inner)
        if i < last:
            parts.append(",")
    _indent(parts, indent)
    parts.append("]")


def styled(value) -> str:
    """The whole value as indented text ending in a line break."""
    parts: list = []
    _value(value, parts, "")
    parts.append("\n")
    return "".join(parts)
