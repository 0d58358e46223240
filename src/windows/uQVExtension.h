#pragma once
// Registers the data file type for the current user, the freedesktop way: a shared-mime-info
// package gives "*.qvx" the type application/x-quillery, and a desktop entry opens such files
// with this program. Everything goes below $XDG_DATA_HOME (default ~/.local/share). Like any
// start-up nicety it never fails loudly: errors leave the type unregistered, nothing more.

#include <QString>

struct TExtensionInfo {
  // Without the dot.
  QString Extension;
  // The MIME type the extension gets.
  QString FileType;
  // The type's display name.
  QString Description;
  // Full path of the program that opens the files.
  QString AppFileName;
  // The icon name of the type in the icon theme.
  QString IconName;
};

enum class TRegisterResult { AlreadyRegistered, Written, Failed };

// The files we write, relative to the data folder.
inline constexpr const char* MimePackagePath = "mime/packages/quillery.xml";
inline constexpr const char* DesktopEntryPath = "applications/quillery.desktop";

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share; empty without a home.
QString XdgDataHome();

// Called once at start: registers "qvx" as application/x-quillery, "Quillery Data File",
// opened by the running program.
void RegisterDataFileType();
// Writes the registration unless the user's data folder already has it (then nothing is
// written, even when the program has moved since).
TRegisterResult RegisterExtension(const TExtensionInfo& Info);
// True when the user's MIME packages resolve "*.<Extension>" to FileType through our package
// (no other type claims the pattern with an equal or higher weight) and our desktop entry
// handles FileType.
bool IsExtensionRegistered(const TExtensionInfo& Info);
// Writes our MIME package (outweighing another type's claim on the pattern), the icons and the
// desktop entry, in this order, stopping at the first that fails; then asks
// update-mime-database and update-desktop-database, where installed, to refresh the user's
// databases. False when a file could not be written.
bool WriteExtensionKeys(const TExtensionInfo& Info);

// Path as one argument of a desktop entry's Exec key: quoted, with the characters that are
// special inside quotes, in the key's string value and as field codes escaped.
QString DesktopExecArgument(const QString& Path);
