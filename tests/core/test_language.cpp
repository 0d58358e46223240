// The language document: the built-in texts, lookups by code, an override beside the program.

#include "model/uQVXmlParse.h"
#include "settings/myFileCtrls.h"
#include "settings/uQVLanguage.h"
#include "test_settings_support.h"

#include <filesystem>

using namespace settings_test;
namespace fs = std::filesystem;

namespace {

bool IsValidUtf8(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size()) {
    const auto c = static_cast<unsigned char>(Text[i]);
    std::size_t length;
    std::uint32_t code;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      length = 2;
      code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3;
      code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4;
      code = c & 0x07;
    } else {
      return false;
    }
    if (i + length > Text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(Text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

// Every element without element children below Section: the keys.
void CollectKeys(pugi::xml_node Section, std::vector<pugi::xml_node>& Keys) {
  for (pugi::xml_node child : Section.children()) {
    if (child.type() != pugi::node_element) continue;
    if (child.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; }))
      CollectKeys(child, Keys);
    else
      Keys.push_back(child);
  }
}

// The program folder is a scratch folder for a scope, with or without a language.xml.
class TProgramFolder {
public:
  TProgramFolder() { SetAppDir(Scratch.Path.string()); }
  ~TProgramFolder() { SetAppDir(""); }
  std::string Override() const { return Scratch.File("language.xml"); }
  TScratch Scratch;
};

using TGroupLookup = std::string (TQVLanguage::*)(const std::string&, const std::string&) const;

} // namespace

TEST(Language, TheBuiltInDocumentIsWellFormedUtf8WithEveryLanguage) {
  const std::string_view text = QuilleryResource_language();
  EXPECT_TRUE(IsValidUtf8(text));
  pugi::xml_document doc;
  ASSERT_NO_THROW(ParseXmlText(doc, text));
  const pugi::xml_node root = doc.document_element();
  EXPECT_STREQ(root.name(), "Quillery");
  EXPECT_STREQ(root.attribute("N").value(), "language");
  for (const char* name :
       {"Common", "Menu", "Options", "PrintNote", "NoteProps", "Messages", "Dialogs", "Editor"}) {
    const pugi::xml_node section = root.child(name);
    ASSERT_TRUE(section) << name;
    std::vector<pugi::xml_node> keys;
    CollectKeys(section, keys);
    EXPECT_FALSE(keys.empty()) << name;
    const bool editor = std::string(name) == "Editor";
    for (pugi::xml_node key : keys) {
      const std::string where = std::string(name) + "/" + key.parent().name() + "/" + key.name();
      const char first = key.name()[0];
      EXPECT_TRUE(first == 'N' || first == 'H') << where;
      EXPECT_TRUE(key.attribute("ENG")) << where;
      EXPECT_TRUE(key.attribute("DEU")) << where;
      if (!editor) {
        EXPECT_TRUE(key.attribute("FRA")) << where;
      }
    }
  }
}

TEST(Language, BuiltInTextsCharacterForCharacter) {
  struct TCase {
    TGroupLookup Lookup;
    const char *Group, *Key, *Eng, *Deu;
  };
  const TCase cases[] = {
      {&TQVLanguage::GetMenuText, "File", "N10", "File", "Datei"},
      {&TQVLanguage::GetMenuText, "Note", "N10", "Note", "Notiz"},
      {&TQVLanguage::GetMenuText, "Tools", "N10", "Tools", "Extras"},
      {&TQVLanguage::GetMenuText, "Help", "N10", "?", "?"},
      {&TQVLanguage::GetMenuText, "File", "N30", "Open...", "Öffnen..."},
      {&TQVLanguage::GetMenuText, "File", "H100", "Quickprint|Prints the current view",
       "Schnelldruck|Druckt die aktuelle Ansicht"},
      {&TQVLanguage::GetMenuText, "Note", "H60", "Move left",
       "Notiz nach links|Verschiebt die Notiz zu einem 'höheren' Eintrag"},
      {&TQVLanguage::GetMenuText, "Help", "N40", "Look for new version...",
       "Nach neuer Version suchen..."},
      {&TQVLanguage::GetOptionsText, "Language", "N10", "German", "deutsch"},
      {&TQVLanguage::GetOptionsText, "General", "N10",
       "Default data folder:", "Standarddatenverzeichnis:"},
      {&TQVLanguage::GetPrintNoteText, "Buttons", "N40", "Setup", "Drucker"},
      {&TQVLanguage::GetPrintNoteText, "NoteSelection", "N30", "Current Note with Subnotes",
       "Ausgewählte Notiz und Unternotizen"},
      {&TQVLanguage::GetNotePropsText, "Common", "H10", "Note prperties",
       "Hier klicken, um Notizeigenschaften zu zeigen/verbergen|Zeigt oder verbirgt eine Fläche "
       "mit den Notizeigenschaften"},
      {&TQVLanguage::GetNotePropsText, "TabInfo", "N30", "Changed:", "Geändert am:"},
      {&TQVLanguage::GetMessageText, "Document", "N10", "The document was modified",
       "Das Dokument wurde verändert."},
      {&TQVLanguage::GetMessageText, "Tree", "N10", "Tasks on ", "Aufgaben am "},
      {&TQVLanguage::GetMessageText, "Error", "N10", "An error occurs opening the file.",
       "Beim Öffnen der Datei ist ein Fehler aufgetreten."},
      {&TQVLanguage::GetDialogText, "About", "N10", "About...", "Über...."},
      {&TQVLanguage::GetDialogText, "TreeSite", "H30", "Global quick search",
       "Globale Schnellsuche"},
      {&TQVLanguage::GetDialogText, "WebUpdate", "N20",
       "Press start to start checking for available application updates ...'",
       "Klicken Sie auf Start, um mit der Updateprüfung zu beginnen..."},
      {&TQVLanguage::GetDialogText, "WebUpdate", "N50", "What''s new", "Was ist neu?"},
      {&TQVLanguage::GetDialogText, "WebUpdate", "N300", "Failed to download updates",
       "Failed to download updates"},
      {&TQVLanguage::GetEditorText, "Menu", "N10", "Edit", "Bearbeiten"},
      {&TQVLanguage::GetEditorText, "Menu", "N80", " (Advanced)", " (Advanced)"},
      {&TQVLanguage::GetEditorText, "rvActionUndo1", "N10", "Undo", "Rückgängig"},
  };
  TProgramFolder folder;
  TQVLanguage language;
  language.Load();
  ASSERT_TRUE(language.LoadWarning.empty());
  for (const TCase& c : cases) {
    language.Code = "ENG";
    EXPECT_EQ((language.*c.Lookup)(c.Group, c.Key), c.Eng) << c.Group << "/" << c.Key;
    language.Code = "DEU";
    EXPECT_EQ((language.*c.Lookup)(c.Group, c.Key), c.Deu) << c.Group << "/" << c.Key;
  }
  language.Code = "ENG";
  EXPECT_EQ(language.GetCommonText("N20"), "Cancel");
  language.Code = "DEU";
  EXPECT_EQ(language.GetCommonText("N20"), "Abbruch");
}

TEST(Language, TheCodeNamesTheAttributeThatIsRead) {
  TProgramFolder folder;
  TQVLanguage language;
  EXPECT_EQ(language.GetMenuText("File", "N10"), "") << "nothing before Load";
  language.Load();
  EXPECT_EQ(language.Code, "DEU");
  EXPECT_EQ(language.GetMenuText("File", "N10"), "Datei");
  language.Code = "FRA";
  EXPECT_EQ(language.GetMenuText("File", "N10"), "Fichier");
  language.Code = "XYZ";
  EXPECT_EQ(language.GetMenuText("File", "N10"), "");
  language.Code = "ENG";
  EXPECT_EQ(language.GetMenuText("File", "N999"), "");
  EXPECT_EQ(language.GetMenuText("NoGroup", "N10"), "");
  EXPECT_EQ(language.GetMenuText("", "N10"), "");
}

TEST(Language, AnOverrideReplacesTextsAndTheBuiltInFillsItsGaps) {
  TProgramFolder folder;
  fs::copy_file(DataFile("language-partial.xml"), folder.Override());
  TQVLanguage language;
  language.Load();
  EXPECT_TRUE(language.LoadWarning.empty());
  language.Code = "ENG";
  EXPECT_EQ(language.GetMenuText("File", "N10"), "Archive");
  EXPECT_EQ(language.GetMenuText("File", "N20"), "") << "present and empty stays empty";
  EXPECT_EQ(language.GetMenuText("File", "N30"), "Open...") << "a missing key";
  EXPECT_EQ(language.GetMenuText("File", "N40"), "Store");
  EXPECT_EQ(language.GetMenuText("Note", "N10"), "Note") << "a missing group";
  EXPECT_EQ(language.GetCommonText("N20"), "Abort");
  EXPECT_EQ(language.GetCommonText("N10"), "OK");
  EXPECT_EQ(language.GetDialogText("TreeSite", "N10"), "Notes") << "a missing section";
  language.Code = "DEU";
  EXPECT_EQ(language.GetMenuText("File", "N10"), "Archiv");
  EXPECT_EQ(language.GetMenuText("File", "N40"), "Speichern") << "a missing language";
}

TEST(Language, ABrokenOverrideFallsBackToTheBuiltInDocument) {
  const std::vector<std::pair<std::string, std::string>> overrides = {
      {"not well-formed", ReadText(DataFile("language-broken.xml"))},
      {"empty", ""},
      {"a folder", ""},
  };
  for (const auto& [what, text] : overrides) {
    TProgramFolder folder;
    if (what == "a folder")
      fs::create_directory(folder.Override());
    else
      WriteText(folder.Override(), text);
    TLogRecorder log;
    TQVLanguage language;
    language.Code = "ENG";
    language.Load();
    EXPECT_NE(language.LoadWarning.find(folder.Override()), std::string::npos) << what;
    EXPECT_FALSE(log.Lines().empty()) << what;
    EXPECT_EQ(language.GetMenuText("File", "N10"), "File") << what;
    EXPECT_EQ(language.GetMenuText("File", "N30"), "Open...") << what;
    EXPECT_EQ(language.GetDialogText("TreeSite", "N15"), "Tasks") << what;
  }
}

TEST(Language, HintsSplitAtTheFirstBar) {
  struct TCase {
    const char *Hint, *Short, *Long;
  };
  const TCase cases[] = {
      {"Schnelldruck|Druckt die aktuelle Ansicht", "Schnelldruck", "Druckt die aktuelle Ansicht"},
      {"Save", "Save", "Save"},
      {"", "", ""},
      {"a|b|c", "a", "b|c"},
      {"|only long", "", "only long"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(GetShortHint(c.Hint), c.Short) << c.Hint;
    EXPECT_EQ(GetLongHint(c.Hint), c.Long) << c.Hint;
  }
}

TEST(Language, EveryEditorActionHasACaptionAndAHint) {
  pugi::xml_document doc;
  ParseXmlText(doc, QuilleryResource_language());
  std::size_t actions = 0;
  for (pugi::xml_node group : doc.document_element().child("Editor").children()) {
    if (std::string_view(group.name()).rfind("rvAction", 0) != 0) continue;
    ++actions;
    for (const char* key : {"N10", "H10"})
      for (const char* code : {"ENG", "DEU"})
        EXPECT_STRNE(group.child(key).attribute(code).value(), "")
            << group.name() << "/" << key << "/" << code;
  }
  EXPECT_EQ(actions, 92u);
}
