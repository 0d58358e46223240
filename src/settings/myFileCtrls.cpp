#include "settings/myFileCtrls.h"

#include "model/uQVXML.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

std::string AppDirOverride;

// Two names of one file: links, or a folder mounted without letter case.
bool SameFile(const std::string& A, const std::string& B) {
  struct stat a {
  }, b{};
  if (stat(A.c_str(), &a) != 0 || stat(B.c_str(), &b) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || program.empty()) {
    // Without /proc the working folder is the best guess left.
    const std::filesystem::path here = std::filesystem::current_path(error);
    return error ? std::string(".") : here.string();
  }
  return program.parent_path().string();
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && *entry->pw_dir)
    return entry->pw_dir;
  return {};
}

} // namespace

void TLastFileList::AddFile(const std::string& FileName) {
  if (FileName.empty()) return;
  const int index = IndexOf(FileName);
  if (index >= 0) {
    std::string entry = std::move(FItems[static_cast<std::size_t>(index)]);
    FItems.erase(FItems.begin() + index);
    FItems.insert(FItems.begin(), std::move(entry));
    return;
  }
  FItems.insert(FItems.begin(), FileName);
  if (FItems.size() > MaxCount) FItems.pop_back();
}

int TLastFileList::IndexOf(const std::string& FileName) const {
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i] == FileName) return static_cast<int>(i);
  // File names on Linux differ by letter case; only the file system can say that two
  // spellings name the same file.
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (SameFile(FItems[i], FileName)) return static_cast<int>(i);
  return -1;
}

std::string TLastFileList::LastFile() const {
  if (FItems.empty()) return {};
  std::error_code error;
  return std::filesystem::is_regular_file(FItems.front(), error) ? FItems.front() : std::string();
}

void TLastFileList::ReadFromXml(pugi::xml_node Parent, const char* Name) {
  Clear();
  for (pugi::xml_node child : Parent.child(Name).children()) {
    if (child.type() != pugi::node_element) continue;
    // An entry without text names no file; it is dropped rather than listed.
    std::string text = child.text().get();
    if (!text.empty()) FItems.push_back(std::move(text));
  }
}

void TLastFileList::WriteToXml(pugi::xml_node Parent, const char* Name) const {
  pugi::xml_node list = ChildNode(Parent, Name);
  for (const std::string& entry : FItems)
    list.append_child("File").text().set(entry.c_str());
}

std::string IncludeBackslash(const std::string& Path) {
  if (Path.empty() || Path.back() == '/') return Path;
  return Path + '/';
}

std::string GetAppDir() {
  std::string folder = AppDirOverride.empty() ? ProgramFolder() : AppDirOverride;
  while (folder.size() > 1 && folder.back() == '/')
    folder.pop_back();
  return folder;
}

std::string GetAppPath() {
  return IncludeBackslash(GetAppDir());
}

void SetAppDir(const std::string& Folder) {
  AppDirOverride = Folder;
}

std::string GetAppDataPath() {
  // Relative values are invalid for XDG variables and are ignored.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && config[0] == '/') return IncludeBackslash(config);
  const std::string home = HomeFolder();
  if (!home.empty()) return IncludeBackslash(home) + ".config/";
  return GetAppPath();
}

std::string GetTempDir() {
  const char* temp = std::getenv("TMPDIR");
  return IncludeBackslash(temp && *temp ? temp : "/tmp");
}
