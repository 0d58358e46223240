#pragma once
// The platform's printer selection, as the settings see it: the installed printers, the
// selected one and its paper orientation. The front end installs its implementation at start;
// tests install a fake. With none installed the program behaves as if no printer were there.

#include <string>
#include <vector>

enum class TPrinterOrientation { poPortrait, poLandscape };

class IQVPrinter {
public:
  virtual ~IQVPrinter() = default;
  // The names of the installed printers, as the platform lists them.
  virtual std::vector<std::string> PrinterNames() const = 0;
  // The position of the selected printer in PrinterNames, or -1 when none is selected.
  virtual int PrinterIndex() const = 0;
  virtual void SetPrinterIndex(int Index) = 0;
  // Both throw EQVError when no printer is selected.
  virtual TPrinterOrientation Orientation() const = 0;
  virtual void SetOrientation(TPrinterOrientation Orientation) = 0;
};

// The installed printer selection (not owned), or nullptr.
IQVPrinter* GetPrinter();
void SetPrinter(IQVPrinter* Printer);

// The name of the selected printer; throws EQVError when there is no printer or none is
// selected.
std::string SelectedPrinterName();
