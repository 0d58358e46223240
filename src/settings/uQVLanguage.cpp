#include "settings/uQVLanguage.h"

#include "core/uQVError.h"
#include "core/uQVLog.h"
#include "model/uQVXmlParse.h"
#include "settings/myFileCtrls.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

constexpr const char* NameOf(TQVLanguageSection Section) {
  switch (Section) {
  case TQVLanguageSection::Common:
    return "Common";
  case TQVLanguageSection::Menu:
    return "Menu";
  case TQVLanguageSection::Options:
    return "Options";
  case TQVLanguageSection::PrintNote:
    return "PrintNote";
  case TQVLanguageSection::NoteProps:
    return "NoteProps";
  case TQVLanguageSection::Messages:
    return "Messages";
  case TQVLanguageSection::Dialogs:
    return "Dialogs";
  case TQVLanguageSection::Editor:
    return "Editor";
  }
  return "";
}

// The key element below a section, or a null node.
pugi::xml_node FindKey(pugi::xml_node Section, const std::string& Name,
                       const std::string& SubName) {
  pugi::xml_node node = Section.child(Name.c_str());
  if (!SubName.empty()) node = node.child(SubName.c_str());
  return node;
}

// Reads an override file; false and a reason when it cannot serve.
bool ReadOverride(const std::string& FileName, std::string& Text, std::string& Reason) {
  struct stat info {};
  if (stat(FileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    Reason = "it cannot be read";
    return false;
  }
  if (static_cast<std::size_t>(info.st_size) > TQVLanguage::MaxFileSize) {
    Reason = "it is far too large";
    return false;
  }
  std::ifstream in(FileName, std::ios::binary);
  Text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad() || Text.size() > TQVLanguage::MaxFileSize) {
    Reason = "it cannot be read";
    return false;
  }
  return true;
}

} // namespace

void TQVLanguage::Load() {
  LoadFromFile(GetAppPath() + "language.xml");
}

void TQVLanguage::LoadFromFile(const std::string& FileName) {
  LoadWarning.clear();
  Doc.reset();
  FBuiltIn.reset();
  bool haveOverride = false;
  struct stat info {};
  if (!FileName.empty() && stat(FileName.c_str(), &info) == 0) {
    std::string text, reason;
    if (ReadOverride(FileName, text, reason)) {
      try {
        ParseXmlText(Doc, text);
        haveOverride = true;
      } catch (const EQVError& error) {
        reason = error.what();
      }
    }
    if (!haveOverride) {
      Doc.reset();
      LoadWarning = "\"" + FileName + "\" is not used: " + reason;
      AddLogLine("Language", LoadWarning);
    }
  }
  pugi::xml_document& builtIn = haveOverride ? FBuiltIn : Doc;
  try {
    ParseXmlText(builtIn, QuilleryResource_language());
  } catch (const EQVError& error) {
    builtIn.reset();
    AddLogLine("Language",
               std::string("The built-in language document is damaged: ") + error.what());
  }
  FindSections();
}

void TQVLanguage::FindSections() {
  const pugi::xml_node own = Doc.document_element();
  const pugi::xml_node fallback = FBuiltIn.document_element();
  for (std::size_t i = 0; i < QVLanguageSectionCount; ++i) {
    const char* name = NameOf(static_cast<TQVLanguageSection>(i));
    FOwn[i] = own.child(name);
    FFallback[i] = fallback.child(name);
  }
  Common = FOwn[0];
  Menu = FOwn[1];
  Options = FOwn[2];
  PrintNote = FOwn[3];
  NoteProps = FOwn[4];
  Messages = FOwn[5];
  Dialogs = FOwn[6];
  Editor = FOwn[7];
}

std::string TQVLanguage::GetText(TQVLanguageSection Section, const std::string& Name,
                                 const std::string& SubName) const {
  const auto index = static_cast<std::size_t>(Section);
  if (index >= QVLanguageSectionCount || Name.empty()) return {};
  const char* code = Code.c_str();
  pugi::xml_attribute text = FindKey(FOwn[index], Name, SubName).attribute(code);
  if (!text) text = FindKey(FFallback[index], Name, SubName).attribute(code);
  return text.value();
}

std::string TQVLanguage::GetCommonText(const std::string& Key) const {
  return GetText(TQVLanguageSection::Common, Key, "");
}
std::string TQVLanguage::GetMenuText(const std::string& Group, const std::string& Key) const {
  return GetText(TQVLanguageSection::Menu, Group, Key);
}
std::string TQVLanguage::GetOptionsText(const std::string& Group, const std::string& Key) const {
  return GetText(TQVLanguageSection::Options, Group, Key);
}
std::string TQVLanguage::GetPrintNoteText(const std::string& Group, const std::string& Key) const {
  return GetText(TQVLanguageSection::PrintNote, Group, Key);
}
std::string TQVLanguage::GetNotePropsText(const std::string& Group, const std::string& Key) const {
  return GetText(TQVLanguageSection::NoteProps, Group, Key);
}
std::string TQVLanguage::GetMessageText(const std::string& Group, const std::string& Key) const {
  return GetText(TQVLanguageSection::Messages, Group, Key);
}
std::string TQVLanguage::GetDialogText(const std::string& Group, const std::string& Key) const {
  return GetText(TQVLanguageSection::Dialogs, Group, Key);
}
std::string TQVLanguage::GetEditorText(const std::string& Group, const std::string& Key) const {
  return GetText(TQVLanguageSection::Editor, Group, Key);
}

std::string GetShortHint(std::string_view Hint) {
  return std::string(Hint.substr(0, Hint.find('|')));
}

std::string GetLongHint(std::string_view Hint) {
  const std::size_t bar = Hint.find('|');
  return std::string(bar == std::string_view::npos ? Hint : Hint.substr(bar + 1));
}
