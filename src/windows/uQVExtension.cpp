#include "windows/uQVExtension.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamWriter>
#include <algorithm>
#include <exception>
#include <pugixml.hpp>

namespace {

constexpr int DefaultGlobWeight = 50;
constexpr int MaxGlobWeight = 100;
// Bounds for reading other programs' files: nothing here is worth a long start.
constexpr int MaxPackages = 256;
constexpr qint64 MaxPackageSize = 1 << 20;
constexpr qint64 MaxDesktopEntrySize = 64 << 10;

struct TGlobClaim {
  QString Type;
  int Weight = DefaultGlobWeight;
  bool Ours = false;
};

QByteArray ReadSmallFile(const QString& FileName, qint64 MaxSize) {
  QFile file(FileName);
  if (file.size() > MaxSize || !file.open(QIODevice::ReadOnly)) return {};
  return file.read(MaxSize);
}

// Every claim of the user's MIME packages on "*.<Extension>" (patterns match without case).
QList<TGlobClaim> GlobClaims(const QString& DataHome, const QString& Extension) {
  QList<TGlobClaim> claims;
  const QString pattern = ("*." + Extension).toLower();
  const QString ours = QFileInfo(DataHome + '/' + MimePackagePath).absoluteFilePath();
  const QFileInfoList packages =
      QDir(DataHome + "/mime/packages").entryInfoList({"*.xml"}, QDir::Files, QDir::Name);
  for (int i = 0; i < packages.size() && i < MaxPackages; ++i) {
    const QByteArray text = ReadSmallFile(packages[i].absoluteFilePath(), MaxPackageSize);
    pugi::xml_document doc;
    if (text.isEmpty() || !doc.load_buffer(text.constData(), static_cast<size_t>(text.size())))
      continue;
    const bool isOurs = packages[i].absoluteFilePath() == ours;
    for (pugi::xml_node type : doc.child("mime-info").children("mime-type"))
      for (pugi::xml_node glob : type.children("glob")) {
        if (QString::fromUtf8(glob.attribute("pattern").value()).toLower() != pattern) continue;
        const int weight = glob.attribute("weight").as_int(DefaultGlobWeight);
        claims.append({QString::fromUtf8(type.attribute("type").value()), weight, isOurs});
      }
  }
  return claims;
}

bool DesktopEntryHandles(const QString& FileName, const QString& FileType) {
  const QStringList lines =
      QString::fromUtf8(ReadSmallFile(FileName, MaxDesktopEntrySize)).split('\n');
  for (const QString& line : lines)
    if (line.startsWith("MimeType="))
      return line.mid(9).trimmed().split(';', Qt::SkipEmptyParts).contains(FileType);
  return false;
}

bool WriteFile(const QString& FileName, const QByteArray& Content) {
  if (!QDir().mkpath(QFileInfo(FileName).absolutePath())) return false;
  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(Content);
  return file.commit();
}

QByteArray MimePackage(const TExtensionInfo& Info, int Weight) {
  QByteArray text;
  QXmlStreamWriter xml(&text);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeDefaultNamespace("http://www.freedesktop.org/standards/shared-mime-info");
  xml.writeStartElement("mime-info");
  xml.writeStartElement("mime-type");
  xml.writeAttribute("type", Info.FileType);
  xml.writeTextElement("comment", Info.Description);
  xml.writeEmptyElement("icon");
  xml.writeAttribute("name", Info.IconName);
  xml.writeEmptyElement("glob");
  xml.writeAttribute("pattern", "*." + Info.Extension);
  if (Weight != DefaultGlobWeight) xml.writeAttribute("weight", QString::number(Weight));
  xml.writeEndElement();
  xml.writeEndElement();
  xml.writeEndDocument();
  return text;
}

QByteArray DesktopEntry(const TExtensionInfo& Info) {
  const QString text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Quillery\n"
                       "Exec=" +
                       DesktopExecArgument(Info.AppFileName) +
                       " %f\n"
                       "Icon=quillery\n"
                       "MimeType=" +
                       Info.FileType +
                       ";\n"
                       "Terminal=false\n"
                       "Categories=Office;\n";
  return text.toUtf8();
}

// Copies an icon of our resources into the user's icon theme; a missing resource is skipped.
bool WriteIcon(const QString& Resource, const QString& FileName) {
  QFile icon(Resource);
  if (!icon.open(QIODevice::ReadOnly)) return true;
  return WriteFile(FileName, icon.readAll());
}

void Refresh(const char* Tool, const QString& Folder) {
  const QString program = QStandardPaths::findExecutable(QString::fromLatin1(Tool));
  if (!program.isEmpty()) QProcess::startDetached(program, {Folder});
}

} // namespace

QString XdgDataHome() {
  const QString data = qEnvironmentVariable("XDG_DATA_HOME");
  if (!data.isEmpty() && QDir::isAbsolutePath(data)) return QDir::cleanPath(data);
  const QString home = qEnvironmentVariable("HOME");
  if (home.isEmpty() || !QDir::isAbsolutePath(home)) return {};
  return QDir::cleanPath(home + "/.local/share");
}

QString DesktopExecArgument(const QString& Path) {
  QString quoted = "\"";
  for (const QChar c : Path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  QString value;
  for (const QChar c : quoted) {
    if (c == '\\')
      value += "\\\\";
    else if (c == '%')
      value += "%%";
    else if (c == '\n')
      value += "\\n";
    else if (c == '\r')
      value += "\\r";
    else if (c == '\t')
      value += "\\t";
    else
      value += c;
  }
  return value;
}

bool IsExtensionRegistered(const TExtensionInfo& Info) {
  const QString home = XdgDataHome();
  if (home.isEmpty()) return false;
  const QList<TGlobClaim> claims = GlobClaims(home, Info.Extension);
  int top = -1;
  for (const TGlobClaim& c : claims)
    top = std::max(top, c.Weight);
  bool oursOnTop = false;
  for (const TGlobClaim& c : claims) {
    if (c.Weight != top) continue;
    if (c.Type != Info.FileType) return false;
    oursOnTop = oursOnTop || c.Ours;
  }
  return oursOnTop && DesktopEntryHandles(home + '/' + DesktopEntryPath, Info.FileType);
}

bool WriteExtensionKeys(const TExtensionInfo& Info) {
  const QString home = XdgDataHome();
  if (home.isEmpty()) return false;
  // Taking the pattern over from another type: one more than its strongest claim.
  int weight = DefaultGlobWeight;
  for (const TGlobClaim& c : GlobClaims(home, Info.Extension))
    if (!c.Ours && c.Type != Info.FileType) weight = std::max(weight, c.Weight + 1);
  weight = std::min(weight, MaxGlobWeight);

  const QString icons = home + "/icons/hicolor/scalable/";
  if (!WriteFile(home + '/' + MimePackagePath, MimePackage(Info, weight))) return false;
  if (!WriteIcon(":/icons/application-x-quillery.svg",
                 icons + "mimetypes/" + Info.IconName + ".svg"))
    return false;
  if (!WriteIcon(":/icons/quillery.svg", icons + "apps/quillery.svg")) return false;
  if (!WriteFile(home + '/' + DesktopEntryPath, DesktopEntry(Info))) return false;
  Refresh("update-mime-database", home + "/mime");
  Refresh("update-desktop-database", home + "/applications");
  return true;
}

TRegisterResult RegisterExtension(const TExtensionInfo& Info) {
  try {
    if (IsExtensionRegistered(Info)) return TRegisterResult::AlreadyRegistered;
    return WriteExtensionKeys(Info) ? TRegisterResult::Written : TRegisterResult::Failed;
  } catch (const std::exception&) {
    // Registering is a courtesy to the desktop; the program runs without it.
    return TRegisterResult::Failed;
  }
}

void RegisterDataFileType() {
  RegisterExtension({"qvx", "application/x-quillery", "Quillery Data File",
                     QCoreApplication::applicationFilePath(), "application-x-quillery"});
}
