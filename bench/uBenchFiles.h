#pragma once
// Generated documents cached between benchmark runs, in the temporary folder.

#include "uDocGenerator.h"

#include <filesystem>
#include <string>

// The data file of a document with Notices notes (made once, then reused).
inline std::string BenchDataFile(std::size_t Notices) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quillery-bench";
  std::filesystem::create_directories(folder);
  const std::filesystem::path file = folder / ("doc-" + std::to_string(Notices) + ".qvx");
  if (!std::filesystem::exists(file)) {
    TDocGeneratorOptions options;
    options.Notices = Notices;
    GenerateDataFile(options, file.string());
  }
  return file.string();
}
