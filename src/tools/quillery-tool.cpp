// quillery-tool: converts and inspects Quillery data files from the shell.

#include "core/uBuildInfo.h"
#include "core/uGlobals.h"
#include "core/uQVError.h"
#include "core/uQVEventFIFO.h"
#include "model/uQVAllData.h"
#include "model/uQVDocumentStats.h"
#include "model/uQVNotData.h"
#include "rtf/uRtfPlainTextSink.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const Usage =
    "usage: quillery-tool convert [--from-xml] [--xml] [--backup] IN OUT\n"
    "       quillery-tool convert --new [--xml] OUT\n"
    "       quillery-tool info [--from-xml] FILE\n"
    "       quillery-tool text [--from-xml] FILE\n"
    "       quillery-tool --version\n"
    "\n"
    "convert  loads IN (a data file, or with --from-xml a plain XML export) and writes OUT\n"
    "         compressed, or with --xml as plain XML; --new writes a new document instead.\n"
    "         OUT is replaced only once the new file is complete; --backup keeps the\n"
    "         previous OUT as OUT.bak.\n"
    "info     prints the number of notes and tasks, the deepest level, the identifier\n"
    "         range and the format mark of FILE.\n"
    "text     prints the visible text of every note, in tree order, each line led by the\n"
    "         note's caption path and a colon, as grep shows file names.\n";

struct TGlobalsScope {
  TEventFIFO Dispatcher;
  TGlobalsScope() {
    EventFIFO = &Dispatcher;
    CreateGlobals();
  }
  ~TGlobalsScope() {
    FreeGlobals();
    EventFIFO = nullptr;
  }
};

struct TArguments {
  std::vector<std::string> Files;
  bool FromXml = false, ToXml = false, New = false, Backup = false;
};

bool Parse(int Argc, char** Argv, TArguments& Args) {
  for (int i = 2; i < Argc; ++i) {
    const std::string arg = Argv[i];
    if (arg == "--from-xml")
      Args.FromXml = true;
    else if (arg == "--xml")
      Args.ToXml = true;
    else if (arg == "--new")
      Args.New = true;
    else if (arg == "--backup")
      Args.Backup = true;
    else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      std::fprintf(stderr, "quillery-tool: unknown option %s\n", arg.c_str());
      return false;
    } else
      Args.Files.push_back(arg);
  }
  return true;
}

int Convert(const TArguments& Args) {
  if (Args.Files.size() != (Args.New ? 1u : 2u) || (Args.New && Args.FromXml)) {
    std::fputs(Usage, stderr);
    return 2;
  }
  TGlobalsScope scope;
  LoadDocument(Args.New ? std::string() : Args.Files[0], !Args.FromXml);
  AllData->SaveToFile(Args.Files.back(), !Args.ToXml, Args.Backup);
  return 0;
}

int Info(const TArguments& Args) {
  if (Args.Files.size() != 1 || Args.New || Args.ToXml) {
    std::fputs(Usage, stderr);
    return 2;
  }
  TGlobalsScope scope;
  LoadDocument(Args.Files[0], !Args.FromXml);
  const TQVDocumentStats stats = CollectDocumentStats(*AllData);
  std::printf("notes: %zu\n", stats.Notices);
  std::printf("tasks: %zu\n", stats.Tasks);
  std::printf("deepest level: %zu\n", stats.DeepestLevel);
  std::printf("identifiers: %d to %d\n", static_cast<int>(stats.MinID),
              static_cast<int>(stats.MaxID));
  std::printf("format mark: %s\n", AllData->FormatMark.c_str());
  return 0;
}

std::string CaptionPathOf(const TQVNotice& Note) {
  const std::string path = GetCaptionPath(Note);
  return path.empty() ? Note.Caption() : path + "/" + Note.Caption();
}

int Text(const TArguments& Args) {
  if (Args.Files.size() != 1 || Args.New || Args.ToXml) {
    std::fputs(Usage, stderr);
    return 2;
  }
  TGlobalsScope scope;
  LoadDocument(Args.Files[0], !Args.FromXml);
  // Tree order without recursion: documents may be very deep.
  std::vector<const TQVBaseData*> pending{AllData};
  while (!pending.empty()) {
    const TQVBaseData* object = pending.back();
    pending.pop_back();
    if (object->IsParameterLike()) continue;
    if (object->IsNotice() && !(object->Kind & kfRoot)) {
      const auto& note = static_cast<const TQVNotice&>(*object);
      const std::string path = CaptionPathOf(note);
      const TQVParameter* body = note.FindParameter("Note");
      const std::string text = body ? RtfToPlainText(body->Value) : std::string();
      for (std::size_t start = 0;;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::printf("%s: %.*s\n", path.c_str(), static_cast<int>(end - start), text.data() + start);
        if (end == text.size()) break;
        start = end + 1;
      }
    }
    for (auto it = object->Children.Raw().rbegin(); it != object->Children.Raw().rend(); ++it)
      pending.push_back(it->get());
  }
  return 0;
}

} // namespace

int main(int Argc, char** Argv) {
  if (Argc < 2) {
    std::fputs(Usage, stderr);
    return 2;
  }
  const std::string command = Argv[1];
  if (command == "--version") {
    std::printf("quillery-tool %s\n", QUILLERY_VERSION_STRING);
    return 0;
  }
  if (command == "--help" || command == "-h") {
    std::fputs(Usage, stdout);
    return 0;
  }
  TArguments args;
  if (!Parse(Argc, Argv, args)) return 2;
  try {
    if (command == "convert") return Convert(args);
    if (command == "info") return Info(args);
    if (command == "text") return Text(args);
  } catch (const EQVError& error) {
    std::fprintf(stderr, "quillery-tool: %s\n", error.what());
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quillery-tool: %s\n", error.what());
    return 1;
  }
  std::fprintf(stderr, "quillery-tool: unknown command %s\n", command.c_str());
  std::fputs(Usage, stderr);
  return 2;
}
