#pragma once
// A font that stores itself as an XML element: name, size, colour and four style flags.

#include <cstdint>
#include <pugixml.hpp>
#include <string>

struct TFontStyles {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikeout = false;
  bool operator==(const TFontStyles&) const = default;
};

class TXFont {
public:
  std::string Name = "Arial";
  int Size = 10; // points
  std::int32_t Color;
  TFontStyles Style;

  const char* ElementName = "Font";
  // Set by ReadFromXml when it found its element.
  bool Loaded = false;

  TXFont();
  // Reads the element ElementName below Parent; a missing element leaves everything unchanged.
  void ReadFromXml(pugi::xml_node Parent);
  // Writes (or rewrites) the element ElementName below Parent.
  void WriteToXml(pugi::xml_node Parent) const;
  // Copies the font's properties, not its element name or Loaded.
  void Assign(const TXFont& Source);
};
