#pragma once
// Figures about a document, for the command-line tool and the information window.

#include <cstddef>
#include <cstdint>

class TQVBaseData;

struct TQVDocumentStats {
  std::size_t Notices = 0; // notes below the root
  std::size_t Tasks = 0;
  std::size_t DeepestLevel = 0; // notes directly below the root are level 1
  std::int32_t MaxID = 0;
  std::int32_t MinID = 0;
};

TQVDocumentStats CollectDocumentStats(const TQVBaseData& Document);
