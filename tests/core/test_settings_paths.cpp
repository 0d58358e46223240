// Where things live: program folder, configuration folder, temporary folder; the version.

#include "core/uBuildInfo.h"
#include "settings/myFileCtrls.h"
#include "settings/myVersionInfo.h"
#include "test_settings_support.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

using namespace settings_test;
namespace fs = std::filesystem;

TEST(Paths, ProgramFolderIsTheFolderOfTheRunningProgram) {
  const fs::path program = fs::read_symlink("/proc/self/exe");
  EXPECT_EQ(GetAppDir(), program.parent_path().string());
  EXPECT_EQ(GetAppPath(), program.parent_path().string() + "/");
  SetAppDir("/opt/quillery/");
  EXPECT_EQ(GetAppDir(), "/opt/quillery");
  EXPECT_EQ(GetAppPath(), "/opt/quillery/");
  SetAppDir("");
  EXPECT_EQ(GetAppDir(), program.parent_path().string());
}

TEST(Paths, IncludeBackslashAppendsOneSeparator) {
  EXPECT_EQ(IncludeBackslash("/a"), "/a/");
  EXPECT_EQ(IncludeBackslash("/a/"), "/a/");
  EXPECT_EQ(IncludeBackslash("/"), "/");
  EXPECT_EQ(IncludeBackslash(""), "");
}

TEST(Paths, ConfigurationFolderFollowsXdg) {
  struct TCase {
    std::optional<std::string> Config, Home;
    std::string Expected;
  };
  const TCase cases[] = {
      {"/cfg", "/home/u", "/cfg/"},
      {"/cfg/", "/home/u", "/cfg/"},
      {std::nullopt, "/home/u", "/home/u/.config/"},
      // A relative value is invalid and ignored.
      {"relative/cfg", "/home/u", "/home/u/.config/"},
      {"", "/home/u/", "/home/u/.config/"},
  };
  for (const TCase& c : cases) {
    TEnvScope config("XDG_CONFIG_HOME", c.Config);
    TEnvScope home("HOME", c.Home);
    EXPECT_EQ(GetAppDataPath(), c.Expected) << c.Config.value_or("(unset)");
  }
}

TEST(Paths, TemporaryFolderHonoursTmpdir) {
  {
    TEnvScope temp("TMPDIR", "/var/tmp/q");
    EXPECT_EQ(GetTempDir(), "/var/tmp/q/");
  }
  TEnvScope temp("TMPDIR", std::nullopt);
  EXPECT_EQ(GetTempDir(), "/tmp/");
}

TEST(VersionInfo, OurVersionIsTheProjectVersion) {
  TVersionInfo version;
  EXPECT_EQ(version.Major, QUILLERY_VERSION_MAJOR);
  EXPECT_EQ(version.Minor, QUILLERY_VERSION_MINOR);
  EXPECT_EQ(version.Release, QUILLERY_VERSION_PATCH);
  const std::string text = QUILLERY_VERSION_STRING;
  const int parts = 1 + static_cast<int>(std::count(text.begin(), text.end(), '.'));
  EXPECT_EQ(version.VersionString(parts), text);
  EXPECT_EQ(version.VersionString(1), std::to_string(QUILLERY_VERSION_MAJOR));
  EXPECT_EQ(version.VersionString(4).rfind(version.VersionString(3) + ".", 0), 0u);
  // Named by its path, the program is the same file.
  version.ReadVersion(fs::read_symlink("/proc/self/exe").string());
  EXPECT_EQ(version.VersionString(parts), text);
}

TEST(VersionInfo, FilesWithoutOurVersionGiveZeros) {
  TScratch scratch;
  WriteText(scratch.File("other"), "not a program");
  for (const std::string& name : {scratch.File("missing"), scratch.File("other")}) {
    TVersionInfo version;
    version.ReadVersion(name);
    EXPECT_EQ(version.VersionString(4), "0.0.0.0") << name;
  }
}
