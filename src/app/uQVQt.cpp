#include "app/uQVQt.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

QDateTime ToQDateTime(TDateTime Value) {
  if (Value == 0 || !std::isfinite(Value)) return {};
  const TDateTimeParts p = DecodeDateTime(Value);
  return QDateTime(QDate(p.Year, p.Month, p.Day), QTime(p.Hour, p.Minute, p.Second, p.Millisecond));
}

TDateTime FromQDateTime(const QDateTime& Value) {
  if (!Value.isValid()) return 0;
  const QDate d = Value.date();
  const QTime t = Value.time();
  TDateTime result = 0;
  EncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec(), result);
  return result;
}

namespace {

// The system colour indices that notes and settings use, mapped to palette roles.
QColor SystemColor(int Index) {
  const QPalette palette = QApplication::palette();
  switch (Index) {
  case 5:
    return palette.color(QPalette::Base); // window background
  case 8:
    return palette.color(QPalette::Text); // window text
  case 13:
    return palette.color(QPalette::Highlight); // highlight
  case 14:
    return palette.color(QPalette::HighlightedText); // highlighted text
  case 15:
    return palette.color(QPalette::Button); // button face
  case 16:
    return palette.color(QPalette::Mid); // button shadow
  case 17:
    return palette.color(QPalette::PlaceholderText); // grey text
  case 18:
    return palette.color(QPalette::ButtonText); // button text
  case 23:
    return palette.color(QPalette::ToolTipText); // info text
  case 24:
    return palette.color(QPalette::ToolTipBase); // info background
  default:
    return palette.color(QPalette::WindowText);
  }
}

} // namespace

QColor ToQColor(std::int32_t Value) {
  const auto bits = static_cast<std::uint32_t>(Value);
  if ((bits & 0xFF000000u) == 0xFF000000u) return SystemColor(static_cast<int>(bits & 0xFF));
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t FromQColor(const QColor& Color) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(Color.red()) |
                                   (static_cast<std::uint32_t>(Color.green()) << 8) |
                                   (static_cast<std::uint32_t>(Color.blue()) << 16));
}
