#pragma once
// The update wizard: version check, what's new, licence agreement, choice of components,
// download with progress and Cancel, and the request to start the downloaded installer once
// the program has closed. One instance lives from start to end; Help, Look for new version
// prepares it and shows it modally.

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class TQVUpdateClient;

class TWebupdateForm : public QDialog {
  Q_OBJECT
public:
  explicit TWebupdateForm(QWidget* Parent = nullptr);
  ~TWebupdateForm() override;

  // Set once a download has completed with every file whole and matching its sum; the main
  // window then starts RunAfterPath when it closes (RunUpdateAfterClose).
  bool RunAfterClose = false;
  // The downloaded program named by the descriptor's runafter key, or empty.
  QString RunAfterPath;
  bool CancelRequested = false;

  TQVUpdateClient* WebUpdate;

  QLabel* Billboard;
  QStackedWidget* PageControl1;
  QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet5, *TabSheet6, *TabSheet7,
      *TabSheet8;
  QLabel* WelcomeLabel;
  QPushButton* StartButton;
  QLabel* VersionInfoLabel;
  QPushButton* ControlButton;
  QLabel* Label1;
  QPlainTextEdit* WhatsNewMemo;
  QPushButton* NewButton;
  QLabel* Label2;
  QPlainTextEdit* EULAMemo;
  QRadioButton* RAccept;
  QRadioButton* RNoAccept;
  QPushButton* EULAButton;
  QLabel* Label3;
  QListWidget* CheckListBox1;
  QPushButton* FilesButton;
  QLabel *Label4, *Label5, *FileLabel, *Label6;
  QProgressBar* FileProgress;
  QProgressBar* TotalProgress;
  QPushButton* CancelButton;
  QLabel *Label7, *Label8;
  QPushButton* RestartButton;
  QLabel* Label9;
  QPushButton* btnClose;

  // Texts kept for the steps of the wizard.
  QString NewVersionFoundText, NewVersionText, CurrentVersionText, NoNewVersionText,
      NewVersionAvailText, GetUpdateText, ExitText, NoFilesText, NoConnectionText,
      DownloadFailedText;

  // Back to the welcome page with no components and no run-after request, texts from the
  // language document.
  void PrepareWizard();
  void Localize();
  // Ends any transfer and closes the window.
  void CloseWizard();

  void StartButtonClick();
  void ControlButtonClick();
  void NewButtonClick();
  void EULAButtonClick();
  void FilesButtonClick();
  void CancelButtonClick();
  void RestartButtonClick();
  void WebUpdateFileProgress(const QString& FileName, qint64 Received, qint64 Size);
  bool WebUpdateProgressCancel() const { return CancelRequested; }

  // Escape and the close box: during a download they cancel it, otherwise close the wizard.
  void reject() override;

private:
  // ControlButton closes the wizard (no connection, no newer version) rather than going on.
  bool FControlExits = false;

  void ShowPage(QWidget* Page);
  void ControlFileDone(int Result);
  void ShowLicense();
  void FileChoice(bool CheckEmpty);
  void DownloadDone(bool Success);
  QString VersionText(int Result) const;
};

// The wizard, once it exists.
extern TWebupdateForm* WebupdateForm;

// For the main window's close handling, after the settings are written: starts the program
// that a completed update download asked for, detached, so that it outlives us. A failure is
// shown in a message box; closing goes on. Returns true when a program was started.
bool RunUpdateAfterClose();
