#pragma once
// Typed readers and writers over the XML DOM shared by the data file, the settings and the
// language document. Readers never fail: a missing or malformed value gives the default.

#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>

// Days since 1899-12-30 00:00, the fraction being the time of day, local clock; 0 means no date.
using TDateTime = double;

// The system window-text colour: the default caption colour.
inline constexpr std::int32_t clWindowText = static_cast<std::int32_t>(0xFF000008u);
inline constexpr std::int32_t clBlack = 0;

// Parse options for every XML file we read. Whitespace inside attribute values is kept as it
// is, so a tab in a caption survives a round trip.
inline constexpr unsigned XmlParseOptions =
    pugi::parse_default & ~static_cast<unsigned>(pugi::parse_wconv_attribute);

// A fresh, empty document.
void NewXmlDocument(pugi::xml_document& Doc);
// A document in the program's data form: declaration (UTF-8) and the element "Quillery" with
// V="V1.0". Returns that element.
pugi::xml_node NewDataDocument(pugi::xml_document& Doc);

// Finds the first direct child element called Name, appending an empty one when there is none.
pugi::xml_node ChildNode(pugi::xml_node Node, const char* Name);
// Sets an attribute, appending it when it is not there yet (so first writes fix the order).
void SetAttr(pugi::xml_node Node, const char* Name, std::string_view Value);
void SetAttrInt(pugi::xml_node Node, const char* Name, std::int64_t Value);
void SetAttrBool(pugi::xml_node Node, const char* Name, bool Value);
void SetAttrHex(pugi::xml_node Node, const char* Name, std::int32_t Value);
void SetAttrDate(pugi::xml_node Node, const char* Name, TDateTime Value);

std::string ReadChildString(pugi::xml_node Node, const char* Name);
bool ReadChildBool(pugi::xml_node Node, const char* Name, bool Default);
int ReadChildInt(pugi::xml_node Node, const char* Name, int Default);

std::string ReadAttrString(pugi::xml_node Node, const char* Name);
int ReadAttrInt(pugi::xml_node Node, const char* Name, int Default);
std::int32_t ReadAttrHex(pugi::xml_node Node, const char* Name);
bool ReadAttrBool(pugi::xml_node Node, const char* Name);
TDateTime ReadAttrDate(pugi::xml_node Node, const char* Name);

// Conversions. The Text* functions return false and leave Value alone when the text does not
// convert.
bool TextToInt(std::string_view Text, std::int32_t& Value);
// "True"/"False" in any letter case, or a number (0 is false).
bool TextToBool(std::string_view Text, bool& Value);
bool TextToHex(std::string_view Text, std::int32_t& Value);
std::string BoolToText(bool Value);
std::string HexToText(std::int32_t Value);

// XML Schema date-time text to a date-time; a zone offset is taken away, so text ending in "Z"
// gives back exactly the clock value written. 0 for empty or unreadable text.
TDateTime XmlTextToDateTime(std::string_view Text);
// 2009-05-17T14:03:27.512Z: the clock value unchanged, to the millisecond.
std::string DateTimeToXmlText(TDateTime Value);
// The current local date and time.
TDateTime NowDateTime();
// Builds a date-time from its parts; false when a part is out of range.
bool EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second, int Millisecond,
                    TDateTime& Value);
struct TDateTimeParts {
  int Year, Month, Day, Hour, Minute, Second, Millisecond;
};
TDateTimeParts DecodeDateTime(TDateTime Value);
