#pragma once
// Our update client: fetches the update descriptor over HTTP(S), compares versions and
// downloads the chosen files into a private folder under the temporary folder, with progress
// and cancel. All work runs in the event loop; results arrive as signals.

#include "update/uQVUpdateCheck.h"
#include "update/uQVUpdateDescriptor.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QSaveFile;

// The descriptor's address: $QUILLERY_UPDATE_URL when it is set, else the one built in.
QUrl DefaultUpdateUrl();

class TQVUpdateClient : public QObject {
  Q_OBJECT
public:
  explicit TQVUpdateClient(QObject* Parent = nullptr);
  ~TQVUpdateClient() override;

  QUrl DescriptorUrl;
  // Each download gets a folder of its own in here (the system's temporary folder).
  QString TempDirectory;
  // What the descriptor is compared with: the running program's version and file date.
  TQVVersion LocalVersion;
  QDateTime LocalDateTime;
  // A transfer that receives nothing for this many milliseconds fails.
  int TransferTimeout = 30000;
  // Asked for every block received and by CheckCancel; true cancels the download.
  std::function<bool()> OnProgressCancel;
  // Set when the last download failed or was cancelled.
  bool Aborted = false;
  // Why the last step failed (for the log and for tests), or empty.
  QString LastError;

  // 0 when DescriptorUrl is an address we can fetch from (http or https with a host).
  int StartConnection();
  // Stops a running transfer; no signal follows for it. A stopped download leaves no files.
  void EndConnection();
  // Fetches and reads the descriptor; ends in ControlFileDone: 0 when it was read, -1 when
  // it could not be fetched or was refused.
  void GetControlFile();
  TQVUpdateCheck CheckVersion() const;
  const TQVUpdateDescriptor& Descriptor() const { return FDescriptor; }

  // The files of the descriptor, every one selected; the wizard removes what is not wanted.
  void BuildFileList();
  QList<TFileDescription>& FileList() { return FFiles; }
  qint64 TotalSize() const;
  // The size of the files of this download that are complete.
  qint64 FinishedSize() const { return FFinishedSize; }

  // Downloads every file of FileList into a new private folder; ends in DownloadDone. Success
  // means every file arrived whole with its SHA-256 sum; otherwise the folder is removed.
  void DoUpdate();
  bool IsDownloading() const { return FDownloading; }
  // The folder of the last download, with a trailing separator; empty before one.
  QString DownloadFolder() const { return FFolder; }
  // Asks OnProgressCancel now (the Cancel button need not wait for the next block).
  void CheckCancel();

signals:
  void ControlFileDone(int Result);
  void FileProgress(const QString& FileName, qint64 Received, qint64 Size);
  void DownloadDone(bool Success);

private:
  QNetworkAccessManager* FManager;
  QPointer<QNetworkReply> FReply;
  QByteArray FControlData;
  TQVUpdateDescriptor FDescriptor;
  QList<TFileDescription> FFiles;
  QString FFolder;
  bool FDownloading = false;
  int FIndex = 0;
  qint64 FReceived = 0;
  qint64 FFinishedSize = 0;
  std::unique_ptr<QSaveFile> FFile;
  QCryptographicHash FHash{QCryptographicHash::Sha256};

  QNetworkReply* Get(const QUrl& Url);
  void DropReply();
  void ControlReadyRead();
  void ControlFinished();
  void StartFile();
  void FileReadyRead();
  void FileFinished();
  void FailDownload(const QString& Reason);
  void FinishDownload(bool Success);
};
