#pragma once
// The program-wide objects and flags, and the procedures that create, replace and free them.

#include <cstdint>
#include <string>

class TQVController;
class TQVCommander;
class TQVAllData;
class TQVSettings;
class TQVLanguage;

// Flags through which a running operation changes how others react.
class TGlobals {
public:
  // Set by a move just before it re-inserts the note; the notes tree focuses that note.
  std::int32_t MovingItemID = 0;
  // Loading or re-creating: no identifiers are drawn, parameter changes are not announced,
  // the editor's text is not stored.
  bool Busy = false;
  bool Pasting = false;
  // Copying: objects write no "ID".
  bool NoIDs = false;
  bool Creating = false;
  // The tree whose focus changes are announced (an opaque handle of the front end).
  const void* ActiveTree = nullptr;
  // 0 the notes page, 1 the tasks page.
  std::uint8_t ActivePage = 0;
};

extern TQVController* Controller;
extern TQVCommander* Commander;
extern TGlobals* Globals;
extern TQVAllData* AllData;
// The user's preferences; filled by Settings->Load in the start sequence.
extern TQVSettings* Settings;
// The user-interface texts; filled by Language->Load in the start sequence.
extern TQVLanguage* Language;

// Creates Controller, Commander, Globals, Settings and Language, in this order. Nothing is read
// yet: the start sequence loads the settings and then the language document.
void CreateGlobals();
// Destroys the current document without announcing it and makes a new, empty one current.
void NewDocument();
// The core of opening a document, while busy: resets the identifiers, clears undo and redo,
// makes a new document, loads FileName into it (the template when empty; plain XML when not
// Compressed) and sets the identifier counters above what it holds. Throws EQVError; AllData
// then holds whatever was read.
void LoadDocument(const std::string& FileName, bool Compressed = true);
// Frees Globals, Commander, AllData, Controller, Settings and Language, in this order.
void FreeGlobals();

inline bool IsBusy() {
  return Globals && Globals->Busy;
}

// Sets Globals->Busy for a scope and restores the previous value whatever happens.
class TBusyScope {
public:
  TBusyScope();
  ~TBusyScope();
  TBusyScope(const TBusyScope&) = delete;
  TBusyScope& operator=(const TBusyScope&) = delete;

private:
  bool FPrevious = false;
};
