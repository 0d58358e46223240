#include "windows/uAbout.h"

#include "app/uQVQt.h"
#include "core/uGlobals.h"
#include "settings/myVersionInfo.h"
#include "settings/uQVLanguage.h"
#include "windows/uLinkText.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QUrl>
#include <QUrlQuery>

namespace {

QString Text(const char* Key) {
  return Language ? QStr(Language->GetDialogText("About", Key)) : QString();
}

// The logo with the program's name beside it, on the window's background.
QPixmap Banner(const QColor& Background) {
  QPixmap pixmap(300, 100);
  pixmap.fill(Background);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QSvgRenderer(QStringLiteral(":/icons/quillery.svg")).render(&painter, QRectF(16, 10, 80, 80));
  QFont font = painter.font();
  font.setPixelSize(40);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(0x1d, 0x4c, 0x93));
  painter.drawText(QRect(108, 0, 192, 100), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("Quillery"));
  return pixmap;
}

} // namespace

TAboutForm::TAboutForm(QWidget* Parent) : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("AboutForm");
  const QColor background(192, 192, 255);
  QPalette p = palette();
  p.setColor(QPalette::Window, background);
  setPalette(p);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 300, 100);
  Image1->setPixmap(Banner(background));

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setWordWrap(true);
  Label1->setGeometry(10, 108, 300, 41 + 24);

  ltwww = new TLinkText(QString::fromLatin1(WebAddress), this);
  ltwww->setObjectName("ltwww");
  ltwww->SetLinkEnabled(true);
  ltwww->setAlignment(Qt::AlignCenter);
  ltwww->setGeometry(10, 176, 300, 18);

  ltEmail = new TLinkText(QString::fromLatin1(MailAddress), this);
  ltEmail->setObjectName("ltEmail");
  ltEmail->SetLinkEnabled(true);
  ltEmail->setAlignment(Qt::AlignCenter);
  ltEmail->setGeometry(10, 194, 300, 18);

  Button1 = new QPushButton(this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  Button1->resize(75, 25);

  connect(ltwww, &TLinkText::clicked, this, &TAboutForm::ltwwwClick);
  connect(ltEmail, &TLinkText::clicked, this, &TAboutForm::ltEmailClick);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  FormShow();
}

void TAboutForm::Localize() {
  setWindowTitle(Text("N10"));
  Button1->setText(Language ? QStr(Language->GetCommonText("N10")) : QStringLiteral("OK"));
}

void TAboutForm::FormShow() {
  Localize();
  setFixedSize(320, 250);
  Button1->move((width() - Button1->width()) / 2, 218);
  Label1->setText(Text("N20") + "\n\n" + Text("N30") + " " + QStr(TVersionInfo().VersionString(4)));
}

void TAboutForm::showEvent(QShowEvent* Event) {
  FormShow();
  QDialog::showEvent(Event);
}

void TAboutForm::paintEvent(QPaintEvent* Event) {
  QDialog::paintEvent(Event);
  QPainter painter(this);
  painter.setPen(QColor(0x5f, 0x68, 0x72));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TAboutForm::ltwwwClick() {
  QDesktopServices::openUrl(QUrl(ltwww->text()));
}

QUrl TAboutForm::MailUrl() {
  QUrl url(QStringLiteral("mailto:") + QString::fromLatin1(MailAddress));
  QUrlQuery query;
  query.addQueryItem("subject", "Quillery ");
  query.addQueryItem("body", "");
  url.setQuery(query);
  return url;
}

void TAboutForm::ltEmailClick() {
  QDesktopServices::openUrl(MailUrl());
}
