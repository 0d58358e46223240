#pragma once
// Writing the editor's QTextDocument as RTF that other programs read: font and colour tables,
// \uN escapes for every non-ASCII character (the text stays 7-bit), character and paragraph
// formats, lists (\listtable and \ls, with \pntext for readers without lists), tables,
// pictures (\pngblip, \jpegblip), hyperlinks (HYPERLINK fields), page breaks and the document
// background. The same document always gives the same text.

#include <string>

class QTextDocument;

std::string WriteRtfDocument(const QTextDocument& Document);
