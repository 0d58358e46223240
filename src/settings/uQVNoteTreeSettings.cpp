#include "settings/uQVNoteTreeSettings.h"

#include "model/uQVXML.h"
#include "settings/uQVChildValues.h"

void TQVNoteTreeSettings::ReadFromXml(pugi::xml_node Parent) {
  const pugi::xml_node node = Parent.child(ElementName);
  if (!node) return;
  // A negative width is no width; it keeps the current one like any unreadable value.
  const int width = ReadChildInt(node, "TreeWidth", TreeWidth);
  if (width >= 0) TreeWidth = width;
  ShowProps = ReadChildBool(node, "ShowProps", false);
}

void TQVNoteTreeSettings::WriteToXml(pugi::xml_node Parent) const {
  pugi::xml_node node = Parent.append_child(ElementName);
  SetChildInt(node, "TreeWidth", TreeWidth);
  SetChildBool(node, "ShowProps", ShowProps);
}
