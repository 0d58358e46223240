#include "model/uQVBaseLayout.h"

#include "model/uQVXML.h"

void TQVBaseLayout::ReadFromXml(pugi::xml_node ItemElement) {
  // A missing Layout reads as an empty one: every value keeps its default.
  pugi::xml_node layout = ItemElement.child(ElementName);
  Font.ReadFromXml(layout);
  IconIndex = ReadAttrInt(layout.child("TreeIcon"), "Index", 0);
}

void TQVBaseLayout::WriteToXml(pugi::xml_node ItemElement) const {
  pugi::xml_node layout = ChildNode(ItemElement, ElementName);
  Font.WriteToXml(layout);
  pugi::xml_node icon = layout.append_child("TreeIcon");
  SetAttrInt(icon, "Index", IconIndex);
}
