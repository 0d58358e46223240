#pragma once
// Log lines (command steps, start-up steps). Nothing is kept; a front end may install a sink
// that shows them.

#include <string_view>

using TQVLogSink = void (*)(std::string_view Subject, std::string_view Text);

void SetLogSink(TQVLogSink Sink);
void AddLogLine(std::string_view Subject, std::string_view Text);
