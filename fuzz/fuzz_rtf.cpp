// Fuzzes the RTF reader: any input must read to the end without a crash, a hang or a leak, and
// the calls a sink receives must keep their promises (valid UTF-8, rows and links that open
// and close in order).

#include "rtf/uRtfPlainTextSink.h"
#include "rtf/uRtfReader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

bool ValidUtf8(std::string_view Text) {
  for (std::size_t i = 0; i < Text.size();) {
    const auto c = static_cast<unsigned char>(Text[i]);
    const std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (n == 0 || i + n > Text.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(Text[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

class TCheckingSink : public TRtfPlainTextSink {
public:
  bool Begun = false, Ended = false, InRow = false, InTable = false, InLink = false;

  void Begin(const TRtfTables& Tables) override {
    Check(!Begun);
    Begun = true;
    TRtfPlainTextSink::Begin(Tables);
  }
  void Text(std::string_view Utf8, const TRtfCharFormat& Format) override {
    Check(Begun && !Ended && !Utf8.empty() && ValidUtf8(Utf8));
    TRtfPlainTextSink::Text(Utf8, Format);
  }
  void Picture(const TRtfPicture& Picture, const TRtfCharFormat&) override {
    Check(Picture.Kind != TRtfPictureKind::Other || Picture.Data.empty());
    Check(Picture.ShownWidth() >= 0 && Picture.ShownHeight() >= 0);
  }
  void LinkBegin(std::string_view Target) override {
    Check(!InLink && !Target.empty() && ValidUtf8(Target));
    InLink = true;
  }
  void LinkEnd() override {
    Check(InLink);
    InLink = false;
  }
  void RowBegin(const TRtfRowFormat& Row) override {
    Check(!InRow);
    InRow = InTable = true;
    TRtfPlainTextSink::RowBegin(Row);
  }
  void CellEnd(const TRtfParaFormat& Format) override {
    Check(InRow);
    TRtfPlainTextSink::CellEnd(Format);
  }
  void RowEnd(const TRtfRowFormat& Row) override {
    Check(InRow);
    InRow = false;
    TRtfPlainTextSink::RowEnd(Row);
  }
  void TableEnd() override {
    Check(InTable && !InRow);
    InTable = false;
    TRtfPlainTextSink::TableEnd();
  }
  void ParagraphEnd(const TRtfParaFormat& Format) override {
    Check(Format.ListLevel >= 0 && Format.ListLevel <= 8);
    TRtfPlainTextSink::ParagraphEnd(Format);
  }
  void End() override {
    Check(Begun && !Ended && !InRow && !InTable && !InLink);
    Ended = true;
  }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TCheckingSink sink;
  ReadRtf({reinterpret_cast<const char*>(Data), Size}, sink);
  Check(sink.Ended);
  Check(ValidUtf8(sink.PlainText()));
  return 0;
}
