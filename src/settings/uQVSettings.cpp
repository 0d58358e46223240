#include "settings/uQVSettings.h"

#include "core/uQVError.h"
#include "core/uQVLog.h"
#include "model/uFileQVX.h"
#include "model/uQVXML.h"
#include "model/uQVXmlParse.h"
#include "settings/uQVChildValues.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

enum class TReadResult { Ok, Missing, Unreadable, TooLarge };

// Error receives errno when the result is Unreadable.
TReadResult ReadSettingsText(const std::string& FileName, std::string& Text, int& Error) {
  struct stat info {};
  if (stat(FileName.c_str(), &info) != 0) {
    Error = errno;
    return Error == ENOENT || Error == ENOTDIR ? TReadResult::Missing : TReadResult::Unreadable;
  }
  // Only a file counts as a settings file.
  if (!S_ISREG(info.st_mode)) return TReadResult::Missing;
  if (static_cast<std::size_t>(info.st_size) > TQVSettings::MaxFileSize)
    return TReadResult::TooLarge;
  const int fd = open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    Error = errno;
    return TReadResult::Unreadable;
  }
  Text.clear();
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      Error = errno;
      close(fd);
      return TReadResult::Unreadable;
    }
    if (got == 0) break;
    Text.append(buffer, static_cast<std::size_t>(got));
    // The file may grow while it is read.
    if (Text.size() > TQVSettings::MaxFileSize) {
      close(fd);
      return TReadResult::TooLarge;
    }
  }
  close(fd);
  return TReadResult::Ok;
}

std::string SettingsFolder() {
  return GetAppDataPath() + "Quillery";
}

} // namespace

TQVSettings::TQVSettings()
    : SettingsFileName(SettingsFolder() + "/Quillery.settings"), DefaultDataDir(GetAppDir()) {
  std::error_code error;
  std::filesystem::create_directories(SettingsFolder(), error);
  if (error) AddLogLine("Settings", "Cannot create " + SettingsFolder() + ": " + error.message());
}

void TQVSettings::Load() {
  LoadWarning.clear();
  MainWinSize.Init(100, 100, 800, 600);
  std::string text;
  int readError = 0;
  const TReadResult result = ReadSettingsText(SettingsFileName, text, readError);
  if (result == TReadResult::Missing) return;
  if (result == TReadResult::Unreadable) {
    LoadWarning = "The settings file \"" + SettingsFileName +
                  "\" cannot be read: " + std::strerror(readError) + ".";
    AddLogLine("Settings", LoadWarning);
    return;
  }
  pugi::xml_document doc;
  try {
    if (result == TReadResult::TooLarge) throw EQVError("The file is far too large.");
    ParseXmlText(doc, text);
  } catch (const EQVError& error) {
    // Kept for the user to look at; the next save writes a fresh file.
    const std::string bad = SettingsFileName + ".bad";
    LoadWarning = "The settings file \"" + SettingsFileName + "\" is damaged (" + error.what() +
                  "); the default settings are used";
    if (std::rename(SettingsFileName.c_str(), bad.c_str()) == 0)
      LoadWarning += " and the file is kept as \"" + bad + "\".";
    else
      LoadWarning += ".";
    AddLogLine("Settings", LoadWarning);
    return;
  }
  try {
    ReadFromXml(doc.document_element());
  } catch (const std::exception& error) {
    // Whatever was read so far stands; start-up goes on.
    LoadWarning = std::string("Reading the settings stopped: ") + error.what();
    AddLogLine("Settings", LoadWarning);
  }
}

void TQVSettings::Save() const {
  pugi::xml_document doc;
  pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";
  WriteToXml(doc.append_child("QuillerySettings"));
  // The folder may have gone since the start.
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(SettingsFileName).parent_path(),
                                      ignored);
  TQVFileOperation::SavePlain(doc, SettingsFileName, 0);
}

void TQVSettings::ReadFromXml(pugi::xml_node Root) {
  MainWinSize.ReadFromXml(Root, "MainWinSize");
  NoteTreeSettings.ReadFromXml(Root);
  LastFileList.ReadFromXml(Root, "LastFileList");
  PrintSettings.ReadFromXml(Root);
  PageSettings.ReadFromXml(Root);
  Language = ReadChildString(Root, "Language");
  if (Language != "ENG" && Language != "DEU") Language = "ENG";
  DefaultDataDir = ReadChildString(Root, "DefaultDataDir");
  std::error_code error;
  if (DefaultDataDir.empty() || !std::filesystem::is_directory(DefaultDataDir, error))
    DefaultDataDir = GetAppDir();
  MakeBackup = ReadChildBool(Root, "MakeBackup", true);
}

void TQVSettings::WriteToXml(pugi::xml_node Root) const {
  MainWinSize.WriteToXml(Root, "MainWinSize");
  NoteTreeSettings.WriteToXml(Root);
  LastFileList.WriteToXml(Root, "LastFileList");
  PrintSettings.WriteToXml(Root);
  PageSettings.WriteToXml(Root);
  SetChildString(Root, "Language", Language);
  SetChildString(Root, "DefaultDataDir", DefaultDataDir);
  SetChildBool(Root, "MakeBackup", MakeBackup);
}
