#pragma once
// Undoable changes: commands run through the processor, which keeps what was done for undo and
// what was undone for redo. Commands find their objects again by identifier, never by a
// pointer kept from an earlier step.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TQVBaseData;
class TQVCommander;

// The clipboard format under which a copied note travels.
inline constexpr const char* QuilleryNoticeFormat = "QuilleryNotice";

class TQVCommand {
public:
  virtual ~TQVCommand() = default;
  TQVCommander* Commander = nullptr;
  // Each step is logged under the command's name; derived commands call these first.
  virtual void Execute();
  virtual void Undo();
  virtual void Redo();
  virtual std::string GetName() const;
};

class TQVCommander {
public:
  std::vector<std::unique_ptr<TQVCommand>> UndoList;
  std::vector<std::unique_ptr<TQVCommand>> RedoList;

  // Runs the command and keeps it for undo; one that fails is dropped. The redo list stays.
  void Execute(std::unique_ptr<TQVCommand> Command);
  void Undo();
  void Redo();
  bool CanUndo() const { return !UndoList.empty(); }
  bool CanRedo() const { return !RedoList.empty(); }
  void Clear();
};

// Sets one parameter of an item (renaming a note in the tree).
class TQVParaCommand : public TQVCommand {
public:
  TQVParaCommand(TQVBaseData* Item, std::string NewValue, std::string ParamName);
  TQVBaseData* Item; // used by Execute only
  std::int32_t ItemID;
  std::string ParamName;
  std::string NewValue;
  std::string OldValue;

  void Execute() override;
  void Undo() override;
  void Redo() override;
  std::string GetName() const override { return "Parameter"; }
};
