#pragma once
// The visible text of an RTF body: paragraphs on lines of their own, table cells separated by
// tabs and rows by line breaks, paragraphs inside a cell by a space. Pictures and list
// numbers show nothing. Used by the note search and the command-line tool.

#include "rtf/uRtfSink.h"

#include <string>
#include <string_view>

class TRtfPlainTextSink : public TRtfSink {
public:
  // The text so far; after End, the whole visible text without a trailing line break.
  const std::string& PlainText() const { return FText; }
  std::string TakeText() { return std::move(FText); }
  void Reserve(std::size_t Bytes) { FText.reserve(Bytes); }

  void Text(std::string_view Utf8, const TRtfCharFormat& Format) override;
  void Tab(const TRtfCharFormat& Format) override;
  void LineBreak(const TRtfCharFormat& Format) override;
  void ParagraphEnd(const TRtfParaFormat& Format) override;
  void RowBegin(const TRtfRowFormat& Row) override;
  void CellEnd(const TRtfParaFormat& Format) override;
  void RowEnd(const TRtfRowFormat& Row) override;
  void TableEnd() override;

private:
  std::string FText;
  char FSeparator = 0; // written before the next content
  bool FInRow = false;
  void Put() {
    if (FSeparator) FText += FSeparator;
    FSeparator = 0;
  }
};

// The visible text of an RTF (or plain) text.
std::string RtfToPlainText(std::string_view Rtf);
