#include "windows/uOpenFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TOpenFile::TOpenFile(QWidget* Parent)
    : QWidget(Parent), FLabel(new QLabel(this)), FEdit(new QLineEdit(this)),
      FButton(new QToolButton(this)) {
  FEdit->resize(150, 21);
  FButton->setText(QStringLiteral("..."));
  FButton->setFocusPolicy(Qt::NoFocus);
  FButton->setAutoRaise(true);
  FLabel->setBuddy(FEdit);
  setFocusProxy(FEdit);
  connect(FEdit, &QLineEdit::textChanged, this, [this] { emit Changed(this); });
  connect(FButton, &QToolButton::clicked, this, &TOpenFile::Browse);
  Arrange();
}

QString TOpenFile::Caption() const {
  return FLabel->text();
}

void TOpenFile::SetCaption(const QString& Text) {
  FLabel->setText(Text);
  Arrange();
}

QString TOpenFile::FileName() const {
  return FEdit->text();
}

void TOpenFile::SetFileName(const QString& Name) {
  FEdit->setText(Name);
}

QSize TOpenFile::sizeHint() const {
  return {FLabel->sizeHint().width() + LabelSpacing + 150 + ButtonWidth,
          FEdit->sizeHint().height()};
}

void TOpenFile::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  Arrange();
}

// Label at the left, the field taking the rest of the width, the button at its right edge;
// the control is as high as the field.
void TOpenFile::Arrange() {
  const int height = FEdit->sizeHint().height();
  const int left = FLabel->sizeHint().width() + LabelSpacing;
  FLabel->setGeometry(0, 0, left - LabelSpacing, height);
  FEdit->setGeometry(left, 0, std::max(0, width() - left - ButtonWidth), height);
  FButton->setGeometry(FEdit->geometry().right() + 1, 0, ButtonWidth, height);
  if (minimumHeight() != height || maximumHeight() != height) setFixedHeight(height);
}

void TOpenFile::Browse() {
  QFileDialog dialog(this);
  if (Kind == TOpenFileKind::ofPath) {
    // The folder dialog's title is the same in every language.
    dialog.setWindowTitle(QStringLiteral("Datenpfad"));
    dialog.setFileMode(QFileDialog::Directory);
    // Read-only: choosing a folder, not making one.
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
    if (auto* newFolder = dialog.findChild<QToolButton*>("newFolderButton")) newFolder->hide();
    const QFileInfo start(FEdit->text());
    if (!FEdit->text().isEmpty() && start.isDir()) dialog.setDirectory(start.absoluteFilePath());
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!FEdit->text().isEmpty()) dialog.setDirectory(QFileInfo(FEdit->text()).absolutePath());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  FEdit->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}
