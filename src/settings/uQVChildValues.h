#pragma once
// Writers of child values: a child element, found or created, whose text is the value. The
// readers are ReadChildString, ReadChildInt and ReadChildBool of model/uQVXML.

#include <pugixml.hpp>
#include <string_view>

void SetChildString(pugi::xml_node Node, const char* Name, std::string_view Value);
void SetChildInt(pugi::xml_node Node, const char* Name, int Value);
void SetChildBool(pugi::xml_node Node, const char* Name, bool Value);
