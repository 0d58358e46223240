#pragma once
// A path field: a label, an edit field and a "..." button that browses for a file or a folder.

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

enum class TOpenFileKind { ofFile, ofPath };

class TOpenFile : public QWidget {
  Q_OBJECT
public:
  static constexpr int LabelSpacing = 5;
  static constexpr int ButtonWidth = 25;

  explicit TOpenFile(QWidget* Parent = nullptr);

  QString Caption() const;
  void SetCaption(const QString& Text);
  QString FileName() const;
  void SetFileName(const QString& Name);
  TOpenFileKind Kind = TOpenFileKind::ofFile;

  QLabel* Label() const { return FLabel; }
  QLineEdit* Edit() const { return FEdit; }
  QToolButton* Button() const { return FButton; }

  // Runs the file or folder dialog and takes over what the user chose.
  void Browse();

  QSize sizeHint() const override;

signals:
  // Whenever the edit field's text changes.
  void Changed(TOpenFile* Sender);

protected:
  void resizeEvent(QResizeEvent* Event) override;

private:
  QLabel* FLabel;
  QLineEdit* FEdit;
  QToolButton* FButton;
  void Arrange();
};
