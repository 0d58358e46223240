#pragma once
// The update descriptor: a small INI file on the update server that names the newest version,
// its texts and the files to download (docs/update-descriptor.md). It comes from the network,
// so it is read strictly: anything doubtful refuses the whole descriptor.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QUrl>
#include <array>
#include <cstdint>

// A version of up to four numbers, major.minor.release.build; missing parts are 0.
struct TQVVersion {
  std::array<std::uint16_t, 4> Parts{};
  // Parses "1", "1.2", ..., "1.2.3.4"; false for anything else.
  static bool Parse(const QString& Text, TQVVersion& Version);
  QString ToString() const;
  auto operator<=>(const TQVVersion&) const = default;
};

// One file the update offers.
struct TFileDescription {
  // The plain file name it is stored under in the download folder.
  QString Name;
  QUrl Url;
  QString Description;
  qint64 Size = 0;
  // SHA-256 of the file, 32 bytes.
  QByteArray Sha256;
  // Hidden files are not offered for choice: they are always downloaded.
  bool Hidden = false;
  bool Selected = true;
  QString TargetDir;
};

struct TQVUpdateDescriptor {
  // Limits that keep a hostile descriptor from costing memory or time.
  static constexpr qsizetype MaxSize = 256 * 1024;
  static constexpr int MaxFiles = 64;
  static constexpr qint64 MaxFileSize = qint64(1) << 31;

  bool HasVersion = false;
  TQVVersion Version;
  // Invalid when the descriptor gives none; Time is invalid when only a date is given.
  QDate Date;
  QTime Time;
  QString Description;
  // Empty lists when the descriptor has no such text.
  QStringList WhatsNew;
  QStringList License;
  QList<TFileDescription> Files;
  // The plain name of the listed file to start after the program has closed, or empty.
  QString RunAfter;
};

// Reads Text (the descriptor fetched from BaseUrl, against which relative file addresses are
// resolved). Returns false with a reason in Error when the descriptor is refused.
bool ParseUpdateDescriptor(const QByteArray& Text, const QUrl& BaseUrl,
                           TQVUpdateDescriptor& Descriptor, QString& Error);

// True when Name is a plain file name: not empty, not "." or "..", no folder separator, no
// control character, at most 255 bytes. Such a name cannot leave the folder it is put in.
bool IsPlainFileName(const QString& Name);
