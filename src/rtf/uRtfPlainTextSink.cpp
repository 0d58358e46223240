#include "rtf/uRtfPlainTextSink.h"

#include "rtf/uRtfReader.h"

void TRtfPlainTextSink::Text(std::string_view Utf8, const TRtfCharFormat&) {
  if (Utf8.empty()) return;
  Put();
  FText.append(Utf8);
}

void TRtfPlainTextSink::Tab(const TRtfCharFormat&) {
  Put();
  FText += '\t';
}

void TRtfPlainTextSink::LineBreak(const TRtfCharFormat&) {
  Put();
  FText += '\n';
}

void TRtfPlainTextSink::ParagraphEnd(const TRtfParaFormat&) {
  Put();
  FSeparator = FInRow ? ' ' : '\n';
}

void TRtfPlainTextSink::RowBegin(const TRtfRowFormat&) {
  Put();
  FInRow = true;
}

void TRtfPlainTextSink::CellEnd(const TRtfParaFormat&) {
  Put();
  FSeparator = '\t';
}

void TRtfPlainTextSink::RowEnd(const TRtfRowFormat&) {
  FSeparator = '\n';
  FInRow = false;
}

void TRtfPlainTextSink::TableEnd() {
  FInRow = false;
}

std::string RtfToPlainText(std::string_view Rtf) {
  TRtfPlainTextSink sink;
  sink.Reserve(Rtf.size()); // the visible text is never longer than the RTF, give or take
  ReadRtf(Rtf, sink);
  return sink.TakeText();
}
