#include "settings/uQVNoteTreeSettings.h"

#include "model/uQVXML.h"
#include "settings/uQVChildValues.h"

void TQVNoteTreeSettings::ReadFromXml(pugi::xml_node Parent) {
  const pugi::xml_node node = Parent.child(ElementName);
  if (!node) return;
  TreeWidth = ReadChildInt(node, "TreeWidth", TreeWidth);
  ShowProps = ReadChildBool(node, "ShowProps", false);
}

void TQVNoteTreeSettings::WriteToXml(pugi::xml_node Parent) const {
  pugi::xml_node node = Parent.append_child(ElementName);
  SetChildInt(node, "TreeWidth", TreeWidth);
  SetChildBool(node, "ShowProps", ShowProps);
}
