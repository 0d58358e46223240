#pragma once
// The page layout every print job uses: margins, and one header and one footer description.
// The page-setup dialog edits it, the print engine reads it, and the page settings are copied
// into it at start and out of it at close.

#include "model/uXFont.h"

#include <string>

// Alignment codes as the settings file stores them.
enum TQVPrintAlign : int { paLeft = 0, paRight = 1, paCenter = 2 };

// A page header or footer. Text may hold placeholders that the print engine expands
// ("&p" the page number).
struct TQVPageDescription {
  std::string Text;
  int Align = paCenter;
  bool FirstPage = true;
  TXFont Font;
};

class TQVPrintLayout {
public:
  // Millimetres.
  double LeftMargin = 20;
  double TopMargin = 20;
  double RightMargin = 20;
  double BottomMargin = 20;
  // The left and right margins swap on even pages.
  bool MirrorMargins = false;
  // "- &p -", centred, on the first page too, in Arial 10.
  TQVPageDescription Header;
  // Empty.
  TQVPageDescription Footer;

  TQVPrintLayout();
};
