#include "rtf/uRtfFieldInstruction.h"

#include <cctype>

namespace {

void SkipSpaces(std::string_view Text, std::size_t& Pos) {
  while (Pos < Text.size() && std::isspace(static_cast<unsigned char>(Text[Pos])))
    ++Pos;
}

// One argument: quoted (with \" and \\ escapes) or up to the next space.
std::string ReadArgument(std::string_view Text, std::size_t& Pos) {
  std::string arg;
  if (Pos < Text.size() && Text[Pos] == '"') {
    ++Pos;
    while (Pos < Text.size() && Text[Pos] != '"') {
      if (Text[Pos] == '\\' && Pos + 1 < Text.size() &&
          (Text[Pos + 1] == '"' || Text[Pos + 1] == '\\'))
        ++Pos;
      arg += Text[Pos++];
    }
    if (Pos < Text.size()) ++Pos;
  } else {
    while (Pos < Text.size() && !std::isspace(static_cast<unsigned char>(Text[Pos])))
      arg += Text[Pos++];
  }
  return arg;
}

bool StartsWithKeyword(std::string_view Text, std::size_t& Pos) {
  constexpr std::string_view keyword = "HYPERLINK";
  if (Text.size() - Pos < keyword.size()) return false;
  for (std::size_t i = 0; i < keyword.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(Text[Pos + i])) != keyword[i]) return false;
  Pos += keyword.size();
  return Pos == Text.size() || std::isspace(static_cast<unsigned char>(Text[Pos])) ||
         Text[Pos] == '"';
}

} // namespace

bool ParseHyperlinkInstruction(std::string_view Text, std::string& Target) {
  std::size_t pos = 0;
  SkipSpaces(Text, pos);
  if (!StartsWithKeyword(Text, pos)) return false;
  std::string url, anchor;
  bool haveUrl = false;
  while (true) {
    SkipSpaces(Text, pos);
    if (pos >= Text.size()) break;
    if (Text[pos] == '\\' && pos + 1 < Text.size() && Text[pos + 1] != '\\') {
      const char option =
          static_cast<char>(std::tolower(static_cast<unsigned char>(Text[pos + 1])));
      pos += 2;
      if (option == 'l' || option == 'o' || option == 't') {
        SkipSpaces(Text, pos);
        std::string value = ReadArgument(Text, pos);
        if (option == 'l') anchor = std::move(value);
      }
      continue;
    }
    std::string arg = ReadArgument(Text, pos);
    if (!haveUrl) {
      url = std::move(arg);
      haveUrl = true;
    }
  }
  if (!anchor.empty()) url += "#" + anchor;
  if (url.empty()) return false;
  Target = std::move(url);
  return true;
}

std::string MakeHyperlinkInstruction(std::string_view Target) {
  std::string text = "HYPERLINK \"";
  for (char c : Target) {
    // A quote is written percent-encoded, as a URL carries it: not every reader knows \".
    if (c == '"') {
      text += "%22";
      continue;
    }
    if (c == '\\') text += '\\';
    text += c;
  }
  text += '"';
  return text;
}
