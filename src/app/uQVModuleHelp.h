#pragma once
// The help and tool actions of the Tools and Help menus: Options, About and the update check.

#include <QList>
#include <QObject>

class QAction;
class QWidget;

class TffDMHelp : public QObject {
  Q_OBJECT
public:
  // Window is the owner of the dialogs the actions open (the main window).
  explicit TffDMHelp(QWidget* Window, QObject* Parent = nullptr);
  ~TffDMHelp() override;

  QAction* acToolOption;
  QAction* acHelpAbout;
  QAction* acHelpUpdate;
  // The three actions in menu order of their categories.
  QList<QAction*> Action1() const { return {acToolOption, acHelpAbout, acHelpUpdate}; }

  // The captions of the three actions from the language document.
  void Localize();

  void acToolOptionExecute();
  void acHelpAboutExecute();
  void acHelpUpdateExecute();

signals:
  // The options dialog was confirmed and the language code set from the settings: every
  // window must take its texts anew (the main window's LocalizeForms).
  void LocalizeFormsRequested();

private:
  QWidget* FWindow;
};

// The module, once it exists.
extern TffDMHelp* ffDMHelp;
