#include "core/uQVLog.h"

namespace {
TQVLogSink CurrentSink = nullptr;
}

void SetLogSink(TQVLogSink Sink) {
  CurrentSink = Sink;
}

void AddLogLine(std::string_view Subject, std::string_view Text) {
  if (CurrentSink) CurrentSink(Subject, Text);
}
