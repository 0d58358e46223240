#include "model/uQVNotData.h"

#include <cstring>

namespace {
std::unique_ptr<TQVItemList> MakeNoticeList() {
  return std::make_unique<TQVNoticeList>();
}
} // namespace

TQVNoticeList::TQVNoticeList() {
  TagName = "NoticeList";
}

TQVNotice::TQVNotice() : TQVNotice(0) {}

TQVNotice::TQVNotice(std::uint8_t Kind) : TQVBaseItem(static_cast<std::uint8_t>(Kind | kfNotice)) {
  TagName = "Notice";
  ChildListClass = &MakeNoticeList;
}

std::unique_ptr<TQVBaseItem> TQVNotice::NewChild() {
  auto child = std::make_unique<TQVNotice>();
  child->GetParameter("Caption")->SetValue(NewNoticeCaption);
  return child;
}

std::string TQVNotice::Caption() const {
  const TQVParameter* caption = FindParameter("Caption");
  return caption ? caption->Value : std::string();
}

bool TQVNotice::IsTask() const {
  const TQVParameter* task = FindParameter("Task");
  return task && task->GetAsBoolean();
}

TQVNoticeRoot::TQVNoticeRoot() : TQVNotice(kfRoot) {
  TagName = "NoticeRoot";
}

void TQVNoticeRoot::ReadAttributes(pugi::xml_node Node) {
  TQVNotice::ReadAttributes(Node);
  LastID = ReadAttrInt(Node, "LastID", 0);
}

void TQVNoticeRoot::WriteAttributes(pugi::xml_node Node) {
  TQVNotice::WriteAttributes(Node);
  SetAttrInt(Node, "LastID", LastID);
}

std::unique_ptr<TQVBaseData> CreateDataObjectByTag(std::string_view TagName) {
  if (TagName == "NoticeList") return std::make_unique<TQVNoticeList>();
  if (TagName == "Notice") return std::make_unique<TQVNotice>();
  if (TagName == "NoticeRoot") return std::make_unique<TQVNoticeRoot>();
  if (TagName == "ParameterList") return std::make_unique<TQVParameterList>();
  if (TagName == "Parameter") return std::make_unique<TQVParameter>();
  // "AddressList" is known but makes no object; it is skipped like any unknown element.
  return nullptr;
}

std::unique_ptr<TQVBaseData> CreateDataObject(pugi::xml_node Node) {
  if (Node.type() != pugi::node_element) return nullptr;
  std::unique_ptr<TQVBaseData> object = CreateDataObjectByTag(Node.name());
  if (object && std::strcmp(Node.name(), "Parameter") == 0) {
    auto* parameter = static_cast<TQVParameter*>(object.get());
    parameter->Name = Node.attribute("Name").value();
    parameter->SetValue(Node.attribute("Value").value());
  }
  return object;
}

std::string GetCaptionPath(const TQVBaseData& Item) {
  std::string path;
  for (const TQVBaseData* ancestor = Item.Owner;
       ancestor && ancestor->IsNotice() && !(ancestor->Kind & kfRoot); ancestor = ancestor->Owner) {
    const std::string caption = static_cast<const TQVNotice*>(ancestor)->Caption();
    path = path.empty() ? caption : caption + "/" + path;
  }
  return path;
}
