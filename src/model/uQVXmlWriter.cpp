#include "model/uQVXmlWriter.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace {

// Collects output in a block and hands it on when full, so the sink sees few, large pieces.
class TOutput {
public:
  explicit TOutput(const TXmlTextSink& Sink) : FSink(Sink) { FBuffer.reserve(BlockSize); }
  ~TOutput() = default;

  void Put(std::string_view Text) {
    if (FBuffer.size() + Text.size() > BlockSize) {
      Flush();
      if (Text.size() > BlockSize) {
        FSink(Text.data(), Text.size());
        FTotal += Text.size();
        return;
      }
    }
    FBuffer.insert(FBuffer.end(), Text.begin(), Text.end());
  }
  void Put(char C) {
    if (FBuffer.size() == BlockSize) Flush();
    FBuffer.push_back(C);
  }
  void Flush() {
    if (FBuffer.empty()) return;
    FSink(FBuffer.data(), FBuffer.size());
    FTotal += FBuffer.size();
    FBuffer.clear();
  }
  std::size_t Total() const { return FTotal + FBuffer.size(); }

private:
  static constexpr std::size_t BlockSize = 1 << 20;
  const TXmlTextSink& FSink;
  std::vector<char> FBuffer;
  std::size_t FTotal = 0;
};

// Characters that cannot stand as they are: in attribute values and in text.
struct TEscapeTable {
  bool Attr[256] = {};
  bool Text[256] = {};
  constexpr TEscapeTable() {
    for (int c = 0; c < 0x20; ++c)
      Attr[c] = Text[c] = true;
    Text[static_cast<unsigned char>('\t')] = false;
    Text[static_cast<unsigned char>('\n')] = false;
    for (char c : {'&', '<', '>'})
      Attr[static_cast<unsigned char>(c)] = Text[static_cast<unsigned char>(c)] = true;
    Attr[static_cast<unsigned char>('"')] = true;
  }
};
constexpr TEscapeTable Escapes;

void PutEscaped(TOutput& Out, const char* Text, const bool (&Special)[256]) {
  const char* run = Text;
  const char* p = Text;
  for (;; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c == 0) break;
    if (!Special[c]) continue;
    Out.Put(std::string_view(run, static_cast<std::size_t>(p - run)));
    switch (c) {
    case '&':
      Out.Put("&amp;");
      break;
    case '<':
      Out.Put("&lt;");
      break;
    case '>':
      Out.Put("&gt;");
      break;
    case '"':
      Out.Put("&quot;");
      break;
    default: {
      char ref[8];
      int n = 0;
      ref[n++] = '&';
      ref[n++] = '#';
      if (c >= 10) ref[n++] = static_cast<char>('0' + c / 10);
      ref[n++] = static_cast<char>('0' + c % 10);
      ref[n++] = ';';
      Out.Put(std::string_view(ref, static_cast<std::size_t>(n)));
    }
    }
    run = p + 1;
  }
  Out.Put(std::string_view(run, static_cast<std::size_t>(p - run)));
}

void PutIndent(TOutput& Out, std::size_t Level) {
  static const std::string Blanks(2 * XmlMaxIndentLevels, ' ');
  if (Level > XmlMaxIndentLevels) Level = XmlMaxIndentLevels;
  Out.Put(std::string_view(Blanks.data(), 2 * Level));
}

void PutAttributes(TOutput& Out, pugi::xml_node Node) {
  for (pugi::xml_attribute a = Node.first_attribute(); a; a = a.next_attribute()) {
    Out.Put(' ');
    Out.Put(a.name());
    Out.Put("=\"");
    PutEscaped(Out, a.value(), Escapes.Attr);
    Out.Put('"');
  }
}

bool HasTextChild(pugi::xml_node Node) {
  for (pugi::xml_node c = Node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) return true;
  return false;
}

// Writes Node and everything below it on one line, with no indentation: used for elements that
// hold text, where added blanks would change the text.
void PutInline(TOutput& Out, pugi::xml_node Top) {
  pugi::xml_node node = Top;
  for (;;) {
    bool descend = false;
    switch (node.type()) {
    case pugi::node_pcdata:
      PutEscaped(Out, node.value(), Escapes.Text);
      break;
    case pugi::node_cdata:
      Out.Put("<![CDATA[");
      Out.Put(node.value());
      Out.Put("]]>");
      break;
    case pugi::node_element:
      Out.Put('<');
      Out.Put(node.name());
      PutAttributes(Out, node);
      if (node.first_child()) {
        Out.Put('>');
        descend = true;
      } else {
        Out.Put("/>");
      }
      break;
    default:
      break;
    }
    if (descend) {
      node = node.first_child();
      continue;
    }
    // Climb until a next sibling is found, closing elements on the way.
    while (node != Top && !node.next_sibling()) {
      node = node.parent();
      Out.Put("</");
      Out.Put(node.name());
      Out.Put('>');
    }
    if (node == Top) return;
    node = node.next_sibling();
  }
}

} // namespace

std::size_t WriteXmlText(const pugi::xml_document& Doc, const TXmlTextSink& Sink) {
  TOutput out(Sink);
  bool wroteDeclaration = false;
  for (pugi::xml_node top = Doc.first_child(); top; top = top.next_sibling()) {
    if (top.type() == pugi::node_declaration) {
      out.Put("<?xml");
      PutAttributes(out, top);
      out.Put("?>\r\n");
      wroteDeclaration = true;
      continue;
    }
    if (top.type() != pugi::node_element) continue;
    if (!wroteDeclaration) {
      out.Put("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
      wroteDeclaration = true;
    }
    // Iterative walk: documents may be nested far deeper than the stack would allow.
    std::size_t level = 0;
    pugi::xml_node node = top;
    for (;;) {
      bool descend = false;
      if (node.type() == pugi::node_element) {
        PutIndent(out, level);
        if (HasTextChild(node)) {
          PutInline(out, node);
          out.Put("\r\n");
        } else {
          out.Put('<');
          out.Put(node.name());
          PutAttributes(out, node);
          pugi::xml_node firstElement = node.first_child();
          while (firstElement && firstElement.type() != pugi::node_element)
            firstElement = firstElement.next_sibling();
          if (firstElement) {
            out.Put(">\r\n");
            descend = true;
          } else {
            out.Put("/>\r\n");
          }
        }
      }
      if (descend) {
        node = node.first_child();
        ++level;
        continue;
      }
      while (node != top && !node.next_sibling()) {
        node = node.parent();
        --level;
        PutIndent(out, level);
        out.Put("</");
        out.Put(node.name());
        out.Put(">\r\n");
      }
      if (node == top) break;
      node = node.next_sibling();
    }
  }
  out.Flush();
  return out.Total();
}

std::string XmlToText(const pugi::xml_document& Doc) {
  std::string text;
  WriteXmlText(Doc, [&text](const char* Data, std::size_t Size) { text.append(Data, Size); });
  return text;
}
