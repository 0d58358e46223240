#include "update/uQVUpdateCheck.h"

TQVUpdateCheck CompareUpdateVersion(const TQVUpdateDescriptor& Descriptor,
                                    const TQVVersion& LocalVersion,
                                    const QDateTime& LocalDateTime) {
  if (Descriptor.HasVersion) {
    if (Descriptor.Version > LocalVersion) return ucNewerByVersion;
    if (Descriptor.Version < LocalVersion) return ucNoNewer;
  }
  if (Descriptor.Date.isValid()) {
    if (!LocalDateTime.isValid()) return ucNewerByDate;
    if (!Descriptor.Time.isValid())
      return Descriptor.Date > LocalDateTime.date() ? ucNewerByDate : ucNoNewer;
    const QTime local = LocalDateTime.time();
    const QDateTime localMinute(LocalDateTime.date(), QTime(local.hour(), local.minute()));
    return QDateTime(Descriptor.Date, Descriptor.Time) > localMinute ? ucNewerByDate : ucNoNewer;
  }
  return Descriptor.HasVersion ? ucNoNewer : ucNewer;
}
