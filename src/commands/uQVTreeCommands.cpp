#include "commands/uQVTreeCommands.h"

#include "core/uGlobals.h"
#include "core/uQVEventFIFO.h"
#include "model/uQVAllData.h"

namespace {

TQVBaseItem* FindItem(std::int32_t ID) {
  if (!AllData || ID == 0) return nullptr;
  TQVBaseData* found = AllData->FindByID(ID);
  return found && found->IsItem() ? static_cast<TQVBaseItem*>(found) : nullptr;
}

// Removes Item through its owner: announced, then destroyed with its subtree.
void RemoveItem(TQVBaseItem* Item) {
  auto* owner = static_cast<TQVBaseItem*>(Item->Owner);
  owner->RemoveChild(Item);
}

// Re-creates a kept note with its old identifiers.
void Recreate(TQVBaseItem* Parent, const std::string& XmlText, TQVBaseData* Before,
              std::int32_t MovingID) {
  TBusyScope busy;
  if (MovingID && Globals) Globals->MovingItemID = MovingID;
  Parent->InsertChildFromXml(XmlText, Before);
}

// The editor's pending text belongs in the note before the note is kept as XML: once it is
// removed, storing it into the dying note would lose it from the undo copy.
void StorePendingText() {
  PostEvent(TQVEvent(evStoreNote, nullptr));
}

// Whether Candidate is Item itself or lies inside Item's subtree.
bool IsWithin(const TQVBaseData* Candidate, const TQVBaseData* Item) {
  for (const TQVBaseData* p = Candidate; p; p = p->Owner)
    if (p == Item) return true;
  return false;
}

} // namespace

void TQVTreeCreateCmd::Execute() {
  TQVCommand::Execute();
  if (TQVBaseItem* parent = FindItem(ParentID)) CreatedID = parent->CreateChild()->ID;
}

void TQVTreeCreateCmd::Undo() {
  TQVCommand::Undo();
  if (TQVBaseItem* created = FindItem(CreatedID)) RemoveItem(created);
}

void TQVTreeCreateCmd::Redo() {
  Execute();
}

void TQVTreeAddXmlCmd::Execute() {
  TQVCommand::Execute();
  if (TQVBaseItem* parent = FindItem(ParentID))
    CreatedID = parent->InsertChildFromXml(XmlText, nullptr)->ID;
}

void TQVTreeAddXmlCmd::Undo() {
  TQVCommand::Undo();
  if (TQVBaseItem* created = FindItem(CreatedID)) RemoveItem(created);
}

void TQVTreeAddXmlCmd::Redo() {
  Execute();
}

void TQVTreeDeleteCmd::Execute() {
  TQVCommand::Execute();
  StorePendingText();
  TQVBaseItem* item = FindItem(ItemID);
  if (!item) return;
  XmlText = item->SaveToXmlString();
  NextID = item->NextSiblingID();
  ParentID = item->Owner->ID;
  RemoveItem(item);
}

void TQVTreeDeleteCmd::Undo() {
  TQVCommand::Undo();
  TQVBaseItem* parent = FindItem(ParentID);
  // A note that exists already is not made a second time under the same identifiers.
  if (!parent || XmlText.empty() || FindItem(ItemID)) return;
  TQVBaseItem* next = FindItem(NextID);
  if (next && next->Owner != parent) next = nullptr;
  Recreate(parent, XmlText, next, 0);
}

void TQVTreeDeleteCmd::Redo() {
  Execute();
}

TQVTreeMoveCmd::TQVTreeMoveCmd(const TQVBaseItem& Item, const TQVBaseItem& NewParent)
    : ItemID(Item.ID), NewParentID(NewParent.ID) {}

void TQVTreeMoveCmd::Execute() {
  TQVCommand::Execute();
  StorePendingText();
  TQVBaseItem* item = FindItem(ItemID);
  TQVBaseItem* newParent = FindItem(NewParentID);
  // A note cannot move into its own subtree: removing it would destroy the target.
  if (!item || !newParent || IsWithin(newParent, item) || !item->List) return;
  XmlText = item->SaveToXmlString();
  FormerNextID = item->NextSiblingID();
  FormerParentID = item->Owner->ID;
  RemoveItem(item);
  Recreate(newParent, XmlText, nullptr, ItemID);
}

void TQVTreeMoveCmd::Undo() {
  TQVCommand::Undo();
  StorePendingText();
  TQVBaseItem* item = FindItem(ItemID);
  TQVBaseItem* formerParent = FindItem(FormerParentID);
  TQVBaseItem* formerNext = FindItem(FormerNextID);
  if (!item || !formerParent || IsWithin(formerParent, item) || !item->List) return;
  if (formerNext && formerNext->Owner != formerParent) formerNext = nullptr;
  XmlText = item->SaveToXmlString();
  RemoveItem(item);
  Recreate(formerParent, XmlText, formerNext, ItemID);
}

void TQVTreeMoveCmd::Redo() {
  Execute();
}

TQVTreeMoveUpDown::TQVTreeMoveUpDown(TQVBaseItem* Item, int Direction)
    : Item(Item), ItemID(Item->ID), Direction(Direction) {}

void TQVTreeMoveUpDown::Execute() {
  TQVCommand::Execute();
  if (Item->List) Item->List->Move(Item, Direction == 1 ? 1 : -1);
}

void TQVTreeMoveUpDown::Undo() {
  TQVCommand::Undo();
  TQVBaseItem* item = FindItem(ItemID);
  if (item && item->List) item->List->Move(item, Direction == 1 ? -1 : 1);
}

void TQVTreeMoveUpDown::Redo() {
  TQVCommand::Redo();
  TQVBaseItem* item = FindItem(ItemID);
  if (item && item->List) item->List->Move(item, Direction == 1 ? 1 : -1);
}
