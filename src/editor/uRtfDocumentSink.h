#pragma once
// Reading RTF into the editor's QTextDocument: a sink of the core's RTF reader that builds the
// document through a QTextCursor, with character and paragraph formats, lists, tables, images
// (as document resources), hyperlinks (as anchors), page breaks and the document background.

#include "rtf/uRtfSink.h"

#include <QHash>
#include <QString>
#include <QTextCursor>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

class QTextDocument;
class QTextList;

class TRtfDocumentSink : public TRtfSink {
public:
  // Inserts at Cursor. With DocumentDefaults the sink also sets the document's default font
  // family (from \deff) and background, as loading a whole body does; pasting leaves them.
  TRtfDocumentSink(const QTextCursor& Cursor, bool DocumentDefaults);
  ~TRtfDocumentSink() override;

  void Begin(const TRtfTables& Tables) override;
  void Text(std::string_view Utf8, const TRtfCharFormat& Format) override;
  void Tab(const TRtfCharFormat& Format) override;
  void LineBreak(const TRtfCharFormat& Format) override;
  void Picture(const TRtfPicture& Picture, const TRtfCharFormat& Format) override;
  void LinkBegin(std::string_view Target) override;
  void LinkEnd() override;
  void ParagraphEnd(const TRtfParaFormat& Format) override;
  void RowBegin(const TRtfRowFormat& Row) override;
  void CellEnd(const TRtfParaFormat& Format) override;
  void RowEnd(const TRtfRowFormat& Row) override;
  void TableEnd() override;
  void End() override;

private:
  struct TOp;
  struct TRow;

  QTextCursor FCursor;
  QTextDocument* FDocument;
  bool FDocumentDefaults;
  bool FDefaultsApplied = false;
  bool FNeedBlock = false;
  const TRtfTables* FTables = nullptr;
  QString FLink;
  // Lists by (\ls number or old-style kind, level); old-style lists end with a plain paragraph.
  std::map<std::tuple<int, int, int>, QTextList*> FLists;
  // A table is gathered whole, then built: its column grid needs every row's cell boundaries.
  std::vector<TRow> FTableRows;
  bool FInTable = false;

  void ApplyDefaults();
  void EnsureBlock();
  void InsertText(const QString& Text, const TRtfCharFormat& Format);
  void InsertPicture(const TRtfPicture& Picture, const TRtfCharFormat& Format);
  void EndBlock(const TRtfParaFormat& Format);
  void Record(TOp Op);
  void BuildTable();
  void Replay(const std::vector<TOp>& Ops);
};

// Replaces Document's content with the RTF (or plain) text, as loading a note body does.
void LoadRtfDocument(QTextDocument& Document, std::string_view Rtf);
// Inserts RTF at Cursor, as pasting does; the document's defaults stay as they are.
void InsertRtf(QTextCursor& Cursor, std::string_view Rtf);
