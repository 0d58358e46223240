#pragma once
// Properties of the editor's QTextDocument that Qt has no slot for but RTF does, kept as user
// properties so that what is read is written again. Twips are 1/1440 inch; the document's
// lengths are pixels at 96 dpi, 15 twips each.

#include <QTextFormat>

namespace RtfText {

inline constexpr double TwipsPerPixel = 15.0;

// Paragraph borders, per side (top, left, bottom, right): style (TRtfBorderStyle as int),
// width in twips, colour (QColor; none for automatic).
inline constexpr int ParagraphBorderBase = QTextFormat::UserProperty + 0x5200;
inline constexpr int ParagraphBorderStyle(int Side) {
  return ParagraphBorderBase + Side * 3;
}
inline constexpr int ParagraphBorderWidth(int Side) {
  return ParagraphBorderBase + Side * 3 + 1;
}
inline constexpr int ParagraphBorderColor(int Side) {
  return ParagraphBorderBase + Side * 3 + 2;
}

// Images that the reader took from RTF live as document resources under this scheme.
inline constexpr const char* ImageScheme = "rtfimage";

} // namespace RtfText
