#pragma once
// The version numbers of a program file. Ours are compiled in from the project version.

#include <cstdint>
#include <string>

class TVersionInfo {
public:
  std::uint16_t Major = 0;
  std::uint16_t Minor = 0;
  std::uint16_t Release = 0;
  std::uint16_t Build = 0;

  // Reads the running program's version.
  TVersionInfo();
  // The empty name means the running program. Any other file carries no version that we
  // can read, so it gives 0.0.0.0, unless it is the running program itself.
  void ReadVersion(const std::string& FileName);
  // The first Count numbers joined by "." (at least Major).
  std::string VersionString(int Count) const;
};
