#pragma once
// Element look-ups of the skin loader over TinyXML-2: the first element of a name anywhere
// below a node ("//NAME"), and the child elements of a name in document order.
#include <cstring>

#include <tinyxml2.h>

namespace SkinXml {

inline const tinyxml2::XMLElement* FindFirstDescendant(const tinyxml2::XMLNode* node, const char* name)
{
    for (const tinyxml2::XMLElement* e = node->FirstChildElement(); e; e = e->NextSiblingElement()) {
        if (std::strcmp(e->Name(), name) == 0)
            return e;
        if (const tinyxml2::XMLElement* inner = FindFirstDescendant(e, name))
            return inner;
    }
    return nullptr;
}

template <class Fn>
void ForEachChild(const tinyxml2::XMLElement* parent, const char* name, Fn fn)
{
    if (!parent)
        return;
    for (const tinyxml2::XMLElement* e = parent->FirstChildElement(name); e; e = e->NextSiblingElement(name))
        fn(e);
}

} // namespace SkinXml
