#include "windows/uQVOptions.h"

#include "app/uQVQt.h"
#include "core/uGlobals.h"
#include "settings/uQVLanguage.h"
#include "settings/uQVSettings.h"
#include "windows/uOpenFile.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QString Text(const char* Group, const char* Key) {
  return Language ? QStr(Language->GetOptionsText(Group, Key)) : QString();
}

} // namespace

TOptionsForm::TOptionsForm(QWidget* Parent) : QDialog(Parent, Qt::Tool) {
  setObjectName("OptionsForm");
  setSizeGripEnabled(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xFA, 0xFA, 0xFA));
  setPalette(p);
  setAutoFillBackground(true);
  resize(519, 289);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Splitter1 = new QSplitter(Qt::Horizontal, this);
  Splitter1->setHandleWidth(3);
  Splitter1->setStyleSheet("QSplitter::handle { background: #c0c0c0; }");
  ListSections = new QListWidget(Splitter1);
  ListSections->setObjectName("ListSections");
  ListSections->setFrameShape(QFrame::NoFrame);
  ListSections->setUniformItemSizes(true);
  ListSections->setFixedWidth(120);
  Pages = new QStackedWidget(Splitter1);
  Splitter1->setCollapsible(0, false);
  Splitter1->setStretchFactor(1, 1);
  layout->addWidget(Splitter1, 1);

  TabGeneral = new QWidget(Pages);
  TabGeneral->setObjectName("TabGeneral");
  auto* general = new QVBoxLayout(TabGeneral);
  ofDataDir = new TOpenFile(TabGeneral);
  ofDataDir->setObjectName("ofDataDir");
  ofDataDir->Kind = TOpenFileKind::ofPath;
  cbBackup = new QCheckBox(TabGeneral);
  cbBackup->setObjectName("cbBackup");
  general->addWidget(ofDataDir);
  general->addWidget(cbBackup);
  general->addStretch();
  Pages->addWidget(TabGeneral);

  TabLanguage = new QWidget(Pages);
  TabLanguage->setObjectName("TabLanguage");
  auto* language = new QVBoxLayout(TabLanguage);
  rbENG = new QRadioButton(TabLanguage);
  rbENG->setObjectName("rbENG");
  rbDEU = new QRadioButton(TabLanguage);
  rbDEU->setObjectName("rbDEU");
  language->addWidget(rbENG);
  language->addWidget(rbDEU);
  language->addStretch();
  Pages->addWidget(TabLanguage);

  Shape1 = new QFrame(this);
  Shape1->setFixedHeight(3);
  Shape1->setAutoFillBackground(true);
  QPalette line = Shape1->palette();
  line.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
  Shape1->setPalette(line);
  layout->addWidget(Shape1);

  Panel1 = new QWidget(this);
  auto* buttons = new QHBoxLayout(Panel1);
  buttons->addStretch();
  btnOK = new QPushButton(Panel1);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  btnCancel = new QPushButton(Panel1);
  btnCancel->setObjectName("btnCancel");
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  layout->addWidget(Panel1);

  connect(ListSections, &QListWidget::currentRowChanged, this, &TOptionsForm::ListSectionsClick);
  connect(btnOK, &QPushButton::clicked, this, &TOptionsForm::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  FormCreate();
}

void TOptionsForm::FormCreate() {
  Localize();
  LoadFromSettings();
  ListSections->setCurrentRow(0);
  ListSectionsClick();
}

void TOptionsForm::Localize() {
  setWindowTitle(Text("Common", "N10"));
  ListSections->clear();
  const struct {
    const char* Key;
    QWidget* Page;
  } sections[] = {{"N10", TabGeneral}, {"N20", TabLanguage}};
  for (const auto& s : sections) {
    auto* item = new QListWidgetItem(Text("Sections", s.Key), ListSections);
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<QObject*>(s.Page)));
    item->setSizeHint(QSize(item->sizeHint().width(), 18));
  }
  rbENG->setText(Text("Language", "N20"));
  rbDEU->setText(Text("Language", "N10"));
  ofDataDir->SetCaption(Text("General", "N10"));
  cbBackup->setText(Text("General", "N20"));
  if (Language) {
    btnOK->setText(QStr(Language->GetCommonText("N10")));
    btnCancel->setText(QStr(Language->GetCommonText("N20")));
  }
}

void TOptionsForm::LoadFromSettings() {
  if (!Settings) return;
  ofDataDir->SetFileName(QStr(Settings->DefaultDataDir));
  // A language other than ours leaves both unchecked, so OK keeps it.
  rbENG->setAutoExclusive(false);
  rbDEU->setAutoExclusive(false);
  rbENG->setChecked(Settings->Language == "ENG");
  rbDEU->setChecked(Settings->Language == "DEU");
  rbENG->setAutoExclusive(true);
  rbDEU->setAutoExclusive(true);
  cbBackup->setChecked(Settings->MakeBackup);
}

void TOptionsForm::ListSectionsClick() {
  const QListWidgetItem* item = ListSections->currentItem();
  if (!item) return;
  if (auto* page = qobject_cast<QWidget*>(item->data(Qt::UserRole).value<QObject*>()))
    Pages->setCurrentWidget(page);
}

void TOptionsForm::StoreToSettings() {
  if (!Settings) return;
  // Taken as typed: a folder that does not exist falls back to the program folder at the next
  // start.
  Settings->DefaultDataDir = StdStr(ofDataDir->FileName());
  if (rbENG->isChecked()) Settings->Language = "ENG";
  if (rbDEU->isChecked()) Settings->Language = "DEU";
  Settings->MakeBackup = cbBackup->isChecked();
}

void TOptionsForm::btnOKClick() {
  StoreToSettings();
  accept();
}
