#pragma once
// The RTF reader: tokenises and interprets RTF and tells a sink what it finds. It never fails:
// damaged or hostile input (unbalanced braces, very deep nesting, huge \bin lengths, broken
// escapes, truncation) gives whatever could be read. Work and memory are linear in the input.
// Text that does not start with "{\rtf" is taken as plain text, one paragraph per line.

#include "rtf/uRtfSink.h"

#include <cstddef>
#include <string_view>

// Groups nested deeper than this share the state of the deepest one instead of stacking more.
inline constexpr std::size_t RtfMaxGroupDepth = 1024;

void ReadRtf(std::string_view Rtf, TRtfSink& Sink);
