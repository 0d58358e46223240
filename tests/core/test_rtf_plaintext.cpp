// The visible text of note bodies, and the command-line tool that prints it for every note.

#include "rtf/uRtfPlainTextSink.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

struct TTextCase {
  const char* Rtf;
  const char* Text;
};

const TTextCase TextCases[] = {
    {"{\\rtf1 one\\par two\\par}", "one\ntwo"},
    {"{\\rtf1 one\\par\\par three}", "one\n\nthree"},
    {"{\\rtf1 a\\tab b\\line c}", "a\tb\nc"},
    {"{\\rtf1 {\\pict\\pngblip 00}x{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}}",
     "xlink"},
    // Cells by tabs, rows by lines, paragraphs in a cell by a space; empty cells keep their tab.
    {"{\\rtf1 before\\par\\trowd\\cellx1\\cellx2\\cellx3\\intbl a\\par b\\cell\\cell c\\cell\\row"
     "\\intbl d\\cell e\\cell f\\cell\\row\\pard after\\par}",
     "before\na b\t\tc\nd\te\tf\nafter"},
    {"{\\rtf1 {\\*\\pn\\pnlvlblt{\\pntxtb x}}{\\pntext 1.\\tab}item}", "item"},
    {"", ""},
};

TEST(RtfPlainText, VisibleText) {
  for (const TTextCase& c : TextCases)
    EXPECT_EQ(RtfToPlainText(c.Rtf), c.Text) << c.Rtf;
}

std::string RunTool(const std::string& Arguments, int& ExitCode) {
  const std::string command = std::string(QV_TOOL_PATH) + " " + Arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, n);
  ExitCode = WEXITSTATUS(pclose(pipe));
  return output;
}

TEST(RtfPlainText, ToolPrintsEveryNoteWithItsCaptionPath) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("quillery_text_" + std::to_string(getpid()) + ".xml");
  {
    std::ofstream out(file, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Quillery V=\"V1.0\"><NoticeRoot ID=\"1\">"
           "<NoticeList ID=\"-1\">"
           "<Notice ID=\"2\"><ParameterList ID=\"-2\"><Parameter Name=\"Caption\" Value=\"Work\"/>"
           "<Parameter Name=\"Note\" Value=\"{\\rtf1\\ansi\\ansicpg1252 Gr\\'fc\\'dfe\\par "
           "zweite Zeile\\par}\"/></ParameterList>"
           "<NoticeList ID=\"-3\"><Notice ID=\"3\"><ParameterList ID=\"-4\">"
           "<Parameter Name=\"Caption\" Value=\"Plans\"/>"
           "<Parameter Name=\"Note\" Value=\"{\\rtf1\\trowd\\cellx1\\cellx2\\intbl a\\cell "
           "b\\cell\\row}\"/></ParameterList></Notice></NoticeList></Notice>"
           "<Notice ID=\"4\"><ParameterList ID=\"-5\"><Parameter Name=\"Caption\" Value=\"Empty\"/>"
           "</ParameterList></Notice>"
           "</NoticeList></NoticeRoot></Quillery>";
  }
  int exitCode = -1;
  const std::string output = RunTool("text --from-xml " + file.string(), exitCode);
  std::filesystem::remove(file);
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(output, "Work: Grüße\nWork: zweite Zeile\nWork/Plans: a\tb\nEmpty: \n");
}

TEST(RtfPlainText, ToolReportsAMissingFile) {
  int exitCode = 0;
  const std::string output = RunTool("text /nonexistent/notes.qvx", exitCode);
  EXPECT_EQ(exitCode, 1);
  EXPECT_EQ(output.rfind("quillery-tool: ", 0), 0u) << output;
  RunTool("text", exitCode);
  EXPECT_EQ(exitCode, 2);
}

} // namespace
