"""JSON text in the indented layout that the client's JSON writer produces.

Members sorted by name, three blanks per level, " : " between name and value, short arrays of
plain values on one line, a line break at the end. Non-ASCII text is written as UTF-8.
"""
import json

_RIGHT_MARGIN = 74
_INDENT = "   "


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
    return json.dumps(str(value), ensure_ascii=False)


class _Writer:
    def __init__(self) -> None:
        self.doc = ""
        self.indent = ""

    def write_indent(self) -> None:
        if self.doc:
            if self.doc[-1] == " ":
                return
            if self.doc[-1] != "\n":
                self.doc += "\n"
        self.doc += self.indent

    def write_with_indent(self, text: str) -> None:
        self.write_indent()
        self.doc += text

    def value(self, v) -> None:
        if isinstance(v, dict):
            if not v:
                self.doc += "{}"
                return
            self.write_with_indent("{")
            self.indent += _INDENT
            names = sorted(v.keys(), key=lambda k: str(k).encode("utf-8"))
            for i, name in enumerate(names):
                self.write_with_indent(_scalar(str(name)))
                self.doc += " : "
                self.value(v[name])
                if i + 1 < len(names):
                    self.doc += ","
            self.indent = self.indent[:-len(_INDENT)]
            self.write_with_indent("}")
        elif isinstance(v, (list, tuple)):
            self.array(list(v))
        else:
            self.doc += _scalar(v)

    def array(self, items) -> None:
        if not items:
            self.doc += "[]"
            return
        multi = len(items) * 3 >= _RIGHT_MARGIN or any(
            isinstance(c, (dict, list, tuple)) and len(c) > 0 for c in items)
        texts = []
        if not multi:
            texts = [styled(c).rstrip("\n") for c in items]
            multi = 4 + (len(items) - 1) * 2 + sum(len(t) for t in texts) >= _RIGHT_MARGIN
        if not multi:
            self.doc += "[ " + ", ".join(texts) + " ]"
            return
        self.write_with_indent("[")
        self.indent += _INDENT
        for i, child in enumerate(items):
            if texts:
                self.write_with_indent(texts[i])
            else:
                self.write_indent()
                self.value(child)
            if i + 1 < len(items):
                self.doc += ","
        self.indent = self.indent[:-len(_INDENT)]
        self.write_with_indent("]")


def styled(value) -> str:
    """The whole value as indented text ending in a line break."""
    w = _Writer()
    w.value(value)
    return w.doc + "\n"
