// Fuzzes the language override: any language.xml must load without a crash, a hang or a
// leak, and every caption the built-in document holds must still be there.

#include "settings/uQVLanguage.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void Check(bool Condition) {
  if (!Condition) std::abort();
}

std::string OverrideFile;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  OverrideFile = std::filesystem::temp_directory_path() /
                 ("quillery-fuzz-language-" + std::to_string(getpid()) + ".xml");
  std::atexit([] { std::filesystem::remove(OverrideFile); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  {
    std::ofstream out(OverrideFile, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
  }
  TQVLanguage language;
  language.LoadFromFile(OverrideFile);
  // Keys the built-in document fills: a lookup comes back empty only where the override
  // names the key in that language with an empty text.
  struct TKey {
    TQVLanguageSection Section;
    pugi::xml_node TQVLanguage::*Node;
    const char *Group, *Key;
  };
  const TKey keys[] = {
      {TQVLanguageSection::Menu, &TQVLanguage::Menu, "File", "N10"},
      {TQVLanguageSection::Dialogs, &TQVLanguage::Dialogs, "TreeSite", "N15"},
      {TQVLanguageSection::Editor, &TQVLanguage::Editor, "rvActionUndo1", "N10"},
  };
  for (const char* code : {"ENG", "DEU"}) {
    language.Code = code;
    for (const TKey& k : keys) {
      if (!language.GetText(k.Section, k.Group, k.Key).empty()) continue;
      const pugi::xml_attribute own =
          (language.*k.Node).child(k.Group).child(k.Key).attribute(code);
      Check(language.LoadWarning.empty() && own && own.value()[0] == 0);
    }
  }
  return 0;
}
