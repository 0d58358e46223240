#pragma once
// Field instructions as RTF carries them in \fldinst: the target of a HYPERLINK field.

#include <string>
#include <string_view>

// The target of "HYPERLINK url [\l anchor] [switches]": the url, "#anchor" for a link to a
// bookmark only, or url#anchor. False for any other field or a link without a target.
bool ParseHyperlinkInstruction(std::string_view Instruction, std::string& Target);

// The instruction text of a HYPERLINK field for Target, as ParseHyperlinkInstruction reads it
// (a quote in Target comes back as %22).
std::string MakeHyperlinkInstruction(std::string_view Target);
