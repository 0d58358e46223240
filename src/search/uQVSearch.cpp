#include "search/uQVSearch.h"

#include "app/uQVQt.h"
#include "rtf/uRtfPlainTextSink.h"

#include <string>

namespace {

std::string UpperAsciiLetters(std::string_view Text) {
  std::string out(Text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

} // namespace

bool CaptionContains(std::string_view Caption, std::string_view FindText) {
  // UTF-8 bytes of other characters never look like ASCII letters, so folding bytes is exact.
  return UpperAsciiLetters(Caption).find(UpperAsciiLetters(FindText)) != std::string::npos;
}

bool NoteTextContains(std::string_view Rtf, const QString& FindText) {
  if (FindText.isEmpty() || Rtf.empty()) return false;
  return QStr(RtfToPlainText(Rtf)).contains(FindText, Qt::CaseInsensitive);
}
