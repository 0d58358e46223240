#include "settings/myGeometry.h"

#include "model/uQVXML.h"

void TmyBounds::Init(int Left, int Top, int Width, int Height) {
  this->Left = Left;
  this->Top = Top;
  this->Width = Width;
  this->Height = Height;
}

void TmyBounds::ApplyTo(IWindowBounds& Window) const {
  if (IsValid()) Window.SetBounds(Left, Top, Width, Height);
}

void TmyBounds::ReadFromXml(pugi::xml_node Parent, const char* Name) {
  const pugi::xml_node node = Parent.child(Name);
  if (!node.attribute("Left")) return;
  Left = ReadAttrInt(node, "Left", Left);
  Top = ReadAttrInt(node, "Top", Top);
  Width = ReadAttrInt(node, "Width", Width);
  Height = ReadAttrInt(node, "Height", Height);
}

void TmyBounds::WriteToXml(pugi::xml_node Parent, const char* Name) const {
  pugi::xml_node node = ChildNode(Parent, Name);
  SetAttrInt(node, "Left", Left);
  SetAttrInt(node, "Top", Top);
  SetAttrInt(node, "Width", Width);
  SetAttrInt(node, "Height", Height);
}
