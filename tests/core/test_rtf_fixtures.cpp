// Golden files: RTF written by other programs (hand-made in the style of older editors, and
// converted by LibreOffice) beside what the reader must report (.events) and the visible text
// (.txt). For some, LibreOffice's own text export (.lo.txt) shows that it reads the same words.

#include "rtf/uRtfPlainTextSink.h"
#include "test_rtf_recorder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFixture(const std::string& Name) {
  std::ifstream file(std::string(QV_TEST_DATA_DIR) + "/rtf/" + Name, std::ios::binary);
  EXPECT_TRUE(file.good()) << Name;
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> Words(const std::string& Text) {
  std::vector<std::string> words;
  std::istringstream in(Text);
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

// LibreOffice's text export puts list markers before list items; they are not the note's text.
bool IsListMarker(const std::string& Word) {
  if (Word == "\xE2\x80\xA2" || Word == "\xE2\x97\xA6") return true; // bullet, white bullet
  return Word.size() >= 2 && (Word.back() == '.' || Word.back() == ')') &&
         Word.find_first_not_of("0123456789abcdefghij") == Word.size() - 1;
}

class RtfFixture : public testing::TestWithParam<const char*> {};

TEST_P(RtfFixture, ReadsTheGoldenEventsAndText) {
  const std::string name = GetParam();
  const std::string rtf = ReadFixture(name + ".rtf");
  EXPECT_EQ(RecordRtf(rtf), ReadFixture(name + ".events"));
  std::string text = ReadFixture(name + ".txt");
  EXPECT_EQ(RtfToPlainText(rtf), text);
}

INSTANTIATE_TEST_SUITE_P(Files, RtfFixture,
                         testing::Values("wordpad_cp1252", "wordpad_cp1251", "wordpad_cp932",
                                         "word_unicode", "lo_sample"));

TEST(RtfFixtureAgainstLibreOffice, SameWordsAsLibreOfficeReads) {
  for (const char* name : {"wordpad_cp1252", "lo_sample"}) {
    SCOPED_TRACE(name);
    std::vector<std::string> theirs;
    for (const std::string& word : Words(ReadFixture(std::string(name) + ".lo.txt")))
      if (!IsListMarker(word)) theirs.push_back(word);
    EXPECT_EQ(Words(RtfToPlainText(ReadFixture(std::string(name) + ".rtf"))), theirs);
  }
}

// A few properties spelled out, so that a wrong golden file cannot hide them.
TEST(RtfFixtureFormats, OlderEditorCodePageAndFormats) {
  const std::string events = RecordRtf(ReadFixture("wordpad_cp1252.rtf"));
  EXPECT_NE(events.find("text \"Schöne Grüße aus München – „Anführung“ für 5 €\" fs20\n"),
            std::string::npos);
  EXPECT_NE(events.find("text \"fett\" b fs20\n"), std::string::npos);
  EXPECT_NE(events.find("text \"blau groß\" fs28 cf0000ff\n"), std::string::npos);
  EXPECT_NE(events.find("text \"Erster Punkt\" fs20\npar li720 fi-720 pn1:0\n"), std::string::npos);
  EXPECT_NE(events.find("text \"Eins\" fs20\npar li720 fi-720 pn2:0\n"), std::string::npos);
  EXPECT_NE(events.find("link http://www.example.de/\ntext \"Beispiel\" u1 fs20 cf0000ff\n/link"),
            std::string::npos);
}

TEST(RtfFixtureFormats, LibreOfficeListsTablesLinksAndPictures) {
  const std::string events = RecordRtf(ReadFixture("lo_sample.rtf"));
  EXPECT_NE(events.find("text \"Nested bullet\"\npar li1418 fi-283 sa283 list1:1\n"),
            std::string::npos);
  EXPECT_NE(events.find("text \"Two\"\npar li709 fi-283 sa283 list2:0\n"), std::string::npos);
  EXPECT_NE(events.find("text \"Merged\"\ncell sa283\n/row 1096bg00ff00\n/table\n"),
            std::string::npos);
  EXPECT_NE(events.find("link https://example.com/page?x=1\n"), std::string::npos);
  EXPECT_NE(events.find("par sa283 pagebreak\n"), std::string::npos);
  EXPECT_NE(events.find("pict png 75 bytes 120x60\n"), std::string::npos);
}

} // namespace
