// The recently used files: order, the limit of five, the same file under another name.

#include "model/uQVXmlParse.h"
#include "settings/myFileCtrls.h"
#include "test_settings_support.h"

#include <filesystem>

using namespace settings_test;
namespace fs = std::filesystem;

namespace {

TLastFileList ListOf(const std::vector<std::string>& Items) {
  TLastFileList list;
  for (const auto& item : Items)
    list.Add(item);
  return list;
}

} // namespace

TEST(RecentFiles, AddFileRules) {
  using TItems = std::vector<std::string>;
  struct TCase {
    const char* What;
    TItems Before;
    std::string Added;
    TItems After;
  };
  const TCase cases[] = {
      {"into an empty list", {}, "/a", {"/a"}},
      {"a sixth file drops the oldest",
       {"/5", "/4", "/3", "/2", "/1"},
       "/6",
       {"/6", "/5", "/4", "/3", "/2"}},
      {"a listed file moves to the top", {"/a", "/b", "/c", "/d"}, "/d", {"/d", "/a", "/b", "/c"}},
      {"the top file stays", {"/a", "/b"}, "/a", {"/a", "/b"}},
      // Linux file names differ by letter case.
      {"another spelling is another file",
       {"/a", "/b", "/c", "/data/a.qvx"},
       "/DATA/A.qvx",
       {"/DATA/A.qvx", "/a", "/b", "/c", "/data/a.qvx"}},
      {"an empty name changes nothing", {"/a", "/b"}, "", {"/a", "/b"}},
      {"a longer list read from the file loses one entry for one added",
       {"/7", "/6", "/5", "/4", "/3", "/2", "/1"},
       "/8",
       {"/8", "/7", "/6", "/5", "/4", "/3", "/2"}},
  };
  for (const TCase& c : cases) {
    TLastFileList list = ListOf(c.Before);
    list.AddFile(c.Added);
    EXPECT_EQ(list.Items(), c.After) << c.What;
  }
}

TEST(RecentFiles, TheSameFileUnderAnotherNameMovesAndKeepsItsSpelling) {
  TScratch scratch;
  WriteText(scratch.File("a.qvx"), "x");
  fs::create_symlink(scratch.File("a.qvx"), scratch.File("link.qvx"));
  TLastFileList list = ListOf({"/x", "/y", "/z", scratch.File("a.qvx")});
  list.AddFile(scratch.File("link.qvx"));
  EXPECT_EQ(list.Items(), (std::vector<std::string>{scratch.File("a.qvx"), "/x", "/y", "/z"}));
  list.AddFile(scratch.Path.string() + "/./a.qvx");
  EXPECT_EQ(list.Count(), 4u);
  EXPECT_EQ(list[0], scratch.File("a.qvx"));
}

TEST(RecentFiles, LastFileIsTheNewestOnlyWhenItExists) {
  TScratch scratch;
  WriteText(scratch.File("old.qvx"), "x");
  WriteText(scratch.File("new.qvx"), "x");
  fs::create_directory(scratch.File("folder.qvx"));
  TLastFileList list = ListOf({scratch.File("new.qvx"), scratch.File("old.qvx")});
  EXPECT_EQ(list.LastFile(), scratch.File("new.qvx"));
  fs::remove(scratch.File("new.qvx"));
  EXPECT_EQ(list.LastFile(), "");
  EXPECT_EQ(ListOf({scratch.File("folder.qvx")}).LastFile(), "");
  EXPECT_EQ(TLastFileList().LastFile(), "");
}

TEST(RecentFiles, XmlFormKeepsOrderAndHasNoLimit) {
  pugi::xml_document doc;
  ParseXmlText(doc, "<R><LastFileList><File>/1</File><File>/2</File><File>/3</File>"
                    "<File>/4</File><File>/5</File><File>/6</File><File>/7</File>"
                    "</LastFileList></R>");
  TLastFileList list;
  list.ReadFromXml(doc.document_element(), "LastFileList");
  ASSERT_EQ(list.Count(), 7u);
  EXPECT_EQ(list[0], "/1");
  EXPECT_EQ(list[6], "/7");
  pugi::xml_document written;
  pugi::xml_node root = written.append_child("R");
  list.WriteToXml(root, "LastFileList");
  std::vector<std::string> texts;
  for (pugi::xml_node file : root.child("LastFileList").children()) {
    EXPECT_STREQ(file.name(), "File");
    texts.push_back(file.text().get());
  }
  EXPECT_EQ(texts, list.Items());
  // A missing element gives an empty list.
  list.ReadFromXml(root, "Missing");
  EXPECT_EQ(list.Count(), 0u);
}
