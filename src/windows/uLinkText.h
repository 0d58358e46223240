#pragma once
// A text label that looks and reacts like a hyperlink: underlined with a hand cursor, blue, red
// while the mouse is over it, drawn one pixel lower right while it is pressed.

#include <QLabel>

class TLinkText : public QLabel {
  Q_OBJECT
  Q_PROPERTY(bool LinkEnabled READ LinkEnabled WRITE SetLinkEnabled)
public:
  explicit TLinkText(QWidget* Parent = nullptr);
  explicit TLinkText(const QString& Text, QWidget* Parent = nullptr);

  bool LinkEnabled() const { return FLinkEnabled; }
  void SetLinkEnabled(bool Value);
  bool Hot() const { return FHot; }
  bool Pressed() const { return FPressed; }

signals:
  // A press and release of the left button over the label.
  void clicked();

protected:
  void enterEvent(QEnterEvent* Event) override;
  void leaveEvent(QEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;

private:
  bool FLinkEnabled = false;
  bool FHot = false;
  bool FPressed = false;
  void SetHot(bool Value);
};
