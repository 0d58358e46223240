#include "model/uXFont.h"

#include "model/uQVXML.h"

TXFont::TXFont() : Color(clWindowText) {}

void TXFont::ReadFromXml(pugi::xml_node Parent) {
  pugi::xml_node node = Parent.child(ElementName);
  if (!node) return;
  Name = ReadAttrString(node, "Name");
  Size = ReadAttrInt(node, "Size", Size);
  Color = ReadAttrHex(node, "Color");
  pugi::xml_node style = node.child("Style");
  Style.Bold = ReadAttrBool(style, "Bold");
  Style.Italic = ReadAttrBool(style, "Italic");
  Style.Underline = ReadAttrBool(style, "Underline");
  Style.Strikeout = ReadAttrBool(style, "Strikeout");
  Loaded = true;
}

void TXFont::WriteToXml(pugi::xml_node Parent) const {
  pugi::xml_node node = ChildNode(Parent, ElementName);
  SetAttr(node, "Name", Name);
  SetAttrInt(node, "Size", Size);
  SetAttrHex(node, "Color", Color);
  pugi::xml_node style = ChildNode(node, "Style");
  SetAttrBool(style, "Bold", Style.Bold);
  SetAttrBool(style, "Italic", Style.Italic);
  SetAttrBool(style, "Underline", Style.Underline);
  SetAttrBool(style, "Strikeout", Style.Strikeout);
}

void TXFont::Assign(const TXFont& Source) {
  Name = Source.Name;
  Size = Source.Size;
  Color = Source.Color;
  Style = Source.Style;
}
