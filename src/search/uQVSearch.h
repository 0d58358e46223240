#pragma once
// The two tests of the note search: a caption test that folds only the letters a to z, and a
// text test over the visible text of a note's RTF body, by the editor's own rule (ignoring
// letter case, not whole words only). The visible text comes from the RTF reader, so no hidden
// editor has to lay out every note.

#include <QString>
#include <string_view>

// Whether FindText occurs in Caption once both have a to z made upper case (and nothing else).
bool CaptionContains(std::string_view Caption, std::string_view FindText);
// Whether the visible text of the RTF body contains FindText, ignoring letter case.
bool NoteTextContains(std::string_view Rtf, const QString& FindText);
