#include "model/uQVXML.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace {

constexpr std::int64_t MsPerDay = 86400000;
// Days from 1899-12-30 to 1970-01-01.
constexpr std::int64_t UnixEpochOffsetDays = 25569;

std::string_view Trim(std::string_view Text) {
  while (!Text.empty() && (Text.front() == ' ' || Text.front() == '\t' || Text.front() == '\r' ||
                           Text.front() == '\n'))
    Text.remove_prefix(1);
  while (!Text.empty() &&
         (Text.back() == ' ' || Text.back() == '\t' || Text.back() == '\r' || Text.back() == '\n'))
    Text.remove_suffix(1);
  return Text;
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
}

bool IsLeap(std::int64_t y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned DaysInMonth(std::int64_t y, unsigned m) {
  static constexpr unsigned Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : Days[m - 1];
}

// Reads exactly Count digits from Text at Pos.
bool Digits(std::string_view Text, std::size_t& Pos, int Count, int& Value) {
  if (Pos + static_cast<std::size_t>(Count) > Text.size()) return false;
  int v = 0;
  for (int i = 0; i < Count; ++i) {
    const char c = Text[Pos + static_cast<std::size_t>(i)];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  Pos += static_cast<std::size_t>(Count);
  Value = v;
  return true;
}

bool Expect(std::string_view Text, std::size_t& Pos, char C) {
  if (Pos >= Text.size() || Text[Pos] != C) return false;
  ++Pos;
  return true;
}

} // namespace

void NewXmlDocument(pugi::xml_document& Doc) {
  Doc.reset();
}

pugi::xml_node NewDataDocument(pugi::xml_document& Doc) {
  Doc.reset();
  pugi::xml_node decl = Doc.append_child(pugi::node_declaration);
  decl.append_attribute("version") = "1.0";
  decl.append_attribute("encoding") = "UTF-8";
  pugi::xml_node root = Doc.append_child("Quillery");
  root.append_attribute("V") = "V1.0";
  return root;
}

pugi::xml_node ChildNode(pugi::xml_node Node, const char* Name) {
  pugi::xml_node child = Node.child(Name);
  return child ? child : Node.append_child(Name);
}

void SetAttr(pugi::xml_node Node, const char* Name, std::string_view Value) {
  pugi::xml_attribute attr = Node.attribute(Name);
  if (!attr) attr = Node.append_attribute(Name);
  attr.set_value(Value.data(), Value.size());
}

void SetAttrInt(pugi::xml_node Node, const char* Name, std::int64_t Value) {
  char buffer[24];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, Value);
  (void)ec;
  SetAttr(Node, Name, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

void SetAttrBool(pugi::xml_node Node, const char* Name, bool Value) {
  SetAttr(Node, Name, Value ? "True" : "False");
}

void SetAttrHex(pugi::xml_node Node, const char* Name, std::int32_t Value) {
  SetAttr(Node, Name, HexToText(Value));
}

void SetAttrDate(pugi::xml_node Node, const char* Name, TDateTime Value) {
  SetAttr(Node, Name, DateTimeToXmlText(Value));
}

std::string ReadChildString(pugi::xml_node Node, const char* Name) {
  return Node.child(Name).text().get();
}

bool ReadChildBool(pugi::xml_node Node, const char* Name, bool Default) {
  bool value = Default;
  pugi::xml_node child = Node.child(Name);
  if (child) TextToBool(child.text().get(), value);
  return value;
}

int ReadChildInt(pugi::xml_node Node, const char* Name, int Default) {
  std::int32_t value = Default;
  pugi::xml_node child = Node.child(Name);
  if (child) TextToInt(child.text().get(), value);
  return value;
}

std::string ReadAttrString(pugi::xml_node Node, const char* Name) {
  return Node.attribute(Name).value();
}

int ReadAttrInt(pugi::xml_node Node, const char* Name, int Default) {
  std::int32_t value = Default;
  TextToInt(Node.attribute(Name).value(), value);
  return value;
}

std::int32_t ReadAttrHex(pugi::xml_node Node, const char* Name) {
  std::int32_t value = 0;
  TextToHex(Node.attribute(Name).value(), value);
  return value;
}

bool ReadAttrBool(pugi::xml_node Node, const char* Name) {
  bool value = false;
  TextToBool(Node.attribute(Name).value(), value);
  return value;
}

TDateTime ReadAttrDate(pugi::xml_node Node, const char* Name) {
  return XmlTextToDateTime(Node.attribute(Name).value());
}

bool TextToInt(std::string_view Text, std::int32_t& Value) {
  Text = Trim(Text);
  if (!Text.empty() && Text.front() == '+') Text.remove_prefix(1);
  if (Text.empty()) return false;
  std::int32_t v = 0;
  auto [end, ec] = std::from_chars(Text.data(), Text.data() + Text.size(), v);
  if (ec != std::errc() || end != Text.data() + Text.size()) return false;
  Value = v;
  return true;
}

bool TextToBool(std::string_view Text, bool& Value) {
  Text = Trim(Text);
  auto equalsNoCase = [](std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      char c = a[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != b[i]) return false;
    }
    return true;
  };
  if (equalsNoCase(Text, "true")) {
    Value = true;
    return true;
  }
  if (equalsNoCase(Text, "false")) {
    Value = false;
    return true;
  }
  if (Text.empty()) return false;
  double number = 0;
  auto [end, ec] = std::from_chars(Text.data(), Text.data() + Text.size(), number);
  if (ec != std::errc() || end != Text.data() + Text.size()) return false;
  Value = number != 0;
  return true;
}

bool TextToHex(std::string_view Text, std::int32_t& Value) {
  Text = Trim(Text);
  if (Text.empty() || Text.size() > 8) return false;
  std::uint32_t v = 0;
  auto [end, ec] = std::from_chars(Text.data(), Text.data() + Text.size(), v, 16);
  if (ec != std::errc() || end != Text.data() + Text.size()) return false;
  Value = static_cast<std::int32_t>(v);
  return true;
}

std::string BoolToText(bool Value) {
  return Value ? "True" : "False";
}

std::string HexToText(std::int32_t Value) {
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, "%08X", static_cast<std::uint32_t>(Value));
  return buffer;
}

bool EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second, int Millisecond,
                    TDateTime& Value) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 ||
      static_cast<unsigned>(Day) > DaysInMonth(Year, static_cast<unsigned>(Month)) || Hour < 0 ||
      Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59 || Millisecond < 0 ||
      Millisecond > 999)
    return false;
  const std::int64_t days =
      DaysFromCivil(Year, static_cast<unsigned>(Month), static_cast<unsigned>(Day)) +
      UnixEpochOffsetDays;
  const std::int64_t ms = ((Hour * 60 + Minute) * 60 + Second) * 1000 + Millisecond;
  Value = static_cast<double>(days) + static_cast<double>(ms) / MsPerDay;
  return true;
}

TDateTimeParts DecodeDateTime(TDateTime Value) {
  if (!std::isfinite(Value) || std::fabs(Value) > 3.0e6) Value = 0;
  const auto total = static_cast<std::int64_t>(std::llround(Value * MsPerDay));
  std::int64_t days = total / MsPerDay;
  std::int64_t ms = total % MsPerDay;
  if (ms < 0) {
    ms += MsPerDay;
    --days;
  }
  std::int64_t y;
  unsigned m, d;
  CivilFromDays(days - UnixEpochOffsetDays, y, m, d);
  TDateTimeParts parts;
  parts.Year = static_cast<int>(y);
  parts.Month = static_cast<int>(m);
  parts.Day = static_cast<int>(d);
  parts.Millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  parts.Second = static_cast<int>(ms % 60);
  ms /= 60;
  parts.Minute = static_cast<int>(ms % 60);
  parts.Hour = static_cast<int>(ms / 60);
  return parts;
}

std::string DateTimeToXmlText(TDateTime Value) {
  const TDateTimeParts p = DecodeDateTime(Value);
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", p.Year, p.Month,
                p.Day, p.Hour, p.Minute, p.Second, p.Millisecond);
  return buffer;
}

TDateTime XmlTextToDateTime(std::string_view Text) {
  Text = Trim(Text);
  if (Text.empty()) return 0;
  std::size_t pos = 0;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  if (!Digits(Text, pos, 4, year) || !Expect(Text, pos, '-') || !Digits(Text, pos, 2, month) ||
      !Expect(Text, pos, '-') || !Digits(Text, pos, 2, day))
    return 0;
  double fraction = 0;
  int offsetMinutes = 0;
  bool endOfDay = false;
  if (pos < Text.size()) {
    if (!Expect(Text, pos, 'T') || !Digits(Text, pos, 2, hour) || !Expect(Text, pos, ':') ||
        !Digits(Text, pos, 2, minute) || !Expect(Text, pos, ':') || !Digits(Text, pos, 2, second))
      return 0;
    if (pos < Text.size() && Text[pos] == '.') {
      ++pos;
      double scale = 0.1;
      const std::size_t start = pos;
      while (pos < Text.size() && Text[pos] >= '0' && Text[pos] <= '9') {
        fraction += (Text[pos] - '0') * scale;
        scale /= 10;
        ++pos;
      }
      if (pos == start) return 0;
    }
    if (pos < Text.size()) {
      const char zone = Text[pos++];
      if (zone == 'Z') {
        // the clock value as written
      } else if (zone == '+' || zone == '-') {
        int oh, om;
        if (!Digits(Text, pos, 2, oh) || !Expect(Text, pos, ':') || !Digits(Text, pos, 2, om) ||
            oh > 14 || om > 59)
          return 0;
        offsetMinutes = (oh * 60 + om) * (zone == '+' ? 1 : -1);
      } else {
        return 0;
      }
    }
    if (pos != Text.size()) return 0;
    // XML Schema allows 24:00:00 for the end of a day.
    if (hour == 24 && minute == 0 && second == 0 && fraction == 0) {
      hour = 0;
      endOfDay = true;
    }
  }
  TDateTime value;
  if (!EncodeDateTime(year, month, day, hour, minute, second, 0, value)) return 0;
  const double ms = std::round(fraction * 1000.0);
  value += ms / MsPerDay;
  if (endOfDay) value += 1;
  value -= static_cast<double>(offsetMinutes) / (24 * 60);
  return value;
}

TDateTime NowDateTime() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::int64_t unixMs = duration_cast<milliseconds>(now.time_since_epoch()).count();
  const std::int64_t unixMinute = unixMs >= 0 ? unixMs / 60000 : (unixMs - 59999) / 60000;
  // The local offset only changes at minute boundaries in practice; asking the C library for
  // it once a minute keeps stamping many new objects cheap.
  static std::mutex lock;
  static std::int64_t cachedMinute = INT64_MIN;
  static std::int64_t cachedOffsetSeconds = 0;
  std::int64_t offsetSeconds;
  {
    std::lock_guard<std::mutex> guard(lock);
    if (cachedMinute != unixMinute) {
      const std::time_t seconds = static_cast<std::time_t>(unixMinute * 60);
      std::tm local{};
      localtime_r(&seconds, &local);
      cachedOffsetSeconds = local.tm_gmtoff;
      cachedMinute = unixMinute;
    }
    offsetSeconds = cachedOffsetSeconds;
  }
  const std::int64_t localMs = unixMs + offsetSeconds * 1000;
  return static_cast<double>(UnixEpochOffsetDays) + static_cast<double>(localMs) / MsPerDay;
}
