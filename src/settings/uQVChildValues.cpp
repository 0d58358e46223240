#include "settings/uQVChildValues.h"

#include "model/uQVXML.h"

#include <string>

void SetChildString(pugi::xml_node Node, const char* Name, std::string_view Value) {
  pugi::xml_node child = ChildNode(Node, Name);
  // set() takes a terminated string; a view need not be one.
  child.text().set(std::string(Value).c_str());
}

void SetChildInt(pugi::xml_node Node, const char* Name, int Value) {
  SetChildString(Node, Name, std::to_string(Value));
}

void SetChildBool(pugi::xml_node Node, const char* Name, bool Value) {
  SetChildString(Node, Name, BoolToText(Value));
}
