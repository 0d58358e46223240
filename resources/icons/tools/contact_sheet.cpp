// Renders every icon listed in resources/quillery.qrc with QtSvg, the renderer the program
// uses, into one contact sheet: per icon its name, 16 px, 32 px, and both enlarged to 64 px
// without smoothing so that blurred edges show. Exits non-zero when a file does not load or
// QtSvg warns about anything in it.
//
//   g++ -std=c++20 -fPIC resources/icons/tools/contact_sheet.cpp -o /tmp/contact_sheet
//       $(pkg-config --cflags --libs Qt6Gui Qt6Svg)      (one command line)
//   QT_QPA_PLATFORM=offscreen /tmp/contact_sheet resources/quillery.qrc docs/screenshots/icons.png

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int Warnings = 0;

void CountWarning(QtMsgType, const QMessageLogContext&, const QString& Msg) {
  ++Warnings;
  std::fprintf(stderr, "warning: %s\n", qPrintable(Msg));
}

QImage Render(QSvgRenderer& Renderer, int Size) {
  QImage Img(Size, Size, QImage::Format_ARGB32_Premultiplied);
  Img.fill(Qt::transparent);
  QPainter P(&Img);
  Renderer.render(&P, QRectF(0, 0, Size, Size));
  return Img;
}

struct Entry {
  QString Alias;
  QString File;
};

} // namespace

int main(int argc, char** argv) {
  QGuiApplication App(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: contact_sheet QRC OUT.png\n");
    return 2;
  }
  QFile Qrc(QString::fromLocal8Bit(argv[1]));
  if (!Qrc.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  const QString Base = QFileInfo(Qrc).absolutePath();
  const QString Text = QString::fromUtf8(Qrc.readAll());
  QList<Entry> Entries;
  const QRegularExpression Re("<file alias=\"([^\"]+)\">([^<]+)</file>");
  for (auto It = Re.globalMatch(Text); It.hasNext();) {
    auto M = It.next();
    Entries.append({M.captured(1), Base + "/" + M.captured(2)});
  }
  qInstallMessageHandler(CountWarning);

  const int Cols = 6, CellW = 208, CellH = 84, HeadH = 26;
  // One heading per group (the folder of the alias), then its cells.
  QList<QPair<QString, QList<Entry>>> Groups;
  for (const Entry& E : Entries) {
    QString G = E.Alias.contains('/') ? E.Alias.section('/', 0, 0) : QStringLiteral("program");
    if (Groups.isEmpty() || Groups.last().first != G) Groups.append({G, {}});
    Groups.last().second.append(E);
  }
  int Height = 8;
  for (const auto& G : Groups)
    Height += HeadH + int((G.second.size() + Cols - 1) / Cols) * CellH;
  QImage Sheet(Cols * CellW + 8, Height, QImage::Format_ARGB32);
  Sheet.fill(QColor("#ffffff"));
  QPainter P(&Sheet);
  int Bad = 0, Y = 4;
  for (const auto& G : Groups) {
    P.setPen(QColor("#1d4c93"));
    P.setFont(QFont("DejaVu Sans", 10, QFont::Bold));
    P.drawText(QRect(8, Y, Cols * CellW, HeadH), Qt::AlignVCenter,
               QString("%1 (%2)").arg(G.first).arg(G.second.size()));
    Y += HeadH;
    P.setFont(QFont("DejaVu Sans", 7));
    for (int I = 0; I < G.second.size(); ++I) {
      const Entry& E = G.second[I];
      const int X = (I % Cols) * CellW + 8, CY = Y + (I / Cols) * CellH;
      QSvgRenderer Renderer(E.File);
      if (!Renderer.isValid()) {
        ++Bad;
        std::fprintf(stderr, "cannot render %s\n", qPrintable(E.File));
      }
      P.setPen(QColor("#39424c"));
      P.drawText(QRect(X, CY, CellW - 8, 12), Qt::AlignLeft, E.Alias.section('/', -1).chopped(4));
      const QImage I16 = Render(Renderer, 16), I32 = Render(Renderer, 32);
      P.fillRect(QRect(X, CY + 14, CellW - 12, 66), QColor("#f3f5f8"));
      P.drawImage(X + 4, CY + 14 + 25, I16);
      P.drawImage(X + 26, CY + 14 + 17, I32);
      P.drawImage(X + 66, CY + 15,
                  I16.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation));
      P.drawImage(X + 134, CY + 15,
                  I32.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    Y += int((G.second.size() + Cols - 1) / Cols) * CellH;
  }
  P.end();
  if (!Sheet.save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("%lld icons, %d not loaded, %d warnings\n", static_cast<long long>(Entries.size()),
              Bad, Warnings);
  return Bad || Warnings || Entries.isEmpty() ? 1 : 0;
}
