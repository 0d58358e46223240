#pragma once
// The user's preferences: read once from the settings file at start, changed in memory while
// the program runs, written back once at close.

#include "settings/myFileCtrls.h"
#include "settings/myGeometry.h"
#include "settings/uQVNoteTreeSettings.h"
#include "settings/uQVPageSettings.h"
#include "settings/uQVPrintSettings.h"

#include <cstddef>
#include <pugixml.hpp>
#include <string>

class TQVSettings {
public:
  // A settings file larger than this is no settings file of ours; it is set aside unread.
  static constexpr std::size_t MaxFileSize = std::size_t(16) << 20;

  // <config>/Quillery/Quillery.settings (see GetAppDataPath).
  std::string SettingsFileName;
  TmyBounds MainWinSize;
  TLastFileList LastFileList;
  TQVPrintSettings PrintSettings;
  TQVPageSettings PageSettings;
  TQVNoteTreeSettings NoteTreeSettings;
  // The user-interface language: "ENG" or "DEU".
  std::string Language = "ENG";
  // Where the open and save dialogs start; the program folder unless the user chose another.
  std::string DefaultDataDir;
  // Keep the previous data file as a backup when saving.
  bool MakeBackup = true;
  // Why the last Load could not use the settings file, or empty. Load never fails: whatever
  // could not be read keeps its default.
  std::string LoadWarning;

  // Creates the settings folder (a failure is only logged: the program can run without it).
  TQVSettings();
  // Sets the main window bounds to 100, 100, 800, 600 and reads the settings file when there
  // is one. A file that does not parse is kept as Quillery.settings.bad and the defaults stay.
  void Load();
  // Writes the whole file anew through a temporary file; throws EQVError.
  void Save() const;
  void ReadFromXml(pugi::xml_node Root);
  void WriteToXml(pugi::xml_node Root) const;
};
