#pragma once
// The recently used data files, and where the program, the user's settings and the temporary
// files live.

#include <cstddef>
#include <pugixml.hpp>
#include <string>
#include <vector>

// The most recently used data files, newest first (entry 0). A list that only AddFile has
// filled holds at most MaxCount entries; one read from the settings file may hold more.
class TLastFileList {
public:
  static constexpr std::size_t MaxCount = 5;

  // Puts FileName at the top. A name already listed, or one naming the same file as a listed
  // entry, moves that entry to the top with its stored spelling; a new name is inserted, and
  // the last entry goes when the list then holds more than MaxCount. An empty name is ignored.
  void AddFile(const std::string& FileName);
  // Entry 0 when it names an existing file, else the empty text. Older entries are not tried.
  std::string LastFile() const;
  // The position of FileName (the same text, or the same file on disk), or -1.
  int IndexOf(const std::string& FileName) const;

  void ReadFromXml(pugi::xml_node Parent, const char* Name);
  void WriteToXml(pugi::xml_node Parent, const char* Name) const;

  // The entries in order, for the Reopen menus.
  const std::vector<std::string>& Items() const { return FItems; }
  std::size_t Count() const { return FItems.size(); }
  const std::string& operator[](std::size_t Index) const { return FItems[Index]; }
  void Add(const std::string& FileName) { FItems.push_back(FileName); }
  void Clear() { FItems.clear(); }

private:
  std::vector<std::string> FItems;
};

// Path with the folder separator appended unless it already ends in one; empty stays empty.
std::string IncludeBackslash(const std::string& Path);
// The folder of the running program with a trailing separator.
std::string GetAppPath();
// The folder of the running program without a trailing separator ("/" for the root).
std::string GetAppDir();
// Replaces the program folder that GetAppPath and GetAppDir report; the empty text restores
// the folder of the running program. For front ends that know better, and for tests.
void SetAppDir(const std::string& Folder);
// The user's configuration folder with a trailing separator: $XDG_CONFIG_HOME when it is an
// absolute path, else ~/.config, else the program folder.
std::string GetAppDataPath();
// The temporary folder with a trailing separator: $TMPDIR when set, else /tmp.
std::string GetTempDir();
