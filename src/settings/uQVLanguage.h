#pragma once
// Every text of the program's windows, looked up by section, group and key in the language
// document, in the language named by Code. The document is built into the program; a
// language.xml beside the program takes its place, and whatever that file lacks, or all of
// it when it does not parse, still comes from the built-in document.

#include <cstddef>
#include <pugixml.hpp>
#include <string>
#include <string_view>

enum class TQVLanguageSection {
  Common,
  Menu,
  Options,
  PrintNote,
  NoteProps,
  Messages,
  Dialogs,
  // The rich-text editor's own menus, actions, dialogs and ruler.
  Editor,
};
inline constexpr std::size_t QVLanguageSectionCount = 8;

class TQVLanguage {
public:
  // A language.xml larger than this is not read.
  static constexpr std::size_t MaxFileSize = std::size_t(16) << 20;

  // The document in use: the override file when it parsed, else the built-in one.
  pugi::xml_document Doc;
  // The sections of Doc, named like them; null before Load or when Doc lacks them.
  pugi::xml_node Common, Menu, Options, PrintNote, NoteProps, Messages, Dialogs, Editor;
  // The language attribute a lookup reads: "ENG" or "DEU" once the settings are taken over.
  std::string Code = "DEU";
  // Why the override file was not used, or empty.
  std::string LoadWarning;

  // Loads language.xml from the program folder, or the built-in document without one.
  void Load();
  // The same with the override at FileName; an empty name loads the built-in document only.
  void LoadFromFile(const std::string& FileName);

  // The text of key SubName in group Name of Section (for Common, of key Name, SubName empty)
  // in the language Code. A key present with an empty text gives the empty text; a missing
  // section, group, key or language gives the built-in document's text, else the empty text.
  std::string GetText(TQVLanguageSection Section, const std::string& Name,
                      const std::string& SubName) const;
  std::string GetCommonText(const std::string& Key) const;
  std::string GetMenuText(const std::string& Group, const std::string& Key) const;
  std::string GetOptionsText(const std::string& Group, const std::string& Key) const;
  std::string GetPrintNoteText(const std::string& Group, const std::string& Key) const;
  std::string GetNotePropsText(const std::string& Group, const std::string& Key) const;
  std::string GetMessageText(const std::string& Group, const std::string& Key) const;
  std::string GetDialogText(const std::string& Group, const std::string& Key) const;
  std::string GetEditorText(const std::string& Group, const std::string& Key) const;

private:
  // The built-in document, parsed only when an override file is in use.
  pugi::xml_document FBuiltIn;
  pugi::xml_node FOwn[QVLanguageSectionCount];
  pugi::xml_node FFallback[QVLanguageSectionCount];
  void FindSections();
};

// A hint holds a tool tip and a long hint for the status line, separated by "|"; a hint
// without the bar serves as both.
std::string GetShortHint(std::string_view Hint);
std::string GetLongHint(std::string_view Hint);

// The built-in language document.
std::string_view QuilleryResource_language();
