#include "app/uQVModuleHelp.h"

#include "app/uMessageBoxes.h"
#include "app/uQVQt.h"
#include "core/uGlobals.h"
#include "settings/uQVLanguage.h"
#include "settings/uQVSettings.h"
#include "update/uQVWebupdate.h"
#include "windows/uAbout.h"
#include "windows/uQVOptions.h"

#include <QAction>
#include <exception>

TffDMHelp* ffDMHelp = nullptr;

namespace {

QAction* MakeAction(const char* Name, const char* Category, QObject* Parent) {
  auto* action = new QAction(Parent);
  action->setObjectName(Name);
  action->setProperty("Category", QString::fromLatin1(Category));
  return action;
}

// An action's failure reaches the user as a message, like any other error of the program.
template <typename F> void Guarded(F&& Step) {
  try {
    Step();
  } catch (const std::exception& e) {
    ShowError(QStr(e.what()));
  }
}

} // namespace

TffDMHelp::TffDMHelp(QWidget* Window, QObject* Parent) : QObject(Parent), FWindow(Window) {
  setObjectName("ffDMHelp");
  ffDMHelp = this;
  acToolOption = MakeAction("acToolOption", "Tools", this);
  acHelpAbout = MakeAction("acHelpAbout", "Help", this);
  acHelpUpdate = MakeAction("acHelpUpdate", "Help", this);
  acHelpAbout->setMenuRole(QAction::AboutRole);
  acToolOption->setMenuRole(QAction::PreferencesRole);
  connect(acToolOption, &QAction::triggered, this, &TffDMHelp::acToolOptionExecute);
  connect(acHelpAbout, &QAction::triggered, this, &TffDMHelp::acHelpAboutExecute);
  connect(acHelpUpdate, &QAction::triggered, this, &TffDMHelp::acHelpUpdateExecute);
}

TffDMHelp::~TffDMHelp() {
  if (ffDMHelp == this) ffDMHelp = nullptr;
}

void TffDMHelp::Localize() {
  if (!Language) return;
  acToolOption->setText(QStr(Language->GetMenuText("Tools", "N20")));
  acHelpAbout->setText(QStr(Language->GetMenuText("Help", "N20")));
  acHelpUpdate->setText(QStr(Language->GetMenuText("Help", "N40")));
}

void TffDMHelp::acToolOptionExecute() {
  Guarded([this] {
    // On the stack: released after its run, also when a step throws.
    TOptionsForm dialog(FWindow);
    if (dialog.exec() != QDialog::Accepted) return;
    if (Language && Settings) Language->Code = Settings->Language;
    emit LocalizeFormsRequested();
  });
}

void TffDMHelp::acHelpAboutExecute() {
  Guarded([this] {
    TAboutForm dialog(FWindow);
    dialog.exec();
  });
}

void TffDMHelp::acHelpUpdateExecute() {
  Guarded([] {
    if (!WebupdateForm) return;
    WebupdateForm->PrepareWizard();
    WebupdateForm->exec();
  });
}
