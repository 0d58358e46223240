#include "update/uQVUpdateClient.h"

#include "app/uQVQt.h"
#include "settings/myFileCtrls.h"
#include "settings/myVersionInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr const char* BuiltInUpdateUrl = "https://quillery.example.org/update/quillery-update.ini";

bool IsFetchable(const QUrl& Url) {
  const QString scheme = Url.scheme().toLower();
  return Url.isValid() && (scheme == "http" || scheme == "https") && !Url.host().isEmpty();
}

} // namespace

QUrl DefaultUpdateUrl() {
  const QString url = qEnvironmentVariable("QUILLERY_UPDATE_URL");
  return QUrl(url.isEmpty() ? QString::fromLatin1(BuiltInUpdateUrl) : url);
}

TQVUpdateClient::TQVUpdateClient(QObject* Parent)
    : QObject(Parent), FManager(new QNetworkAccessManager(this)) {
  DescriptorUrl = DefaultUpdateUrl();
  TempDirectory = QStr(GetTempDir());
  TQVVersion::Parse(QStr(TVersionInfo().VersionString(4)), LocalVersion);
  LocalDateTime = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
}

TQVUpdateClient::~TQVUpdateClient() {
  EndConnection();
}

int TQVUpdateClient::StartConnection() {
  LastError.clear();
  if (IsFetchable(DescriptorUrl)) return 0;
  LastError = "not an http or https address: " + DescriptorUrl.toString();
  return -1;
}

void TQVUpdateClient::EndConnection() {
  if (FDownloading)
    FailDownload("connection ended");
  else
    DropReply();
}

QNetworkReply* TQVUpdateClient::Get(const QUrl& Url) {
  QNetworkRequest request(Url);
  request.setTransferTimeout(TransferTimeout);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  FReply = FManager->get(request);
  return FReply;
}

void TQVUpdateClient::DropReply() {
  if (!FReply) return;
  QNetworkReply* reply = FReply;
  FReply = nullptr;
  reply->disconnect(this);
  reply->abort();
  reply->deleteLater();
}

void TQVUpdateClient::GetControlFile() {
  DropReply();
  FControlData.clear();
  FDescriptor = {};
  QNetworkReply* reply = Get(DescriptorUrl);
  connect(reply, &QNetworkReply::readyRead, this, &TQVUpdateClient::ControlReadyRead);
  connect(reply, &QNetworkReply::finished, this, &TQVUpdateClient::ControlFinished);
}

void TQVUpdateClient::ControlReadyRead() {
  FControlData += FReply->readAll();
  if (FControlData.size() <= TQVUpdateDescriptor::MaxSize) return;
  // Nothing that large is a descriptor of ours: stop reading it.
  DropReply();
  LastError = "descriptor too large";
  FControlData.clear();
  QTimer::singleShot(0, this, [this] { emit ControlFileDone(-1); });
}

void TQVUpdateClient::ControlFinished() {
  QNetworkReply* reply = FReply;
  FReply = nullptr;
  reply->deleteLater();
  int result = 0;
  if (reply->error() != QNetworkReply::NoError) {
    LastError = reply->errorString();
    result = -1;
  } else {
    FControlData += reply->readAll();
    TQVUpdateDescriptor descriptor;
    if (ParseUpdateDescriptor(FControlData, reply->url(), descriptor, LastError))
      FDescriptor = std::move(descriptor);
    else
      result = -1;
  }
  FControlData.clear();
  QTimer::singleShot(0, this, [this, result] { emit ControlFileDone(result); });
}

TQVUpdateCheck TQVUpdateClient::CheckVersion() const {
  return CompareUpdateVersion(FDescriptor, LocalVersion, LocalDateTime);
}

void TQVUpdateClient::BuildFileList() {
  FFiles = FDescriptor.Files;
  for (TFileDescription& file : FFiles)
    file.Selected = true;
}

qint64 TQVUpdateClient::TotalSize() const {
  qint64 total = 0;
  for (const TFileDescription& file : FFiles)
    total += file.Size;
  return total;
}

void TQVUpdateClient::DoUpdate() {
  DropReply();
  Aborted = false;
  LastError.clear();
  FFinishedSize = 0;
  FIndex = 0;
  FDownloading = true;
  FFolder.clear();
  // A folder of our own: names that another user of the temporary folder could guess or plant
  // in advance are never written to, and never started.
  QTemporaryDir folder(QStr(IncludeBackslash(StdStr(TempDirectory))) + "quillery-update-XXXXXX");
  if (!folder.isValid()) {
    FailDownload("cannot create a download folder in " + TempDirectory);
    return;
  }
  folder.setAutoRemove(false);
  FFolder = folder.path() + '/';
  for (TFileDescription& file : FFiles)
    file.TargetDir = FFolder;
  StartFile();
}

void TQVUpdateClient::StartFile() {
  if (FIndex >= FFiles.size()) {
    FinishDownload(true);
    return;
  }
  const TFileDescription& file = FFiles[FIndex];
  FReceived = 0;
  FHash.reset();
  FFile = std::make_unique<QSaveFile>(file.TargetDir + file.Name);
  if (!FFile->open(QIODevice::WriteOnly)) {
    FailDownload("cannot write " + FFile->fileName());
    return;
  }
  emit FileProgress(file.Name, 0, file.Size);
  QNetworkReply* reply = Get(file.Url);
  connect(reply, &QNetworkReply::readyRead, this, &TQVUpdateClient::FileReadyRead);
  connect(reply, &QNetworkReply::finished, this, &TQVUpdateClient::FileFinished);
}

void TQVUpdateClient::FileReadyRead() {
  const TFileDescription& file = FFiles[FIndex];
  const QByteArray data = FReply->readAll();
  FReceived += data.size();
  if (FReceived > file.Size) {
    FailDownload(file.Name + ": more data than its size");
    return;
  }
  if (FFile->write(data) != data.size()) {
    FailDownload("cannot write " + FFile->fileName());
    return;
  }
  FHash.addData(data);
  emit FileProgress(file.Name, FReceived, file.Size);
  CheckCancel();
}

void TQVUpdateClient::CheckCancel() {
  if (FDownloading && OnProgressCancel && OnProgressCancel()) FailDownload("cancelled");
}

void TQVUpdateClient::FileFinished() {
  if (!FDownloading) return;
  QNetworkReply* reply = FReply;
  FReply = nullptr;
  reply->deleteLater();
  TFileDescription& file = FFiles[FIndex];
  if (reply->error() != QNetworkReply::NoError) {
    FailDownload(file.Name + ": " + reply->errorString());
    return;
  }
  if (FReceived != file.Size) {
    FailDownload(file.Name + ": incomplete");
    return;
  }
  if (FHash.result() != file.Sha256) {
    FailDownload(file.Name + ": SHA-256 sum does not match");
    return;
  }
  if (!FFile->commit()) {
    FailDownload("cannot write " + FFile->fileName());
    return;
  }
  FFile.reset();
  if (file.Name == FDescriptor.RunAfter)
    QFile::setPermissions(file.TargetDir + file.Name,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  FFinishedSize += file.Size;
  ++FIndex;
  StartFile();
}

void TQVUpdateClient::FailDownload(const QString& Reason) {
  if (!FDownloading) return;
  LastError = Reason;
  Aborted = true;
  DropReply();
  if (FFile) FFile->cancelWriting();
  FFile.reset();
  if (!FFolder.isEmpty()) QDir(FFolder).removeRecursively();
  FinishDownload(false);
}

void TQVUpdateClient::FinishDownload(bool Success) {
  FDownloading = false;
  // Delivered from the event loop, so that the receiver may open message boxes without
  // running inside a network handler.
  QTimer::singleShot(0, this, [this, Success] { emit DownloadDone(Success); });
}
