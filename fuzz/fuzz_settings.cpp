// Fuzzes the settings reader: any settings file must read without a crash, a hang or a leak,
// leave every value within its range, and write a file that reads back to the same values.

#include "core/uQVError.h"
#include "model/uQVXmlParse.h"
#include "settings/uQVSettings.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

void CheckRanges(const TQVSettings& Settings) {
  Check(Settings.Language == "ENG" || Settings.Language == "DEU");
  Check(!Settings.DefaultDataDir.empty());
  Check(Settings.PrintSettings.Note.NoteSelection >= 0 &&
        Settings.PrintSettings.Note.NoteSelection <= 2);
  Check(Settings.PageSettings.Header.Align >= 0 && Settings.PageSettings.Header.Align <= 2);
  Check(Settings.PageSettings.Footer.Align >= 0 && Settings.PageSettings.Footer.Align <= 2);
  for (const std::string& file : Settings.LastFileList.Items())
    Check(!file.empty());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The settings object creates its folder; keep it in the temporary folder.
  const std::string home = std::filesystem::temp_directory_path() / "quillery-fuzz-settings";
  setenv("XDG_CONFIG_HOME", home.c_str(), 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  pugi::xml_document doc;
  try {
    ParseXmlText(doc, std::string_view(reinterpret_cast<const char*>(Data), Size));
  } catch (const EQVError&) {
    return 0;
  }
  TQVSettings settings;
  settings.MainWinSize.Init(100, 100, 800, 600);
  settings.ReadFromXml(doc.document_element());
  CheckRanges(settings);

  pugi::xml_document written;
  settings.WriteToXml(written.append_child("QuillerySettings"));
  TQVSettings again;
  again.ReadFromXml(written.document_element());
  CheckRanges(again);
  Check(again.Language == settings.Language);
  Check(again.DefaultDataDir == settings.DefaultDataDir);
  Check(again.MakeBackup == settings.MakeBackup);
  Check(again.LastFileList.Items() == settings.LastFileList.Items());
  Check(again.NoteTreeSettings.TreeWidth == settings.NoteTreeSettings.TreeWidth);
  Check(again.MainWinSize.Left == settings.MainWinSize.Left &&
        again.MainWinSize.Top == settings.MainWinSize.Top &&
        again.MainWinSize.Width == settings.MainWinSize.Width &&
        again.MainWinSize.Height == settings.MainWinSize.Height);
  Check(again.PageSettings.Margins.Left == settings.PageSettings.Margins.Left &&
        again.PageSettings.Margins.Mirror == settings.PageSettings.Margins.Mirror);
  Check(again.PageSettings.Header.Text == settings.PageSettings.Header.Text);
  return 0;
}
