#include "settings/myVersionInfo.h"

#include "core/uBuildInfo.h"

#include <charconv>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

// "Major.Minor.Release.Build", any of them missing; a part that does not read stops there.
void ParseVersion(std::string_view Text, std::uint16_t* const (&Parts)[4]) {
  for (std::uint16_t* part : Parts) {
    if (Text.empty()) return;
    const std::size_t dot = Text.find('.');
    const std::string_view piece = Text.substr(0, dot);
    unsigned value = 0;
    auto [end, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    if (ec != std::errc() || end != piece.data() + piece.size() || value > 0xFFFF) return;
    *part = static_cast<std::uint16_t>(value);
    if (dot == std::string_view::npos) return;
    Text.remove_prefix(dot + 1);
  }
}

} // namespace

TVersionInfo::TVersionInfo() {
  ReadVersion("");
}

void TVersionInfo::ReadVersion(const std::string& FileName) {
  Major = Minor = Release = Build = 0;
  if (!FileName.empty()) {
    std::error_code error;
    if (!std::filesystem::equivalent(FileName, "/proc/self/exe", error) || error) return;
  }
  ParseVersion(QUILLERY_VERSION_STRING, {&Major, &Minor, &Release, &Build});
}

std::string TVersionInfo::VersionString(int Count) const {
  const std::uint16_t parts[] = {Major, Minor, Release, Build};
  std::string text = std::to_string(Major);
  for (int i = 1; i < 4 && i < Count; ++i) {
    text += '.';
    text += std::to_string(parts[i]);
  }
  return text;
}
