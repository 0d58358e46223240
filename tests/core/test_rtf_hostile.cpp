// Damaged and hostile RTF: the reader ends, keeps what it could read and never grows its
// memory with a number taken from the input.

#include "rtf/uRtfPlainTextSink.h"
#include "test_rtf_recorder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// Counts calls, so that a test can see that sink promises hold.
struct TBalanceSink : TRtfSink {
  int Begins = 0, Ends = 0, Rows = 0, Links = 0, MaxRows = 0, MaxLinks = 0;
  std::size_t TextBytes = 0;
  void Begin(const TRtfTables&) override { ++Begins; }
  void End() override { ++Ends; }
  void Text(std::string_view Utf8, const TRtfCharFormat&) override { TextBytes += Utf8.size(); }
  void ParagraphEnd(const TRtfParaFormat&) override {}
  void RowBegin(const TRtfRowFormat&) override { MaxRows = std::max(MaxRows, ++Rows); }
  void RowEnd(const TRtfRowFormat&) override { --Rows; }
  void LinkBegin(std::string_view) override { MaxLinks = std::max(MaxLinks, ++Links); }
  void LinkEnd() override { --Links; }
};

TEST(RtfHostile, AMillionNestedGroups) {
  const std::size_t depth = 1000000;
  const std::string rtf =
      "{\\rtf1 " + std::string(depth, '{') + "\\b deep" + std::string(depth, '}') + " after}";
  EXPECT_EQ(RecordRtf(rtf), "text \"deep\" b\ntext \" after\"\npar\n");
  // Unclosed, too.
  EXPECT_EQ(RtfToPlainText("{\\rtf1 " + std::string(depth, '{') + "x"), "x");
}

TEST(RtfHostile, UnbalancedBraces) {
  EXPECT_EQ(RtfToPlainText("{\\rtf1 a}}}}b"), "a");
  EXPECT_EQ(RtfToPlainText("{\\rtf1 {{{a"), "a");
  EXPECT_EQ(RtfToPlainText("{\\rtf1 {\\*\\skipped {{{ never closed"), "");
}

TEST(RtfHostile, HugeNumbers) {
  // A \bin length far beyond the input, parameters beyond 32 bits, a huge \uc.
  EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\bin99999999999 b}"), "a");
  EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\bin-5 b}"), "ab");
  EXPECT_EQ(RtfToPlainText("{\\rtf1\\fs99999999999999999999 a\\li-99999999999 b\\par}"), "ab");
  EXPECT_EQ(RtfToPlainText("{\\rtf1\\uc2147483647\\u65 xyz} "), "A");
  EXPECT_EQ(RtfToPlainText("{\\rtf1{\\pict\\pngblip\\bin2147483647 12"), "");
  EXPECT_EQ(RtfToPlainText("{\\rtf1\\u99999999 \\u-99999999 x}"), "x");
}

TEST(RtfHostile, BrokenEscapes) {
  EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\'zzb}"), "azzb");
  EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\'4g}"), "ag");
  EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\"), "a");
  EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\u"), "a");
  EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\'"), "a");
  // A double-byte lead byte at the end pairs with nothing.
  EXPECT_EQ(RtfToPlainText("{\\rtf1\\ansicpg932 a\\'82}"), "a");
  // An unknown code page falls back to Windows-1252.
  EXPECT_EQ(RtfToPlainText("{\\rtf1\\ansicpg77777 \\'e4}"), "ä");
}

TEST(RtfHostile, ManyTableEntriesAreCapped) {
  std::string rtf = "{\\rtf1{\\colortbl";
  for (int i = 0; i < 70000; ++i)
    rtf += ";";
  rtf += "}{\\fonttbl";
  for (int i = 0; i < 5000; ++i)
    rtf += "{\\f" + std::to_string(i) + " F;}";
  rtf += "}\\trowd";
  for (int i = 0; i < 1000; ++i)
    rtf += "\\cellx" + std::to_string(i);
  rtf += "\\intbl x\\cell\\row}";
  TRtfRecorder recorder;
  ReadRtf(rtf, recorder);
  ASSERT_NE(recorder.Tables, nullptr);
  EXPECT_EQ(recorder.Tables->Colors.size(), 65536u);
  EXPECT_EQ(recorder.Tables->Fonts.size(), 4096u);
  EXPECT_NE(recorder.Log.find("row 256\n"), std::string::npos);
}

TEST(RtfHostile, EveryTruncationKeepsThePromises) {
  std::ifstream file(std::string(QV_TEST_DATA_DIR) + "/rtf/word_unicode.rtf", std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  const std::string rtf = content.str();
  ASSERT_GT(rtf.size(), 1000u);
  for (std::size_t n = 0; n <= rtf.size(); ++n) {
    TBalanceSink sink;
    ReadRtf(std::string_view(rtf).substr(0, n), sink);
    ASSERT_EQ(sink.Begins, 1) << n;
    ASSERT_EQ(sink.Ends, 1) << n;
    ASSERT_EQ(sink.Rows, 0) << n;
    ASSERT_EQ(sink.Links, 0) << n;
    ASSERT_LE(sink.MaxRows, 1) << n;
    ASSERT_LE(sink.TextBytes, n) << n;
  }
}

TEST(RtfHostile, NestedFieldsOpenOneLinkAtATime) {
  TBalanceSink sink;
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 100; ++i)
    rtf += "{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt x";
  ReadRtf(rtf, sink);
  EXPECT_EQ(sink.MaxLinks, 1);
  EXPECT_EQ(sink.Links, 0);
}

} // namespace
