#pragma once
// Realistic documents for benchmarks: notes up to six levels deep, captions of a few words,
// RTF bodies of about 1 KB with formatting runs and escaped non-ASCII characters, one note in
// ten a task. The same seed gives the same document.

#include <cstddef>
#include <cstdint>
#include <string>

struct TDocGeneratorOptions {
  std::size_t Notices = 1000;
  std::size_t MaxDepth = 6;
  std::size_t BodyBytes = 1000;
  std::uint32_t Seed = 12345;
};

// The document as plain XML text in the data file's form.
std::string GenerateDocumentXml(const TDocGeneratorOptions& Options);
// One RTF body of about Bytes bytes.
std::string GenerateRtfBody(std::size_t Bytes, std::uint32_t Seed);
// Writes the document as a data file (compressed with zlib, level 1) and returns its path.
std::string GenerateDataFile(const TDocGeneratorOptions& Options, const std::string& Path);
