// The settings and the language among the global objects.

#include "core/uGlobals.h"
#include "core/uQVEventFIFO.h"
#include "model/uQVAllData.h"
#include "settings/uQVLanguage.h"
#include "settings/uQVSettings.h"
#include "test_settings_support.h"

using namespace settings_test;

TEST(SettingsGlobals, CreatedAndFreedWithTheOthers) {
  TConfigHome home;
  TEventFIFO dispatcher;
  EventFIFO = &dispatcher;
  CreateGlobals();
  ASSERT_NE(Settings, nullptr);
  ASSERT_NE(Language, nullptr);
  EXPECT_EQ(AllData, nullptr);
  EXPECT_EQ(Settings->SettingsFileName, home.SettingsFile());
  // Nothing is read yet.
  EXPECT_EQ(Language->Code, "DEU");
  EXPECT_EQ(Language->GetMenuText("File", "N10"), "");

  // The start sequence: settings, then the language in the settings' language.
  WriteText(home.SettingsFile(), "<QuillerySettings><Language>ENG</Language></QuillerySettings>");
  Settings->Load();
  Language->Load();
  Language->Code = Settings->Language;
  EXPECT_EQ(Language->GetMenuText("File", "N10"), "File");

  TQVSettings* settings = Settings;
  TQVLanguage* language = Language;
  NewDocument();
  EXPECT_EQ(Settings, settings) << "a new document keeps the settings";
  EXPECT_EQ(Language, language);

  FreeGlobals();
  EXPECT_EQ(Settings, nullptr);
  EXPECT_EQ(Language, nullptr);
  EXPECT_EQ(AllData, nullptr);
  EXPECT_EQ(Globals, nullptr);
  EventFIFO = nullptr;
}
