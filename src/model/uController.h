#pragma once
// Identifier generation: positive identifiers for items, negative ones for lists and parameters.

#include <cstdint>

class TQVGenerator {
public:
  std::int32_t LastPositive = 0;
  std::int32_t LastNegative = 0;

  std::int32_t NextPositive();
  std::int32_t NextNegative();
  void SetCounters(std::int32_t Positive, std::int32_t Negative);
  void Reset() { SetCounters(0, 0); }
};

class TQVController {
public:
  TQVGenerator Generator;
};
