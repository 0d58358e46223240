#include "uDocGenerator.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string_view>
#include <vector>
#include <zlib.h>

namespace {

const char* const Words[] = {
    "meeting", "project", "budget",  "Kunde",   "Termin",  "review", "draft",   "idea",
    "phone",   "call",    "offer",   "invoice", "Bericht", "plan",   "garden",  "recipe",
    "travel",  "book",    "chapter", "notes",   "summary", "todo",   "Angebot", "Rechnung",
    "monday",  "friday",  "release", "version", "server",  "backup", "letter",  "contract",
    "the",     "and",     "for",     "with",    "from",    "about",  "next",    "week",
    "und",     "der",     "die",     "das",     "mit",     "nach",   "bis",     "heute",
    "quickly", "later",   "check",   "send",    "write",   "read",   "update",  "order"};
constexpr std::size_t WordCount = sizeof Words / sizeof Words[0];

// Non-ASCII characters as RTF writes them: \'hh in the ANSI code page and \uN with a fallback.
const char* const Escapes[] = {"\\'e4", "\\'f6",    "\\'fc",   "\\'df",    "\\'c4",
                               "\\'e9", "\\u8364?", "\\u945?", "\\u8211?", "\\u20013?"};
constexpr std::size_t EscapeCount = sizeof Escapes / sizeof Escapes[0];

const char* const Runs[] = {"\\b ",      "\\b0 ",  "\\i ",   "\\i0 ",   "\\ul ",
                            "\\ulnone ", "\\cf1 ", "\\cf0 ", "\\fs24 ", "\\fs20 "};
constexpr std::size_t RunCount = sizeof Runs / sizeof Runs[0];

class TWriter {
public:
  explicit TWriter(std::string& Out) : FOut(Out) {}
  void Indent(std::size_t Level) { FOut.append(2 * Level, ' '); }
  void Line(std::size_t Level, std::string_view Text) {
    Indent(Level);
    FOut += Text;
    FOut += "\r\n";
  }
  std::string& Out() { return FOut; }

private:
  std::string& FOut;
};

// Escapes what an attribute value cannot hold.
void AppendAttribute(std::string& Out, std::string_view Value) {
  for (char c : Value) {
    switch (c) {
    case '&':
      Out += "&amp;";
      break;
    case '<':
      Out += "&lt;";
      break;
    case '>':
      Out += "&gt;";
      break;
    case '"':
      Out += "&quot;";
      break;
    case '\r':
      Out += "&#13;";
      break;
    case '\n':
      Out += "&#10;";
      break;
    default:
      Out += c;
    }
  }
}

std::string DateText(std::mt19937& Random) {
  char text[32];
  std::snprintf(text, sizeof text, "20%02u-%02u-%02uT%02u:%02u:%02u.%03uZ",
                static_cast<unsigned>(10 + Random() % 16), static_cast<unsigned>(1 + Random() % 12),
                static_cast<unsigned>(1 + Random() % 28), static_cast<unsigned>(Random() % 24),
                static_cast<unsigned>(Random() % 60), static_cast<unsigned>(Random() % 60),
                static_cast<unsigned>(Random() % 1000));
  return text;
}

std::string Caption(std::mt19937& Random) {
  std::string caption;
  const unsigned words = 1 + Random() % 4;
  for (unsigned i = 0; i < words; ++i) {
    if (i) caption += ' ';
    caption += Words[Random() % WordCount];
  }
  caption[0] =
      static_cast<char>(caption[0] >= 'a' && caption[0] <= 'z' ? caption[0] - 32 : caption[0]);
  return caption;
}

std::string Body(std::size_t Bytes, std::mt19937& Random) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
      "{\\f1\\fswiss\\fcharset0 Tahoma;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
      "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
  while (rtf.size() < Bytes) {
    const unsigned pick = Random() % 100;
    if (pick < 4)
      rtf += Runs[Random() % RunCount];
    else if (pick < 7)
      rtf += Escapes[Random() % EscapeCount];
    else if (pick < 9)
      rtf += "\\par\r\n";
    rtf += Words[Random() % WordCount];
    rtf += ' ';
  }
  rtf += "\\par\r\n}\r\n";
  return rtf;
}

} // namespace

std::string GenerateRtfBody(std::size_t Bytes, std::uint32_t Seed) {
  std::mt19937 random(Seed);
  return Body(Bytes, random);
}

std::string GenerateDocumentXml(const TDocGeneratorOptions& Options) {
  std::mt19937 random(Options.Seed);
  std::string out;
  out.reserve(Options.Notices * (Options.BodyBytes + 800) + 4096);
  TWriter w(out);
  std::int32_t nextPositive = 1, nextNegative = -1;
  const std::string now = DateText(random);
  w.Line(0, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  w.Line(0, "<Quillery V=\"V1.0\" ID=\"0\" CreateDate=\"" + now + "\" ChangeDate=\"" + now + "\">");

  auto layout = [&](std::size_t level) {
    const bool bold = random() % 10 == 0;
    const unsigned icon = random() % 8 == 0 ? random() % 23 : 0;
    w.Line(level, "<Layout>");
    w.Line(level + 1, std::string("<Font Name=\"Arial\" Size=\"10\" Color=\"") +
                          (random() % 10 == 0 ? "000000FF" : "FF000008") + "\">");
    w.Line(level + 2, std::string("<Style Bold=\"") + (bold ? "True" : "False") +
                          "\" Italic=\"False\" Underline=\"False\" Strikeout=\"False\"/>");
    w.Line(level + 1, "</Font>");
    w.Line(level + 1, "<TreeIcon Index=\"" + std::to_string(icon) + "\"/>");
    w.Line(level, "</Layout>");
  };
  auto parameters = [&](std::size_t level, bool task) {
    w.Line(level, "<ParameterList ID=\"" + std::to_string(nextNegative--) + "\">");
    w.Indent(level + 1);
    out += "<Parameter Name=\"Caption\" Value=\"";
    AppendAttribute(out, Caption(random));
    out += "\"/>\r\n";
    if (task) {
      w.Line(level + 1, "<Parameter Name=\"Task\" Value=\"-1\"/>");
      w.Line(level + 1, "<Parameter Name=\"TaskDT\" Value=\"" + DateText(random) + "\"/>");
    }
    w.Indent(level + 1);
    out += "<Parameter Name=\"Note\" Value=\"";
    AppendAttribute(out, Body(Options.BodyBytes, random));
    out += "\"/>\r\n";
    w.Line(level, "</ParameterList>");
  };

  // The root, then notes in document order: each goes one level deeper than the one before,
  // stays, or climbs, so the tree is written in one pass with a stack of open elements.
  const std::string rootDate = DateText(random);
  w.Line(1, "<NoticeRoot ID=\"" + std::to_string(nextPositive++) + "\" CreateDate=\"" + rootDate +
                "\" ChangeDate=\"" + rootDate + "\" LastID=\"2\">");
  layout(2);
  w.Line(2, "<NoticeList ID=\"" + std::to_string(nextNegative--) + "\">");
  std::size_t depth = 0; // open notes
  for (std::size_t i = 0; i < Options.Notices; ++i) {
    std::size_t target = depth + 1;
    if (depth > 0) {
      const unsigned r = random() % 100;
      if (r < 30 || depth >= Options.MaxDepth)
        target = 1 + random() % depth; // climb
      else if (r < 65)
        target = depth; // sibling
    }
    while (depth >= target) {
      const std::size_t level = 2 + 2 * depth;
      w.Line(level, "</NoticeList>");
      w.Line(level - 1, "</Notice>");
      --depth;
    }
    const std::size_t level = 3 + 2 * depth;
    const std::string created = DateText(random);
    w.Line(level, "<Notice ID=\"" + std::to_string(nextPositive++) + "\" CreateDate=\"" + created +
                      "\" ChangeDate=\"" + created + "\">");
    layout(level + 1);
    parameters(level + 1, random() % 10 == 0);
    w.Line(level + 1, "<NoticeList ID=\"" + std::to_string(nextNegative--) + "\">");
    ++depth;
  }
  while (depth > 0) {
    const std::size_t level = 2 + 2 * depth;
    w.Line(level, "</NoticeList>");
    w.Line(level - 1, "</Notice>");
    --depth;
  }
  w.Line(2, "</NoticeList>");
  w.Line(2, "<ParameterList ID=\"" + std::to_string(nextNegative--) + "\">");
  w.Line(3, "<Parameter Name=\"Note\" Value=\"\"/>");
  w.Line(2, "</ParameterList>");
  w.Line(1, "</NoticeRoot>");
  w.Line(0, "</Quillery>");
  return out;
}

std::string GenerateDataFile(const TDocGeneratorOptions& Options, const std::string& Path) {
  const std::string xml = GenerateDocumentXml(Options);
  z_stream stream{};
  if (deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2");
  std::string out(deflateBound(&stream, xml.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(xml.data()));
  stream.avail_in = static_cast<uInt>(xml.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  std::ofstream file(Path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  if (!file) throw std::runtime_error("cannot write " + Path);
  return Path;
}
