// The command-line tool, run as a user runs it.

#include "uTestGlobals.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace {

struct TRun {
  int Code;
  std::string Out;
};

TRun Tool(const std::string& Arguments, const std::string& ErrFile) {
  const std::string command = std::string(QV_TOOL_PATH) + " " + Arguments + " 2>" + ErrFile;
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    out.append(buffer.data(), n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

} // namespace

TEST(QuilleryTool, ConvertAndInfo) {
  TTempFolder folder;
  const std::string err = folder.File("err.txt");
  const std::string qvx = folder.File("new.qvx"), xml = folder.File("new.xml"),
                    back = folder.File("back.qvx");
  ASSERT_EQ(Tool("convert --new " + qvx, err).Code, 0);
  const TRun info = Tool("info " + qvx, err);
  EXPECT_EQ(info.Code, 0);
  EXPECT_EQ(info.Out, "notes: 1\ntasks: 0\ndeepest level: 1\nidentifiers: -6 to 3\n"
                      "format mark: V1.0\n");
  ASSERT_EQ(Tool("convert --xml " + qvx + " " + xml, err).Code, 0);
  EXPECT_EQ(ReadFileBytes(xml).rfind("<?xml", 0), 0u);
  ASSERT_EQ(Tool("convert --from-xml " + xml + " " + back, err).Code, 0);
  EXPECT_EQ(ZlibInflate(ReadFileBytes(back)), ReadFileBytes(xml));
  EXPECT_EQ(Tool("info --from-xml " + xml, err).Out, info.Out);
}

TEST(QuilleryTool, ErrorsAreOneLineAndWriteNothing) {
  TTempFolder folder;
  const std::string err = folder.File("err.txt");
  const std::string existing = folder.File("existing.qvx"), xml = folder.File("plain.xml");
  ASSERT_EQ(Tool("convert --new " + existing, err).Code, 0);
  ASSERT_EQ(Tool("convert --xml " + existing + " " + xml, err).Code, 0);
  const std::string before = ReadFileBytes(existing);
  // The plain export is not a data file: a clear error, the existing output untouched.
  const TRun failed = Tool("convert " + xml + " " + existing, err);
  EXPECT_EQ(failed.Code, 1);
  const std::string message = ReadFileBytes(err);
  EXPECT_NE(message.find("plain XML"), std::string::npos) << message;
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
  EXPECT_EQ(ReadFileBytes(existing), before);
  EXPECT_EQ(Tool("info " + folder.File("missing.qvx"), err).Code, 1);
  for (const std::string args :
       {"", "convert", "convert a", "info", "frobnicate x", "info --bad x"})
    EXPECT_EQ(Tool(args, err).Code, 2) << args;
}
