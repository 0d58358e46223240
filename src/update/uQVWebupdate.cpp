#include "update/uQVWebupdate.h"

#include "app/uMessageBoxes.h"
#include "app/uQVQt.h"
#include "core/uGlobals.h"
#include "settings/myFileCtrls.h"
#include "settings/uQVLanguage.h"
#include "update/uQVUpdateClient.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <climits>

TWebupdateForm* WebupdateForm = nullptr;

namespace {

QString Text(const char* Key) {
  return Language ? QStr(Language->GetDialogText("WebUpdate", Key)) : QString();
}

QPixmap LogoPixmap(int Size) {
  QPixmap pixmap(Size, Size);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/icons/quillery.svg"));
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

QLabel* WrappedLabel(QWidget* Parent) {
  auto* label = new QLabel(Parent);
  label->setWordWrap(true);
  return label;
}

QPlainTextEdit* Memo(QWidget* Parent) {
  auto* memo = new QPlainTextEdit(Parent);
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return memo;
}

// A page: its controls from the top, its button at the bottom right.
QVBoxLayout* PageLayout(QWidget* Page) {
  auto* layout = new QVBoxLayout(Page);
  layout->setContentsMargins(8, 8, 8, 8);
  return layout;
}

void AddButton(QVBoxLayout* Layout, QPushButton* Button) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(Button);
  Layout->addLayout(row);
}

// Progress bars count in int; large sizes are scaled down together with their position.
void SetProgress(QProgressBar* Bar, qint64 Value, qint64 Maximum) {
  while (Maximum > INT_MAX) {
    Maximum >>= 10;
    Value >>= 10;
  }
  Bar->setRange(0, static_cast<int>(Maximum));
  Bar->setValue(static_cast<int>(std::min(Value, Maximum)));
}

} // namespace

TWebupdateForm::TWebupdateForm(QWidget* Parent)
    : QDialog(Parent), WebUpdate(new TQVUpdateClient(this)) {
  WebupdateForm = this;
  setObjectName("WebupdateForm");
  resize(481, 270);

  auto* main = new QHBoxLayout(this);
  main->setContentsMargins(0, 0, 0, 0);
  main->setSpacing(0);
  Billboard = new QLabel(this);
  Billboard->setFixedWidth(145);
  Billboard->setAlignment(Qt::AlignCenter);
  Billboard->setPixmap(LogoPixmap(112));
  Billboard->setAutoFillBackground(true);
  QPalette billboard = Billboard->palette();
  billboard.setColor(QPalette::Window, QColor(0xe6, 0xea, 0xef));
  Billboard->setPalette(billboard);
  main->addWidget(Billboard);
  PageControl1 = new QStackedWidget(this);
  main->addWidget(PageControl1);

  auto page = [this](const char* Name) {
    auto* sheet = new QWidget(PageControl1);
    sheet->setObjectName(Name);
    PageControl1->addWidget(sheet);
    return sheet;
  };

  TabSheet1 = page("TabSheet1");
  QVBoxLayout* l = PageLayout(TabSheet1);
  WelcomeLabel = WrappedLabel(TabSheet1);
  StartButton = new QPushButton(TabSheet1);
  StartButton->setDefault(true);
  l->addWidget(WelcomeLabel);
  l->addStretch();
  AddButton(l, StartButton);

  TabSheet2 = page("TabSheet2");
  l = PageLayout(TabSheet2);
  VersionInfoLabel = WrappedLabel(TabSheet2);
  ControlButton = new QPushButton(TabSheet2);
  l->addWidget(VersionInfoLabel);
  l->addStretch();
  AddButton(l, ControlButton);

  TabSheet3 = page("TabSheet3");
  l = PageLayout(TabSheet3);
  Label1 = new QLabel(TabSheet3);
  WhatsNewMemo = Memo(TabSheet3);
  NewButton = new QPushButton(TabSheet3);
  l->addWidget(Label1);
  l->addWidget(WhatsNewMemo);
  AddButton(l, NewButton);

  TabSheet4 = page("TabSheet4");
  l = PageLayout(TabSheet4);
  Label2 = new QLabel(TabSheet4);
  EULAMemo = Memo(TabSheet4);
  RAccept = new QRadioButton(TabSheet4);
  RNoAccept = new QRadioButton(TabSheet4);
  EULAButton = new QPushButton(TabSheet4);
  EULAButton->setEnabled(false);
  l->addWidget(Label2);
  l->addWidget(EULAMemo);
  auto* radios = new QHBoxLayout;
  radios->addWidget(RAccept);
  radios->addWidget(RNoAccept);
  radios->addStretch();
  radios->addWidget(EULAButton);
  l->addLayout(radios);

  TabSheet5 = page("TabSheet5");
  l = PageLayout(TabSheet5);
  Label3 = new QLabel(TabSheet5);
  CheckListBox1 = new QListWidget(TabSheet5);
  FilesButton = new QPushButton(TabSheet5);
  l->addWidget(Label3);
  l->addWidget(CheckListBox1);
  AddButton(l, FilesButton);

  TabSheet6 = page("TabSheet6");
  l = PageLayout(TabSheet6);
  Label4 = new QLabel(TabSheet6);
  QFont heading = Label4->font();
  heading.setBold(true);
  Label4->setFont(heading);
  Label5 = new QLabel(TabSheet6);
  FileLabel = new QLabel(TabSheet6);
  FileProgress = new QProgressBar(TabSheet6);
  Label6 = new QLabel(TabSheet6);
  TotalProgress = new QProgressBar(TabSheet6);
  CancelButton = new QPushButton(TabSheet6);
  l->addWidget(Label4);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(Label5);
  fileRow->addWidget(FileLabel, 1);
  l->addLayout(fileRow);
  l->addWidget(FileProgress);
  l->addWidget(Label6);
  l->addWidget(TotalProgress);
  l->addStretch();
  AddButton(l, CancelButton);

  TabSheet7 = page("TabSheet7");
  l = PageLayout(TabSheet7);
  Label7 = WrappedLabel(TabSheet7);
  Label8 = WrappedLabel(TabSheet7);
  RestartButton = new QPushButton(TabSheet7);
  l->addWidget(Label7);
  l->addWidget(Label8);
  l->addStretch();
  AddButton(l, RestartButton);

  TabSheet8 = page("TabSheet8");
  l = PageLayout(TabSheet8);
  Label9 = WrappedLabel(TabSheet8);
  btnClose = new QPushButton(TabSheet8);
  l->addWidget(Label9);
  l->addStretch();
  AddButton(l, btnClose);

  const struct {
    QPushButton* Button;
    const char* Name;
    void (TWebupdateForm::*Handler)();
  } buttons[] = {{StartButton, "StartButton", &TWebupdateForm::StartButtonClick},
                 {ControlButton, "ControlButton", &TWebupdateForm::ControlButtonClick},
                 {NewButton, "NewButton", &TWebupdateForm::NewButtonClick},
                 {EULAButton, "EULAButton", &TWebupdateForm::EULAButtonClick},
                 {FilesButton, "FilesButton", &TWebupdateForm::FilesButtonClick},
                 {CancelButton, "CancelButton", &TWebupdateForm::CancelButtonClick},
                 {RestartButton, "RestartButton", &TWebupdateForm::RestartButtonClick},
                 {btnClose, "btnClose", &TWebupdateForm::RestartButtonClick}};
  for (const auto& b : buttons) {
    b.Button->setObjectName(b.Name);
    b.Button->setAutoDefault(false);
    connect(b.Button, &QPushButton::clicked, this, b.Handler);
  }
  RAccept->setObjectName("RAccept");
  RNoAccept->setObjectName("RNoAccept");
  CheckListBox1->setObjectName("CheckListBox1");

  WebUpdate->OnProgressCancel = [this] { return WebUpdateProgressCancel(); };
  connect(WebUpdate, &TQVUpdateClient::ControlFileDone, this, &TWebupdateForm::ControlFileDone);
  connect(WebUpdate, &TQVUpdateClient::FileProgress, this, &TWebupdateForm::WebUpdateFileProgress);
  connect(WebUpdate, &TQVUpdateClient::DownloadDone, this, &TWebupdateForm::DownloadDone);
}

TWebupdateForm::~TWebupdateForm() {
  if (WebupdateForm == this) WebupdateForm = nullptr;
}

void TWebupdateForm::Localize() {
  setWindowTitle(Text("N10"));
  WelcomeLabel->setText(Text("N20"));
  StartButton->setText(Text("N30"));
  ControlButton->setText(Text("N40"));
  Label1->setText(Text("N50"));
  NewButton->setText(Text("N50"));
  Label2->setText(Text("N60"));
  RAccept->setText(Text("N70"));
  RNoAccept->setText(Text("N80"));
  EULAButton->setText(Text("N90"));
  FilesButton->setText(Text("N90"));
  Label3->setText(Text("N95"));
  Label4->setText(Text("N100"));
  Label5->setText(Text("N110"));
  Label6->setText(Text("N120"));
  CancelButton->setText(Text("N160"));
  Label7->setText(Text("N130"));
  Label8->setText(Text("N140"));
  RestartButton->setText(Text("N150"));
  Label9->setText(Text("N310") + "\n\n" + Text("N320") + "\n\n" + Text("N330"));
  NewVersionFoundText = Text("N200");
  NewVersionText = Text("N210");
  CurrentVersionText = Text("N220");
  NoNewVersionText = Text("N230");
  NewVersionAvailText = Text("N240");
  GetUpdateText = Text("N250");
  ExitText = Text("N260");
  NoFilesText = Text("N270");
  NoConnectionText = Text("N280") + " " + Text("N290");
  DownloadFailedText = Text("N300");
}

void TWebupdateForm::PrepareWizard() {
  WebUpdate->EndConnection();
  RunAfterPath.clear();
  RunAfterClose = false;
  CancelRequested = false;
  FControlExits = false;
  unsetCursor();
  StartButton->setEnabled(true);
  ShowPage(TabSheet1);
  CheckListBox1->clear();
  WhatsNewMemo->clear();
  EULAMemo->clear();
  EULAButton->setEnabled(false);
  // Neither choice is made until the user makes one.
  for (QRadioButton* radio : {RAccept, RNoAccept}) {
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
  }
  WebUpdate->TempDirectory = QStr(GetTempDir());
  Localize();
}

void TWebupdateForm::CloseWizard() {
  WebUpdate->EndConnection();
  unsetCursor();
  QDialog::reject();
}

void TWebupdateForm::reject() {
  if (WebUpdate->IsDownloading())
    CancelButtonClick();
  else
    CloseWizard();
}

void TWebupdateForm::ShowPage(QWidget* Page) {
  PageControl1->setCurrentWidget(Page);
}

void TWebupdateForm::StartButtonClick() {
  setCursor(Qt::WaitCursor);
  StartButton->setEnabled(false);
  if (WebUpdate->StartConnection() != 0) {
    unsetCursor();
    CloseWizard();
    StartButton->setEnabled(true);
    return;
  }
  // The cursor stays busy until the descriptor has arrived (ControlFileDone).
  WebUpdate->GetControlFile();
}

QString TWebupdateForm::VersionText(int Result) const {
  const TQVUpdateDescriptor& d = WebUpdate->Descriptor();
  const QLocale locale;
  QString local, remote;
  switch (Result) {
  case ucNewerByDate:
    local = locale.toString(WebUpdate->LocalDateTime.date(), QLocale::ShortFormat);
    remote = locale.toString(d.Date, QLocale::ShortFormat);
    if (d.Time.isValid()) remote += ' ' + locale.toString(d.Time, QLocale::LongFormat);
    break;
  case ucNewerByVersion:
    local = WebUpdate->LocalVersion.ToString();
    remote = d.Version.ToString();
    break;
  case ucNoNewer:
    return NoNewVersionText;
  default:
    return NewVersionAvailText;
  }
  return NewVersionFoundText + " :\n" + CurrentVersionText + " : " + local + "\n" + NewVersionText +
         " : " + remote + "\n\n" + d.Description;
}

void TWebupdateForm::ControlFileDone(int Result) {
  unsetCursor();
  ShowPage(TabSheet2);
  VersionInfoLabel->setFixedWidth(300);
  if (Result != 0) {
    VersionInfoLabel->setText(NoConnectionText);
    FControlExits = true;
  } else {
    StartButton->setEnabled(true);
    const int result = WebUpdate->CheckVersion();
    VersionInfoLabel->setText(VersionText(result));
    FControlExits = result == ucNoNewer;
  }
  ControlButton->setText(FControlExits ? ExitText : GetUpdateText);
  ControlButton->setEnabled(true);
  ControlButton->setFocus();
}

void TWebupdateForm::ControlButtonClick() {
  if (FControlExits) {
    CloseWizard();
    return;
  }
  // Our descriptor has no actions to run before the download.
  const TQVUpdateDescriptor& d = WebUpdate->Descriptor();
  if (!d.WhatsNew.isEmpty()) {
    WhatsNewMemo->setPlainText(d.WhatsNew.join('\n'));
    ShowPage(TabSheet3);
    NewButton->setEnabled(true);
    NewButton->setFocus();
  } else if (!d.License.isEmpty()) {
    ShowLicense();
  } else {
    FileChoice(true);
  }
}

void TWebupdateForm::ShowLicense() {
  EULAMemo->setPlainText(WebUpdate->Descriptor().License.join('\n'));
  ShowPage(TabSheet4);
  EULAButton->setEnabled(true);
}

void TWebupdateForm::NewButtonClick() {
  if (!WebUpdate->Descriptor().License.isEmpty())
    ShowLicense();
  else
    FileChoice(true);
}

void TWebupdateForm::EULAButtonClick() {
  if (RAccept->isChecked())
    FileChoice(false);
  else if (RNoAccept->isChecked())
    CloseWizard();
}

void TWebupdateForm::FileChoice(bool CheckEmpty) {
  WebUpdate->BuildFileList();
  CheckListBox1->clear();
  const QList<TFileDescription>& files = WebUpdate->FileList();
  for (int i = 0; i < files.size(); ++i) {
    if (files[i].Hidden) continue;
    auto* item = new QListWidgetItem(files[i].Description, CheckListBox1);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    item->setData(Qt::UserRole, i);
  }
  if (CheckEmpty && files.isEmpty()) {
    ShowInfo(NoFilesText);
    CloseWizard();
    return;
  }
  ShowPage(TabSheet5);
  FilesButton->setEnabled(true);
  FilesButton->setFocus();
}

void TWebupdateForm::FilesButtonClick() {
  QList<TFileDescription>& files = WebUpdate->FileList();
  for (TFileDescription& file : files) {
    file.TargetDir = WebUpdate->TempDirectory;
    file.Selected = true;
  }
  for (int row = 0; row < CheckListBox1->count(); ++row) {
    const QListWidgetItem* item = CheckListBox1->item(row);
    const int index = item->data(Qt::UserRole).toInt();
    if (item->checkState() != Qt::Checked && index >= 0 && index < files.size())
      files[index].Selected = false;
  }
  files.removeIf([](const TFileDescription& f) { return !f.Selected; });
  if (files.isEmpty()) {
    ShowInfo(NoFilesText);
    CloseWizard();
    return;
  }
  FileLabel->clear();
  FileProgress->setValue(0);
  TotalProgress->setValue(0);
  ShowPage(TabSheet6);
  CancelRequested = false;
  CancelButton->setEnabled(true);
  CancelButton->setFocus();
  setCursor(Qt::WaitCursor);
  WebUpdate->DoUpdate();
}

void TWebupdateForm::WebUpdateFileProgress(const QString& FileName, qint64 Received, qint64 Size) {
  FileLabel->setText(QFileInfo(FileName).fileName());
  SetProgress(FileProgress, Received, Size);
  SetProgress(TotalProgress, WebUpdate->FinishedSize() + Received, WebUpdate->TotalSize());
}

void TWebupdateForm::CancelButtonClick() {
  CancelRequested = true;
  WebUpdate->CheckCancel();
}

void TWebupdateForm::DownloadDone(bool Success) {
  unsetCursor();
  // A download ended by closing the wizard from outside has nothing more to show.
  if (!isVisible()) return;
  if (!Success) {
    WebUpdate->Aborted = true;
    ShowError(DownloadFailedText);
    CloseWizard();
    return;
  }
  // Only now, with every file whole and checked, is the installer worth starting.
  RunAfterClose = true;
  RunAfterPath.clear();
  const QString runAfter = WebUpdate->Descriptor().RunAfter;
  for (const TFileDescription& file : WebUpdate->FileList())
    if (!runAfter.isEmpty() && file.Name == runAfter)
      RunAfterPath = WebUpdate->DownloadFolder() + runAfter;
  WebUpdate->EndConnection();
  ShowPage(TabSheet8);
  btnClose->setText(ExitText);
  btnClose->setEnabled(true);
  btnClose->setFocus();
}

void TWebupdateForm::RestartButtonClick() {
  // Our updates install through the run-after program once we have closed; there is never a
  // restart of our own to do.
  CloseWizard();
}

bool RunUpdateAfterClose() {
  if (!WebupdateForm || !WebupdateForm->RunAfterClose || WebupdateForm->RunAfterPath.isEmpty())
    return false;
  const QString path = WebupdateForm->RunAfterPath;
  if (QProcess::startDetached(path, {}, QFileInfo(path).absolutePath())) return true;
  const QString text =
      Language ? QStr(Language->GetDialogText("WebUpdate", "N340")) : QStringLiteral("");
  ShowError(text + "\n" + path);
  return false;
}
