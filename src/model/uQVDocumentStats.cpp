#include "model/uQVDocumentStats.h"

#include "model/uQVNotData.h"

#include <utility>
#include <vector>

TQVDocumentStats CollectDocumentStats(const TQVBaseData& Document) {
  TQVDocumentStats stats;
  Document.CollectIdRange(stats.MaxID, stats.MinID);
  // Level counts notes on the way down; the root stands at level 0.
  std::vector<std::pair<const TQVBaseData*, std::size_t>> pending{{&Document, 0}};
  while (!pending.empty()) {
    auto [object, level] = pending.back();
    pending.pop_back();
    if (object->IsParameterLike()) continue;
    std::size_t childLevel = level;
    if (object->IsNotice()) {
      if (object->Kind & kfRoot) {
        childLevel = 0;
      } else {
        ++stats.Notices;
        if (static_cast<const TQVNotice*>(object)->IsTask()) ++stats.Tasks;
        if (level > stats.DeepestLevel) stats.DeepestLevel = level;
      }
    }
    for (const auto& child : object->Children) {
      const std::size_t next =
          child->IsNotice() && !(child->Kind & kfRoot) ? childLevel + 1 : childLevel;
      pending.push_back({child.get(), next});
    }
  }
  return stats;
}
