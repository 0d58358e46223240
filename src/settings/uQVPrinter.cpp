#include "settings/uQVPrinter.h"

#include "core/uQVError.h"

namespace {
IQVPrinter* CurrentPrinter = nullptr;
}

IQVPrinter* GetPrinter() {
  return CurrentPrinter;
}

void SetPrinter(IQVPrinter* Printer) {
  CurrentPrinter = Printer;
}

std::string SelectedPrinterName() {
  if (!CurrentPrinter) throw EQVError("No printer is installed.");
  const std::vector<std::string> names = CurrentPrinter->PrinterNames();
  const int index = CurrentPrinter->PrinterIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= names.size())
    throw EQVError("No printer is selected.");
  return names[static_cast<std::size_t>(index)];
}
