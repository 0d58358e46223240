#pragma once
// The options dialog of Tools, Options: the default data folder, the backup switch and the
// language. It changes only the settings in memory, and only on OK.

#include <QDialog>

class QCheckBox;
class QFrame;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSplitter;
class QStackedWidget;
class TOpenFile;

class TOptionsForm : public QDialog {
  Q_OBJECT
public:
  explicit TOptionsForm(QWidget* Parent = nullptr);

  QListWidget* ListSections;
  QSplitter* Splitter1;
  QStackedWidget* Pages;
  QWidget* TabGeneral;
  TOpenFile* ofDataDir;
  QCheckBox* cbBackup;
  QWidget* TabLanguage;
  QRadioButton* rbENG;
  QRadioButton* rbDEU;
  QFrame* Shape1;
  QWidget* Panel1;
  QPushButton* btnOK;
  QPushButton* btnCancel;

  // Shows the page of the selected entry; nothing without a selection.
  void ListSectionsClick();
  void btnOKClick();

private:
  void FormCreate();
  void Localize();
  void LoadFromSettings();
  void StoreToSettings();
};
