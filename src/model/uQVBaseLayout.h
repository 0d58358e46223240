#pragma once
// The layout every note carries: the caption font in the trees and the tree icon.

#include "model/uXFont.h"

class TQVBaseLayout {
public:
  const char* ElementName = "Layout";
  TXFont Font;
  int IconIndex = 0;
  // Changed since the document was loaded or saved.
  bool Modified = false;

  // Both take the element of the owning note.
  void ReadFromXml(pugi::xml_node ItemElement);
  void WriteToXml(pugi::xml_node ItemElement) const;
};
