#include "model/uController.h"

#include "core/uQVError.h"

#include <limits>

std::int32_t TQVGenerator::NextPositive() {
  if (LastPositive == std::numeric_limits<std::int32_t>::max())
    throw EQVError("The document has run out of identifiers.");
  return ++LastPositive;
}

std::int32_t TQVGenerator::NextNegative() {
  if (LastNegative == std::numeric_limits<std::int32_t>::min())
    throw EQVError("The document has run out of identifiers.");
  return --LastNegative;
}

void TQVGenerator::SetCounters(std::int32_t Positive, std::int32_t Negative) {
  LastPositive = Positive;
  LastNegative = Negative;
}
