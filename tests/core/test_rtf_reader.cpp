// The reader's interpretation of RTF, case by case: each input beside the calls a sink hears.

#include "test_rtf_recorder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct TCase {
  const char* Name;
  const char* Rtf;
  const char* Expected;
};

// Every body starts with this header: Arial as the default font, red and blue colours.
const std::string Header = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                           "{\\f1\\fcharset204 Cyr;}{\\f2\\fcharset128 Gothic;}}"
                           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

const TCase Cases[] = {
    {"paragraphs", "one\\par two\\par}", "text \"one\"\npar\ntext \"two\"\npar\n"},
    {"last paragraph without par", "one\\par two}", "text \"one\"\npar\ntext \"two\"\npar\n"},
    {"empty paragraphs count", "\\par\\par x}", "par\npar\ntext \"x\"\npar\n"},
    {"groups restore the format", "a{\\b b{\\i c}d}e}",
     "text \"a\"\ntext \"b\" b\ntext \"c\" b i\ntext \"d\" b\ntext \"e\"\npar\n"},
    {"plain resets", "\\b\\i\\fs40 a\\plain b}", "text \"a\" b i fs40\ntext \"b\"\npar\n"},
    {"character formats",
     "\\ul u\\ulnone\\uldb d\\ulwave w\\ul0 \\strike s\\strike0\\caps c\\caps0\\scaps k\\scaps0"
     "\\super p\\nosupersub\\sub q\\sub0\\cf1\\highlight2 x\\cf0\\highlight0\\cb1 y}",
     "text \"u\" u1\ntext \"d\" u2\ntext \"w\" u7\ntext \"s\" s\ntext \"c\" caps\n"
     "text \"k\" scaps\ntext \"p\" sup\ntext \"q\" sub\ntext \"x\" cfff0000 bg0000ff\n"
     "text \"y\" bgff0000\npar\n"},
    {"paragraph formats",
     "\\qc\\li720\\ri360\\fi-360\\sb120\\sa240\\sl360\\slmult1\\cbpat1 a\\par"
     "\\pard\\qj\\sl-300 b\\par\\pard\\qr\\sl280\\slmult0\\box\\brdrs\\brdrw15 c\\par}",
     "text \"a\"\npar qc li720 ri360 fi-360 sb120 sa240 sl3:360 bgff0000\n"
     "text \"b\"\npar qj sl2:300\n"
     "text \"c\"\npar qr sl1:280 border0:1:15 border1:1:15 border2:1:15 border3:1:15\n"},
    {"bottom border only", "\\brdrb\\brdrdb\\brdrw30\\brdrcf1 a\\par}",
     "text \"a\"\npar border2:2:30\n"},
    {"code page escapes", "Gr\\'fc\\'dfe \\'80}", "text \"Grüße €\"\npar\n"},
    {"raw 8-bit text is in the code page", "caf\xe9}", "text \"café\"\npar\n"},
    {"font charset picks the code page", "{\\f1 \\'cf\\'f0\\'e8}}", "text \"При\" font=Cyr\npar\n"},
    {"double-byte code page", "{\\f2 \\'82\\'a0\\'82\\'a2}}", "text \"あい\" font=Gothic\npar\n"},
    {"unicode with fallback", "\\u228?\\u-3937?x}", "text \"ä\xEF\x82\x9Fx\"\npar\n"},
    {"uc0 skips nothing", "\\uc0\\u228 x}", "text \"äx\"\npar\n"},
    {"uc2 skips an escape pair", "{\\uc2\\u8364\\'80\\'80 x}y}", "text \"€ x\"\ntext \"y\"\npar\n"},
    {"uc counts a control word as one", "\\uc1\\u228\\tab x}", "text \"äx\"\npar\n"},
    {"surrogate pair", "\\u-10179?\\u-8704?}", "text \"😀\"\npar\n"},
    {"lone surrogates", "\\u-10179?x\\u-8704?}", "text \"\xEF\xBF\xBDx\xEF\xBF\xBD\"\npar\n"},
    {"control symbols", "a\\~b\\-c\\_d\\{\\}\\\\e}",
     "text \"a\xC2\xA0"
     "bc\xE2\x80\x91"
     "d{}\\e\"\npar\n"},
    {"special characters", "\\lquote\\rquote\\ldblquote\\rdblquote\\emdash\\endash\\bullet}",
     "text \"‘’“”—–•\"\npar\n"},
    {"tab, line and page", "a\\tab b\\line c\\page d\\par}",
     "text \"a\"\ntab\ntext \"b\"\nline\ntext \"c\"\npar\ntext \"d\"\npar pagebreak\n"},
    {"binary data is skipped", "a\\bin4 {}\\\\b}", "text \"ab\"\npar\n"},
    {"ignorable destinations", "a{\\*\\unknown {x}y}{\\*\\generator G;}b}",
     "text \"a\"\ntext \"b\"\npar\n"},
    {"text-less destinations",
     "{\\info{\\title T}}{\\stylesheet{\\s1 S;}}{\\header H}{\\footnote F}a{\\pntext 1.}b}",
     "text \"a\"\ntext \"b\"\npar\n"},
    {"unknown words are ignored", "\\foo12 a\\bar b}", "text \"a\"\ntext \"b\"\npar\n"},
    {"hidden text", "a{\\v hidden}b}", "text \"a\"\ntext \"b\"\npar\n"},
    {"hyperlink", "{\\field{\\*\\fldinst{HYPERLINK \"http://x.org/a b\"}}{\\fldrslt{\\ul see}}}.}",
     "link http://x.org/a b\ntext \"see\" u1\n/link\ntext \".\"\npar\n"},
    {"hyperlink to a bookmark", "{\\field{\\*\\fldinst HYPERLINK \\\\l \"top\"}{\\fldrslt up}}}",
     "link #top\ntext \"up\"\n/link\npar\n"},
    {"other fields show their result", "{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}}",
     "text \"3\"\npar\n"},
    {"field without result", "{\\field{\\*\\fldinst HYPERLINK \"x\"}}a}", "text \"a\"\npar\n"},
    {"png picture", "{\\pict\\pngblip\\picw10\\pich20\\picwgoal300\\pichgoal600 89504e47}}",
     "pict png 4 bytes 300x600\npar\n"},
    {"jpeg picture scaled",
     "{\\pict\\jpegblip\\picw10\\pich20\\picscalex50\\picscaley200 ff d8\nff}}",
     "pict jpeg 3 bytes 75x600\npar\n"},
    {"binary picture data", "{\\pict\\pngblip\\bin3 {}\\}}", "pict png 3 bytes 0x0\npar\n"},
    {"other pictures are placeholders", "{\\pict\\wmetafile8\\picwgoal100\\pichgoal50 0102}}",
     "pict other 0 bytes 100x50\npar\n"},
    {"fallback pictures are skipped",
     "{\\*\\shppict{\\pict\\pngblip 00}}{\\nonshppict{\\pict\\wmetafile8 00}}}",
     "pict png 1 bytes 0x0\npar\n"},
    {"list levels",
     "{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}"
     "{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01);}}\\listid7}}"
     "{\\*\\listoverridetable{\\listoverride\\listid7\\ls3}}"
     "\\ls3\\ilvl0 a\\par\\ilvl1 b\\par\\pard c\\par}",
     "text \"a\"\npar list1:0\ntext \"b\"\npar list3:1\ntext \"c\"\npar\n"},
    {"old-style numbering", "{\\*\\pn\\pnlvlbody\\pndec}a\\par{\\*\\pn\\pnlvlblt}b\\par}",
     "text \"a\"\npar pn2:0\ntext \"b\"\npar pn1:0\n"},
    {"table",
     "\\trowd\\clcbpat1\\cellx1000\\clbrdrt\\brdrs\\brdrw20\\cellx2000\\pard\\intbl a\\cell b\\cell"
     "\\row\\pard after\\par}",
     "row 2\ntext \"a\"\ncell\ntext \"b\"\ncell\n/row 1000bgff0000 2000b20\n/table\n"
     "text \"after\"\npar\n"},
    {"row properties repeated at the end", "\\pard\\intbl a\\cell\\trowd\\cellx500\\row}",
     "row 0\ntext \"a\"\ncell\n/row 500\n/table\n"},
    {"merged cells", "\\trowd\\clmgf\\clvmgf\\cellx1\\clmrg\\cellx2\\intbl\\cell\\cell\\row}",
     "row 2\ncell\ncell\n/row 1mfvf 2mc\n/table\n"},
    {"document background",
     "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv 255}}}}}a}",
     "text \"a\"\npar\n"},
};

class RtfReaderCase : public testing::TestWithParam<TCase> {};

TEST_P(RtfReaderCase, Reads) {
  EXPECT_EQ(RecordRtf(Header + GetParam().Rtf), GetParam().Expected) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(Cases, RtfReaderCase, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<TCase>& Info) {
                           std::string name;
                           for (const char* c = Info.param.Name; *c; ++c)
                             name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                           return name;
                         });

TEST(RtfReader, TablesOfTheDocument) {
  TRtfRecorder recorder;
  ReadRtf(Header + "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv 16711680}}}}}"
                   "{\\f1 x}{\\f9 y}}",
          recorder);
  ASSERT_NE(recorder.Tables, nullptr);
  const TRtfTables& tables = *recorder.Tables;
  ASSERT_EQ(tables.Fonts.size(), 3u);
  EXPECT_EQ(tables.Fonts[0].Name, "Arial");
  EXPECT_EQ(tables.Fonts[1].Charset, 204);
  EXPECT_EQ(tables.DefaultFont, 0);
  EXPECT_EQ(tables.Colors, (std::vector<std::int32_t>{-1, 0xFF0000, 0x0000FF}));
  // fillColor is blue-green-red.
  EXPECT_EQ(tables.Background, 0x0000FF);
  // An unknown font number stands for no font.
  EXPECT_NE(recorder.Log.find("text \"y\" font=?"), std::string::npos);
}

TEST(RtfReader, PictureBytesArriveUnchanged) {
  struct TPictureSink : TRtfRecorder {
    std::string Data;
    void Picture(const TRtfPicture& P, const TRtfCharFormat&) override { Data = P.Data; }
  } sink;
  ReadRtf(Header + "{\\pict\\pngblip 89504E470d0a1a0A00ff}}", sink);
  EXPECT_EQ(sink.Data, std::string("\x89PNG\r\n\x1a\n\x00\xff", 10));
}

TEST(RtfReader, PlainTextIsOneParagraphPerLine) {
  EXPECT_EQ(
      RecordRtf("first\r\nsecond\n\nth\tird"),
      "text \"first\"\npar\ntext \"second\"\npar\npar\ntext \"th\"\ntab\ntext \"ird\"\npar\n");
  // Not UTF-8: taken as Windows-1252.
  EXPECT_EQ(RecordRtf("Gr\xfc\xdf"
                      "e\n"),
            "text \"Grüße\"\npar\n");
  EXPECT_EQ(RecordRtf("Grüße"), "text \"Grüße\"\npar\n");
}

TEST(RtfReader, EmptyBodiesHaveNoParagraphs) {
  EXPECT_EQ(RecordRtf(""), "");
  EXPECT_EQ(RecordRtf(" \r\n"), "");
  EXPECT_EQ(RecordRtf("{\\rtf1}"), "");
  EXPECT_EQ(RecordRtf(Header + "}"), "");
}

} // namespace
