#include "editor/uRtfWriter.h"

#include "editor/uRtfTextProperties.h"
#include "rtf/uRtfFieldInstruction.h"
#include "rtf/uRtfFormat.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// The text width that tables without fixed column widths share: 6.5 inches.
constexpr int TextWidthTwips = 9360;
constexpr int ListIndentTwips = 360;

int Twips(qreal Pixels) {
  return static_cast<int>(std::lround(Pixels * RtfText::TwipsPerPixel));
}

const char* BorderWord(QTextFrameFormat::BorderStyle Style) {
  switch (Style) {
  case QTextFrameFormat::BorderStyle_None:
    return "\\brdrnone";
  case QTextFrameFormat::BorderStyle_Double:
    return "\\brdrdb";
  case QTextFrameFormat::BorderStyle_Dotted:
    return "\\brdrdot";
  case QTextFrameFormat::BorderStyle_Dashed:
    return "\\brdrdash";
  default:
    return "\\brdrs";
  }
}

const char* BorderWord(TRtfBorderStyle Style) {
  switch (Style) {
  case TRtfBorderStyle::Double:
    return "\\brdrdb";
  case TRtfBorderStyle::Dotted:
    return "\\brdrdot";
  case TRtfBorderStyle::Dashed:
    return "\\brdrdash";
  case TRtfBorderStyle::None:
    return "\\brdrnone";
  default:
    return "\\brdrs";
  }
}

struct TListEntry {
  int Number; // \ls
  int ListId; // \listid
  int Level;  // \ilvl
  QTextListFormat Format;
};

class TWriter {
public:
  explicit TWriter(const QTextDocument& Document) : FDocument(Document) {
    FDefaultFamily = Document.defaultFont().family();
    FDefaultSize = Document.defaultFont().pointSizeF();
    if (FDefaultSize <= 0) FDefaultSize = 12;
    FFonts.push_back(FDefaultFamily);
  }
  std::string Write();

private:
  const QTextDocument& FDocument;
  QString FDefaultFamily;
  qreal FDefaultSize;
  std::vector<QString> FFonts;
  std::vector<QRgb> FColors;
  std::vector<TListEntry> FLists;
  std::map<const QTextList*, std::size_t> FListIndex;
  std::string FBody;
  bool FBreakPending = false;

  int Font(const QString& Family);
  int Color(const QColor& Value);
  const TListEntry& List(const QTextList* List);

  void Put(const char* Text) { FBody += Text; }
  void Put(const char* Word, long long Value) {
    FBody += Word;
    FBody += std::to_string(Value);
  }
  void Escaped(const QString& Text, std::string& Out) const;
  void Escaped(const QString& Text) { Escaped(Text, FBody); }

  void Frame(const QTextFrame* Frame);
  void FlatBlocks(const QTextFrame* Frame, std::vector<QTextBlock>& Blocks) const;
  void Paragraph(const QTextBlock& Block, bool InTable, const char* End);
  void ParagraphFormat(const QTextBlock& Block);
  void CharFormat(const QTextCharFormat& Format);
  void Runs(const QTextBlock& Block);
  void Picture(const QTextImageFormat& Format);
  void Table(const QTextTable* Table);
  void CellBorder(const char* Side, const QTextTableCellFormat& Cell, int SideIndex,
                  const QTextTableFormat& TableFormat);
  std::string Header();
};

int TWriter::Font(const QString& Family) {
  const auto it = std::find(FFonts.begin(), FFonts.end(), Family);
  if (it != FFonts.end()) return static_cast<int>(it - FFonts.begin());
  FFonts.push_back(Family);
  return static_cast<int>(FFonts.size()) - 1;
}

int TWriter::Color(const QColor& Value) {
  const QRgb rgb = Value.rgb() & 0xFFFFFF;
  const auto it = std::find(FColors.begin(), FColors.end(), rgb);
  // Entry 0 is the automatic colour.
  if (it != FColors.end()) return static_cast<int>(it - FColors.begin()) + 1;
  FColors.push_back(rgb);
  return static_cast<int>(FColors.size());
}

const TListEntry& TWriter::List(const QTextList* List) {
  const auto it = FListIndex.find(List);
  if (it != FListIndex.end()) return FLists[it->second];
  const QTextListFormat format = List->format();
  const int number = static_cast<int>(FLists.size()) + 1;
  FLists.push_back({number, 1000 + number, std::clamp(format.indent() - 1, 0, 8), format});
  FListIndex[List] = FLists.size() - 1;
  return FLists.back();
}

void TWriter::Escaped(const QString& Text, std::string& Out) const {
  for (const QChar ch : Text) {
    const char16_t u = ch.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      Out += '\\';
      Out += static_cast<char>(u);
    } else if (u == '\t') {
      Out += "\\tab ";
    } else if (u == 0x2028 || u == 0x2029 || u == '\n') {
      Out += "\\line ";
    } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
      // control characters and stray object marks show nothing
    } else if (u < 0x80) {
      Out += static_cast<char>(u);
    } else {
      Out += "\\u";
      Out += std::to_string(static_cast<int>(static_cast<std::int16_t>(u)));
      Out += '?';
    }
  }
}

void TWriter::CharFormat(const QTextCharFormat& F) {
  QString family = FDefaultFamily;
  if (F.hasProperty(QTextFormat::FontFamilies)) {
    const QStringList families = F.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty()) family = families.first();
  }
  Put("\\f", Font(family));
  const qreal size = F.hasProperty(QTextFormat::FontPointSize) && F.fontPointSize() > 0
                         ? F.fontPointSize()
                         : FDefaultSize;
  Put("\\fs", std::max(1L, std::lround(size * 2)));
  if (F.fontWeight() >= QFont::DemiBold) Put("\\b");
  if (F.fontItalic()) Put("\\i");
  switch (F.underlineStyle()) {
  case QTextCharFormat::NoUnderline:
  case QTextCharFormat::SpellCheckUnderline:
    break;
  case QTextCharFormat::DashUnderline:
    Put("\\uldash");
    break;
  case QTextCharFormat::DotLine:
    Put("\\uld");
    break;
  case QTextCharFormat::DashDotLine:
    Put("\\uldashd");
    break;
  case QTextCharFormat::DashDotDotLine:
    Put("\\uldashdd");
    break;
  case QTextCharFormat::WaveUnderline:
    Put("\\ulwave");
    break;
  default:
    Put("\\ul");
    break;
  }
  if (F.fontStrikeOut()) Put("\\strike");
  if (F.fontCapitalization() == QFont::AllUppercase) Put("\\caps");
  if (F.fontCapitalization() == QFont::SmallCaps) Put("\\scaps");
  if (F.verticalAlignment() == QTextCharFormat::AlignSuperScript) Put("\\super");
  if (F.verticalAlignment() == QTextCharFormat::AlignSubScript) Put("\\sub");
  if (F.hasProperty(QTextFormat::ForegroundBrush) && F.foreground().style() != Qt::NoBrush)
    Put("\\cf", Color(F.foreground().color()));
  if (F.hasProperty(QTextFormat::BackgroundBrush) && F.background().style() != Qt::NoBrush) {
    // Word reads \chcbpat (shading), older editors \highlight.
    const int color = Color(F.background().color());
    Put("\\chcbpat", color);
    Put("\\highlight", color);
  }
}

void TWriter::ParagraphFormat(const QTextBlock& Block) {
  const QTextBlockFormat f = Block.blockFormat();
  const Qt::Alignment align = f.alignment() & Qt::AlignHorizontal_Mask;
  if (align & Qt::AlignHCenter)
    Put("\\qc");
  else if (align & Qt::AlignJustify)
    Put("\\qj");
  else if (align & Qt::AlignRight)
    Put("\\qr");
  if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore || FBreakPending) Put("\\pagebb");
  FBreakPending = (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter) != 0;
  int left = Twips(f.leftMargin() + f.indent() * FDocument.indentWidth());
  int first = Twips(f.textIndent());
  if (const QTextList* list = Block.textList()) {
    const TListEntry& entry = List(list);
    Put("\\ls", entry.Number);
    Put("\\ilvl", entry.Level);
    left += ListIndentTwips * (entry.Level + 1);
    first -= ListIndentTwips;
  }
  if (left) Put("\\li", left);
  if (first) Put("\\fi", first);
  if (const int right = Twips(f.rightMargin())) Put("\\ri", right);
  if (const int before = Twips(f.topMargin())) Put("\\sb", before);
  if (const int after = Twips(f.bottomMargin())) Put("\\sa", after);
  switch (f.lineHeightType()) {
  case QTextBlockFormat::ProportionalHeight:
    if (std::lround(f.lineHeight()) != 100) {
      Put("\\sl", std::lround(f.lineHeight() * 240 / 100));
      Put("\\slmult1");
    }
    break;
  case QTextBlockFormat::FixedHeight:
    Put("\\sl", -Twips(f.lineHeight()));
    Put("\\slmult0");
    break;
  case QTextBlockFormat::MinimumHeight:
    Put("\\sl", Twips(f.lineHeight()));
    Put("\\slmult0");
    break;
  default:
    break;
  }
  if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush)
    Put("\\cbpat", Color(f.background().color()));
  static const char* const sides[4] = {"\\brdrt", "\\brdrl", "\\brdrb", "\\brdrr"};
  for (int side = 0; side < 4; ++side) {
    if (!f.hasProperty(RtfText::ParagraphBorderStyle(side))) continue;
    const auto style =
        static_cast<TRtfBorderStyle>(f.intProperty(RtfText::ParagraphBorderStyle(side)));
    if (style == TRtfBorderStyle::None) continue;
    Put(sides[side]);
    Put(BorderWord(style));
    Put("\\brdrw", f.intProperty(RtfText::ParagraphBorderWidth(side)));
    if (f.hasProperty(RtfText::ParagraphBorderColor(side)))
      Put("\\brdrcf", Color(f.colorProperty(RtfText::ParagraphBorderColor(side))));
  }
}

void TWriter::Paragraph(const QTextBlock& Block, bool InTable, const char* End) {
  Put("\\pard\\plain");
  if (InTable) Put("\\intbl");
  ParagraphFormat(Block);
  if (const QTextList* list = Block.textList()) {
    // The visible number or bullet for readers that know no lists.
    const QTextListFormat::Style style = list->format().style();
    QString marker = list->itemText(Block);
    if (style == QTextListFormat::ListDisc)
      marker = QStringLiteral("\u2022");
    else if (style == QTextListFormat::ListCircle)
      marker = QStringLiteral("\u25E6");
    else if (style == QTextListFormat::ListSquare)
      marker = QStringLiteral("\u25AA");
    Put("{\\pntext\\pard\\plain\\f0 ");
    Escaped(marker);
    Put("\\tab}");
  }
  Runs(Block);
  Put(End);
  Put("\r\n");
}

void TWriter::Runs(const QTextBlock& Block) {
  QString link;
  for (QTextBlock::iterator it = Block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (!fragment.isValid()) continue;
    const QTextCharFormat format = fragment.charFormat();
    const QString href = format.isAnchor() ? format.anchorHref() : QString();
    if (href != link) {
      if (!link.isEmpty()) Put("}}");
      link = href;
      if (!link.isEmpty()) {
        Put("{\\field{\\*\\fldinst{");
        Escaped(QString::fromStdString(MakeHyperlinkInstruction(link.toStdString())));
        Put("}}{\\fldrslt");
      }
    }
    if (format.isImageFormat()) {
      Put("{");
      CharFormat(format);
      for (int i = 0; i < fragment.length(); ++i)
        Picture(format.toImageFormat());
      Put("}");
      continue;
    }
    Put("{");
    CharFormat(format);
    Put(" ");
    Escaped(fragment.text());
    Put("}");
  }
  if (!link.isEmpty()) Put("}}");
}

void TWriter::Picture(const QTextImageFormat& Format) {
  const QVariant resource = FDocument.resource(QTextDocument::ImageResource, QUrl(Format.name()));
  QByteArray data;
  if (resource.userType() == QMetaType::QByteArray) data = resource.toByteArray();
  const bool png = data.startsWith("\x89PNG\r\n\x1a\n");
  const bool jpeg = data.startsWith("\xFF\xD8\xFF");
  if (!png && !jpeg) {
    QImage image;
    if (resource.userType() == QMetaType::QImage)
      image = resource.value<QImage>();
    else if (resource.userType() == QMetaType::QPixmap)
      image = resource.value<QPixmap>().toImage();
    else if (!data.isEmpty())
      image.loadFromData(data);
    if (image.isNull()) return; // nothing that could be written
    data.clear();
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
  }
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  const QSize pixels = reader.size();
  qreal width = Format.width(), height = Format.height();
  if (pixels.isValid() && pixels.width() > 0 && pixels.height() > 0) {
    if (width <= 0 && height <= 0)
      width = pixels.width(), height = pixels.height();
    else if (width <= 0)
      width = height * pixels.width() / pixels.height();
    else if (height <= 0)
      height = width * pixels.height() / pixels.width();
  }
  Put(jpeg ? "{\\pict\\jpegblip" : "{\\pict\\pngblip");
  Put("\\picw", pixels.width());
  Put("\\pich", pixels.height());
  Put("\\picwgoal", Twips(width));
  Put("\\pichgoal", Twips(height));
  static const char digits[] = "0123456789abcdef";
  for (qsizetype i = 0; i < data.size(); ++i) {
    if (i % 64 == 0) Put("\r\n");
    const auto byte = static_cast<unsigned char>(data[i]);
    FBody += digits[byte >> 4];
    FBody += digits[byte & 15];
  }
  Put("}");
}

void TWriter::FlatBlocks(const QTextFrame* Frame, std::vector<QTextBlock>& Blocks) const {
  // Frames inside frames (a table in a cell) are written as their blocks, in order.
  for (QTextBlock block = FDocument.findBlock(Frame->firstPosition());
       block.isValid() && block.position() <= Frame->lastPosition(); block = block.next())
    Blocks.push_back(block);
}

void TWriter::CellBorder(const char* Side, const QTextTableCellFormat& Cell, int SideIndex,
                         const QTextTableFormat& TableFormat) {
  static const QTextFormat::Property widths[4] = {
      QTextFormat::TableCellTopBorder, QTextFormat::TableCellLeftBorder,
      QTextFormat::TableCellBottomBorder, QTextFormat::TableCellRightBorder};
  static const QTextFormat::Property styles[4] = {
      QTextFormat::TableCellTopBorderStyle, QTextFormat::TableCellLeftBorderStyle,
      QTextFormat::TableCellBottomBorderStyle, QTextFormat::TableCellRightBorderStyle};
  static const QTextFormat::Property brushes[4] = {
      QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellLeftBorderBrush,
      QTextFormat::TableCellBottomBorderBrush, QTextFormat::TableCellRightBorderBrush};
  qreal width = TableFormat.border();
  auto style = TableFormat.borderStyle();
  QBrush brush = TableFormat.borderBrush();
  if (Cell.hasProperty(widths[SideIndex])) {
    width = Cell.doubleProperty(widths[SideIndex]);
    style = Cell.hasProperty(styles[SideIndex])
                ? static_cast<QTextFrameFormat::BorderStyle>(Cell.intProperty(styles[SideIndex]))
                : QTextFrameFormat::BorderStyle_Solid;
    brush = Cell.brushProperty(brushes[SideIndex]);
  } else if (width <= 0 || style == QTextFrameFormat::BorderStyle_None) {
    return;
  }
  Put(Side);
  if (width <= 0) style = QTextFrameFormat::BorderStyle_None;
  Put(BorderWord(style));
  if (style == QTextFrameFormat::BorderStyle_None) return;
  Put("\\brdrw", Twips(width));
  Put("\\brdrcf", Color(brush.style() != Qt::NoBrush ? brush.color() : QColor(Qt::black)));
}

void TWriter::Table(const QTextTable* Table) {
  const QTextTableFormat format = Table->format();
  const int rows = Table->rows(), columns = Table->columns();
  // Column widths: fixed ones as they are, the rest share what is left of the text width.
  const QList<QTextLength> constraints = format.columnWidthConstraints();
  std::vector<int> widths(columns, 0);
  int taken = 0, variable = 0;
  for (int c = 0; c < columns; ++c) {
    const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
    if (length.type() == QTextLength::FixedLength)
      widths[c] = Twips(length.rawValue());
    else if (length.type() == QTextLength::PercentageLength)
      widths[c] = static_cast<int>(std::lround(length.rawValue() * TextWidthTwips / 100));
    else
      ++variable;
    taken += widths[c];
  }
  for (int c = 0; c < columns; ++c)
    if (widths[c] == 0) widths[c] = std::max(360, (TextWidthTwips - taken) / std::max(1, variable));
  std::vector<int> rights(columns);
  for (int c = 0, sum = 0; c < columns; ++c)
    rights[c] = sum += std::max(widths[c], 1);

  const bool tableBorder =
      format.border() > 0 && format.borderStyle() != QTextFrameFormat::BorderStyle_None;
  for (int r = 0; r < rows; ++r) {
    Put("\\trowd\\trgaph", Twips(format.cellPadding()));
    Put("\\trleft0");
    if (tableBorder) {
      const int color =
          Color(format.borderBrush().style() != Qt::NoBrush ? format.borderBrush().color()
                                                            : QColor(Qt::black));
      for (const char* side : {"\\trbrdrt", "\\trbrdrl", "\\trbrdrb", "\\trbrdrr"}) {
        Put(side);
        Put(BorderWord(format.borderStyle()));
        Put("\\brdrw", Twips(format.border()));
        Put("\\brdrcf", color);
      }
    }
    for (int c = 0; c < columns; ++c) {
      const QTextTableCell cell = Table->cellAt(r, c);
      if (cell.row() != r)
        Put("\\clvmrg");
      else if (cell.rowSpan() > 1)
        Put("\\clvmgf");
      if (cell.column() != c)
        Put("\\clmrg");
      else if (cell.columnSpan() > 1)
        Put("\\clmgf");
      const QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
      if (cellFormat.hasProperty(QTextFormat::BackgroundBrush) &&
          cellFormat.background().style() != Qt::NoBrush)
        Put("\\clcbpat", Color(cellFormat.background().color()));
      CellBorder("\\clbrdrt", cellFormat, 0, format);
      CellBorder("\\clbrdrl", cellFormat, 1, format);
      CellBorder("\\clbrdrb", cellFormat, 2, format);
      CellBorder("\\clbrdrr", cellFormat, 3, format);
      Put("\\cellx", rights[c]);
    }
    Put("\r\n");
    for (int c = 0; c < columns; ++c) {
      const QTextTableCell cell = Table->cellAt(r, c);
      if (cell.row() != r || cell.column() != c) {
        Put("\\pard\\plain\\intbl\\cell\r\n");
        continue;
      }
      std::vector<QTextBlock> blocks;
      for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
        if (const QTextFrame* inner = it.currentFrame())
          FlatBlocks(inner, blocks);
        else if (it.currentBlock().isValid())
          blocks.push_back(it.currentBlock());
      }
      if (blocks.empty()) {
        Put("\\pard\\plain\\intbl\\cell\r\n");
        continue;
      }
      for (std::size_t i = 0; i < blocks.size(); ++i)
        Paragraph(blocks[i], true, i + 1 == blocks.size() ? "\\cell" : "\\par");
    }
    Put("\\row\r\n");
  }
}

void TWriter::Frame(const QTextFrame* Frame) {
  for (QTextFrame::iterator it = Frame->begin(); !it.atEnd(); ++it) {
    if (const QTextFrame* child = it.currentFrame()) {
      if (const auto* table = qobject_cast<const QTextTable*>(child)) {
        Table(table);
      } else {
        std::vector<QTextBlock> blocks;
        FlatBlocks(child, blocks);
        for (const QTextBlock& block : blocks)
          Paragraph(block, false, "\\par");
      }
    } else if (it.currentBlock().isValid()) {
      Paragraph(it.currentBlock(), false, "\\par");
    }
  }
}

std::string TWriter::Header() {
  std::string head = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl";
  for (std::size_t i = 0; i < FFonts.size(); ++i) {
    head += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
    QString name = FFonts[i];
    name.remove(QLatin1Char(';'));
    Escaped(name, head);
    head += ";}";
  }
  head += "}\r\n{\\colortbl;";
  for (const QRgb rgb : FColors)
    head += "\\red" + std::to_string(qRed(rgb)) + "\\green" + std::to_string(qGreen(rgb)) +
            "\\blue" + std::to_string(qBlue(rgb)) + ";";
  head += "}\r\n";
  if (!FLists.empty()) {
    head += "{\\*\\listtable";
    for (const TListEntry& list : FLists) {
      head += "\r\n{\\list\\listtemplateid" + std::to_string(list.ListId);
      const QTextListFormat::Style style = list.Format.style();
      int nfc = 23;
      std::uint32_t bullet = 0x2022;
      switch (style) {
      case QTextListFormat::ListDecimal:
        nfc = 0;
        break;
      case QTextListFormat::ListUpperRoman:
        nfc = 1;
        break;
      case QTextListFormat::ListLowerRoman:
        nfc = 2;
        break;
      case QTextListFormat::ListUpperAlpha:
        nfc = 3;
        break;
      case QTextListFormat::ListLowerAlpha:
        nfc = 4;
        break;
      case QTextListFormat::ListCircle:
        bullet = 0x25E6;
        break;
      case QTextListFormat::ListSquare:
        bullet = 0x25AA;
        break;
      default:
        break;
      }
      const QString prefix = list.Format.numberPrefix();
      const QString suffix = list.Format.hasProperty(QTextFormat::ListNumberSuffix)
                                 ? list.Format.numberSuffix()
                                 : QStringLiteral(".");
      for (int level = 0; level < 9; ++level) {
        head += "{\\listlevel\\levelnfc" + std::to_string(nfc) + "\\levelnfcn" +
                std::to_string(nfc) + "\\leveljc0\\levelfollow0\\levelstartat1{\\leveltext";
        if (nfc == 23) {
          head += "\\'01\\u" + std::to_string(static_cast<int>(bullet)) + " ?;}{\\levelnumbers;}";
        } else {
          char count[8], placeholder[8], position[8];
          std::snprintf(count, sizeof count, "\\'%02x",
                        static_cast<int>(prefix.size() + 1 + suffix.size()));
          std::snprintf(placeholder, sizeof placeholder, "\\'%02x", level);
          std::snprintf(position, sizeof position, "\\'%02x", static_cast<int>(prefix.size() + 1));
          head += count;
          Escaped(prefix, head);
          head += placeholder;
          Escaped(suffix, head);
          head += std::string(";}{\\levelnumbers") + position + ";}";
        }
        head += "\\fi-" + std::to_string(ListIndentTwips) + "\\li" +
                std::to_string(ListIndentTwips * (level + 1)) + "}";
      }
      head += "{\\listname ;}\\listid" + std::to_string(list.ListId) + "}";
    }
    head += "}\r\n{\\*\\listoverridetable";
    for (const TListEntry& list : FLists)
      head += "{\\listoverride\\listid" + std::to_string(list.ListId) + "\\listoverridecount0\\ls" +
              std::to_string(list.Number) + "}";
    head += "}\r\n";
  }
  const QTextFrameFormat root = FDocument.rootFrame()->frameFormat();
  if (root.hasProperty(QTextFormat::BackgroundBrush) && root.background().style() != Qt::NoBrush) {
    const QColor c = root.background().color();
    // fillColor is blue-green-red.
    const int bgr = (c.blue() << 16) | (c.green() << 8) | c.red();
    head += "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillType}{\\sv 0}}{\\sp{\\sn "
            "fillColor}{\\sv " +
            std::to_string(bgr) + "}}}}}\\viewbksp1\r\n";
  }
  return head;
}

std::string TWriter::Write() {
  Frame(FDocument.rootFrame());
  std::string text = Header();
  text += FBody;
  text += "}";
  return text;
}

} // namespace

std::string WriteRtfDocument(const QTextDocument& Document) {
  return TWriter(Document).Write();
}
