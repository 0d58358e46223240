#pragma once
// For GUI tests: a dispatcher and the global objects with the built-in language document, and
// a private settings folder, so a test never reads or writes the user's own settings.

#include "core/uGlobals.h"
#include "core/uQVEventFIFO.h"
#include "model/uQVAllData.h"
#include "settings/uQVLanguage.h"

#include <QTemporaryDir>
#include <QtGlobal>

class TGuiTestGlobals {
public:
  explicit TGuiTestGlobals(const char* LanguageCode = "ENG") {
    qputenv("XDG_CONFIG_HOME", FConfig.path().toUtf8());
    EventFIFO = &FDispatcher;
    CreateGlobals();
    Language->LoadFromFile("");
    Language->Code = LanguageCode;
  }
  ~TGuiTestGlobals() {
    FreeGlobals();
    EventFIFO = nullptr;
  }
  TGuiTestGlobals(const TGuiTestGlobals&) = delete;
  TGuiTestGlobals& operator=(const TGuiTestGlobals&) = delete;
  TEventFIFO& Dispatcher() { return FDispatcher; }
  QString ConfigFolder() const { return FConfig.path(); }

private:
  QTemporaryDir FConfig;
  TEventFIFO FDispatcher;
};
