#include "update/uQVUpdateDescriptor.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace {

using TIniSection = QHash<QString, QString>;
using TIni = QHash<QString, TIniSection>;

bool Fail(QString& Error, const QString& Reason) {
  Error = Reason;
  return false;
}

// Sections and keys are compared without case; a repeated section or key is refused, since
// two different sums or names for one file leave no way to know which one is meant.
bool ParseIni(const QByteArray& Bytes, TIni& Ini, QString& Error) {
  if (Bytes.size() > TQVUpdateDescriptor::MaxSize) return Fail(Error, "descriptor too large");
  if (Bytes.contains('\0')) return Fail(Error, "descriptor holds a NUL byte");
  QStringDecoder decoder(QStringDecoder::Utf8);
  QString text = decoder(Bytes);
  if (decoder.hasError()) return Fail(Error, "descriptor is not UTF-8");
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

  TIniSection* section = nullptr;
  const QStringList lines = text.split('\n');
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    const QString where = QStringLiteral("line %1: ").arg(i + 1);
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
    if (line.startsWith('[')) {
      if (!line.endsWith(']') || line.size() < 3) return Fail(Error, where + "bad section");
      const QString name = line.mid(1, line.size() - 2).trimmed().toLower();
      if (name.isEmpty()) return Fail(Error, where + "bad section");
      if (Ini.contains(name)) return Fail(Error, where + "section [" + name + "] repeated");
      section = &Ini[name];
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) return Fail(Error, where + "not a key=value line");
    if (!section) return Fail(Error, where + "key outside a section");
    const QString key = line.left(equals).trimmed().toLower();
    if (key.isEmpty()) return Fail(Error, where + "empty key");
    if (section->contains(key)) return Fail(Error, where + "key " + key + " repeated");
    section->insert(key, line.mid(equals + 1).trimmed());
  }
  return true;
}

// line1, line2, ... up to the first number that is missing.
QStringList ReadLines(const TIni& Ini, const QString& Name) {
  QStringList lines;
  const auto it = Ini.constFind(Name);
  if (it == Ini.cend()) return lines;
  for (int n = 1;; ++n) {
    const auto line = it->constFind(QStringLiteral("line%1").arg(n));
    if (line == it->cend()) break;
    lines.append(*line);
  }
  return lines;
}

bool ReadBool(const QString& Text, bool& Value) {
  const QString t = Text.toLower();
  if (t.isEmpty() || t == "0" || t == "false" || t == "no") {
    Value = false;
    return true;
  }
  if (t == "1" || t == "true" || t == "yes") {
    Value = true;
    return true;
  }
  return false;
}

bool ReadFile(const TIniSection& Section, const QString& Name, const QUrl& BaseUrl,
              TFileDescription& File, QString& Error) {
  const QString where = "[" + Name + "]: ";
  File.Name = Section.value("name");
  if (!IsPlainFileName(File.Name))
    return Fail(Error, where + "file name \"" + File.Name + "\" is not a plain name");

  const QString url = Section.value("url", File.Name);
  File.Url = BaseUrl.resolved(QUrl(url, QUrl::StrictMode));
  const QString scheme = File.Url.scheme().toLower();
  if (!File.Url.isValid() || (scheme != "http" && scheme != "https") || File.Url.host().isEmpty())
    return Fail(Error, where + "bad url");

  File.Description = Section.value("description");
  if (File.Description.isEmpty()) File.Description = File.Name;

  bool ok = false;
  File.Size = Section.value("size").toLongLong(&ok);
  if (!ok || File.Size < 0 || File.Size > TQVUpdateDescriptor::MaxFileSize)
    return Fail(Error, where + "bad size");

  static const QRegularExpression hex64("^[0-9a-fA-F]{64}$");
  const QString sum = Section.value("sha256");
  if (!hex64.match(sum).hasMatch()) return Fail(Error, where + "bad or missing sha256");
  File.Sha256 = QByteArray::fromHex(sum.toLatin1());

  if (!ReadBool(Section.value("hidden"), File.Hidden)) return Fail(Error, where + "bad hidden");
  return true;
}

} // namespace

bool TQVVersion::Parse(const QString& Text, TQVVersion& Version) {
  const QStringList parts = Text.split('.');
  if (parts.isEmpty() || parts.size() > 4) return false;
  TQVVersion v;
  for (int i = 0; i < parts.size(); ++i) {
    static const QRegularExpression digits("^[0-9]{1,5}$");
    if (!digits.match(parts[i]).hasMatch()) return false;
    const uint value = parts[i].toUInt();
    if (value > 0xFFFF) return false;
    v.Parts[i] = static_cast<std::uint16_t>(value);
  }
  Version = v;
  return true;
}

QString TQVVersion::ToString() const {
  return QStringLiteral("%1.%2.%3.%4").arg(Parts[0]).arg(Parts[1]).arg(Parts[2]).arg(Parts[3]);
}

bool IsPlainFileName(const QString& Name) {
  if (Name.isEmpty() || Name == "." || Name == ".." || Name.toUtf8().size() > 255) return false;
  for (const QChar c : Name)
    if (c == '/' || c == '\\' || c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
  return true;
}

bool ParseUpdateDescriptor(const QByteArray& Text, const QUrl& BaseUrl,
                           TQVUpdateDescriptor& Descriptor, QString& Error) {
  TIni ini;
  if (!ParseIni(Text, ini, Error)) return false;
  const auto update = ini.constFind("update");
  if (update == ini.cend()) return Fail(Error, "no [update] section");

  TQVUpdateDescriptor d;
  const QString version = update->value("version");
  if (!version.isEmpty()) {
    if (!TQVVersion::Parse(version, d.Version)) return Fail(Error, "bad version");
    d.HasVersion = true;
  }
  const QString date = update->value("date");
  const QString time = update->value("time");
  if (!date.isEmpty()) {
    d.Date = QDate::fromString(date, "dd/MM/yyyy");
    if (!d.Date.isValid()) return Fail(Error, "bad date");
  }
  if (!time.isEmpty()) {
    d.Time = QTime::fromString(time, "hh:mm");
    if (!d.Time.isValid() || date.isEmpty()) return Fail(Error, "bad time");
  }
  d.Description = update->value("description");
  d.WhatsNew = ReadLines(ini, "whatsnew");
  d.License = ReadLines(ini, "license");

  for (int n = 1;; ++n) {
    const QString name = QStringLiteral("file%1").arg(n);
    const auto section = ini.constFind(name);
    if (section == ini.cend()) break;
    if (n > TQVUpdateDescriptor::MaxFiles) return Fail(Error, "too many files");
    TFileDescription file;
    if (!ReadFile(*section, name, BaseUrl, file, Error)) return false;
    for (const TFileDescription& other : d.Files)
      if (other.Name == file.Name) return Fail(Error, "file name " + file.Name + " repeated");
    d.Files.append(file);
  }

  const auto action = ini.constFind("action");
  if (action != ini.cend()) d.RunAfter = action->value("runafter");
  if (!d.RunAfter.isEmpty()) {
    if (!IsPlainFileName(d.RunAfter)) return Fail(Error, "runafter is not a plain name");
    const bool listed =
        std::any_of(d.Files.cbegin(), d.Files.cend(),
                    [&](const TFileDescription& f) { return f.Name == d.RunAfter; });
    if (!listed) return Fail(Error, "runafter names no listed file");
  }
  Descriptor = std::move(d);
  return true;
}
