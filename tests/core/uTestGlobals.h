#pragma once
// Test fixtures: a dispatcher and the global objects for every test, and a listener that
// records what it hears.

#include "core/uGlobals.h"
#include "core/uQVEventFIFO.h"
#include "model/uQVAllData.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

struct TRecordedEvent {
  TQVEventKind Kind;
  TQVBaseData* Data;
  std::int32_t DataID;
};

class TRecordingListener : public IEvent {
public:
  std::vector<TRecordedEvent> Events;
  void HandleEvent(TQVEvent& Event) override {
    Events.push_back({Event.Kind, Event.Data, Event.Data ? Event.Data->ID : 0});
  }
  std::size_t Count(TQVEventKind Kind) const {
    std::size_t n = 0;
    for (const auto& e : Events)
      n += e.Kind == Kind;
    return n;
  }
};

class TGlobalsTest : public ::testing::Test {
protected:
  TEventFIFO Dispatcher;
  TRecordingListener Listener;

  void SetUp() override {
    EventFIFO = &Dispatcher;
    CreateGlobals();
    Dispatcher.Register(&Listener);
  }
  void TearDown() override {
    FreeGlobals();
    EventFIFO = nullptr;
  }
  // The template document, as the program opens it.
  void OpenTemplate() { LoadDocument(""); }
  TQVNoticeRoot* Root() const { return AllData->GetNoticeRoot(); }
  TQVNotice* Welcome() const {
    return static_cast<TQVNotice*>(Root()->GetChildList()->Children[0]);
  }
};

// A fresh folder below the test temporary directory, removed afterwards.
class TTempFolder {
public:
  TTempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quillery-test-XXXXXX").string();
    Path = mkdtemp(pattern.data());
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(Path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(Path, ignored);
  }
  std::string File(const std::string& Name) const { return (Path / Name).string(); }
  std::filesystem::path Path;
};

std::string ReadFileBytes(const std::string& FileName);
void WriteFileBytes(const std::string& FileName, const std::string& Bytes);
// zlib's own inflate, as the reference reader.
std::string ZlibInflate(const std::string& Compressed);
std::string ZlibDeflate(const std::string& Plain, int Level);
