#pragma once
// Helpers of the settings and language tests: a private configuration folder, a fake printer
// selection, a recorded log and small file helpers.

#include "core/uQVError.h"
#include "core/uQVLog.h"
#include "settings/uQVPrinter.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace settings_test {

inline std::string DataFile(const std::string& Name) {
  return std::string(QV_TEST_DATA_DIR) + "/settings/" + Name;
}

inline std::string ReadText(const std::string& FileName) {
  std::ifstream in(FileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::string& FileName, const std::string& Text) {
  std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
  out << Text;
}

// Sets an environment variable (or removes it, given nullopt) for a scope.
class TEnvScope {
public:
  TEnvScope(const char* Name, std::optional<std::string> Value) : FName(Name) {
    if (const char* old = std::getenv(Name)) FOld = old;
    if (Value)
      setenv(Name, Value->c_str(), 1);
    else
      unsetenv(Name);
  }
  ~TEnvScope() {
    if (FOld)
      setenv(FName, FOld->c_str(), 1);
    else
      unsetenv(FName);
  }
  TEnvScope(const TEnvScope&) = delete;
  TEnvScope& operator=(const TEnvScope&) = delete;

private:
  const char* FName;
  std::optional<std::string> FOld;
};

// A fresh folder, removed afterwards.
class TScratch {
public:
  TScratch() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillery-settings-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    Path = pattern;
  }
  ~TScratch() {
    std::error_code ignored;
    std::filesystem::permissions(Path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(Path, ignored);
  }
  std::string File(const std::string& Name) const { return (Path / Name).string(); }
  std::filesystem::path Path;
};

// The configuration folder of a test: $XDG_CONFIG_HOME points into a scratch folder, which
// holds the settings folder already.
class TConfigHome {
public:
  TConfigHome() : FEnv("XDG_CONFIG_HOME", Scratch.Path.string()) {
    std::filesystem::create_directory(Scratch.Path / "Quillery");
  }
  std::string SettingsFile() const { return Scratch.File("Quillery/Quillery.settings"); }
  TScratch Scratch;

private:
  TEnvScope FEnv;
};

class TFakePrinter : public IQVPrinter {
public:
  std::vector<std::string> Names;
  int Index = -1;
  TPrinterOrientation Current = TPrinterOrientation::poPortrait;

  std::vector<std::string> PrinterNames() const override { return Names; }
  int PrinterIndex() const override { return Index; }
  void SetPrinterIndex(int Value) override { Index = Value; }
  TPrinterOrientation Orientation() const override {
    if (Index < 0) throw EQVError("no printer");
    return Current;
  }
  void SetOrientation(TPrinterOrientation Value) override {
    if (Index < 0) throw EQVError("no printer");
    Current = Value;
  }
};

// Installs a printer selection for a scope (nullptr: none installed).
class TPrinterScope {
public:
  explicit TPrinterScope(IQVPrinter* Printer) : FOld(GetPrinter()) { SetPrinter(Printer); }
  ~TPrinterScope() { SetPrinter(FOld); }
  TPrinterScope(const TPrinterScope&) = delete;
  TPrinterScope& operator=(const TPrinterScope&) = delete;

private:
  IQVPrinter* FOld;
};

// Records the log lines of a scope as "Subject: Text".
class TLogRecorder {
public:
  TLogRecorder() {
    Lines().clear();
    SetLogSink(&Record);
  }
  ~TLogRecorder() { SetLogSink(nullptr); }
  TLogRecorder(const TLogRecorder&) = delete;
  TLogRecorder& operator=(const TLogRecorder&) = delete;
  static std::vector<std::string>& Lines() {
    static std::vector<std::string> lines;
    return lines;
  }
  bool Has(const std::string& Line) const {
    for (const auto& l : Lines())
      if (l == Line) return true;
    return false;
  }

private:
  static void Record(std::string_view Subject, std::string_view Text) {
    Lines().push_back(std::string(Subject) + ": " + std::string(Text));
  }
};

} // namespace settings_test
