#pragma once
// The commands that change the shape of the notes tree. A deleted or moved note is kept as XML
// with its identifiers and re-created from it, so it comes back as it was.

#include "commands/uQVCommander.h"

class TQVBaseItem;

class TQVTreeCreateCmd : public TQVCommand {
public:
  explicit TQVTreeCreateCmd(std::int32_t ParentID) : ParentID(ParentID) {}
  std::int32_t CreatedID = 0;
  std::int32_t ParentID;
  void Execute() override;
  void Undo() override;
  void Redo() override;
  std::string GetName() const override { return "Tree-Create"; }
};

class TQVTreeAddXmlCmd : public TQVCommand {
public:
  TQVTreeAddXmlCmd(std::int32_t ParentID, std::string XmlText)
      : ParentID(ParentID), XmlText(std::move(XmlText)) {}
  std::int32_t CreatedID = 0;
  std::int32_t ParentID;
  std::string XmlText;
  void Execute() override;
  void Undo() override;
  void Redo() override;
  std::string GetName() const override { return "Tree-AddXml"; }
};

class TQVTreeDeleteCmd : public TQVCommand {
public:
  explicit TQVTreeDeleteCmd(std::int32_t ItemID) : ItemID(ItemID) {}
  std::int32_t ItemID;
  std::int32_t ParentID = 0;
  std::int32_t NextID = 0;
  std::string XmlText;
  void Execute() override;
  void Undo() override;
  void Redo() override;
  std::string GetName() const override { return "Tree-Delete"; }
};

class TQVTreeMoveCmd : public TQVCommand {
public:
  TQVTreeMoveCmd(const TQVBaseItem& Item, const TQVBaseItem& NewParent);
  std::int32_t ItemID;
  std::int32_t NewParentID;
  std::int32_t FormerNextID = 0;
  std::int32_t FormerParentID = 0;
  std::string XmlText;
  void Execute() override;
  void Undo() override;
  void Redo() override;
  std::string GetName() const override { return "Tree-Move"; }
};

class TQVTreeMoveUpDown : public TQVCommand {
public:
  // Direction 1 moves down, any other value up.
  TQVTreeMoveUpDown(TQVBaseItem* Item, int Direction);
  TQVBaseItem* Item; // used by Execute only
  std::int32_t ItemID;
  int Direction;
  void Execute() override;
  void Undo() override;
  void Redo() override;
  std::string GetName() const override { return "Tree-MoveUpDown"; }
};
