#pragma once
// The settings of the tree panel at the left of the main window.

#include <pugixml.hpp>

class TQVNoteTreeSettings {
public:
  const char* ElementName = "NoteTreeSettings";
  // Kept in the file; no window consults it.
  bool ShowProps = false;
  // Width in pixels of the notes-tree panel.
  int TreeWidth = 230;

  // Both take the element that holds (or is to hold) ours. Without our element nothing
  // changes.
  void ReadFromXml(pugi::xml_node Parent);
  void WriteToXml(pugi::xml_node Parent) const;
};
