// The data file: its exact form, round trips, backups, damaged input and failed writes.

#include "core/uQVError.h"
#include "model/uController.h"
#include "model/uFileQVX.h"
#include "model/uQVXmlParse.h"
#include "uTestGlobals.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Builds the example of the format description: a red, bold task sub-note with icon 7.
TQVNotice* AddExampleTask() {
  auto* welcome = static_cast<TQVNotice*>(AllData->GetNoticeRoot()->GetChildList()->Children[0]);
  auto* task = static_cast<TQVNotice*>(welcome->CreateChild());
  task->GetChildList(); // as the notes tree does when it shows the new note
  task->GetParameter("Caption")->SetValue("Buy <milk> & \"bread\"\tnow");
  task->GetParameter("Task")->SetAsBoolean(true);
  task->GetParameter("TaskDT")->SetAsDateTime(45000.75);
  task->GetParameter("Note")->SetValue("{\\rtf1\\ansi line one\\par\r\nline two \\u228?}");
  task->Layout.Font.Color = 0x000000FF;
  task->Layout.Font.Style.Bold = true;
  task->Layout.IconIndex = 7;
  task->Layout.Modified = true;
  AllData->GetNoticeRoot()->LastID = task->ID;
  return task;
}

// Everything a reload must reproduce, as one comparable text.
std::string Fingerprint(const TQVBaseData& Object) {
  std::string out;
  std::vector<std::pair<const TQVBaseData*, int>> pending{{&Object, 0}};
  while (!pending.empty()) {
    auto [o, depth] = pending.back();
    pending.pop_back();
    out += std::string(static_cast<std::size_t>(depth), ' ') + o->TagName;
    // Parameters carry no identifier in the file.
    if (auto* p = dynamic_cast<const TQVParameter*>(o))
      out += " " + p->Name + "=" + p->Value;
    else
      out += " " + std::to_string(o->ID);
    if (auto* i = dynamic_cast<const TQVBaseItem*>(o)) {
      out += " " + DateTimeToXmlText(i->CreateDate) + " " + DateTimeToXmlText(i->ChangeDate) + " " +
             i->Layout.Font.Name + " " + std::to_string(i->Layout.Font.Size) + " " +
             std::to_string(i->Layout.Font.Color) + " " +
             std::to_string(i->Layout.Font.Style.Bold) +
             std::to_string(i->Layout.Font.Style.Italic) +
             std::to_string(i->Layout.Font.Style.Underline) +
             std::to_string(i->Layout.Font.Style.Strikeout) + " " +
             std::to_string(i->Layout.IconIndex);
    }
    if (auto* r = dynamic_cast<const TQVNoticeRoot*>(o))
      out += " last=" + std::to_string(r->LastID);
    out += "\n";
    for (auto it = o->Children.Raw().rbegin(); it != o->Children.Raw().rend(); ++it)
      pending.push_back({it->get(), depth + 1});
  }
  return out;
}

ssize_t FailAfter(int Fd, const void* Data, std::size_t Size);
std::size_t FailBudget = 0;
ssize_t FailAfter(int Fd, const void* Data, std::size_t Size) {
  if (FailBudget == 0) {
    errno = ENOSPC;
    return -1;
  }
  const std::size_t n = Size < FailBudget ? Size : FailBudget;
  FailBudget -= n;
  return write(Fd, Data, n);
}

} // namespace

TEST_F(TGlobalsTest, SavedFileHasTheExactForm) {
  TTempFolder folder;
  OpenTemplate();
  AddExampleTask();
  const std::string file = folder.File("notes.qvx");
  AllData->SaveToFile(file, true, true);
  const std::string bytes = ReadFileBytes(file);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0x01);
  const std::string xml = ZlibInflate(bytes); // zlib itself reads our stream
  EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Quillery V=\"V1.0\" ID=\"0\" "
                      "CreateDate=\"",
                      0),
            0u);
  EXPECT_EQ(xml.find('\n'), xml.find("\r\n") + 1);
  EXPECT_EQ(xml.find("ImageIndex"), std::string::npos);
  // The sub-note, as the format's example shows it.
  const std::string expected =
      "            <Layout>\r\n"
      "              <Font Name=\"Arial\" Size=\"10\" Color=\"000000FF\">\r\n"
      "                <Style Bold=\"True\" Italic=\"False\" Underline=\"False\" "
      "Strikeout=\"False\"/>\r\n"
      "              </Font>\r\n"
      "              <TreeIcon Index=\"7\"/>\r\n"
      "            </Layout>\r\n"
      "            <ParameterList ID=\"-7\">\r\n"
      "              <Parameter Name=\"Caption\" Value=\"Buy &lt;milk&gt; &amp; "
      "&quot;bread&quot;&#9;now\"/>\r\n"
      "              <Parameter Name=\"Task\" Value=\"-1\"/>\r\n"
      "              <Parameter Name=\"TaskDT\" Value=\"2023-03-15T18:00:00.000Z\"/>\r\n";
  EXPECT_NE(xml.find(expected), std::string::npos) << xml;
  EXPECT_NE(xml.find("<NoticeRoot ID=\"2\""), std::string::npos);
  EXPECT_NE(xml.find("LastID=\"4\">\r\n    <Layout>"), std::string::npos);
  EXPECT_NE(xml.find("<NoticeList ID=\"-9\"/>"), std::string::npos);
  EXPECT_FALSE(AllData->GetModified());
}

TEST_F(TGlobalsTest, ReloadReproducesEveryValue) {
  TTempFolder folder;
  OpenTemplate();
  AddExampleTask();
  const std::string file = folder.File("round.qvx");
  AllData->SaveToFile(file, true, true);
  const std::string before = Fingerprint(*AllData);
  LoadDocument(file);
  EXPECT_EQ(Fingerprint(*AllData), before);
  EXPECT_EQ(AllData->FileName, file);
  EXPECT_FALSE(AllData->GetModified());
  // Plain XML export reads back the same, through the rescue path.
  const std::string xmlFile = folder.File("round.xml");
  AllData->SaveToFile(xmlFile, false);
  LoadDocument(xmlFile, false);
  EXPECT_EQ(Fingerprint(*AllData), before);
}

TEST_F(TGlobalsTest, ChangeDatesRefreshOnlyForModifiedBranches) {
  TTempFolder folder;
  OpenTemplate();
  TQVNotice* a = Welcome();
  TQVBaseItem* b = Root()->CreateChild();
  const std::string file = folder.File("dates.qvx");
  AllData->SaveToFile(file, true, false);
  // Force old stamps, then save without changes: nothing moves.
  for (TQVBaseItem* i : {static_cast<TQVBaseItem*>(AllData), static_cast<TQVBaseItem*>(Root()),
                         static_cast<TQVBaseItem*>(a), b})
    i->ChangeDate = 1000;
  AllData->SaveToFile(file, true, false);
  EXPECT_EQ(a->ChangeDate, 1000);
  EXPECT_EQ(AllData->ChangeDate, 1000);
  // A caption change refreshes that note and its ancestors, not its sibling.
  a->GetParameter("Caption")->SetValue("Changed");
  AllData->SaveToFile(file, true, false);
  EXPECT_GT(a->ChangeDate, 1000);
  EXPECT_GT(Root()->ChangeDate, 1000);
  EXPECT_GT(AllData->ChangeDate, 1000);
  EXPECT_EQ(b->ChangeDate, 1000);
}

TEST_F(TGlobalsTest, BackupHoldsThePreviousVersion) {
  TTempFolder folder;
  OpenTemplate();
  const std::string file = folder.File("b.qvx");
  AllData->SaveToFile(file, true, true); // first save: nothing to back up, no error
  EXPECT_FALSE(std::filesystem::exists(file + ".bak"));
  const std::string first = ReadFileBytes(file);
  Welcome()->GetParameter("Caption")->SetValue("Second");
  AllData->SaveToFile(file, true, true);
  EXPECT_EQ(ReadFileBytes(file + ".bak"), first);
  const std::string second = ReadFileBytes(file);
  AllData->SaveToFile(folder.File("b.xml"), false, true); // plain XML makes no backup
  EXPECT_FALSE(std::filesystem::exists(folder.File("b.xml.bak")));
  Welcome()->GetParameter("Caption")->SetValue("Third");
  AllData->SaveToFile(file, true, false); // backup off: the old backup stays
  EXPECT_EQ(ReadFileBytes(file + ".bak"), first);
  const std::string third = ReadFileBytes(file);
  EXPECT_NE(third, second);
  Welcome()->GetParameter("Caption")->SetValue("Fourth");
  AllData->SaveToFile(file, true, true);
  EXPECT_EQ(ReadFileBytes(file + ".bak"), third);
}

TEST_F(TGlobalsTest, AFailedWriteLosesNothing) {
  TTempFolder folder;
  OpenTemplate();
  // Bodies that do not compress well, so the file spans many 4 KiB blocks.
  std::uint32_t seed = 1;
  for (int i = 0; i < 200; ++i) {
    std::string body;
    for (int k = 0; k < 300; ++k) {
      seed = seed * 1103515245 + 12345;
      body += static_cast<char>('a' + (seed >> 16) % 26);
    }
    Welcome()->CreateChild()->SetParameter("Note", body);
  }
  const std::string file = folder.File("safe.qvx");
  AllData->SaveToFile(file, true, true);
  Welcome()->GetParameter("Caption")->SetValue("Second version");
  AllData->SaveToFile(file, true, true);
  const std::string good = ReadFileBytes(file);
  const std::string goodBackup = ReadFileBytes(file + ".bak");
  ASSERT_GT(good.size(), 8u * 4096);
  Welcome()->GetParameter("Caption")->SetValue("Unsaved change");
  // Fail at every 4 KiB boundary of the write until the whole file fits.
  std::size_t failures = 0;
  for (std::size_t budget = 0;; budget += 4096) {
    FailBudget = budget;
    TQVFileOperation::SetWriteFunction(&FailAfter);
    bool saved = false;
    try {
      AllData->SaveToFile(file, true, true);
      saved = true;
    } catch (const EQVError& error) {
      ++failures;
      EXPECT_NE(std::string(error.what()).find("No space left"), std::string::npos);
    }
    TQVFileOperation::SetWriteFunction(nullptr);
    if (saved) {
      EXPECT_GE(budget, ReadFileBytes(file).size());
      break;
    }
    EXPECT_TRUE(ReadFileBytes(file) == good) << "budget " << budget;
    EXPECT_TRUE(ReadFileBytes(file + ".bak") == goodBackup) << "budget " << budget;
    EXPECT_TRUE(AllData->GetModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path),
                            std::filesystem::directory_iterator()),
              2)
        << "a temporary file was left behind";
  }
  EXPECT_GE(failures, 8u);
  EXPECT_FALSE(AllData->GetModified());
  LoadDocument(file);
  EXPECT_EQ(Welcome()->Caption(), "Unsaved change");
}

TEST_F(TGlobalsTest, SavingIntoAReadOnlyFolderFailsClearly) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TTempFolder folder;
  OpenTemplate();
  const std::string file = folder.File("ro.qvx");
  AllData->SaveToFile(file, true, true);
  const std::string good = ReadFileBytes(file);
  chmod(folder.Path.c_str(), 0500);
  Welcome()->GetParameter("Caption")->SetValue("x");
  EXPECT_THROW(AllData->SaveToFile(file, true, true), EQVError);
  chmod(folder.Path.c_str(), 0700);
  EXPECT_EQ(ReadFileBytes(file), good);
}

TEST_F(TGlobalsTest, SavingKeepsModeAndSymbolicLinks) {
  TTempFolder folder;
  OpenTemplate();
  const std::string file = folder.File("m.qvx");
  AllData->SaveToFile(file, true, false);
  chmod(file.c_str(), 0640);
  const std::string link = folder.File("link.qvx");
  std::filesystem::create_symlink(file, link);
  Welcome()->GetParameter("Caption")->SetValue("through the link");
  AllData->SaveToFile(link, true, false);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  struct stat info {};
  stat(file.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  LoadDocument(file);
  EXPECT_EQ(Welcome()->Caption(), "through the link");
}

TEST_F(TGlobalsTest, DamagedInputIsAClearError) {
  TTempFolder folder;
  OpenTemplate();
  const std::string good = folder.File("good.qvx");
  AllData->SaveToFile(good, true, false);
  const std::string bytes = ReadFileBytes(good);
  const std::string plainXml = ZlibInflate(bytes);
  std::string flipped = bytes;
  flipped[bytes.size() / 2] = static_cast<char>(flipped[bytes.size() / 2] ^ 0x55);
  const std::string badId = ZlibDeflate(
      "<Quillery><NoticeRoot ID=\"2\"><NoticeList ID=\"x1\"/></NoticeRoot></Quillery>", 6);
  struct {
    const char* Name;
    std::string Bytes;
    const char* Message;
  } cases[] = {
      {"empty.qvx", "", "is empty"},
      {"plain.qvx", plainXml, "plain XML"},
      {"truncated.qvx", bytes.substr(0, bytes.size() - 9), "damaged or incomplete"},
      {"flipped.qvx", flipped, "damaged"},
      {"random.qvx", "\x01\x02\x03\x04 not a data file", "not a Quillery data file"},
      {"notxml.qvx", ZlibDeflate("just text, no markup", 1), "not well-formed"},
      {"wrongroot.qvx", ZlibDeflate("<Other/>", 1), "not a Quillery document"},
      {"badid.qvx", badId, "invalid identifier \"x1\""},
  };
  for (const auto& c : cases) {
    const std::string file = folder.File(c.Name);
    WriteFileBytes(file, c.Bytes);
    try {
      LoadDocument(file);
      ADD_FAILURE() << c.Name << " loaded";
    } catch (const EQVError& error) {
      EXPECT_NE(std::string(error.what()).find(c.Message), std::string::npos)
          << c.Name << ": " << error.what();
    }
    EXPECT_EQ(ReadFileBytes(file), c.Bytes) << c.Name; // reading changes no file
    EXPECT_FALSE(Globals->Busy);
  }
  EXPECT_THROW(LoadDocument(folder.File("missing.qvx")), EQVError);
  EXPECT_THROW(LoadDocument(folder.Path.string()), EQVError); // a folder
}

TEST_F(TGlobalsTest, AStreamThatInflatesBeyondTheBoundIsRefused) {
  // 2 MiB of zeros in a few KiB; with a small bound this is exactly the bomb case.
  const std::string bomb = ZlibDeflate(std::string(2 << 20, '\0'), 9);
  TQVMemory out;
  EXPECT_EQ(
      InflateZlib(reinterpret_cast<const unsigned char*>(bomb.data()), bomb.size(), 1 << 20, out),
      TQVInflateResult::TooLarge);
  EXPECT_EQ(
      InflateZlib(reinterpret_cast<const unsigned char*>(bomb.data()), bomb.size(), 2 << 20, out),
      TQVInflateResult::Ok);
  EXPECT_EQ(out.Size(), std::size_t(2) << 20);
}

TEST_F(TGlobalsTest, VersionMarksAndMissingAttributesReadAlike) {
  TTempFolder folder;
  for (const char* mark : {" V=\"V3.0\"", " V=\"whatever\"", ""}) {
    const std::string xml = std::string("<?xml version=\"1.0\"?><Quillery") + mark +
                            "><NoticeRoot ID=\"2\"><NoticeList ID=\"-1\"><Notice ID=\"3\">"
                            "<ParameterList ID=\"-2\"><Parameter Name=\"Caption\"/>"
                            "</ParameterList></Notice></NoticeList></NoticeRoot></Quillery>";
    const std::string file = folder.File("v.qvx");
    WriteFileBytes(file, ZlibDeflate(xml, 6));
    LoadDocument(file);
    EXPECT_EQ(Root()->LastID, 0);
    EXPECT_EQ(Welcome()->ID, 3);
    EXPECT_EQ(Welcome()->Caption(), "");
    EXPECT_GT(Welcome()->CreateDate, 40000); // absent dates: now
    EXPECT_EQ(Welcome()->Layout.Font.Name, "Arial");
  }
  AllData->SaveToFile(folder.File("v2.qvx"), true, false);
  EXPECT_NE(ZlibInflate(ReadFileBytes(folder.File("v2.qvx"))).find("LastID=\"0\""),
            std::string::npos);
}

TEST_F(TGlobalsTest, ItemsWithoutIdentifiersGetFreshOnes) {
  TTempFolder folder;
  const std::string xml = "<Quillery><NoticeRoot ID=\"10\"><NoticeList><Notice/><Notice ID=\"\"/>"
                          "<Notice ID=\"7\"><NoticeList ID=\"-3\"/></Notice></NoticeList>"
                          "</NoticeRoot></Quillery>";
  const std::string file = folder.File("noids.qvx");
  WriteFileBytes(file, ZlibDeflate(xml, 6));
  LoadDocument(file);
  std::vector<std::int32_t> ids;
  std::vector<TQVBaseData*> pending{Root()};
  while (!pending.empty()) {
    TQVBaseData* o = pending.back();
    pending.pop_back();
    if (!o->IsParameterLike()) ids.push_back(o->ID);
    for (const auto& c : o->Children)
      pending.push_back(c.get());
  }
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "identifiers repeat";
  EXPECT_EQ(std::count(ids.begin(), ids.end(), 0), 0);
  EXPECT_EQ(AllData->FindByID(7)->GetTagName(), "Notice"); // carried identifiers stay
  EXPECT_EQ(AllData->FindByID(10), Root());
  EXPECT_EQ(AllData->FindByID(11)->GetTagName(), "Notice"); // fresh ones continue above
}

TEST_F(TGlobalsTest, AHundredThousandLevelsLoadSaveAndFind) {
  TTempFolder folder;
  constexpr int Depth = 100000;
  std::string xml = "<Quillery><NoticeRoot ID=\"1\"><NoticeList ID=\"-1\">";
  for (int i = 0; i < Depth; ++i)
    xml += "<Notice ID=\"" + std::to_string(i + 2) + "\"><NoticeList ID=\"-" +
           std::to_string(i + 2) + "\">";
  for (int i = 0; i < Depth; ++i)
    xml += "</NoticeList></Notice>";
  xml += "</NoticeList></NoticeRoot></Quillery>";
  const std::string file = folder.File("deep.qvx");
  WriteFileBytes(file, ZlibDeflate(xml, 1));
  LoadDocument(file);
  TQVBaseData* deepest = AllData->FindByID(Depth + 1);
  ASSERT_NE(deepest, nullptr);
  EXPECT_EQ(deepest->GetTagName(), "Notice");
  deepest->SetParameter("Caption", "bottom");
  AllData->SaveToFile(file, true, true);
  LoadDocument(file);
  EXPECT_EQ(static_cast<TQVNotice*>(AllData->FindByID(Depth + 1))->Caption(), "bottom");
  EXPECT_EQ(CountNotices(*AllData), static_cast<std::size_t>(Depth) + 1);
  // Undo of a delete near the top re-creates the whole chain.
  const std::string copy = AllData->FindByID(2)->SaveToXmlString();
  EXPECT_GT(copy.size(), static_cast<std::size_t>(Depth) * 50);
  NewDocument(); // frees the deep document without recursion
}
