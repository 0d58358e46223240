#include "windows/uLinkText.h"

#include <QMouseEvent>
#include <QPainter>

TLinkText::TLinkText(QWidget* Parent) : TLinkText(QString(), Parent) {}

TLinkText::TLinkText(const QString& Text, QWidget* Parent) : QLabel(Text, Parent) {
  SetHot(false);
}

void TLinkText::SetLinkEnabled(bool Value) {
  FLinkEnabled = Value;
  QFont f = font();
  f.setUnderline(Value);
  setFont(f);
  if (Value)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
  update();
}

// The colour follows the state alone, whatever colour the label was given before.
void TLinkText::SetHot(bool Value) {
  FHot = Value;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, Value ? QColor(Qt::red) : QColor(Qt::blue));
  setPalette(p);
  update();
}

void TLinkText::enterEvent(QEnterEvent* Event) {
  QLabel::enterEvent(Event);
  if (FLinkEnabled) SetHot(true);
}

void TLinkText::leaveEvent(QEvent* Event) {
  QLabel::leaveEvent(Event);
  if (FLinkEnabled) SetHot(false);
}

void TLinkText::mousePressEvent(QMouseEvent* Event) {
  QLabel::mousePressEvent(Event);
  if (FLinkEnabled && Event->button() == Qt::LeftButton) {
    FPressed = true;
    update();
  }
}

void TLinkText::mouseReleaseEvent(QMouseEvent* Event) {
  const bool wasPressed = FPressed;
  if (FLinkEnabled) {
    FPressed = false;
    update();
  }
  QLabel::mouseReleaseEvent(Event);
  // Releasing outside the label is no click, as with any button.
  if (wasPressed && Event->button() == Qt::LeftButton &&
      rect().contains(Event->position().toPoint()))
    emit clicked();
}

void TLinkText::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect r = contentsRect();
  if (FLinkEnabled && FPressed) r.translate(1, 1);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  int flags = static_cast<int>(alignment());
  if (wordWrap()) flags |= Qt::TextWordWrap;
  painter.drawText(r, flags, text());
}
