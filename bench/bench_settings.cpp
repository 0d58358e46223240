// Start-up and close costs of the settings and the language document: loading the language
// document (built in, or an override that falls back to it), looking texts up as the windows do
// when they take their texts, and reading and writing the settings file.

#include "settings/uQVLanguage.h"
#include "settings/uQVSettings.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::filesystem::path BenchFolder() {
  const auto folder = std::filesystem::temp_directory_path() / "quillery-bench" / "settings";
  std::filesystem::create_directories(folder);
  return folder;
}

void BM_LanguageLoadBuiltIn(benchmark::State& State) {
  for (auto _ : State) {
    TQVLanguage language;
    language.LoadFromFile("");
    benchmark::DoNotOptimize(language.Menu);
  }
}
BENCHMARK(BM_LanguageLoadBuiltIn)->Unit(benchmark::kMicrosecond);

// An override as large as the built-in document: both are parsed.
void BM_LanguageLoadOverride(benchmark::State& State) {
  const std::string file = (BenchFolder() / "language.xml").string();
  std::ofstream(file, std::ios::binary) << QuilleryResource_language();
  for (auto _ : State) {
    TQVLanguage language;
    language.LoadFromFile(file);
    benchmark::DoNotOptimize(language.Menu);
  }
}
BENCHMARK(BM_LanguageLoadOverride)->Unit(benchmark::kMicrosecond);

// One lookup of every key of the document's menus, dialogs and messages, per iteration.
void BM_LanguageLookupAll(benchmark::State& State) {
  TQVLanguage language;
  language.LoadFromFile("");
  language.Code = "DEU";
  std::vector<std::pair<std::string, std::string>> keys;
  for (pugi::xml_node group : language.Dialogs.children())
    for (pugi::xml_node key : group.children())
      keys.emplace_back(group.name(), key.name());
  for (auto _ : State)
    for (const auto& [group, key] : keys)
      benchmark::DoNotOptimize(language.GetDialogText(group, key));
  State.SetItemsProcessed(static_cast<std::int64_t>(State.iterations() * keys.size()));
}
BENCHMARK(BM_LanguageLookupAll);

void BM_SettingsLoadAndSave(benchmark::State& State) {
  setenv("XDG_CONFIG_HOME", BenchFolder().c_str(), 1);
  TQVSettings settings;
  for (int i = 0; i < 5; ++i)
    settings.LastFileList.AddFile("/home/user/notes/file" + std::to_string(i) + ".qvx");
  settings.Save();
  for (auto _ : State) {
    TQVSettings current;
    current.Load();
    current.Save();
  }
}
BENCHMARK(BM_SettingsLoadAndSave)->Unit(benchmark::kMicrosecond);

} // namespace
