#include "app/uMessageBoxes.h"

#include "app/uQVQt.h"
#include "core/uGlobals.h"
#include "settings/uQVLanguage.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>

namespace {

QPointer<QWidget> BoxOwner;

QWidget* Owner() {
  if (BoxOwner) return BoxOwner;
  return QApplication::activeWindow();
}

// Button texts follow the language document, like every other text of the program.
void LabelButtons(QMessageBox& Box) {
  struct {
    QMessageBox::StandardButton Button;
    const char* Key;
  } const labels[] = {{QMessageBox::Yes, "N30"},
                      {QMessageBox::No, "N40"},
                      {QMessageBox::Cancel, "N20"},
                      {QMessageBox::Ok, "N10"}};
  for (const auto& l : labels)
    if (QAbstractButton* button = Box.button(l.Button)) {
      const std::string text = Language ? Language->GetCommonText(l.Key) : std::string();
      if (!text.empty()) button->setText(QStr(text));
    }
}

QMessageBox::StandardButton Run(QMessageBox::Icon Icon, const QString& Text,
                                QMessageBox::StandardButtons Buttons,
                                QMessageBox::StandardButton Escape) {
  QMessageBox box(Icon, QApplication::applicationDisplayName(), Text, Buttons, Owner());
  box.setEscapeButton(Escape);
  LabelButtons(box);
  box.exec();
  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  return pressed == QMessageBox::NoButton ? Escape : pressed;
}

} // namespace

void SetMessageBoxOwner(QWidget* OwnerWidget) {
  BoxOwner = OwnerWidget;
}

bool AskYesNo(const QString& Text) {
  return Run(QMessageBox::Question, Text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

QMessageBox::StandardButton AskYesNoCancel(const QString& Text) {
  return Run(QMessageBox::Question, Text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
             QMessageBox::Cancel);
}

void ShowError(const QString& Text) {
  Run(QMessageBox::Critical, Text, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowInfo(const QString& Text) {
  Run(QMessageBox::Information, Text, QMessageBox::Ok, QMessageBox::Ok);
}
