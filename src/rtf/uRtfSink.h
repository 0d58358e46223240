#pragma once
// The receiver of what the RTF reader finds, in reading order. Text is UTF-8. A paragraph's
// content (text, tabs, line breaks, pictures, fields) comes first, then its end with the
// paragraph's format. In a table, a row begins before its first cell's content; the last
// paragraph of a cell ends with CellEnd instead of ParagraphEnd, and RowEnd carries the row's
// final properties. TableEnd comes before the first paragraph after the table.

#include "rtf/uRtfFormat.h"

#include <string_view>

class TRtfSink {
public:
  virtual ~TRtfSink() = default;
  // Called once before anything else; Tables fills while reading and stays valid until End.
  virtual void Begin(const TRtfTables& Tables) { (void)Tables; }
  virtual void Text(std::string_view Utf8, const TRtfCharFormat& Format) = 0;
  virtual void Tab(const TRtfCharFormat& Format) { Text("\t", Format); }
  virtual void LineBreak(const TRtfCharFormat& Format) { Text("\n", Format); }
  virtual void Picture(const TRtfPicture& Picture, const TRtfCharFormat& Format) {
    (void)Picture;
    (void)Format;
  }
  // A hyperlink's shown text lies between these two calls; links do not nest.
  virtual void LinkBegin(std::string_view Target) { (void)Target; }
  virtual void LinkEnd() {}
  virtual void ParagraphEnd(const TRtfParaFormat& Format) = 0;
  virtual void RowBegin(const TRtfRowFormat& Row) { (void)Row; }
  virtual void CellEnd(const TRtfParaFormat& Format) { ParagraphEnd(Format); }
  virtual void RowEnd(const TRtfRowFormat& Row) { (void)Row; }
  virtual void TableEnd() {}
  virtual void End() {}
};
