#include "model/uQVBaseData.h"

#include "core/uGlobals.h"
#include "core/uQVError.h"
#include "core/uQVEventFIFO.h"
#include "model/uController.h"
#include "model/uQVNotData.h"
#include "model/uQVWritePass.h"
#include "model/uQVXmlParse.h"
#include "model/uQVXmlWriter.h"

#include <cstring>

// ---------------------------------------------------------------------------------------------

std::ptrdiff_t TDataObjectList::IndexOf(const TQVBaseData* Item) const {
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].get() == Item) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

TQVBaseData* TDataObjectList::Add(TEntry Item) {
  FItems.push_back(std::move(Item));
  return FItems.back().get();
}

TQVBaseData* TDataObjectList::InsertAt(std::size_t Index, TEntry Item) {
  return FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(Index), std::move(Item))->get();
}

TDataObjectList::TEntry TDataObjectList::Extract(std::size_t Index) {
  TEntry entry = std::move(FItems.at(Index));
  FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(Index));
  return entry;
}

void TDataObjectList::Delete(std::size_t Index) {
  Extract(Index);
}

void TDataObjectList::Move(std::size_t From, std::size_t To) {
  TEntry entry = Extract(From);
  FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(To), std::move(entry));
}

// ---------------------------------------------------------------------------------------------

TQVBaseData::TQVBaseData(std::uint8_t Kind) : Kind(Kind) {
  if (IsBusy() || !Controller) return;
  ID =
      (Kind & kfItem) ? Controller->Generator.NextPositive() : Controller->Generator.NextNegative();
}

TQVBaseData::~TQVBaseData() {
  // Dismantle the subtree with a work list: a deep document would overflow the stack if
  // every level destroyed the next one.
  if (Children.Empty()) return;
  std::vector<TDataObjectList::TEntry> pending = std::move(Children.Raw());
  Children.Raw().clear();
  while (!pending.empty()) {
    TDataObjectList::TEntry object = std::move(pending.back());
    pending.pop_back();
    for (auto& child : object->Children.Raw())
      pending.push_back(std::move(child));
    object->Children.Raw().clear();
  }
}

bool TQVBaseData::GetModified() const {
  std::vector<const TQVBaseData*> pending{this};
  while (!pending.empty()) {
    const TQVBaseData* object = pending.back();
    pending.pop_back();
    if (object->OwnModified()) return true;
    for (const auto& child : object->Children)
      pending.push_back(child.get());
  }
  return false;
}

void TQVBaseData::SetModified(bool Value) {
  std::vector<TQVBaseData*> pending{this};
  while (!pending.empty()) {
    TQVBaseData* object = pending.back();
    pending.pop_back();
    object->SetOwnModified(Value);
    for (const auto& child : object->Children)
      pending.push_back(child.get());
  }
}

void TQVBaseData::ReadAttributes(pugi::xml_node Node) {
  pugi::xml_attribute attr = Node.attribute("ID");
  const char* text = attr.value();
  if (!*text) return;
  std::int32_t value;
  if (!TextToInt(text, value))
    throw EQVError(std::string("The file holds an invalid identifier \"") + text + "\".");
  ID = value;
}

void TQVBaseData::WriteAttributes(pugi::xml_node Node) {
  if (Globals && Globals->NoIDs) return;
  SetAttrInt(Node, "ID", ID);
}

void TQVBaseData::ReadFromXml(pugi::xml_node Node) {
  ReadTree(Node, nullptr, nullptr);
}

void TQVBaseData::ReadTree(pugi::xml_node Node, TReadProgress Progress, void* Context) {
  ReadAttributes(Node);
  // Iterative: a file may nest notes far deeper than the stack would allow.
  struct TFrame {
    TQVBaseData* Object;
    pugi::xml_node Next;
  };
  std::vector<TFrame> stack{{this, Node.first_child()}};
  while (!stack.empty()) {
    TFrame& frame = stack.back();
    pugi::xml_node child = frame.Next;
    if (!child) {
      stack.pop_back();
      continue;
    }
    frame.Next = child.next_sibling();
    TQVBaseData* reader = frame.Object;
    if (child.type() != pugi::node_element) continue;
    const char* name = child.name();
    if (Progress) Progress(Context, name);
    if (std::strcmp(name, "Layout") == 0 || std::strcmp(name, "Settings") == 0) continue;
    std::unique_ptr<TQVBaseData> created = CreateDataObject(child);
    if (!created) continue;
    if (reader->IsList()) {
      created->List = static_cast<TQVBaseList*>(reader);
      created->Owner = reader->Owner;
    } else {
      created->List = nullptr;
      created->Owner = reader;
    }
    TQVBaseData* object = reader->Children.Add(std::move(created));
    if (object->IsItem()) static_cast<TQVBaseItem*>(object)->Layout.ReadFromXml(child);
    object->ReadAttributes(child);
    stack.push_back({object, child.first_child()}); // frame is not used after this
  }
}

pugi::xml_node TQVBaseData::WriteElement(pugi::xml_node Parent) {
  if (!TagName || !*TagName) throw EQVError("Was ist das");
  pugi::xml_node element = Parent.append_child(TagName);
  WriteAttributes(element);
  return element;
}

void TQVBaseData::WriteToXml(pugi::xml_node Parent) {
  TQVWritePass pass(*this);
  TQVWritePass::Write(*this, Parent);
}

void TQVBaseData::CollectIdRange(std::int32_t& MaxID, std::int32_t& MinID) const {
  std::vector<const TQVBaseData*> pending{this};
  while (!pending.empty()) {
    const TQVBaseData* object = pending.back();
    pending.pop_back();
    if (object->ID > MaxID) MaxID = object->ID;
    if (object->ID < MinID) MinID = object->ID;
    for (const auto& child : object->Children)
      pending.push_back(child.get());
  }
}

TQVBaseData* TQVBaseData::FindByID(std::int32_t SearchID) const {
  struct TFrame {
    const TQVBaseData* Object;
    std::size_t Next;
  };
  std::vector<TFrame> stack;
  stack.reserve(32);
  stack.push_back({this, 0});
  while (!stack.empty()) {
    TFrame& frame = stack.back();
    if (frame.Next >= frame.Object->Children.Count()) {
      stack.pop_back();
      continue;
    }
    TQVBaseData* child = frame.Object->Children[frame.Next++];
    if (child->IsParameterLike()) continue;
    if (child->ID == SearchID) return child;
    if (!child->Children.Empty()) stack.push_back({child, 0});
  }
  return nullptr;
}

TQVBaseData* TQVBaseData::NextSibling() const {
  if (!List) return nullptr;
  const std::ptrdiff_t index = List->Children.IndexOf(this);
  if (index < 0 || static_cast<std::size_t>(index) + 1 >= List->Children.Count()) return nullptr;
  return List->Children[static_cast<std::size_t>(index) + 1];
}

std::int32_t TQVBaseData::NextSiblingID() const {
  const TQVBaseData* next = NextSibling();
  return next ? next->ID : 0;
}

std::ptrdiff_t TQVBaseData::IndexInList() const {
  return List ? List->Children.IndexOf(this) : -1;
}

TQVParameterList* TQVBaseData::CreateParameterList() {
  auto list = std::make_unique<TQVParameterList>();
  list->Owner = this;
  list->List = nullptr;
  return static_cast<TQVParameterList*>(Children.Add(std::move(list)));
}

TQVParameterList* TQVBaseData::GetParameterList() {
  if (ParameterList) return ParameterList;
  for (const auto& child : Children)
    if (child->IsList() && child->IsParameterLike())
      ParameterList = static_cast<TQVParameterList*>(child.get());
  if (!ParameterList) ParameterList = CreateParameterList();
  return ParameterList;
}

const TQVParameter* TQVBaseData::FindParameter(std::string_view Name) const {
  const TQVParameterList* list = ParameterList;
  if (!list)
    for (const auto& child : Children)
      if (child->IsList() && child->IsParameterLike())
        list = static_cast<const TQVParameterList*>(child.get());
  if (!list) return nullptr;
  for (const auto& child : list->Children) {
    auto* parameter = static_cast<const TQVParameter*>(child.get());
    if (parameter->Name == Name) return parameter;
  }
  return nullptr;
}

TQVParameter* TQVBaseData::GetParameter(std::string_view Name) {
  TQVParameterList* list = GetParameterList();
  for (const auto& child : list->Children) {
    auto* parameter = static_cast<TQVParameter*>(child.get());
    if (parameter->Name == Name) return parameter;
  }
  return list->AddParameter(Name);
}

void TQVBaseData::SetParameter(std::string_view Name, std::string_view Value) {
  TQVParameter* parameter = GetParameter(Name);
  parameter->SetValue(Value);
  SetModified(true);
  // Announced even while busy, on top of the announcement SetValue makes when not busy.
  PostEvent(TQVEvent(evParameterChanged, parameter));
}

void TQVBaseData::SaveToXmlDocument(pugi::xml_document& Doc) {
  pugi::xml_node root = NewDataDocument(Doc);
  WriteToXml(root);
}

std::string TQVBaseData::SaveToXmlString() {
  pugi::xml_document doc;
  SaveToXmlDocument(doc);
  return XmlToText(doc);
}

std::size_t CountNotices(const TQVBaseData& Object) {
  std::size_t count = 0;
  std::vector<const TQVBaseData*> pending{&Object};
  while (!pending.empty()) {
    const TQVBaseData* object = pending.back();
    pending.pop_back();
    if (object->IsNotice()) ++count;
    if (object->IsParameterLike()) continue;
    for (const auto& child : object->Children)
      pending.push_back(child.get());
  }
  return count;
}

// ---------------------------------------------------------------------------------------------

TQVBaseData* TQVBaseList::Insert(std::unique_ptr<TQVBaseData> Item, TQVBaseData* Before) {
  const std::ptrdiff_t index = Before ? Children.IndexOf(Before) : -1;
  TQVBaseData* item = index < 0
                          ? Children.Add(std::move(Item))
                          : Children.InsertAt(static_cast<std::size_t>(index), std::move(Item));
  item->Owner = Owner;
  item->List = this;
  Modified = true;
  PostEvent(TQVEvent(evItemAdded, item));
  return item;
}

void TQVBaseList::Remove(TQVBaseData* Item) {
  std::ptrdiff_t index = Children.IndexOf(Item);
  if (index < 0) return;
  // Listeners still see the intact object.
  PostEvent(TQVEvent(evItemRemoved, Item));
  index = Children.IndexOf(Item);
  if (index >= 0) Children.Delete(static_cast<std::size_t>(index));
  Modified = true;
}

void TQVBaseList::Move(TQVBaseData* Item, int Delta) {
  const std::ptrdiff_t current = Children.IndexOf(Item);
  const std::ptrdiff_t target = current + Delta;
  if (current < 0 || target < 0 || target >= static_cast<std::ptrdiff_t>(Children.Count()))
    throw EQVError("List index out of bounds (" + std::to_string(target) + ")");
  Children.Move(static_cast<std::size_t>(current), static_cast<std::size_t>(target));
  Modified = true;
  PostEvent(TQVEvent(evItemMoved, Item));
}

// ---------------------------------------------------------------------------------------------

int TQVWritePass::FActive = 0;
TDateTime TQVWritePass::FNow = 0;

TQVWritePass::TQVWritePass(TQVBaseData& Top) {
  if (FActive++ > 0) return;
  FNow = NowDateTime();
  std::vector<TQVBaseData*> order;
  std::vector<TQVBaseData*> pending{&Top};
  while (!pending.empty()) {
    TQVBaseData* object = pending.back();
    pending.pop_back();
    order.push_back(object);
    for (const auto& child : object->Children)
      pending.push_back(child.get());
  }
  // Children come after their parent in this order, so walking it backwards sees every child
  // before its parent.
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    TQVBaseData* object = *it;
    bool modified = object->OwnModified();
    for (const auto& child : object->Children)
      modified = modified || child->FDeepModified;
    object->FDeepModified = modified;
  }
}

TQVWritePass::~TQVWritePass() {
  --FActive;
}

void TQVWritePass::Write(TQVBaseData& Top, pugi::xml_node Parent) {
  struct TFrame {
    TQVBaseData* Object;
    std::size_t Next;
    pugi::xml_node Element;
  };
  pugi::xml_node element = Top.WriteElement(Parent);
  if (!element) return;
  std::vector<TFrame> stack{{&Top, 0, element}};
  while (!stack.empty()) {
    TFrame& frame = stack.back();
    if (frame.Next >= frame.Object->Children.Count()) {
      stack.pop_back();
      continue;
    }
    TQVBaseData* child = frame.Object->Children[frame.Next++];
    pugi::xml_node childElement = child->WriteElement(frame.Element);
    if (childElement && !child->Children.Empty()) stack.push_back({child, 0, childElement});
  }
}

// ---------------------------------------------------------------------------------------------

TQVParameterList::TQVParameterList() : TQVBaseList(kfParameter) {
  TagName = "ParameterList";
}

TQVParameter* TQVParameterList::AddParameter(std::string_view Name) {
  auto parameter = std::make_unique<TQVParameter>();
  parameter->Owner = Owner;
  parameter->List = this;
  parameter->Name = Name;
  return static_cast<TQVParameter*>(Children.Add(std::move(parameter)));
}

TQVParameter::TQVParameter() : TQVBaseData(kfParameter) {
  TagName = "Parameter";
}

void TQVParameter::SetValue(std::string_view Text) {
  Value = Text;
  Modified = true;
  if (!IsBusy()) PostEvent(TQVEvent(evParameterChanged, this));
}

bool TQVParameter::GetAsBoolean() const {
  bool value = false;
  if (!TextToBool(Value, value)) return false;
  return value;
}

void TQVParameter::SetAsBoolean(bool B) {
  SetValue(B ? "-1" : "0");
}

TDateTime TQVParameter::GetAsDateTime() const {
  return XmlTextToDateTime(Value);
}

void TQVParameter::SetAsDateTime(TDateTime D) {
  SetValue(DateTimeToXmlText(D));
}

pugi::xml_node TQVParameter::WriteElement(pugi::xml_node Parent) {
  pugi::xml_node element = Parent.append_child("Parameter");
  element.append_attribute("Name").set_value(Name.c_str(), Name.size());
  element.append_attribute("Value").set_value(Value.c_str(), Value.size());
  return {};
}

// ---------------------------------------------------------------------------------------------

TQVBaseItem::TQVBaseItem(std::uint8_t Kind)
    : TQVBaseData(static_cast<std::uint8_t>(Kind | kfItem)) {
  CreateDate = ChangeDate = NowDateTime();
}

void TQVBaseItem::ReadAttributes(pugi::xml_node Node) {
  TQVBaseData::ReadAttributes(Node);
  CreateDate = ReadAttrDate(Node, "CreateDate");
  ChangeDate = ReadAttrDate(Node, "ChangeDate");
  if (CreateDate == 0 || ChangeDate == 0) {
    const TDateTime now = NowDateTime();
    if (CreateDate == 0) CreateDate = now;
    if (ChangeDate == 0) ChangeDate = now;
  }
}

void TQVBaseItem::WriteAttributes(pugi::xml_node Node) {
  TQVBaseData::WriteAttributes(Node);
  SetAttrDate(Node, "CreateDate", CreateDate);
  if (TQVWritePass::Active() ? TQVWritePass::DeepModified(*this) : GetModified())
    ChangeDate = TQVWritePass::Active() ? TQVWritePass::Now() : NowDateTime();
  SetAttrDate(Node, "ChangeDate", ChangeDate);
}

pugi::xml_node TQVBaseItem::WriteElement(pugi::xml_node Parent) {
  pugi::xml_node element = TQVBaseData::WriteElement(Parent);
  Layout.WriteToXml(element);
  return element;
}

TQVItemList* TQVBaseItem::CreateChildList() {
  if (!ChildListClass) throw EQVError("This item cannot hold children.");
  std::unique_ptr<TQVItemList> list = ChildListClass();
  list->Owner = this;
  list->List = nullptr;
  return static_cast<TQVItemList*>(Children.Add(std::move(list)));
}

TQVItemList* TQVBaseItem::GetChildList() {
  if (ChildList) return ChildList;
  for (const auto& child : Children)
    if (child->IsList() && !child->IsParameterLike())
      ChildList = static_cast<TQVItemList*>(child.get());
  if (!ChildList) ChildList = CreateChildList();
  return ChildList;
}

TQVBaseData* TQVBaseItem::InsertChild(std::unique_ptr<TQVBaseData> Item, TQVBaseData* Before) {
  return GetChildList()->Insert(std::move(Item), Before);
}

TQVBaseItem* TQVBaseItem::InsertChildFromXml(std::string_view XmlText, TQVBaseData* Before) {
  pugi::xml_document doc;
  ParseXmlText(doc, XmlText);
  pugi::xml_node node = doc.document_element().first_child();
  while (node && node.type() != pugi::node_element)
    node = node.next_sibling();
  std::unique_ptr<TQVBaseData> created;
  {
    TEventSuppression quiet;
    created = CreateDataObject(node);
    if (!created || !created->IsItem()) throw EQVError("Invalid class typecast");
    auto* item = static_cast<TQVBaseItem*>(created.get());
    item->Layout.ReadFromXml(node);
    item->ReadFromXml(node);
  }
  return static_cast<TQVBaseItem*>(GetChildList()->Insert(std::move(created), Before));
}

TQVBaseItem* TQVBaseItem::CreateChild() {
  std::unique_ptr<TQVBaseItem> child = NewChild();
  if (!child) throw EQVError("This item cannot make children.");
  return static_cast<TQVBaseItem*>(GetChildList()->Insert(std::move(child), nullptr));
}

void TQVBaseItem::RemoveChild(TQVBaseData* Item) {
  GetChildList()->Remove(Item);
}

std::unique_ptr<TQVBaseItem> TQVBaseItem::NewChild() {
  return nullptr;
}
