#include "model/uQVAllData.h"

#include "core/uGlobals.h"
#include "core/uQVError.h"
#include "model/uController.h"
#include "model/uFileQVX.h"
#include "model/uQVWritePass.h"

#include <cstring>

void TQVBaseAllData::LoadFromFile(const std::string& Name, bool Compressed) {
  FileName = Name;
  TQVXmlDocument doc;
  if (Name.empty())
    TQVFileOperation::LoadTemplate(doc);
  else if (Compressed)
    TQVFileOperation::LoadCompressed(doc, Name);
  else
    TQVFileOperation::LoadPlain(doc, Name);
  pugi::xml_node root = doc.Dom.document_element();
  if (std::strcmp(root.name(), "Quillery") != 0)
    throw EQVError("\"" + Name + "\" is not a Quillery document.");
  FormatMark = root.attribute("V").value();
  // The text already turned into objects is given back as the reading goes on, which keeps
  // the peak memory of a large document well below text, DOM and objects together.
  ReadTree(
      root,
      [](void* Context, const char* Position) {
        static_cast<TQVXmlDocument*>(Context)->ReleaseTextBefore(Position);
      },
      &doc);
  doc.Dom.reset();
  doc.Text.Free();
  SetModified(false);
}

void TQVBaseAllData::SaveToFile(const std::string& Name, bool Compressed, bool MakeBackup) {
  pugi::xml_document doc;
  pugi::xml_node root = NewDataDocument(doc);
  FileName = Name;
  SaveToNode(root);
  const std::size_t notices = CountNotices(*this);
  if (Compressed)
    TQVFileOperation::SaveCompressed(doc, Name, MakeBackup, notices);
  else
    TQVFileOperation::SavePlain(doc, Name, notices);
  SetModified(false);
}

void TQVBaseAllData::SaveToNode(pugi::xml_node Root) {
  // The children's WriteToXml runs inside this pass, which covers the whole document.
  TQVWritePass pass(*this);
  WriteAttributes(Root);
  for (const auto& child : Children)
    child->WriteToXml(Root);
}

TQVAllData::TQVAllData() {
  TagName = "Quillery";
}

TQVNoticeRoot* TQVAllData::GetNoticeRoot() const {
  for (const auto& child : Children)
    if (child->Kind & kfRoot) return static_cast<TQVNoticeRoot*>(child.get());
  return nullptr;
}

void TQVAllData::AssignMissingIDs() {
  if (!Controller) return;
  std::vector<TQVBaseData*> pending;
  for (const auto& child : Children)
    pending.push_back(child.get());
  while (!pending.empty()) {
    TQVBaseData* object = pending.back();
    pending.pop_back();
    if (object->IsParameterLike() && !object->IsList()) continue;
    if (object->ID == 0)
      object->ID = object->IsItem() ? Controller->Generator.NextPositive()
                                    : Controller->Generator.NextNegative();
    for (const auto& child : object->Children)
      pending.push_back(child.get());
  }
}
