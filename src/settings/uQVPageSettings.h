#pragma once
// Page margins, mirrored margins, and the page header and footer, as the settings file keeps
// them between runs; copied into the print layout at start and back out of it at close.

#include "model/uXFont.h"
#include "settings/uQVPrintLayout.h"

#include <pugixml.hpp>
#include <string>

class TQVHeaderFooterSettings {
public:
  const char* ElementName;
  std::string Text;
  // Also printed on the first page.
  bool FirstPage = false;
  // 0 left, 1 right, 2 centred.
  int Align = paLeft;
  TXFont Font;

  explicit TQVHeaderFooterSettings(const char* ElementName) : ElementName(ElementName) {}
  // Both take the PageSettings element.
  void ReadFromXml(pugi::xml_node PageSettings);
  void WriteToXml(pugi::xml_node PageSettings) const;
  void ApplyTo(TQVPageDescription& Description) const;
  void TakeFrom(const TQVPageDescription& Description);
};

class TQVHeaderSettings : public TQVHeaderFooterSettings {
public:
  TQVHeaderSettings() : TQVHeaderFooterSettings("Header") {}
};

class TQVFooterSettings : public TQVHeaderFooterSettings {
public:
  TQVFooterSettings() : TQVHeaderFooterSettings("Footer") {}
};

class TQVMarginSettings {
public:
  const char* ElementName = "Margins";
  // Millimetres.
  int Left = 0;
  int Top = 0;
  int Bottom = 0;
  int Right = 0;
  bool Mirror = false;

  // Both take the PageSettings element.
  void ReadFromXml(pugi::xml_node PageSettings);
  void WriteToXml(pugi::xml_node PageSettings) const;
};

class TQVPageSettings {
public:
  const char* ElementName = "PageSettings";
  TQVHeaderSettings Header;
  TQVFooterSettings Footer;
  TQVMarginSettings Margins;
  // A PageSettings element was read.
  bool Loaded = false;

  // Both take the settings file's root element. Without a PageSettings element nothing is
  // read and Loaded stays false.
  void ReadFromXml(pugi::xml_node Root);
  void WriteToXml(pugi::xml_node Root) const;

  // Sets margins, header and footer of Layout, but only when the settings were loaded, so a
  // first run keeps the layout's own defaults. A font that was not read keeps the layout's.
  void ApplyToPrinter(TQVPrintLayout& Layout) const;
  // Takes margins (rounded to whole millimetres), header and footer from Layout.
  void TakeFromPrinter(const TQVPrintLayout& Layout);
};
