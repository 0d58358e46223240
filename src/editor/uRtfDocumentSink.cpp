#include "editor/uRtfDocumentSink.h"

#include "editor/uRtfTextProperties.h"
#include "rtf/uRtfReader.h"

#include <QBuffer>
#include <QColor>
#include <QCryptographicHash>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <set>

namespace {

constexpr int MaxColumns = 256;
// Placeholders and pictures are shown at most this large (pixels), whatever the RTF says.
constexpr int MaxPictureSide = 4000;

qreal Pixels(int Twips) {
  return Twips / RtfText::TwipsPerPixel;
}

QColor ToColor(std::int32_t Rgb) {
  return QColor((Rgb >> 16) & 0xFF, (Rgb >> 8) & 0xFF, Rgb & 0xFF);
}

QTextFrameFormat::BorderStyle ToQtBorder(TRtfBorderStyle Style) {
  switch (Style) {
  case TRtfBorderStyle::Single:
    return QTextFrameFormat::BorderStyle_Solid;
  case TRtfBorderStyle::Double:
    return QTextFrameFormat::BorderStyle_Double;
  case TRtfBorderStyle::Dotted:
    return QTextFrameFormat::BorderStyle_Dotted;
  case TRtfBorderStyle::Dashed:
    return QTextFrameFormat::BorderStyle_Dashed;
  default:
    return QTextFrameFormat::BorderStyle_None;
  }
}

QTextListFormat::Style ListStyle(const TRtfListLevel& Level) {
  switch (Level.Kind) {
  case TRtfListKind::Decimal:
    return QTextListFormat::ListDecimal;
  case TRtfListKind::LowerAlpha:
    return QTextListFormat::ListLowerAlpha;
  case TRtfListKind::UpperAlpha:
    return QTextListFormat::ListUpperAlpha;
  case TRtfListKind::LowerRoman:
    return QTextListFormat::ListLowerRoman;
  case TRtfListKind::UpperRoman:
    return QTextListFormat::ListUpperRoman;
  default:
    break;
  }
  switch (Level.Bullet) {
  case 0x25E6:
  case 0x25CB:
  case 'o':
    return QTextListFormat::ListCircle;
  case 0x25AA:
  case 0x25A0:
  case 0x00A7:
    return QTextListFormat::ListSquare;
  default:
    return QTextListFormat::ListDisc;
  }
}

} // namespace

// One recorded call inside a table cell, replayed when the table is built.
struct TRtfDocumentSink::TOp {
  enum TKind { Text, Picture, LinkBegin, LinkEnd, Paragraph } Kind;
  QString Value;
  TRtfCharFormat Char;
  TRtfParaFormat Para;
  std::shared_ptr<TRtfPicture> Image;
};

struct TRtfDocumentSink::TRow {
  TRtfRowFormat Format;
  std::vector<std::vector<TOp>> Cells{1};
};

TRtfDocumentSink::TRtfDocumentSink(const QTextCursor& Cursor, bool DocumentDefaults)
    : FCursor(Cursor), FDocument(Cursor.document()), FDocumentDefaults(DocumentDefaults) {}

TRtfDocumentSink::~TRtfDocumentSink() = default;

void TRtfDocumentSink::Begin(const TRtfTables& Tables) {
  FTables = &Tables;
}

void TRtfDocumentSink::ApplyDefaults() {
  if (FDefaultsApplied) return;
  FDefaultsApplied = true;
  if (!FDocumentDefaults || !FTables) return;
  if (const TRtfFont* font = FTables->FindFont(FTables->DefaultFont); font && !font->Name.empty()) {
    QFont defaultFont = FDocument->defaultFont();
    defaultFont.setFamilies({QString::fromStdString(font->Name)});
    FDocument->setDefaultFont(defaultFont);
  }
}

void TRtfDocumentSink::EnsureBlock() {
  if (!FNeedBlock) return;
  FNeedBlock = false;
  FCursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

namespace {

QTextCharFormat ToCharFormat(const TRtfCharFormat& F, const TRtfTables* Tables, bool Defaults,
                             const QString& Link) {
  QTextCharFormat format;
  const TRtfFont* font = Tables ? Tables->FindFont(F.Font) : nullptr;
  if (!font && Tables && !Defaults) font = Tables->FindFont(Tables->DefaultFont);
  if (font && !font->Name.empty() && (!Defaults || F.Font != Tables->DefaultFont))
    format.setFontFamilies({QString::fromStdString(font->Name)});
  format.setFontPointSize(F.HalfPoints / 2.0);
  if (F.Bold) format.setFontWeight(QFont::Bold);
  if (F.Italic) format.setFontItalic(true);
  if (F.Strike) format.setFontStrikeOut(true);
  switch (F.Underline) {
  case TRtfUnderline::None:
    break;
  case TRtfUnderline::Dotted:
    format.setUnderlineStyle(QTextCharFormat::DotLine);
    break;
  case TRtfUnderline::Dash:
    format.setUnderlineStyle(QTextCharFormat::DashUnderline);
    break;
  case TRtfUnderline::DashDot:
    format.setUnderlineStyle(QTextCharFormat::DashDotLine);
    break;
  case TRtfUnderline::DashDotDot:
    format.setUnderlineStyle(QTextCharFormat::DashDotDotLine);
    break;
  case TRtfUnderline::Wave:
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    break;
  default:
    format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    break;
  }
  if (F.Caps == TRtfCaps::All) format.setFontCapitalization(QFont::AllUppercase);
  if (F.Caps == TRtfCaps::Small) format.setFontCapitalization(QFont::SmallCaps);
  if (F.Vertical == TRtfVertical::Super)
    format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  if (F.Vertical == TRtfVertical::Sub) format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  if (F.Color >= 0) format.setForeground(ToColor(F.Color));
  if (F.Background >= 0) format.setBackground(ToColor(F.Background));
  if (!Link.isEmpty()) {
    format.setAnchor(true);
    format.setAnchorHref(Link);
  }
  return format;
}

} // namespace

void TRtfDocumentSink::InsertText(const QString& Text, const TRtfCharFormat& Format) {
  ApplyDefaults();
  EnsureBlock();
  FCursor.insertText(Text, ToCharFormat(Format, FTables, FDocumentDefaults, FLink));
}

void TRtfDocumentSink::Record(TOp Op) {
  FTableRows.back().Cells.back().push_back(std::move(Op));
}

void TRtfDocumentSink::Text(std::string_view Utf8, const TRtfCharFormat& Format) {
  const QString text = QString::fromUtf8(Utf8.data(), static_cast<qsizetype>(Utf8.size()));
  if (FInTable)
    Record({TOp::Text, text, Format, {}, {}});
  else
    InsertText(text, Format);
}

void TRtfDocumentSink::Tab(const TRtfCharFormat& Format) {
  Text("\t", Format);
}

void TRtfDocumentSink::LineBreak(const TRtfCharFormat& Format) {
  // Qt's line break inside a block.
  Text("\u2028", Format);
}

void TRtfDocumentSink::Picture(const TRtfPicture& Picture, const TRtfCharFormat& Format) {
  if (FInTable)
    Record({TOp::Picture, {}, Format, {}, std::make_shared<TRtfPicture>(Picture)});
  else
    InsertPicture(Picture, Format);
}

void TRtfDocumentSink::InsertPicture(const TRtfPicture& Picture, const TRtfCharFormat& Format) {
  ApplyDefaults();
  EnsureBlock();
  QByteArray data(Picture.Data.data(), static_cast<qsizetype>(Picture.Data.size()));
  QImage image;
  if (!data.isEmpty()) image.loadFromData(data);
  qreal width = std::clamp(Pixels(Picture.ShownWidth()), 0.0, qreal(MaxPictureSide));
  qreal height = std::clamp(Pixels(Picture.ShownHeight()), 0.0, qreal(MaxPictureSide));
  if (image.isNull()) {
    // A picture Qt cannot show (a metafile, a damaged image): a grey box of its size.
    const int w = std::max(1, qRound(width > 0 ? width : 32));
    const int h = std::max(1, qRound(height > 0 ? height : 32));
    image = QImage(w, h, QImage::Format_RGB32);
    image.fill(QColor(0xD0, 0xD0, 0xD0));
    data.clear();
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
  }
  if (width <= 0) width = image.width();
  if (height <= 0) height = image.height();
  // Named by content, so that the same picture is one resource and names are stable.
  const QString name = QStringLiteral("%1:%2").arg(
      QLatin1String(RtfText::ImageScheme),
      QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex()));
  // The original bytes are kept, so writing the body again writes the same picture.
  FDocument->addResource(QTextDocument::ImageResource, QUrl(name), data);
  QTextImageFormat format;
  const QTextCharFormat base = ToCharFormat(Format, FTables, FDocumentDefaults, FLink);
  format.merge(base);
  format.setName(name);
  format.setWidth(width);
  format.setHeight(height);
  FCursor.insertImage(format);
}

void TRtfDocumentSink::LinkBegin(std::string_view Target) {
  const QString target = QString::fromUtf8(Target.data(), static_cast<qsizetype>(Target.size()));
  if (FInTable)
    Record({TOp::LinkBegin, target, {}, {}, {}});
  else
    FLink = target;
}

void TRtfDocumentSink::LinkEnd() {
  if (FInTable)
    Record({TOp::LinkEnd, {}, {}, {}, {}});
  else
    FLink.clear();
}

void TRtfDocumentSink::ParagraphEnd(const TRtfParaFormat& Format) {
  if (FInTable)
    Record({TOp::Paragraph, {}, {}, Format, {}});
  else
    EndBlock(Format);
}

void TRtfDocumentSink::EndBlock(const TRtfParaFormat& F) {
  ApplyDefaults();
  EnsureBlock();
  QTextBlockFormat format;
  switch (F.Align) {
  case TRtfAlign::Center:
    format.setAlignment(Qt::AlignHCenter);
    break;
  case TRtfAlign::Right:
    format.setAlignment(Qt::AlignRight);
    break;
  case TRtfAlign::Justify:
    format.setAlignment(Qt::AlignJustify);
    break;
  default:
    break;
  }
  // List membership: a list level from the list table, else old-style numbering.
  const TRtfListLevel* level =
      FTables ? FTables->FindListLevel(F.ListOverride, F.ListLevel) : nullptr;
  TRtfListLevel oldStyle;
  if (!level && F.OldListKind != TRtfListKind::None) {
    oldStyle.Kind = F.OldListKind;
    oldStyle.LeftIndent = F.LeftIndent;
    oldStyle.FirstIndent = F.FirstIndent;
    level = &oldStyle;
  }
  if (level && level->Kind == TRtfListKind::None) level = nullptr;
  int left = F.LeftIndent, first = F.FirstIndent;
  if (level) {
    left = std::max(0, left - level->LeftIndent);
    first -= level->FirstIndent;
  }
  if (left) format.setLeftMargin(Pixels(left));
  if (F.RightIndent) format.setRightMargin(Pixels(F.RightIndent));
  if (first) format.setTextIndent(Pixels(first));
  if (F.SpaceBefore) format.setTopMargin(Pixels(F.SpaceBefore));
  if (F.SpaceAfter) format.setBottomMargin(Pixels(F.SpaceAfter));
  switch (F.LineRule) {
  case TRtfLineRule::Multiple:
    format.setLineHeight(F.LineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    break;
  case TRtfLineRule::AtLeast:
    format.setLineHeight(Pixels(F.LineSpacing), QTextBlockFormat::MinimumHeight);
    break;
  case TRtfLineRule::Exact:
    format.setLineHeight(Pixels(F.LineSpacing), QTextBlockFormat::FixedHeight);
    break;
  default:
    break;
  }
  if (F.Background >= 0) format.setBackground(ToColor(F.Background));
  for (int side = 0; side < 4; ++side) {
    const TRtfBorder& border = F.Borders[side];
    if (border.Style == TRtfBorderStyle::None) continue;
    format.setProperty(RtfText::ParagraphBorderStyle(side), static_cast<int>(border.Style));
    format.setProperty(RtfText::ParagraphBorderWidth(side), border.Width);
    if (border.Color >= 0)
      format.setProperty(RtfText::ParagraphBorderColor(side), ToColor(border.Color));
  }
  if (F.PageBreakBefore) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  FCursor.setBlockFormat(format);

  if (level) {
    const bool oldStyleList = level == &oldStyle;
    const auto key =
        std::make_tuple(oldStyleList ? 0 : F.ListOverride,
                        oldStyleList ? static_cast<int>(level->Kind) + 1 : 0, F.ListLevel);
    QTextList*& list = FLists[key];
    if (list) {
      list->add(FCursor.block());
    } else {
      QTextListFormat listFormat;
      listFormat.setStyle(ListStyle(*level));
      listFormat.setIndent(F.ListLevel + 1);
      if (level->Kind != TRtfListKind::Bullet) {
        listFormat.setNumberPrefix(QString::fromStdString(level->Prefix));
        listFormat.setNumberSuffix(level == &oldStyle ? QStringLiteral(".")
                                                      : QString::fromStdString(level->Suffix));
      }
      list = FCursor.createList(listFormat);
    }
  } else {
    // A paragraph outside lists ends the old-style lists: the next one numbers afresh.
    for (auto it = FLists.begin(); it != FLists.end();)
      it = std::get<1>(it->first) ? FLists.erase(it) : std::next(it);
  }
  FNeedBlock = true;
}

void TRtfDocumentSink::RowBegin(const TRtfRowFormat& Row) {
  FInTable = true;
  FTableRows.push_back({Row, {}});
  FTableRows.back().Cells.emplace_back();
}

void TRtfDocumentSink::CellEnd(const TRtfParaFormat& Format) {
  Record({TOp::Paragraph, {}, {}, Format, {}});
  auto& cells = FTableRows.back().Cells;
  if (cells.size() < MaxColumns) cells.emplace_back();
}

void TRtfDocumentSink::RowEnd(const TRtfRowFormat& Row) {
  TRow& row = FTableRows.back();
  row.Format = Row;
  // The cell after the last \cell holds nothing, unless the row ended without \cell.
  if (row.Cells.size() > 1 && row.Cells.back().empty()) row.Cells.pop_back();
  // Cells without a boundary of their own get one an inch to the right.
  while (row.Format.Cells.size() < row.Cells.size()) {
    TRtfCell cell;
    cell.Right =
        (row.Format.Cells.empty() ? row.Format.Left : row.Format.Cells.back().Right) + 1440;
    row.Format.Cells.push_back(cell);
  }
  row.Format.Cells.resize(std::min<std::size_t>(row.Format.Cells.size(), MaxColumns));
  while (row.Cells.size() < row.Format.Cells.size())
    row.Cells.emplace_back();
}

void TRtfDocumentSink::TableEnd() {
  FInTable = false;
  if (!FTableRows.empty()) BuildTable();
  FTableRows.clear();
}

void TRtfDocumentSink::Replay(const std::vector<TOp>& Ops) {
  for (const TOp& op : Ops) {
    switch (op.Kind) {
    case TOp::Text:
      InsertText(op.Value, op.Char);
      break;
    case TOp::Picture:
      InsertPicture(*op.Image, op.Char);
      break;
    case TOp::LinkBegin:
      FLink = op.Value;
      break;
    case TOp::LinkEnd:
      FLink.clear();
      break;
    case TOp::Paragraph:
      EndBlock(op.Para);
      break;
    }
  }
}

void TRtfDocumentSink::BuildTable() {
  ApplyDefaults();
  // The column grid: every distinct right boundary of every row, left to right.
  std::set<int> boundaries;
  for (const TRow& row : FTableRows)
    for (const TRtfCell& cell : row.Format.Cells)
      boundaries.insert(cell.Right);
  std::vector<int> grid(boundaries.begin(), boundaries.end());
  if (grid.size() > MaxColumns) grid.resize(MaxColumns);
  if (grid.empty()) grid.push_back(1440);
  const int rows = static_cast<int>(FTableRows.size());
  const int columns = static_cast<int>(grid.size());
  const int origin = std::min(FTableRows.front().Format.Left, grid.front());

  QTextTableFormat tableFormat;
  QList<QTextLength> widths;
  for (int c = 0; c < columns; ++c)
    widths.append(
        QTextLength(QTextLength::FixedLength, Pixels(grid[c] - (c ? grid[c - 1] : origin))));
  tableFormat.setColumnWidthConstraints(widths);
  const TRtfRowFormat& firstRow = FTableRows.front().Format;
  const TRtfBorder& tableBorder = firstRow.Borders[rsTop];
  tableFormat.setCellSpacing(0);
  tableFormat.setCellPadding(firstRow.Gap > 0 ? Pixels(firstRow.Gap) : 0);
  tableFormat.setBorderCollapse(true);
  if (tableBorder.Style != TRtfBorderStyle::None && tableBorder.Width > 0) {
    tableFormat.setBorder(Pixels(tableBorder.Width));
    tableFormat.setBorderStyle(ToQtBorder(tableBorder.Style));
    tableFormat.setBorderBrush(tableBorder.Color >= 0 ? QBrush(ToColor(tableBorder.Color))
                                                      : QBrush(Qt::black));
  } else {
    tableFormat.setBorder(0);
  }

  // The table goes right after the paragraph before it; Qt keeps a block of its own there.
  QTextTable* table = FCursor.insertTable(rows, columns, tableFormat);
  // Where each cell lands: its first and last grid column.
  struct TPlace {
    int First, Last;
  };
  std::vector<std::vector<TPlace>> places(FTableRows.size());
  for (int r = 0; r < rows; ++r) {
    const TRow& row = FTableRows[r];
    int column = 0;
    for (std::size_t i = 0; i < row.Cells.size() && column < columns; ++i) {
      const int right = i < row.Format.Cells.size() ? row.Format.Cells[i].Right : grid.back();
      int last = column;
      while (last + 1 < columns && grid[last] < right)
        ++last;
      places[r].push_back({column, last});
      QTextTableCell cell = table->cellAt(r, column);
      FCursor = cell.firstCursorPosition();
      FNeedBlock = false;
      FLink.clear();
      Replay(row.Cells[i]);
      column = last + 1;
    }
  }
  FLink.clear();

  // Cell formats, then the merges (horizontal first, then downwards).
  for (int r = 0; r < rows; ++r) {
    const TRow& row = FTableRows[r];
    for (std::size_t i = 0; i < places[r].size(); ++i) {
      const TRtfCell& spec = row.Format.Cells[i];
      QTextTableCell cell = table->cellAt(r, places[r][i].First);
      QTextTableCellFormat format = cell.format().toTableCellFormat();
      if (spec.Background >= 0) format.setBackground(ToColor(spec.Background));
      for (int side = 0; side < 4; ++side) {
        const TRtfBorder& border = spec.Borders[side];
        const TRtfBorder& outer = firstRow.Borders[side];
        if (border.Style == outer.Style && border.Width == outer.Width &&
            border.Color == outer.Color)
          continue;
        const qreal width = border.Style == TRtfBorderStyle::None ? 0 : Pixels(border.Width);
        const QBrush brush(border.Color >= 0 ? ToColor(border.Color) : QColor(Qt::black));
        const auto style = ToQtBorder(border.Style);
        switch (side) {
        case rsTop:
          format.setTopBorder(width), format.setTopBorderStyle(style),
              format.setTopBorderBrush(brush);
          break;
        case rsLeft:
          format.setLeftBorder(width), format.setLeftBorderStyle(style),
              format.setLeftBorderBrush(brush);
          break;
        case rsBottom:
          format.setBottomBorder(width), format.setBottomBorderStyle(style),
              format.setBottomBorderBrush(brush);
          break;
        default:
          format.setRightBorder(width), format.setRightBorderStyle(style),
              format.setRightBorderBrush(brush);
          break;
        }
      }
      cell.setFormat(format);
    }
  }
  for (int r = 0; r < rows; ++r) {
    const TRow& row = FTableRows[r];
    for (std::size_t i = 0; i < places[r].size(); ++i) {
      const TRtfCell& spec = row.Format.Cells[i];
      if (spec.HMerge == TRtfMerge::Continue || spec.VMerge == TRtfMerge::Continue) continue;
      int lastColumn = places[r][i].Last;
      if (spec.HMerge == TRtfMerge::First)
        for (std::size_t k = i + 1;
             k < places[r].size() && row.Format.Cells[k].HMerge == TRtfMerge::Continue; ++k)
          lastColumn = places[r][k].Last;
      int lastRow = r;
      if (spec.VMerge == TRtfMerge::First) {
        for (int below = r + 1; below < rows; ++below) {
          bool continues = false;
          for (std::size_t k = 0; k < places[below].size(); ++k)
            if (places[below][k].First == places[r][i].First &&
                FTableRows[below].Format.Cells[k].VMerge == TRtfMerge::Continue)
              continues = true;
          if (!continues) break;
          lastRow = below;
        }
      }
      const int columnSpan = lastColumn - places[r][i].First + 1;
      const int rowSpan = lastRow - r + 1;
      if (columnSpan > 1 || rowSpan > 1)
        table->mergeCells(r, places[r][i].First, rowSpan, columnSpan);
    }
  }
  FCursor = table->lastCursorPosition();
  FCursor.setPosition(table->lastPosition() + 1);
  FNeedBlock = false;
}

void TRtfDocumentSink::End() {
  ApplyDefaults();
  if (FInTable) TableEnd();
  if (FDocumentDefaults && FTables) {
    QTextFrameFormat root = FDocument->rootFrame()->frameFormat();
    if (FTables->Background >= 0)
      root.setBackground(ToColor(FTables->Background));
    else
      root.clearBackground();
    FDocument->rootFrame()->setFrameFormat(root);
  }
}

void LoadRtfDocument(QTextDocument& Document, std::string_view Rtf) {
  Document.clear();
  QTextCursor cursor(&Document);
  TRtfDocumentSink sink(cursor, true);
  ReadRtf(Rtf, sink);
}

void InsertRtf(QTextCursor& Cursor, std::string_view Rtf) {
  TRtfDocumentSink sink(Cursor, false);
  ReadRtf(Rtf, sink);
}
