#include "settings/uQVPrintSettings.h"

#include "core/uQVError.h"
#include "core/uQVLog.h"
#include "model/uQVXML.h"
#include "settings/uQVChildValues.h"

#include <cstddef>
#include <exception>
#include <string_view>
#include <vector>

namespace {

bool SameTextNoCase(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t i = 0; i < A.size(); ++i) {
    char a = A[i], b = B[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

int IndexOfPrinter(const std::vector<std::string>& Names, const std::string& Name) {
  for (std::size_t i = 0; i < Names.size(); ++i)
    if (SameTextNoCase(Names[i], Name)) return static_cast<int>(i);
  return -1;
}

} // namespace

std::string OrientationToName(TPrinterOrientation Orientation) {
  return Orientation == TPrinterOrientation::poLandscape ? "Landscape" : "Portrait";
}

TPrinterOrientation NameToOrientation(const std::string& Name) {
  return Name == "Landscape" ? TPrinterOrientation::poLandscape : TPrinterOrientation::poPortrait;
}

void TQVPrinterSettings::ReadFromXml(pugi::xml_node Parent, const char* Name) {
  const pugi::xml_node node = Parent.child(Name);
  const std::string printerName = ReadChildString(node, "Name");
  IQVPrinter* printer = GetPrinter();
  const int index = printer ? IndexOfPrinter(printer->PrinterNames(), printerName) : -1;
  AddLogLine("Printer", "Index:" + std::to_string(index) + " Name:" + printerName);
  // A printer that is no longer installed leaves the platform's choice, its default printer.
  if (index >= 0) printer->SetPrinterIndex(index);
  try {
    if (!printer) throw EQVError("No printer is installed.");
    printer->SetOrientation(NameToOrientation(ReadChildString(node, "Orientation")));
  } catch (const std::exception&) {
    AddLogLine("Printer", "Exception in PrinterSettings ReadFromXml");
  }
}

void TQVPrinterSettings::WriteToXml(pugi::xml_node Parent, const char* Name) const {
  try {
    pugi::xml_node node = ChildNode(Parent, Name);
    SetChildString(node, "Name", SelectedPrinterName());
    SetChildString(node, "Orientation", OrientationToName(GetPrinter()->Orientation()));
  } catch (const std::exception&) {
    AddLogLine("Printer", "Exception in PrinterSettings WriteFromXml");
  }
}

TQVNotePrintSettings::TQVNotePrintSettings() {
  NoteTitleFont.ElementName = "NoteTitleFont";
  NoteTitleFont.Name = "Arial";
  NoteTitleFont.Size = 10;
}

void TQVNotePrintSettings::ReadFromXml(pugi::xml_node Parent, const char* Name) {
  const pugi::xml_node node = Parent.child(Name);
  NoteSelection = ReadChildInt(node, "NoteSelection", 0);
  // A code the print dialog does not know would leave it printing nothing sensible.
  if (NoteSelection < 0 || NoteSelection > 2) NoteSelection = 0;
  NoteTitle = ReadChildBool(node, "NoteTitle", false);
  NoteTitleFont.ReadFromXml(node);
  NoteNewPage = ReadChildBool(node, "NoteNewPage", false);
}

void TQVNotePrintSettings::WriteToXml(pugi::xml_node Parent, const char* Name) const {
  pugi::xml_node node = ChildNode(Parent, Name);
  SetChildInt(node, "NoteSelection", NoteSelection);
  SetChildBool(node, "NoteTitle", NoteTitle);
  NoteTitleFont.WriteToXml(node);
  SetChildBool(node, "NoteNewPage", NoteNewPage);
}

void TQVPrintSettings::ReadFromXml(pugi::xml_node Root) {
  const pugi::xml_node node = Root.child(ElementName);
  Printer.ReadFromXml(node, "Printer");
  Note.ReadFromXml(node, "Note");
  PreviewMaximized = ReadChildBool(node, "PreviewMaximized", false);
}

void TQVPrintSettings::WriteToXml(pugi::xml_node Root) const {
  pugi::xml_node node = ChildNode(Root, ElementName);
  Printer.WriteToXml(node, "Printer");
  Note.WriteToXml(node, "Note");
  SetChildBool(node, "PreviewMaximized", PreviewMaximized);
}
