#pragma once
// Whether the descriptor offers something newer than the running program, with the result
// codes the update wizard tells apart.

#include "update/uQVUpdateDescriptor.h"

#include <QDateTime>

enum TQVUpdateCheck : int {
  // Newer, but the descriptor says neither version nor date.
  ucNewer = 1,
  ucNewerByDate = 6,
  ucNoNewer = 7,
  ucNewerByVersion = 11,
};

// The version number decides first; an equal (or absent) number lets the date decide: a date
// with a time of day is compared to the minute, a date alone by the day. A descriptor without
// either is taken as newer.
TQVUpdateCheck CompareUpdateVersion(const TQVUpdateDescriptor& Descriptor,
                                    const TQVVersion& LocalVersion, const QDateTime& LocalDateTime);
