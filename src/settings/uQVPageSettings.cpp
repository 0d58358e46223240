#include "settings/uQVPageSettings.h"

#include "core/uQVLog.h"
#include "model/uQVXML.h"
#include "settings/uQVChildValues.h"

#include <climits>
#include <cmath>

namespace {

int ToMillimetres(double Value) {
  if (!std::isfinite(Value)) return 0;
  if (Value >= INT_MAX) return INT_MAX;
  if (Value <= INT_MIN) return INT_MIN;
  return static_cast<int>(std::lround(Value));
}

} // namespace

void TQVHeaderFooterSettings::ReadFromXml(pugi::xml_node PageSettings) {
  const pugi::xml_node node = PageSettings.child(ElementName);
  Text = ReadChildString(node, "Text");
  FirstPage = ReadChildBool(node, "FirstPage", false);
  Align = ReadChildInt(node, "Align", paLeft);
  // An unknown code would reach the print engine as an alignment it cannot draw.
  if (Align < paLeft || Align > paCenter) Align = paLeft;
  Font.ReadFromXml(node);
}

void TQVHeaderFooterSettings::WriteToXml(pugi::xml_node PageSettings) const {
  pugi::xml_node node = PageSettings.append_child(ElementName);
  SetChildString(node, "Text", Text);
  SetChildBool(node, "FirstPage", FirstPage);
  SetChildInt(node, "Align", Align);
  Font.WriteToXml(node);
}

void TQVHeaderFooterSettings::ApplyTo(TQVPageDescription& Description) const {
  Description.Text = Text;
  Description.FirstPage = FirstPage;
  Description.Align = Align;
  if (Font.Loaded) Description.Font.Assign(Font);
}

void TQVHeaderFooterSettings::TakeFrom(const TQVPageDescription& Description) {
  Text = Description.Text;
  FirstPage = Description.FirstPage;
  Align = Description.Align;
  Font.Assign(Description.Font);
}

void TQVMarginSettings::ReadFromXml(pugi::xml_node PageSettings) {
  const pugi::xml_node node = PageSettings.child(ElementName);
  Left = ReadAttrInt(node, "Left", 0);
  Right = ReadAttrInt(node, "Right", 0);
  Top = ReadAttrInt(node, "Top", 0);
  Bottom = ReadAttrInt(node, "Bottom", 0);
  Mirror = ReadAttrBool(node, "Mirror");
}

void TQVMarginSettings::WriteToXml(pugi::xml_node PageSettings) const {
  pugi::xml_node node = PageSettings.append_child(ElementName);
  SetAttrInt(node, "Left", Left);
  SetAttrInt(node, "Top", Top);
  SetAttrInt(node, "Right", Right);
  SetAttrInt(node, "Bottom", Bottom);
  SetAttrBool(node, "Mirror", Mirror);
}

void TQVPageSettings::ReadFromXml(pugi::xml_node Root) {
  const pugi::xml_node node = Root.child(ElementName);
  if (!node) return;
  Header.ReadFromXml(node);
  Footer.ReadFromXml(node);
  Margins.ReadFromXml(node);
  Loaded = true;
}

void TQVPageSettings::WriteToXml(pugi::xml_node Root) const {
  pugi::xml_node node = ChildNode(Root, ElementName);
  Header.WriteToXml(node);
  Footer.WriteToXml(node);
  Margins.WriteToXml(node);
}

void TQVPageSettings::ApplyToPrinter(TQVPrintLayout& Layout) const {
  if (!Loaded) return;
  AddLogLine("PageSettings", "1");
  AddLogLine("PageSettings", "2");
  Layout.LeftMargin = Margins.Left;
  Layout.RightMargin = Margins.Right;
  Layout.TopMargin = Margins.Top;
  Layout.BottomMargin = Margins.Bottom;
  Layout.MirrorMargins = Margins.Mirror;
  Header.ApplyTo(Layout.Header);
  Footer.ApplyTo(Layout.Footer);
}

void TQVPageSettings::TakeFromPrinter(const TQVPrintLayout& Layout) {
  Margins.Left = ToMillimetres(Layout.LeftMargin);
  Margins.Right = ToMillimetres(Layout.RightMargin);
  Margins.Top = ToMillimetres(Layout.TopMargin);
  Margins.Bottom = ToMillimetres(Layout.BottomMargin);
  Margins.Mirror = Layout.MirrorMargins;
  Header.TakeFrom(Layout.Header);
  Footer.TakeFrom(Layout.Footer);
}
