#pragma once
// What the program remembers about printing: the printer and its orientation, the options of
// the note print dialog and the preview's window state.

#include "model/uXFont.h"
#include "settings/uQVPrinter.h"

#include <pugixml.hpp>
#include <string>

// "Landscape" for landscape, "Portrait" for everything else.
std::string OrientationToName(TPrinterOrientation Orientation);
// Landscape for exactly "Landscape" (letter case counts), portrait for any other text.
TPrinterOrientation NameToOrientation(const std::string& Name);

// Holds no data: reading selects the remembered printer and orientation on the installed
// printer selection (uQVPrinter), writing takes them from there.
class TQVPrinterSettings {
public:
  void ReadFromXml(pugi::xml_node Parent, const char* Name);
  void WriteToXml(pugi::xml_node Parent, const char* Name) const;
};

class TQVNotePrintSettings {
public:
  // 0 the current note, 1 the current note with the notes below it, 2 all notes.
  int NoteSelection = 0;
  // Each note's caption printed as a title above its text.
  bool NoteTitle = false;
  TXFont NoteTitleFont;
  // Every note after the first starts a new page.
  bool NoteNewPage = false;

  TQVNotePrintSettings();
  void ReadFromXml(pugi::xml_node Parent, const char* Name);
  void WriteToXml(pugi::xml_node Parent, const char* Name) const;
};

class TQVPrintSettings {
public:
  const char* ElementName = "PrintSettings";
  TQVPrinterSettings Printer;
  TQVNotePrintSettings Note;
  bool PreviewMaximized = false;

  // Both take the settings file's root element.
  void ReadFromXml(pugi::xml_node Root);
  void WriteToXml(pugi::xml_node Root) const;
};
