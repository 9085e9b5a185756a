"""Protocol definition files: which fields make up the header and body sections of a message.

The files are read with the same rules as the client reads them, so that the servers and the
client lay out every section alike: the first "header" element's first field is the header
field; the first "body" element and every element after it at the same level are messages;
"structure" elements give the sub-fields of structure fields (looked up from the first
structure onward); type names are compared exactly.
"""
import xml.etree.ElementTree as ET
from dataclasses import dataclass, field
from typing import Dict, List, Optional

TYPE_NONE, TYPE_STRING, TYPE_BYTE, TYPE_SHORT, TYPE_INTEGER, TYPE_STRUCTURE = 0, 1, 2, 3, 4, 5
_TYPE_CODES = {"string": TYPE_STRING, "byte": TYPE_BYTE, "short": TYPE_SHORT,
               "integer": TYPE_INTEGER, "structure": TYPE_STRUCTURE}


def type_code(name: Optional[str]) -> int:
    return _TYPE_CODES.get(name or "", TYPE_NONE)


@dataclass
class Field:
    name: str
    type: int
    sub_fields: List["Field"] = field(default_factory=list)


@dataclass
class Message:
    message_id: str
    request: List[Field] = field(default_factory=list)
    response: List[Field] = field(default_factory=list)


@dataclass
class Protocol:
    application_id: str = ""
    header: Field = field(default_factory=lambda: Field("", TYPE_NONE))
    messages: Dict[str, Message] = field(default_factory=dict)

    def request_fields(self, message_id: str) -> List[Field]:
        m = self.messages.get(message_id)
        return list(m.request) if m else []

    def response_fields(self, message_id: str) -> List[Field]:
        m = self.messages.get(message_id)
        return list(m.response) if m else []


class ProtocolDef:
    """All protocols of one definition file, by application id."""

    def __init__(self) -> None:
        self.protocols: Dict[str, Protocol] = {}

    @classmethod
    def from_file(cls, path: str) -> "ProtocolDef":
        d = cls()
        d.load(path)
        return d

    def load(self, path: str) -> None:
        root = ET.parse(path).getroot()
        top = root if root.tag == "protocol-definition" else root.find("protocol-definition")
        if top is None:
            raise ValueError("%s: no protocol-definition element" % path)
        protocols = top.find("protocols")
        if protocols is None:
            raise ValueError("%s: no protocols element" % path)
        for element in protocols:
            p = self._read_protocol(element)
            self.protocols[p.application_id] = p

    def get(self, application_id: str) -> Protocol:
        return self.protocols.get(application_id[:4], Protocol())

    @staticmethod
    def _read_field(element) -> Field:
        return Field(element.get("name", ""), type_code(element.get("type")))

    def _read_protocol(self, element) -> Protocol:
        p = Protocol(application_id=element.get("name", ""))
        children = list(element)
        header = element.find("header")
        if header is not None:
            first = header.find("field")
            if first is not None:
                p.header = self._read_field(first)
        first_body = next((i for i, c in enumerate(children) if c.tag == "body"), None)
        first_structure = next((i for i, c in enumerate(children) if c.tag == "structure"), None)
        if first_body is None:
            return p
        for msg_element in children[first_body:]:
            m = Message(msg_element.get("name", ""))
            for part, target in (("request", m.request), ("response", m.response)):
                holder = msg_element.find(part)
                if holder is not None:
                    target.extend(self._read_fields(holder, children, first_structure))
            p.messages[m.message_id] = m
        return p

    def _read_fields(self, holder, siblings, first_structure) -> List[Field]:
        elements = list(holder)
        first = next((i for i, c in enumerate(elements) if c.tag == "field"), None)
        if first is None:
            return []
        result = []
        for e in elements[first:]:
            f = self._read_field(e)
            if f.type == TYPE_STRUCTURE and first_structure is not None:
                ref = e.get("ref")
                target = next((s for s in siblings[first_structure:] if s.get("name") == ref), None)
                if target is not None:
                    f.sub_fields = [self._read_field(s) for s in target if s.tag == "field"]
            result.append(f)
        return result
