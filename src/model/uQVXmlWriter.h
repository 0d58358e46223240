#pragma once
// Our XML text form: the declaration, then every element on its own line indented by two
// spaces per level, CR LF line ends, empty elements as <Name/>. Attribute values escape
// everything that would not read back unchanged (quotes, markup, tabs and line breaks).

#include <cstddef>
#include <functional>
#include <pugixml.hpp>
#include <string>

// Receives the text in pieces, in order.
using TXmlTextSink = std::function<void(const char* Data, std::size_t Size)>;

// Indentation stops growing below this many levels, so a pathologically deep document does not
// turn into gigabytes of blanks; every real document stays far above it.
inline constexpr std::size_t XmlMaxIndentLevels = 100;

// Writes Doc and returns the number of bytes written.
std::size_t WriteXmlText(const pugi::xml_document& Doc, const TXmlTextSink& Sink);
std::string XmlToText(const pugi::xml_document& Doc);
