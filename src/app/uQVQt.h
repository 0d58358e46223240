#pragma once
// The boundary between the core's types and Qt's: UTF-8 strings, date-times and colours.

#include "model/uQVXML.h"

#include <QColor>
#include <QDateTime>
#include <QString>
#include <string>
#include <string_view>

inline QString QStr(std::string_view Text) {
  return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}
inline std::string StdStr(const QString& Text) {
  return Text.toUtf8().toStdString();
}

// TDateTime (days since 1899-12-30, local clock) to and from Qt; 0 is no date (an invalid
// QDateTime).
QDateTime ToQDateTime(TDateTime Value);
TDateTime FromQDateTime(const QDateTime& Value);

// Colours are stored as 32-bit values with red in the lowest byte; values with the top byte
// 0xFF name a system colour (0xFF000008 is the window-text colour), resolved from the palette.
QColor ToQColor(std::int32_t Value);
std::int32_t FromQColor(const QColor& Color);
