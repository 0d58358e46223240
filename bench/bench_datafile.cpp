// Loading and saving the data file against the floor of doing it plainly with the reference
// libraries (zlib and a bare pugixml parse or serialisation), timed in the same run.

#include "commands/uQVCommander.h"
#include "commands/uQVTreeCommands.h"
#include "core/uGlobals.h"
#include "core/uQVEventFIFO.h"
#include "model/uQVAllData.h"
#include "uBenchFiles.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <iterator>
#include <malloc.h>
#include <pugixml.hpp>
#include <sstream>
#include <zlib.h>

namespace {

using TClock = std::chrono::steady_clock;

double Seconds(TClock::time_point Start) {
  return std::chrono::duration<double>(TClock::now() - Start).count();
}

std::string ReadAll(const std::string& FileName) {
  std::ifstream in(FileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The size of the document's XML text (the floor is told it, to give it the best chance).
std::size_t InflatedSize(const std::string& Compressed) {
  z_stream stream{};
  inflateInit(&stream);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Compressed.data()));
  stream.avail_in = static_cast<uInt>(Compressed.size());
  std::string buffer(1 << 20, '\0');
  std::size_t total = 0;
  int status;
  do {
    stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
    stream.avail_out = static_cast<uInt>(buffer.size());
    status = inflate(&stream, Z_NO_FLUSH);
    total += buffer.size() - stream.avail_out;
  } while (status == Z_OK);
  inflateEnd(&stream);
  return total;
}

// Read the file, inflate it with zlib into a buffer of the right size, parse it with pugixml.
void LoadFloor(const std::string& FileName, std::size_t XmlSize) {
  const std::string compressed = ReadAll(FileName);
  std::string xml(XmlSize, '\0');
  uLongf size = static_cast<uLongf>(xml.size());
  uncompress(reinterpret_cast<Bytef*>(xml.data()), &size,
             reinterpret_cast<const Bytef*>(compressed.data()),
             static_cast<uLong>(compressed.size()));
  pugi::xml_document doc;
  doc.load_buffer_inplace(xml.data(), size);
  benchmark::DoNotOptimize(doc.first_child());
}

struct TGlobalsOnce {
  TEventFIFO Dispatcher;
  TGlobalsOnce() {
    EventFIFO = &Dispatcher;
    CreateGlobals();
  }
  ~TGlobalsOnce() {
    FreeGlobals();
    EventFIFO = nullptr;
  }
};

void BM_LoadFromFile(benchmark::State& State) {
  const std::string file = BenchDataFile(static_cast<std::size_t>(State.range(0)));
  const std::size_t xmlSize = InflatedSize(ReadAll(file));
  TGlobalsOnce globals;
  double ours = 0, floor = 0;
  for (auto _ : State) {
    auto start = TClock::now();
    LoadFloor(file, xmlSize);
    floor += Seconds(start);
    start = TClock::now();
    LoadDocument(file);
    const double took = Seconds(start);
    ours += took;
    State.SetIterationTime(took);
    NewDocument(); // freeing is not part of loading
  }
  const double n = static_cast<double>(State.iterations());
  State.counters["ours_ms"] = 1000 * ours / n;
  State.counters["floor_ms"] = 1000 * floor / n;
  State.counters["ratio"] = ours / floor;
  State.counters["xml_MB"] = static_cast<double>(xmlSize) / 1e6;
}
BENCHMARK(BM_LoadFromFile)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A pugixml serialisation with indentation, deflated by zlib at level 1 and written out.
void SaveFloor(const pugi::xml_document& Doc, const std::string& FileName) {
  std::ostringstream text;
  Doc.save(text, "  ", pugi::format_indent, pugi::encoding_utf8);
  const std::string xml = text.str();
  uLongf size = compressBound(static_cast<uLong>(xml.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(xml.data()),
            static_cast<uLong>(xml.size()), 1);
  std::ofstream file(FileName, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(size));
}

void BM_SaveToFile(benchmark::State& State) {
  const std::string file = BenchDataFile(static_cast<std::size_t>(State.range(0)));
  const std::string target = file + ".saved", floorTarget = file + ".floor";
  TGlobalsOnce globals;
  LoadDocument(file);
  pugi::xml_document parsed; // what the floor serialises: the same document as a DOM
  {
    const std::string compressed = ReadAll(file);
    std::string xml(InflatedSize(compressed), '\0');
    uLongf size = static_cast<uLongf>(xml.size());
    uncompress(reinterpret_cast<Bytef*>(xml.data()), &size,
               reinterpret_cast<const Bytef*>(compressed.data()),
               static_cast<uLong>(compressed.size()));
    parsed.load_buffer(xml.data(), size);
  }
  double ours = 0, floor = 0;
  for (auto _ : State) {
    auto start = TClock::now();
    SaveFloor(parsed, floorTarget);
    floor += Seconds(start);
    start = TClock::now();
    AllData->SaveToFile(target, true, false);
    const double took = Seconds(start);
    ours += took;
    State.SetIterationTime(took);
  }
  const double n = static_cast<double>(State.iterations());
  State.counters["ours_ms"] = 1000 * ours / n;
  State.counters["floor_ms"] = 1000 * floor / n;
  State.counters["ratio"] = ours / floor;
  std::filesystem::remove(target);
  std::filesystem::remove(floorTarget);
}
BENCHMARK(BM_SaveToFile)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

long StatusKiB(const char* Field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(Field) + ":";
  while (std::getline(status, line))
    if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
  return -1;
}

// Peak and lasting memory of opening the 100,000-note document, as multiples of its XML size.
void BM_LoadMemory(benchmark::State& State) {
  const std::string file = BenchDataFile(100000);
  const double xmlSize = static_cast<double>(InflatedSize(ReadAll(file)));
  TGlobalsOnce globals;
  double peak = 0, lasting = 0;
  for (auto _ : State) {
    malloc_trim(0);
    const long base = StatusKiB("VmRSS");
    { std::ofstream("/proc/self/clear_refs") << "5"; } // resets the peak
    LoadDocument(file);
    malloc_trim(0);
    peak = static_cast<double>(StatusKiB("VmHWM") - base) * 1024;
    lasting = static_cast<double>(StatusKiB("VmRSS") - base) * 1024;
    State.PauseTiming();
    NewDocument();
    State.ResumeTiming();
  }
  State.counters["peak_x_xml"] = peak / xmlSize;
  State.counters["open_x_xml"] = lasting / xmlSize;
  State.counters["peak_MB"] = peak / 1e6;
  State.counters["open_MB"] = lasting / 1e6;
}
BENCHMARK(BM_LoadMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_UndoRedoDelete(benchmark::State& State) {
  TGlobalsOnce globals;
  LoadDocument(BenchDataFile(10000));
  TQVBaseItem* big = AllData->GetNoticeRoot()->CreateChild();
  for (int i = 0; i < 100; ++i) {
    TQVBaseItem* child = big->CreateChild();
    for (int k = 0; k < 9; ++k)
      child->CreateChild()->SetParameter("Note", std::string(1000, 'x'));
  }
  const std::int32_t id = big->ID;
  Commander->Execute(std::make_unique<TQVTreeDeleteCmd>(id));
  double undo = 0, redo = 0;
  for (auto _ : State) {
    auto start = TClock::now();
    Commander->Undo();
    undo += Seconds(start);
    start = TClock::now();
    Commander->Redo();
    redo += Seconds(start);
  }
  const double n = static_cast<double>(State.iterations());
  State.counters["undo_ms"] = 1000 * undo / n;
  State.counters["redo_ms"] = 1000 * redo / n;
}
BENCHMARK(BM_UndoRedoDelete)->Unit(benchmark::kMillisecond);

void BM_FindByID(benchmark::State& State) {
  TGlobalsOnce globals;
  LoadDocument(BenchDataFile(100000));
  std::int32_t maxID = 0, minID = 0;
  AllData->CollectIdRange(maxID, minID);
  std::int32_t id = 1;
  for (auto _ : State) {
    id = id % maxID + 7919 % maxID; // spread over the document
    benchmark::DoNotOptimize(AllData->FindByID(id));
  }
  State.counters["last_note_us"] = [&] {
    const auto start = TClock::now();
    benchmark::DoNotOptimize(AllData->FindByID(maxID));
    return 1e6 * Seconds(start);
  }();
}
BENCHMARK(BM_FindByID)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
