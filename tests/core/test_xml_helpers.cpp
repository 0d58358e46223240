// Typed XML readers, the date-time text, fonts and layouts.

#include "model/uQVBaseLayout.h"
#include "model/uQVXML.h"
#include "model/uQVXmlParse.h"
#include "model/uQVXmlWriter.h"

#include <gtest/gtest.h>

namespace {

pugi::xml_node Element(pugi::xml_document& Doc, const char* Xml) {
  ParseXmlText(Doc, Xml);
  return Doc.document_element();
}

} // namespace

TEST(XmlReaders, IntegersHexAndBooleansFallBackToDefaults) {
  pugi::xml_document doc;
  auto e = Element(doc, R"(<e a="-3" empty="" word="abc" big="99999999999" plus="+7"
      hex="FF000008" red="000000FF" badhex="xyz" t="TRUE" f="false" one="1" zero="0"/>)");
  EXPECT_EQ(ReadAttrInt(e, "absent", 10), 10);
  EXPECT_EQ(ReadAttrInt(e, "empty", 10), 10);
  EXPECT_EQ(ReadAttrInt(e, "word", 10), 10);
  EXPECT_EQ(ReadAttrInt(e, "big", 10), 10);
  EXPECT_EQ(ReadAttrInt(e, "a", 10), -3);
  EXPECT_EQ(ReadAttrInt(e, "plus", 10), 7);
  EXPECT_EQ(static_cast<std::uint32_t>(ReadAttrHex(e, "hex")), 0xFF000008u);
  EXPECT_LT(ReadAttrHex(e, "hex"), 0);
  EXPECT_EQ(ReadAttrHex(e, "red"), 0xFF);
  EXPECT_EQ(ReadAttrHex(e, "empty"), 0);
  EXPECT_EQ(ReadAttrHex(e, "badhex"), 0);
  EXPECT_TRUE(ReadAttrBool(e, "t"));
  EXPECT_FALSE(ReadAttrBool(e, "f"));
  EXPECT_TRUE(ReadAttrBool(e, "one"));
  EXPECT_FALSE(ReadAttrBool(e, "zero"));
  EXPECT_FALSE(ReadAttrBool(e, "word"));
  EXPECT_FALSE(ReadAttrBool(e, "absent"));
}

TEST(XmlReaders, ChildReadersTreatEmptyTextAsAbsent) {
  pugi::xml_document doc;
  auto e = Element(doc, "<e><B></B><N>42</N><X>no</X><S>text</S><E/></e>");
  EXPECT_TRUE(ReadChildBool(e, "B", true));
  EXPECT_FALSE(ReadChildBool(e, "B", false));
  EXPECT_EQ(ReadChildInt(e, "N", 1), 42);
  EXPECT_EQ(ReadChildInt(e, "X", 1), 1);
  EXPECT_EQ(ReadChildInt(e, "Missing", 5), 5);
  EXPECT_EQ(ReadChildString(e, "S"), "text");
  EXPECT_EQ(ReadChildString(e, "E"), "");
  EXPECT_EQ(ReadChildString(e, "Missing"), "");
  // Reading never creates what it looks for.
  EXPECT_FALSE(e.child("Missing"));
}

TEST(XmlDates, TextRoundTripsToTheMillisecond) {
  TDateTime d;
  ASSERT_TRUE(EncodeDateTime(2009, 5, 17, 14, 3, 27, 512, d));
  EXPECT_EQ(DateTimeToXmlText(d), "2009-05-17T14:03:27.512Z");
  EXPECT_DOUBLE_EQ(XmlTextToDateTime("2009-05-17T14:03:27.512Z"), d);
  EXPECT_EQ(DateTimeToXmlText(0), "1899-12-30T00:00:00.000Z");
  EXPECT_EQ(XmlTextToDateTime("1899-12-30T00:00:00.000Z"), 0);
  // Every millisecond of a day survives writing and reading.
  for (int ms : {0, 1, 499, 999}) {
    TDateTime t;
    ASSERT_TRUE(EncodeDateTime(2024, 2, 29, 23, 59, 59, ms, t));
    EXPECT_EQ(DateTimeToXmlText(XmlTextToDateTime(DateTimeToXmlText(t))), DateTimeToXmlText(t));
  }
}

TEST(XmlDates, OffsetsAndBadTexts) {
  TDateTime utc;
  ASSERT_TRUE(EncodeDateTime(2009, 5, 17, 12, 3, 27, 0, utc));
  EXPECT_NEAR(XmlTextToDateTime("2009-05-17T14:03:27+02:00"), utc, 1e-9);
  EXPECT_NEAR(XmlTextToDateTime("2009-05-17T14:03:27"), utc + 2.0 / 24, 1e-9);
  for (const char* bad : {"", "tomorrow", "2009-13-01T00:00:00Z", "2009-02-30T00:00:00Z",
                          "2009-05-17T25:00:00Z", "2009-05-17T14:03:27.Z", "2009-05-17T14:03"})
    EXPECT_EQ(XmlTextToDateTime(bad), 0) << bad;
  pugi::xml_document doc;
  auto e = Element(doc, R"(<e d="2009-05-17T14:03:27.512Z" empty="" word="soon"/>)");
  EXPECT_GT(ReadAttrDate(e, "d"), 0);
  EXPECT_EQ(ReadAttrDate(e, "empty"), 0);
  EXPECT_EQ(ReadAttrDate(e, "word"), 0);
}

TEST(XFont, DefaultsAndMissingParts) {
  pugi::xml_document doc;
  TQVBaseLayout noLayout;
  noLayout.Font.Style.Bold = true;
  noLayout.ReadFromXml(Element(doc, "<Notice/>"));
  EXPECT_EQ(noLayout.Font.Name, "Arial");
  EXPECT_EQ(noLayout.Font.Size, 10);
  EXPECT_TRUE(noLayout.Font.Style.Bold); // untouched
  EXPECT_FALSE(noLayout.Font.Loaded);
  EXPECT_EQ(noLayout.IconIndex, 0);

  pugi::xml_document doc2;
  TQVBaseLayout partial;
  partial.Font.Style = {true, true, true, true};
  partial.ReadFromXml(Element(doc2, R"(<Notice><Layout><Font Name="Tahoma" Size="12"/>
      <TreeIcon Index="7"/></Layout></Notice>)"));
  EXPECT_EQ(partial.Font.Name, "Tahoma");
  EXPECT_EQ(partial.Font.Size, 12);
  EXPECT_EQ(partial.Font.Color, clBlack);       // no Color attribute: black
  EXPECT_EQ(partial.Font.Style, TFontStyles{}); // no Style child: all cleared
  EXPECT_TRUE(partial.Font.Loaded);
  EXPECT_EQ(partial.IconIndex, 7);
  EXPECT_FALSE(partial.Modified);
}

TEST(XFont, WriteReadRoundTrip) {
  for (std::int32_t color : {clWindowText, 0x000000FF, 0x00FFFFFF, 0}) {
    TXFont font;
    font.ElementName = "NoteTitleFont";
    font.Name = "DejaVu Sans";
    font.Size = 14;
    font.Color = color;
    font.Style = {true, false, true, false};
    pugi::xml_document doc;
    pugi::xml_node parent = doc.append_child("P");
    font.WriteToXml(parent);
    TXFont back;
    back.ElementName = "NoteTitleFont";
    back.ReadFromXml(parent);
    EXPECT_EQ(back.Name, font.Name);
    EXPECT_EQ(back.Size, 14);
    EXPECT_EQ(back.Color, color);
    EXPECT_EQ(back.Style, font.Style);
  }
}

TEST(XmlWriter, FormIndentationLineEndsAndEscapes) {
  pugi::xml_document doc;
  pugi::xml_node root = NewDataDocument(doc);
  pugi::xml_node child = root.append_child("Child");
  SetAttr(child, "Value", "a\"b<c>&d\te\r\nf");
  root.append_child("Empty");
  root.append_child("Text").text() = "x & y";
  const std::string text = XmlToText(doc);
  EXPECT_EQ(text, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                  "<Quillery V=\"V1.0\">\r\n"
                  "  <Child Value=\"a&quot;b&lt;c&gt;&amp;d&#9;e&#13;&#10;f\"/>\r\n"
                  "  <Empty/>\r\n"
                  "  <Text>x &amp; y</Text>\r\n"
                  "</Quillery>\r\n");
  pugi::xml_document back;
  ParseXmlText(back, text);
  EXPECT_STREQ(back.document_element().child("Child").attribute("Value").value(),
               "a\"b<c>&d\te\r\nf");
}
