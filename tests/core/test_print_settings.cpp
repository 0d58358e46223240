// Printer selection, note printing options, page settings and the print layout.

#include "model/uQVXmlParse.h"
#include "settings/uQVPageSettings.h"
#include "settings/uQVPrintSettings.h"
#include "test_settings_support.h"

#include <climits>

using namespace settings_test;

namespace {

pugi::xml_node Parse(pugi::xml_document& Doc, const std::string& Xml) {
  ParseXmlText(Doc, Xml);
  return Doc.document_element();
}

std::string PrinterXml(const std::string& Name, const std::string& Orientation) {
  return "<R><PrintSettings><Printer><Name>" + Name + "</Name><Orientation>" + Orientation +
         "</Orientation></Printer></PrintSettings></R>";
}

} // namespace

TEST(PrintSettings, OrientationNames) {
  using O = TPrinterOrientation;
  const std::pair<std::string, O> toOrientation[] = {
      {"Landscape", O::poLandscape}, {"Portrait", O::poPortrait}, {"landscape", O::poPortrait},
      {"LANDSCAPE", O::poPortrait},  {"", O::poPortrait},         {"Landscape ", O::poPortrait}};
  for (const auto& [name, orientation] : toOrientation)
    EXPECT_EQ(NameToOrientation(name), orientation) << name;
  EXPECT_EQ(OrientationToName(O::poLandscape), "Landscape");
  EXPECT_EQ(OrientationToName(O::poPortrait), "Portrait");
  EXPECT_EQ(OrientationToName(static_cast<O>(7)), "Portrait");
}

TEST(PrintSettings, ReadingSelectsTheRememberedPrinterAndOrientation) {
  struct TCase {
    std::string Name, Orientation;
    int Index;
    TPrinterOrientation Expected;
  };
  using O = TPrinterOrientation;
  const TCase cases[] = {
      {"PDF", "Landscape", 1, O::poLandscape},
      {"office LASER", "Landscape", 0, O::poLandscape},
      // Gone: the default printer stays selected, and gets the orientation.
      {"Removed", "Landscape", 2, O::poLandscape},
      {"PDF", "landscape", 1, O::poPortrait},
      {"", "", 2, O::poPortrait},
  };
  for (const TCase& c : cases) {
    TFakePrinter printer;
    printer.Names = {"Office Laser", "PDF", "Default"};
    printer.Index = 2;
    printer.Current = c.Expected == O::poLandscape ? O::poPortrait : O::poLandscape;
    TPrinterScope installed(&printer);
    TLogRecorder log;
    pugi::xml_document doc;
    TQVPrintSettings settings;
    settings.ReadFromXml(Parse(doc, PrinterXml(c.Name, c.Orientation)));
    EXPECT_EQ(printer.Index, c.Index) << c.Name;
    EXPECT_EQ(printer.Current, c.Expected) << c.Name;
    const int found = c.Name == "Removed" || c.Name.empty() ? -1 : c.Index;
    EXPECT_TRUE(log.Has("Printer: Index:" + std::to_string(found) + " Name:" + c.Name));
  }
}

TEST(PrintSettings, WithoutAPrinterStartAndCloseStillSucceed) {
  TFakePrinter none;
  for (IQVPrinter* printer : {static_cast<IQVPrinter*>(nullptr), static_cast<IQVPrinter*>(&none)}) {
    TPrinterScope installed(printer);
    TLogRecorder log;
    pugi::xml_document doc;
    TQVPrintSettings settings;
    settings.ReadFromXml(Parse(doc, PrinterXml("PDF", "Landscape")));
    EXPECT_TRUE(log.Has("Printer: Exception in PrinterSettings ReadFromXml"));
    pugi::xml_document written;
    pugi::xml_node root = written.append_child("R");
    settings.WriteToXml(root);
    EXPECT_TRUE(log.Has("Printer: Exception in PrinterSettings WriteFromXml"));
    const pugi::xml_node element = root.child("PrintSettings").child("Printer");
    EXPECT_TRUE(element);
    EXPECT_FALSE(element.first_child()) << "the Printer element stays empty";
    EXPECT_TRUE(root.child("PrintSettings").child("Note")) << "the rest is written";
  }
}

TEST(PrintSettings, NoteOptionsReadWithDefaults) {
  struct TCase {
    std::string Note;
    int Selection;
    bool Title, NewPage;
    std::string FontName;
  };
  const TCase cases[] = {
      {"", 0, false, false, "Arial"},
      {"<NoteSelection>1</NoteSelection><NoteTitle>True</NoteTitle><NoteNewPage>1</NoteNewPage>"
       "<NoteTitleFont Name=\"Serif\" Size=\"12\"/>",
       1, true, true, "Serif"},
      {"<NoteSelection>7</NoteSelection><NoteTitle>yes</NoteTitle>", 0, false, false, "Arial"},
      {"<NoteSelection>-1</NoteSelection>", 0, false, false, "Arial"},
  };
  for (const TCase& c : cases) {
    pugi::xml_document doc;
    TQVPrintSettings settings;
    settings.Note.NoteSelection = 2;
    settings.Note.NoteTitle = true;
    settings.ReadFromXml(Parse(doc, "<R><PrintSettings><Note>" + c.Note +
                                        "</Note>"
                                        "</PrintSettings></R>"));
    EXPECT_EQ(settings.Note.NoteSelection, c.Selection) << c.Note;
    EXPECT_EQ(settings.Note.NoteTitle, c.Title) << c.Note;
    EXPECT_EQ(settings.Note.NoteNewPage, c.NewPage) << c.Note;
    EXPECT_EQ(settings.Note.NoteTitleFont.Name, c.FontName) << c.Note;
    EXPECT_EQ(settings.Note.NoteTitleFont.Size, c.FontName == "Serif" ? 12 : 10);
  }
}

TEST(PageSettings, NotLoadedLeavesTheLayoutAsItIs) {
  pugi::xml_document doc;
  TQVPageSettings settings;
  settings.ReadFromXml(Parse(doc, "<R><Language>ENG</Language></R>"));
  EXPECT_FALSE(settings.Loaded);
  TQVPrintLayout layout;
  settings.ApplyToPrinter(layout);
  EXPECT_EQ(layout.LeftMargin, 20);
  EXPECT_EQ(layout.BottomMargin, 20);
  EXPECT_EQ(layout.Header.Text, "- &p -");
  EXPECT_EQ(layout.Header.Align, paCenter);
  EXPECT_TRUE(layout.Header.FirstPage);
  EXPECT_EQ(layout.Header.Font.Name, "Arial");
  EXPECT_EQ(layout.Header.Font.Size, 10);
  EXPECT_EQ(layout.Footer.Text, "");
}

TEST(PageSettings, LoadedSettingsGoIntoTheLayout) {
  pugi::xml_document doc;
  TQVPageSettings settings;
  TLogRecorder log;
  settings.ReadFromXml(Parse(doc, R"(<R><PageSettings>
      <Header><Text>Page &amp;p</Text><FirstPage>True</FirstPage><Align>1</Align></Header>
      <Footer><Text>Notes</Text><Align>9</Align><Font Name="Serif" Size="8"/></Footer>
      <Margins Left="25" Top="x" Mirror="True"/></PageSettings></R>)"));
  ASSERT_TRUE(settings.Loaded);
  TQVPrintLayout layout;
  layout.Header.Font.Name = "Header Font";
  settings.ApplyToPrinter(layout);
  EXPECT_TRUE(log.Has("PageSettings: 1"));
  EXPECT_EQ(layout.LeftMargin, 25);
  EXPECT_EQ(layout.TopMargin, 0) << "unreadable gives 0";
  EXPECT_EQ(layout.RightMargin, 0);
  EXPECT_TRUE(layout.MirrorMargins);
  EXPECT_EQ(layout.Header.Text, "Page &p");
  EXPECT_EQ(layout.Header.Align, paRight);
  EXPECT_TRUE(layout.Header.FirstPage);
  EXPECT_EQ(layout.Header.Font.Name, "Header Font") << "no Font element: the layout's font stays";
  EXPECT_EQ(layout.Footer.Text, "Notes");
  EXPECT_EQ(layout.Footer.Align, paLeft) << "an unknown alignment reads as left";
  EXPECT_FALSE(layout.Footer.FirstPage);
  EXPECT_EQ(layout.Footer.Font.Name, "Serif");
  EXPECT_EQ(layout.Footer.Font.Size, 8);
}

TEST(PageSettings, TakenFromTheLayoutAndWrittenInOrder) {
  TQVPrintLayout layout;
  layout.LeftMargin = 12.6;
  layout.TopMargin = 19.4;
  layout.RightMargin = -3;
  layout.BottomMargin = 1e12;
  layout.MirrorMargins = true;
  layout.Footer.Text = "f";
  TQVPageSettings settings;
  settings.TakeFromPrinter(layout);
  EXPECT_EQ(settings.Margins.Left, 13);
  EXPECT_EQ(settings.Margins.Top, 19);
  EXPECT_EQ(settings.Margins.Right, -3);
  EXPECT_EQ(settings.Margins.Bottom, INT_MAX);
  EXPECT_TRUE(settings.Margins.Mirror);
  EXPECT_EQ(settings.Header.Text, "- &p -");
  EXPECT_EQ(settings.Header.Align, paCenter);
  EXPECT_TRUE(settings.Header.FirstPage);
  EXPECT_EQ(settings.Footer.Text, "f");

  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("R");
  settings.WriteToXml(root);
  const pugi::xml_node page = root.child("PageSettings");
  std::string children;
  for (pugi::xml_node child : page.children())
    children += std::string(child.name()) + " ";
  EXPECT_EQ(children, "Header Footer Margins ");
  std::string header;
  for (pugi::xml_node child : page.child("Header").children())
    header += std::string(child.name()) + " ";
  EXPECT_EQ(header, "Text FirstPage Align Font ");
  std::string margins;
  for (pugi::xml_attribute a : page.child("Margins").attributes())
    margins += std::string(a.name()) + "=" + a.value() + " ";
  EXPECT_EQ(margins, "Left=13 Top=19 Right=-3 Bottom=2147483647 Mirror=True ");

  // Read back, it restores the same layout.
  TQVPageSettings read;
  read.ReadFromXml(root);
  TQVPrintLayout restored;
  restored.Header.Text = "other";
  read.ApplyToPrinter(restored);
  EXPECT_EQ(restored.LeftMargin, 13);
  EXPECT_EQ(restored.Header.Text, "- &p -");
  EXPECT_EQ(restored.Header.Font.Name, "Arial");
  EXPECT_EQ(restored.Footer.Text, "f");
}
