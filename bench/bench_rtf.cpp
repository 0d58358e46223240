// Plain-text extraction from every note body of the 100,000-note document, against the floor
// of a bare scan that only counts braces and backslashes over the same bodies, timed in the
// same run. The target: extraction at no less than a third of the scan's speed.

#include "rtf/uRtfPlainTextSink.h"
#include "uDocGenerator.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

const std::vector<std::string>& Bodies() {
  static const std::vector<std::string> bodies = [] {
    TDocGeneratorOptions options;
    options.Notices = 100000;
    const std::string xml = GenerateDocumentXml(options);
    pugi::xml_document doc;
    doc.load_buffer(xml.data(), xml.size());
    std::vector<std::string> result;
    for (const pugi::xpath_node& node : doc.select_nodes("//Parameter[@Name='Note']"))
      result.emplace_back(node.node().attribute("Value").value());
    return result;
  }();
  return bodies;
}

std::size_t TotalBytes(const std::vector<std::string>& Bodies) {
  std::size_t total = 0;
  for (const std::string& body : Bodies)
    total += body.size();
  return total;
}

// The floor: one pass over the bytes, counting what a tokeniser must look at.
std::size_t BareScan(const std::string& Body) {
  std::size_t braces = 0, backslashes = 0;
  for (const char c : Body) {
    if (c == '{' || c == '}')
      ++braces;
    else if (c == '\\')
      ++backslashes;
  }
  return braces + backslashes;
}

void BM_RtfPlainTextExtraction(benchmark::State& State) {
  const std::vector<std::string>& bodies = Bodies();
  const std::size_t bytes = TotalBytes(bodies);
  double extractSeconds = 0, scanSeconds = 0;
  for (auto _ : State) {
    auto start = TClock::now();
    std::size_t text = 0;
    for (const std::string& body : bodies)
      text += RtfToPlainText(body).size();
    benchmark::DoNotOptimize(text);
    auto middle = TClock::now();
    std::size_t counted = 0;
    for (const std::string& body : bodies)
      counted += BareScan(body);
    benchmark::DoNotOptimize(counted);
    auto end = TClock::now();
    extractSeconds += std::chrono::duration<double>(middle - start).count();
    scanSeconds += std::chrono::duration<double>(end - middle).count();
  }
  const double iterations = static_cast<double>(State.iterations());
  State.counters["bodies"] = static_cast<double>(bodies.size());
  State.counters["MB"] = static_cast<double>(bytes) / 1e6;
  State.counters["extract_MB/s"] = bytes * iterations / extractSeconds / 1e6;
  State.counters["scan_MB/s"] = bytes * iterations / scanSeconds / 1e6;
  // At least 0.33: extraction runs at a third of the scan's speed or better.
  State.counters["speed_vs_scan"] = scanSeconds / extractSeconds;
}
BENCHMARK(BM_RtfPlainTextExtraction)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RtfPlainTextOneBody(benchmark::State& State) {
  const std::string body = GenerateRtfBody(static_cast<std::size_t>(State.range(0)), 7);
  for (auto _ : State)
    benchmark::DoNotOptimize(RtfToPlainText(body));
  State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * body.size()));
}
BENCHMARK(BM_RtfPlainTextOneBody)->Arg(1000)->Arg(1000000);

} // namespace
