#include "core/uGlobals.h"

#include "commands/uQVCommander.h"
#include "model/uController.h"
#include "model/uQVAllData.h"
#include "settings/uQVLanguage.h"
#include "settings/uQVSettings.h"

TQVController* Controller = nullptr;
TQVCommander* Commander = nullptr;
TGlobals* Globals = nullptr;
TQVAllData* AllData = nullptr;
TQVSettings* Settings = nullptr;
TQVLanguage* Language = nullptr;

void CreateGlobals() {
  Controller = new TQVController;
  Commander = new TQVCommander;
  Globals = new TGlobals;
  Settings = new TQVSettings;
  Language = new TQVLanguage;
}

void NewDocument() {
  // The old document goes without announcements: the views rebuild from the new one.
  delete AllData;
  AllData = nullptr;
  AllData = new TQVAllData;
}

void FreeGlobals() {
  delete Globals;
  Globals = nullptr;
  delete Commander;
  Commander = nullptr;
  delete AllData;
  AllData = nullptr;
  delete Controller;
  Controller = nullptr;
  delete Settings;
  Settings = nullptr;
  delete Language;
  Language = nullptr;
}

void LoadDocument(const std::string& FileName, bool Compressed) {
  TBusyScope busy;
  Controller->Generator.Reset();
  Commander->Clear();
  NewDocument();
  AllData->LoadFromFile(FileName, Compressed);
  std::int32_t maxID = 0, minID = 0;
  AllData->CollectIdRange(maxID, minID);
  Controller->Generator.SetCounters(maxID, minID);
  AllData->AssignMissingIDs();
}

TBusyScope::TBusyScope() {
  if (Globals) {
    FPrevious = Globals->Busy;
    Globals->Busy = true;
  }
}

TBusyScope::~TBusyScope() {
  if (Globals) Globals->Busy = FPrevious;
}
