// The settings file: defaults, corrections of single values, a damaged file, the written form.

#include "model/uFileQVX.h"
#include "model/uQVXmlParse.h"
#include "settings/uQVSettings.h"
#include "test_settings_support.h"

#include <cerrno>
#include <filesystem>
#include <unistd.h>

using namespace settings_test;
namespace fs = std::filesystem;

namespace {

// Settings read from XML text as the settings file's root, after Load's own defaults.
void ReadSettings(TQVSettings& Settings, const std::string& Xml) {
  pugi::xml_document doc;
  ParseXmlText(doc, Xml);
  Settings.MainWinSize.Init(100, 100, 800, 600);
  Settings.ReadFromXml(doc.document_element());
}

std::vector<std::string> ChildNames(pugi::xml_node Node) {
  std::vector<std::string> names;
  for (pugi::xml_node child : Node.children())
    names.push_back(child.name());
  return names;
}

} // namespace

TEST(SettingsFile, StartWithoutAFileKeepsEveryDefault) {
  TConfigHome home;
  TQVSettings settings;
  EXPECT_EQ(settings.SettingsFileName, home.SettingsFile());
  settings.Load();
  EXPECT_EQ(settings.MainWinSize.Left, 100);
  EXPECT_EQ(settings.MainWinSize.Top, 100);
  EXPECT_EQ(settings.MainWinSize.Width, 800);
  EXPECT_EQ(settings.MainWinSize.Height, 600);
  EXPECT_EQ(settings.NoteTreeSettings.TreeWidth, 230);
  EXPECT_FALSE(settings.NoteTreeSettings.ShowProps);
  EXPECT_EQ(settings.LastFileList.Count(), 0u);
  EXPECT_EQ(settings.Language, "ENG");
  EXPECT_EQ(settings.DefaultDataDir, GetAppDir());
  EXPECT_TRUE(settings.MakeBackup);
  EXPECT_TRUE(settings.LoadWarning.empty());
  EXPECT_FALSE(fs::exists(home.SettingsFile()));
}

TEST(SettingsFile, TheFolderIsCreatedWithItsMissingParents) {
  TScratch scratch;
  TEnvScope env("XDG_CONFIG_HOME", scratch.File("a/b"));
  TQVSettings settings;
  EXPECT_TRUE(fs::is_directory(scratch.File("a/b/Quillery")));
}

TEST(SettingsFile, TheFileWrittenAfterAFirstStartHoldsTheElementsInOrder) {
  TConfigHome home;
  TQVSettings settings;
  settings.Load();
  settings.Save();
  const std::string text = ReadText(home.SettingsFile());
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n", 0), 0u);
  pugi::xml_document doc;
  ParseXmlText(doc, text);
  EXPECT_STREQ(doc.document_element().name(), "QuillerySettings");
  EXPECT_EQ(
      ChildNames(doc.document_element()),
      (std::vector<std::string>{"MainWinSize", "NoteTreeSettings", "LastFileList", "PrintSettings",
                                "PageSettings", "Language", "DefaultDataDir", "MakeBackup"}));
  // Written through a temporary file that is gone afterwards.
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(home.Scratch.File("Quillery")))
    files.push_back(entry.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"Quillery.settings"});
}

TEST(SettingsFile, LanguageIsExactlyEngOrDeu) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<Language>DEU</Language>", "DEU"},
      {"<Language>ENG</Language>", "ENG"},
      {"<Language>FRA</Language>", "ENG"},
      {"<Language>deu</Language>", "ENG"},
      {"<Language> DEU</Language>", "ENG"},
      {"<Language/>", "ENG"},
      {"", "ENG"}};
  for (const auto& [xml, expected] : cases) {
    TConfigHome home;
    TQVSettings settings;
    settings.Language = "DEU";
    ReadSettings(settings, "<QuillerySettings>" + xml + "</QuillerySettings>");
    EXPECT_EQ(settings.Language, expected) << xml;
  }
}

TEST(SettingsFile, DefaultDataDirMustNameAnExistingFolder) {
  TConfigHome home;
  TScratch data;
  fs::create_directory(data.File("kept"));
  fs::create_directory(data.File("deleted"));
  fs::remove(data.File("deleted"));
  WriteText(data.File("file"), "x");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {data.File("kept"), data.File("kept")},
      {data.File("deleted"), GetAppDir()},
      {data.File("file"), GetAppDir()},
      {"", GetAppDir()}};
  for (const auto& [value, expected] : cases) {
    TQVSettings settings;
    settings.DefaultDataDir = "/elsewhere";
    ReadSettings(settings, "<QuillerySettings><DefaultDataDir>" + value +
                               "</DefaultDataDir></QuillerySettings>");
    EXPECT_EQ(settings.DefaultDataDir, expected) << value;
  }
}

TEST(SettingsFile, MainWinSizeIsReadOnlyWithLeftAndLosesOnlyItsBadValues) {
  struct TCase {
    const char* Xml;
    int Left, Top, Width, Height;
  };
  const TCase cases[] = {
      {R"(<MainWinSize Top="5" Width="640" Height="480"/>)", 100, 100, 800, 600},
      {R"(<MainWinSize Left="-1280" Top="5" Width="640" Height="480"/>)", -1280, 5, 640, 480},
      {R"(<MainWinSize Left="7" Top="abc" Width="640" Height="480"/>)", 7, 100, 640, 480},
      {R"(<MainWinSize Left="7" Top="5" Height=""/>)", 7, 5, 800, 600},
      {R"(<MainWinSize Left="x" Top="5" Width="0" Height="1"/>)", 100, 5, 0, 1},
  };
  for (const TCase& c : cases) {
    TConfigHome home;
    TQVSettings settings;
    ReadSettings(settings, std::string("<QuillerySettings>") + c.Xml +
                               "<Language>DEU</Language></QuillerySettings>");
    EXPECT_EQ(settings.MainWinSize.Left, c.Left) << c.Xml;
    EXPECT_EQ(settings.MainWinSize.Top, c.Top) << c.Xml;
    EXPECT_EQ(settings.MainWinSize.Width, c.Width) << c.Xml;
    EXPECT_EQ(settings.MainWinSize.Height, c.Height) << c.Xml;
    // The values after it are read all the same.
    EXPECT_EQ(settings.Language, "DEU") << c.Xml;
  }
}

TEST(SettingsFile, NoteTreeSettingsAndMakeBackupFallBackPerValue) {
  struct TCase {
    const char* Xml;
    int TreeWidth;
    bool ShowProps, MakeBackup;
  };
  const TCase cases[] = {
      {"", 230, false, true},
      {"<NoteTreeSettings><ShowProps>True</ShowProps></NoteTreeSettings>", 230, true, true},
      {"<NoteTreeSettings><TreeWidth>312</TreeWidth><ShowProps>maybe</ShowProps>"
       "</NoteTreeSettings><MakeBackup>False</MakeBackup>",
       312, false, false},
      {"<NoteTreeSettings><TreeWidth>-40</TreeWidth></NoteTreeSettings>", 230, false, true},
      {"<NoteTreeSettings><TreeWidth>wide</TreeWidth></NoteTreeSettings>"
       "<MakeBackup>sometimes</MakeBackup>",
       230, false, true},
  };
  for (const TCase& c : cases) {
    TConfigHome home;
    TQVSettings settings;
    ReadSettings(settings, std::string("<QuillerySettings>") + c.Xml + "</QuillerySettings>");
    EXPECT_EQ(settings.NoteTreeSettings.TreeWidth, c.TreeWidth) << c.Xml;
    EXPECT_EQ(settings.NoteTreeSettings.ShowProps, c.ShowProps) << c.Xml;
    EXPECT_EQ(settings.MakeBackup, c.MakeBackup) << c.Xml;
  }
}

TEST(SettingsFile, RecentFilesDropEntriesWithoutText) {
  TConfigHome home;
  TQVSettings settings;
  settings.LastFileList.AddFile("/old.qvx");
  ReadSettings(settings, "<QuillerySettings><LastFileList><File>/a.qvx</File><File/>"
                         "<File>  </File><!-- note --><Other>/b.qvx</Other></LastFileList>"
                         "</QuillerySettings>");
  EXPECT_EQ(settings.LastFileList.Items(), (std::vector<std::string>{"/a.qvx", "/b.qvx"}));
}

TEST(SettingsFile, ARootOfAnotherNameIsReadAllTheSame) {
  TConfigHome home;
  TQVSettings settings;
  WriteText(home.SettingsFile(), "<Other><Language>DEU</Language></Other>");
  settings.Load();
  EXPECT_EQ(settings.Language, "DEU");
  EXPECT_TRUE(settings.LoadWarning.empty());
}

TEST(SettingsFile, ADamagedFileIsSetAsideAndTheDefaultsServe) {
  const std::vector<std::string> damaged = {
      "<QuillerySettings><Language>DEU</Language><MainWinSize Left=\"1\"", "", "\xEF\xBB\xBF",
      "not xml at all"};
  for (const std::string& text : damaged) {
    TConfigHome home;
    WriteText(home.SettingsFile() + ".bad", "an older damaged file");
    WriteText(home.SettingsFile(), text);
    TQVSettings settings;
    settings.Load();
    EXPECT_EQ(settings.Language, "ENG");
    EXPECT_EQ(settings.MainWinSize.Width, 800);
    EXPECT_FALSE(settings.LoadWarning.empty());
    EXPECT_FALSE(fs::exists(home.SettingsFile()));
    EXPECT_EQ(ReadText(home.SettingsFile() + ".bad"), text);
    // The next save writes a good file again.
    settings.Save();
    TQVSettings again;
    again.Load();
    EXPECT_TRUE(again.LoadWarning.empty());
  }
}

TEST(SettingsFile, AFarTooLargeFileIsSetAsideUnread) {
  TConfigHome home;
  WriteText(home.SettingsFile(), "<QuillerySettings><Language>DEU</Language>");
  fs::resize_file(home.SettingsFile(), TQVSettings::MaxFileSize + 1);
  TQVSettings settings;
  settings.Load();
  EXPECT_EQ(settings.Language, "ENG");
  EXPECT_FALSE(settings.LoadWarning.empty());
  EXPECT_TRUE(fs::exists(home.SettingsFile() + ".bad"));
}

TEST(SettingsFile, TheWrittenFormMatchesTheGoldenFile) {
  TConfigHome home;
  TFakePrinter printer;
  printer.Names = {"Office Laser", "PDF"};
  printer.Index = 0;
  TPrinterScope installed(&printer);
  fs::copy_file(DataFile("full.settings"), home.SettingsFile());
  TQVSettings settings;
  settings.Load();
  ASSERT_TRUE(settings.LoadWarning.empty()) << settings.LoadWarning;
  EXPECT_EQ(printer.Index, 1);
  EXPECT_EQ(printer.Current, TPrinterOrientation::poLandscape);
  settings.Save();
  EXPECT_EQ(ReadText(home.SettingsFile()), ReadText(DataFile("full.expected.settings")));
}

TEST(SettingsFile, WhatIsSavedIsReadBack) {
  TConfigHome home;
  TScratch data;
  {
    TQVSettings settings;
    settings.Load();
    settings.MainWinSize.Init(-20, 30, 1024, 700);
    settings.NoteTreeSettings.TreeWidth = 300;
    settings.NoteTreeSettings.ShowProps = true;
    settings.LastFileList.AddFile("/b.qvx");
    settings.LastFileList.AddFile("/ä ö/<a> & \"b\".qvx");
    settings.Language = "DEU";
    settings.DefaultDataDir = data.Path.string();
    settings.MakeBackup = false;
    settings.PrintSettings.PreviewMaximized = true;
    settings.PageSettings.Margins.Left = 25;
    settings.Save();
  }
  TQVSettings settings;
  settings.Load();
  EXPECT_EQ(settings.MainWinSize.Left, -20);
  EXPECT_EQ(settings.MainWinSize.Height, 700);
  EXPECT_EQ(settings.NoteTreeSettings.TreeWidth, 300);
  EXPECT_TRUE(settings.NoteTreeSettings.ShowProps);
  EXPECT_EQ(settings.LastFileList.Items(),
            (std::vector<std::string>{"/ä ö/<a> & \"b\".qvx", "/b.qvx"}));
  EXPECT_EQ(settings.Language, "DEU");
  EXPECT_EQ(settings.DefaultDataDir, data.Path.string());
  EXPECT_FALSE(settings.MakeBackup);
  EXPECT_TRUE(settings.PrintSettings.PreviewMaximized);
  EXPECT_TRUE(settings.PageSettings.Loaded);
  EXPECT_EQ(settings.PageSettings.Margins.Left, 25);
}

namespace {
ssize_t FailingWrite(int, const void*, std::size_t) {
  errno = ENOSPC;
  return -1;
}
} // namespace

TEST(SettingsFile, AFailedSaveReportsAndKeepsTheOldFile) {
  TConfigHome home;
  TQVSettings settings;
  settings.Load();
  settings.Save();
  const std::string before = ReadText(home.SettingsFile());
  settings.Language = "DEU";
  TQVFileOperation::SetWriteFunction(&FailingWrite);
  EXPECT_THROW(settings.Save(), EQVError);
  TQVFileOperation::SetWriteFunction(nullptr);
  EXPECT_EQ(ReadText(home.SettingsFile()), before);
}
