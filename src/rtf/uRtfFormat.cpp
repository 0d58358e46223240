#include "rtf/uRtfFormat.h"

#include <algorithm>
#include <cstdint>

namespace {

int Scaled(int Goal, int Source, int Scale) {
  // A source size without a goal is taken as pixels at 96 dpi.
  const std::int64_t base = Goal > 0 ? Goal : static_cast<std::int64_t>(std::max(Source, 0)) * 15;
  const std::int64_t shown = base * std::clamp(Scale, 1, 10000) / 100;
  return static_cast<int>(std::min<std::int64_t>(shown, 1 << 30));
}

} // namespace

int TRtfPicture::ShownWidth() const {
  return Scaled(GoalWidth, Width, ScaleX);
}
int TRtfPicture::ShownHeight() const {
  return Scaled(GoalHeight, Height, ScaleY);
}

const TRtfListLevel* TRtfTables::FindListLevel(int ListOverride, int Level) const {
  if (ListOverride <= 0 || Level < 0 || Level > 8) return nullptr;
  for (const TRtfListOverride& entry : Overrides) {
    if (entry.Number != ListOverride) continue;
    for (const TRtfList& list : Lists)
      if (list.ListId == entry.ListId) return &list.Levels[Level];
    return nullptr;
  }
  return nullptr;
}
