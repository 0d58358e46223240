// Note bodies written as RTF and read back: documents built the way the editor builds them
// (every format, list, table, picture, link, break and mixed scripts) come back with the same
// blocks, texts, formats, lists, tables and pictures, and writing them again gives the same RTF.

#include "editor/uRtfDocumentSink.h"
#include "editor/uRtfTextProperties.h"
#include "editor/uRtfWriter.h"
#include "rtf/uRtfPlainTextSink.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>
#include <QtTest>
#include <functional>

namespace {

int Twips(qreal Pixels) {
  return qRound(Pixels * RtfText::TwipsPerPixel);
}

QString Color(const QBrush& Brush) {
  return Brush.style() == Qt::NoBrush ? QStringLiteral("none") : Brush.color().name();
}

// Everything a reader must see, in effective values (what is not set reads as the default).
QString DescribeChar(const QTextCharFormat& F, const QTextDocument& Doc) {
  QStringList p;
  const QStringList families = F.fontFamilies().toStringList();
  p << (families.isEmpty() ? Doc.defaultFont().family() : families.first());
  p << QString::number(F.hasProperty(QTextFormat::FontPointSize) ? F.fontPointSize()
                                                                 : Doc.defaultFont().pointSizeF());
  if (F.fontWeight() >= QFont::DemiBold) p << "bold";
  if (F.fontItalic()) p << "italic";
  if (F.underlineStyle() != QTextCharFormat::NoUnderline)
    p << "underline" + QString::number(F.underlineStyle());
  if (F.fontStrikeOut()) p << "strike";
  if (F.fontCapitalization() != QFont::MixedCase)
    p << "caps" + QString::number(F.fontCapitalization());
  if (F.verticalAlignment() != QTextCharFormat::AlignNormal)
    p << "valign" + QString::number(F.verticalAlignment());
  if (F.hasProperty(QTextFormat::ForegroundBrush)) p << "fg" + Color(F.foreground());
  if (F.hasProperty(QTextFormat::BackgroundBrush)) p << "bg" + Color(F.background());
  if (F.isAnchor()) p << "href=" + F.anchorHref();
  if (F.isImageFormat()) {
    const QTextImageFormat image = F.toImageFormat();
    const QVariant resource = Doc.resource(QTextDocument::ImageResource, QUrl(image.name()));
    QImage pixels = resource.userType() == QMetaType::QImage
                        ? resource.value<QImage>()
                        : QImage::fromData(resource.toByteArray());
    pixels = pixels.convertToFormat(QImage::Format_ARGB32);
    p << QStringLiteral("image %1x%2 px %3x%4 sum %5")
             .arg(qRound(image.width()))
             .arg(qRound(image.height()))
             .arg(pixels.width())
             .arg(pixels.height())
             .arg(qChecksum(QByteArrayView(reinterpret_cast<const char*>(pixels.constBits()),
                                           pixels.sizeInBytes())));
  }
  return p.join(' ');
}

QString DescribeBlock(const QTextBlock& Block, const QTextDocument& Doc) {
  const QTextBlockFormat f = Block.blockFormat();
  QStringList p;
  p << "align" + QString::number(int(f.alignment() & Qt::AlignHorizontal_Mask));
  p << QStringLiteral("margins %1 %2 %3 %4 %5")
           .arg(Twips(f.leftMargin() + f.indent() * Doc.indentWidth()))
           .arg(Twips(f.rightMargin()))
           .arg(Twips(f.textIndent()))
           .arg(Twips(f.topMargin()))
           .arg(Twips(f.bottomMargin()));
  if (f.lineHeightType() != QTextBlockFormat::SingleHeight)
    p << QStringLiteral("line %1:%2").arg(f.lineHeightType()).arg(Twips(f.lineHeight()));
  if (f.hasProperty(QTextFormat::BackgroundBrush)) p << "bg" + Color(f.background());
  if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) p << "pagebreak";
  for (int side = 0; side < 4; ++side)
    if (f.hasProperty(RtfText::ParagraphBorderStyle(side)))
      p << QStringLiteral("border%1 %2 %3 %4")
               .arg(side)
               .arg(f.intProperty(RtfText::ParagraphBorderStyle(side)))
               .arg(f.intProperty(RtfText::ParagraphBorderWidth(side)))
               .arg(f.colorProperty(RtfText::ParagraphBorderColor(side)).name());
  if (const QTextList* list = Block.textList()) {
    const QTextListFormat lf = list->format();
    p << QStringLiteral("list style%1 indent%2 item %3 '%4'")
             .arg(lf.style())
             .arg(lf.indent())
             .arg(list->itemNumber(Block))
             .arg(list->itemText(Block));
  }
  QTextCursor cursor(Block);
  if (const QTextTable* table = cursor.currentTable()) {
    const QTextTableCell cell = table->cellAt(Block.position());
    p << QStringLiteral("cell %1,%2").arg(cell.row()).arg(cell.column());
  }
  QString text = "block " + p.join(' ') + "\n";
  for (QTextBlock::iterator it = Block.begin(); !it.atEnd(); ++it)
    text +=
        "  '" + it.fragment().text() + "' " + DescribeChar(it.fragment().charFormat(), Doc) + "\n";
  return text;
}

QString DescribeTable(const QTextTable& Table) {
  const QTextTableFormat f = Table.format();
  QString text = QStringLiteral("table %1x%2 border %3 %4 %5 padding %6 widths")
                     .arg(Table.rows())
                     .arg(Table.columns())
                     .arg(Twips(f.border()))
                     .arg(f.border() > 0 ? f.borderStyle() : 0)
                     .arg(f.border() > 0 ? Color(f.borderBrush()) : QString())
                     .arg(Twips(f.cellPadding()));
  for (const QTextLength& length : f.columnWidthConstraints())
    text += " " + QString::number(Twips(length.rawValue()));
  text += "\n";
  for (int r = 0; r < Table.rows(); ++r)
    for (int c = 0; c < Table.columns(); ++c) {
      const QTextTableCell cell = Table.cellAt(r, c);
      if (cell.row() != r || cell.column() != c) continue;
      const QTextTableCellFormat cf = cell.format().toTableCellFormat();
      text +=
          QStringLiteral("  cell %1,%2 span %3x%4 bg %5 top %6\n")
              .arg(r)
              .arg(c)
              .arg(cell.rowSpan())
              .arg(cell.columnSpan())
              .arg(cf.hasProperty(QTextFormat::BackgroundBrush) ? Color(cf.background()) : "none")
              .arg(cf.hasProperty(QTextFormat::TableCellTopBorder) ? Twips(cf.topBorder()) : -1);
    }
  return text;
}

QString Describe(const QTextDocument& Doc) {
  QString text = "background " + Color(Doc.rootFrame()->frameFormat().background()) + "\n";
  for (QTextBlock block = Doc.begin(); block.isValid(); block = block.next())
    text += DescribeBlock(block, Doc);
  for (QTextFrame* frame : Doc.rootFrame()->childFrames())
    if (const auto* table = qobject_cast<const QTextTable*>(frame)) text += DescribeTable(*table);
  return text;
}

QTextCharFormat Plain() {
  QTextCharFormat f;
  f.setFontPointSize(11);
  return f;
}

QByteArray PngBytes(QColor Fill, int Width, int Height, const char* Format = "PNG") {
  QImage image(Width, Height, QImage::Format_RGB32);
  image.fill(Fill);
  image.setPixelColor(0, 0, Qt::black);
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, Format);
  return data;
}

void BuildFormats(QTextDocument& Doc) {
  QTextCursor c(&Doc);
  auto run = [&](const QString& text, const std::function<void(QTextCharFormat&)>& change) {
    QTextCharFormat f = Plain();
    change(f);
    c.insertText(text, f);
  };
  run("plain ", [](QTextCharFormat&) {});
  run("bold ", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
  run("italic ", [](QTextCharFormat& f) { f.setFontItalic(true); });
  run("underline ", [](QTextCharFormat& f) { f.setFontUnderline(true); });
  run("wave ", [](QTextCharFormat& f) { f.setUnderlineStyle(QTextCharFormat::WaveUnderline); });
  run("dots ", [](QTextCharFormat& f) { f.setUnderlineStyle(QTextCharFormat::DotLine); });
  run("strike ", [](QTextCharFormat& f) { f.setFontStrikeOut(true); });
  run("caps ", [](QTextCharFormat& f) { f.setFontCapitalization(QFont::AllUppercase); });
  run("small caps ", [](QTextCharFormat& f) { f.setFontCapitalization(QFont::SmallCaps); });
  run("super",
      [](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); });
  run("sub ", [](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); });
  run("red ", [](QTextCharFormat& f) { f.setForeground(QColor(200, 10, 20)); });
  run("marked ", [](QTextCharFormat& f) { f.setBackground(QColor(255, 255, 0)); });
  run("courier ", [](QTextCharFormat& f) { f.setFontFamilies({"Courier New"}); });
  run("big ", [](QTextCharFormat& f) { f.setFontPointSize(20.5); });
  run("all", [](QTextCharFormat& f) {
    f.setFontWeight(QFont::Bold);
    f.setFontItalic(true);
    f.setFontUnderline(true);
    f.setFontStrikeOut(true);
    f.setForeground(QColor(0, 0, 255));
    f.setFontFamilies({"Times New Roman"});
  });
  c.insertText(" default size", QTextCharFormat());
}

void BuildParagraphs(QTextDocument& Doc) {
  QTextCursor c(&Doc);
  auto para = [&](const QString& text, const std::function<void(QTextBlockFormat&)>& change,
                  bool first = false) {
    QTextBlockFormat f;
    change(f);
    if (first)
      c.setBlockFormat(f);
    else
      c.insertBlock(f);
    c.insertText(text, Plain());
  };
  para(
      "left", [](QTextBlockFormat&) {}, true);
  para("centre", [](QTextBlockFormat& f) { f.setAlignment(Qt::AlignHCenter); });
  para("right", [](QTextBlockFormat& f) { f.setAlignment(Qt::AlignRight); });
  para("justified", [](QTextBlockFormat& f) { f.setAlignment(Qt::AlignJustify); });
  para("indented", [](QTextBlockFormat& f) {
    f.setLeftMargin(48);
    f.setRightMargin(24);
    f.setTextIndent(-12);
  });
  para("spaced", [](QTextBlockFormat& f) {
    f.setTopMargin(8);
    f.setBottomMargin(16);
  });
  para("one and a half",
       [](QTextBlockFormat& f) { f.setLineHeight(150, QTextBlockFormat::ProportionalHeight); });
  para("exactly", [](QTextBlockFormat& f) { f.setLineHeight(20, QTextBlockFormat::FixedHeight); });
  para("at least",
       [](QTextBlockFormat& f) { f.setLineHeight(18, QTextBlockFormat::MinimumHeight); });
  para("shaded", [](QTextBlockFormat& f) { f.setBackground(QColor(220, 230, 240)); });
  para("new page",
       [](QTextBlockFormat& f) { f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore); });
  para("boxed", [](QTextBlockFormat& f) {
    for (int side = 0; side < 4; ++side) {
      f.setProperty(RtfText::ParagraphBorderStyle(side), 1);
      f.setProperty(RtfText::ParagraphBorderWidth(side), 15);
      f.setProperty(RtfText::ParagraphBorderColor(side), QColor(255, 0, 0));
    }
  });
  para("tab\there and a line\u2028break", [](QTextBlockFormat&) {});
  para("", [](QTextBlockFormat&) {});
  para("after an empty one", [](QTextBlockFormat&) {});
}

void BuildLists(QTextDocument& Doc) {
  QTextCursor c(&Doc);
  c.insertText("before", Plain());
  auto list = [&](QTextListFormat::Style style, int indent) {
    QTextListFormat f;
    f.setStyle(style);
    f.setIndent(indent);
    return f;
  };
  c.insertBlock();
  QTextList* bullets = c.createList(list(QTextListFormat::ListDisc, 1));
  c.insertText("disc one", Plain());
  c.insertBlock();
  c.insertText("disc two", Plain());
  c.insertBlock();
  c.createList(list(QTextListFormat::ListCircle, 2));
  c.insertText("circle nested", Plain());
  c.insertBlock();
  c.createList(list(QTextListFormat::ListSquare, 3));
  c.insertText("square deeper", Plain());
  c.insertBlock();
  bullets->add(c.block());
  c.insertText("disc three", Plain());
  c.insertBlock(QTextBlockFormat());
  c.insertText("between", Plain());
  c.insertBlock();
  c.createList(list(QTextListFormat::ListDecimal, 1));
  c.insertText("first", Plain());
  c.insertBlock();
  c.insertText("second", Plain());
  c.insertBlock();
  c.createList(list(QTextListFormat::ListLowerAlpha, 2));
  c.insertText("letter", Plain());
  c.insertBlock();
  QTextListFormat roman = list(QTextListFormat::ListUpperRoman, 3);
  roman.setNumberPrefix("(");
  roman.setNumberSuffix(")");
  c.createList(roman);
  c.insertText("roman", Plain());
}

void BuildTable(QTextDocument& Doc) {
  QTextCursor c(&Doc);
  c.insertText("above", Plain());
  QTextTableFormat f;
  f.setBorder(1);
  f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  f.setBorderBrush(QColor(0, 0, 0));
  f.setCellPadding(4);
  f.setCellSpacing(0);
  f.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 100),
                               QTextLength(QTextLength::FixedLength, 150),
                               QTextLength(QTextLength::FixedLength, 80)});
  QTextTable* table = c.insertTable(3, 3, f);
  const char* texts[3][3] = {{"wide", "", "R0"}, {"tall", "mid", "R1"}, {"", "low", "R2"}};
  for (int r = 0; r < 3; ++r)
    for (int col = 0; col < 3; ++col) {
      QTextCursor cell = table->cellAt(r, col).firstCursorPosition();
      cell.insertText(texts[r][col], Plain());
    }
  QTextCursor second = table->cellAt(1, 1).firstCursorPosition();
  second.movePosition(QTextCursor::EndOfBlock);
  second.insertBlock();
  second.insertText("second paragraph", Plain());
  table->mergeCells(0, 0, 1, 2);
  table->mergeCells(1, 0, 2, 1);
  QTextTableCell shaded = table->cellAt(0, 2);
  QTextTableCellFormat cf = shaded.format().toTableCellFormat();
  cf.setBackground(QColor(0, 200, 0));
  cf.setTopBorder(3);
  cf.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  cf.setTopBorderBrush(QColor(0, 0, 255));
  shaded.setFormat(cf);
  c.movePosition(QTextCursor::End);
  c.insertText("below", Plain());
}

void BuildImages(QTextDocument& Doc) {
  QTextCursor c(&Doc);
  c.insertText("png ", Plain());
  Doc.addResource(QTextDocument::ImageResource, QUrl("editor-image-1"),
                  QImage::fromData(PngBytes(QColor(10, 120, 200), 6, 3)));
  QTextImageFormat image;
  image.setName("editor-image-1");
  image.setWidth(60);
  image.setHeight(30);
  c.insertImage(image);
  c.insertText(" jpeg ", Plain());
  Doc.addResource(QTextDocument::ImageResource, QUrl("photo.jpg"),
                  PngBytes(QColor(250, 250, 250), 8, 8, "JPEG"));
  QTextImageFormat photo;
  photo.setName("photo.jpg");
  photo.setWidth(16);
  photo.setHeight(16);
  c.insertImage(photo);
}

void BuildLinks(QTextDocument& Doc) {
  QTextCursor c(&Doc);
  c.insertText("see ", Plain());
  QTextCharFormat link = Plain();
  link.setAnchor(true);
  link.setAnchorHref("https://example.org/Grüße?b=1&c=%22d%22");
  link.setForeground(QColor(0, 0, 255));
  link.setFontUnderline(true);
  c.insertText("the site", link);
  c.insertText(" or ", Plain());
  link.setAnchorHref("file:///home/me/Notes/My File.txt");
  c.insertText("my file", link);
  link.setFontWeight(QFont::Bold);
  c.insertText(" in bold", link);
  c.insertText(".", Plain());
}

void BuildScripts(QTextDocument& Doc) {
  QTextCursor c(&Doc);
  c.insertText("Grüße aus Köln, Äpfel und Öl; ß", Plain());
  c.insertBlock();
  c.insertText("Καλημέρα κόσμε", Plain());
  c.insertBlock();
  c.insertText("日本語のテキストと中文", Plain());
  c.insertBlock();
  c.insertText("Emoji 😀👍🏽 and {braces} \\backslash", Plain());
}

void BuildBackground(QTextDocument& Doc) {
  QTextFrameFormat root = Doc.rootFrame()->frameFormat();
  root.setBackground(QColor(255, 250, 230));
  Doc.rootFrame()->setFrameFormat(root);
  QTextCursor(&Doc).insertText("on cream", Plain());
}

void Prepare(QTextDocument& Doc) {
  QFont font("Arial");
  font.setPointSizeF(10);
  Doc.setDefaultFont(font);
}

QByteArray Fixture(const QString& Name) {
  QFile file(QStringLiteral(QV_TEST_DATA_DIR) + "/rtf/" + Name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QStringList Words(const QString& Text) {
  return Text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

} // namespace

class TestRtfRoundTrip : public QObject {
  Q_OBJECT

private slots:
  void roundTrip_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("character formats") << 0;
    QTest::newRow("paragraph formats and breaks") << 1;
    QTest::newRow("lists") << 2;
    QTest::newRow("table") << 3;
    QTest::newRow("images") << 4;
    QTest::newRow("links") << 5;
    QTest::newRow("mixed scripts") << 6;
    QTest::newRow("background") << 7;
    QTest::newRow("empty") << 8;
  }

  void roundTrip() {
    QFETCH(int, kind);
    QTextDocument original;
    Prepare(original);
    const std::function<void(QTextDocument&)> builders[] = {
        BuildFormats, BuildParagraphs, BuildLists,      BuildTable,           BuildImages,
        BuildLinks,   BuildScripts,    BuildBackground, [](QTextDocument&) {}};
    builders[kind](original);

    const std::string rtf = WriteRtfDocument(original);
    for (const char ch : rtf)
      QVERIFY2(static_cast<unsigned char>(ch) < 0x80, "7-bit output");

    QTextDocument readBack;
    LoadRtfDocument(readBack, rtf);
    QCOMPARE(Describe(readBack), Describe(original));
    QCOMPARE(readBack.toPlainText(), original.toPlainText());
    // Writing what was read gives the same RTF.
    QCOMPARE(QString::fromStdString(WriteRtfDocument(readBack)), QString::fromStdString(rtf));
  }

  void emptyDocumentReadsBackEmpty() {
    QTextDocument empty;
    const std::string rtf = WriteRtfDocument(empty);
    QTextDocument readBack;
    readBack.setPlainText("something");
    LoadRtfDocument(readBack, rtf);
    QVERIFY(readBack.isEmpty());
    QCOMPARE(readBack.blockCount(), 1);
    QCOMPARE(RtfToPlainText(rtf), std::string());
    // An empty body is an empty document, too.
    LoadRtfDocument(readBack, "");
    QVERIFY(readBack.isEmpty());
  }

  void loadingReplacesTheBackground() {
    QTextDocument doc;
    BuildBackground(doc);
    LoadRtfDocument(doc, "{\\rtf1 plain}");
    QCOMPARE(doc.rootFrame()->frameFormat().background().style(), Qt::NoBrush);
    QCOMPARE(doc.toPlainText(), QString("plain"));
  }

  void readsLibreOfficeOutput() {
    const QByteArray rtf = Fixture("lo_sample.rtf");
    QVERIFY(!rtf.isEmpty());
    QTextDocument doc;
    LoadRtfDocument(doc, std::string_view(rtf.constData(), rtf.size()));
    QTextBlock nested, red, pageBreak, picture, link;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
      if (b.text() == "Nested bullet") nested = b;
      if (b.text().startsWith("Red")) red = b;
      if (b.text() == "After the page break.") pageBreak = b;
      if (b.text().startsWith("Picture")) picture = b;
      if (b.text().startsWith("A link")) link = b;
    }
    QVERIFY(nested.isValid() && nested.textList());
    QCOMPARE(nested.textList()->format().indent(), 2);
    QCOMPARE(nested.textList()->format().style(), QTextListFormat::ListDisc);
    QVERIFY(red.isValid());
    QCOMPARE(red.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(red.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
    QVERIFY(pageBreak.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    bool haveImage = false;
    for (auto it = picture.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().isImageFormat()) {
        const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
        const QImage pixels = QImage::fromData(
            doc.resource(QTextDocument::ImageResource, QUrl(image.name())).toByteArray());
        QCOMPARE(pixels.size(), QSize(8, 4));
        QCOMPARE(pixels.pixelColor(0, 0), QColor(255, 0, 0));
        haveImage = true;
      }
    QVERIFY(haveImage);
    bool haveLink = false;
    for (auto it = link.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorHref() == "https://example.com/page?x=1") {
        QCOMPARE(it.fragment().text(), QString("link here"));
        haveLink = true;
      }
    QVERIFY(haveLink);
    // The table: the second row's one cell spans both columns.
    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    QCOMPARE(frames.size(), 1);
    const auto* table = qobject_cast<QTextTable*>(frames.first());
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(1, 0).columnSpan(), 2);
    QCOMPARE(table->cellAt(1, 0).format().background().color(), QColor(0, 255, 0));
    QVERIFY(doc.toPlainText().contains(QStringLiteral("Καλημέρα")));
    QVERIFY(doc.toPlainText().contains(QStringLiteral("😀")));
  }

  // Our output as LibreOffice reads it: the golden RTF beside LibreOffice's text export of it.
  void libreOfficeReadsOurOutput() {
    QTextDocument doc;
    Prepare(doc);
    BuildFormats(doc);
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    c.insertBlock(QTextBlockFormat(), Plain());
    for (auto build : {BuildLists, BuildTable, BuildLinks, BuildScripts}) {
      QTextDocument part;
      Prepare(part);
      build(part);
      c.insertFragment(QTextDocumentFragment(&part));
      c.movePosition(QTextCursor::End);
      c.insertBlock(QTextBlockFormat(), Plain());
    }
    c.insertText("the end", Plain());
    const std::string rtf = WriteRtfDocument(doc);
    const QString outPath = qEnvironmentVariable("QV_RTF_FIXTURE_OUT");
    if (!outPath.isEmpty()) {
      QFile out(outPath);
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write(rtf.data(), static_cast<qint64>(rtf.size()));
    }
    const QByteArray golden = Fixture("qt_written.rtf");
    QCOMPARE(QString::fromStdString(rtf), QString::fromLatin1(golden));
    // LibreOffice shows the same words, less its list markers.
    QStringList theirs;
    for (const QString& word : Words(QString::fromUtf8(Fixture("qt_written.lo.txt"))))
      if (!QRegularExpression("^(\\(?([0-9]+|[a-z]|[IVXLC]+|[ivxlc]+)[.)]|[•◦▪])$")
               .match(word)
               .hasMatch())
        theirs << word;
    QCOMPARE(Words(QString::fromStdString(RtfToPlainText(rtf))), theirs);
  }
};

QTEST_MAIN(TestRtfRoundTrip)
#include "tst_rtf_roundtrip.moc"
