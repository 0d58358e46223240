#include "commands/uQVCommander.h"

#include "core/uGlobals.h"
#include "core/uQVLog.h"
#include "model/uQVAllData.h"

void TQVCommand::Execute() {
  AddLogLine("Command-Execute", GetName());
}
void TQVCommand::Undo() {
  AddLogLine("Command-Undo", GetName());
}
void TQVCommand::Redo() {
  AddLogLine("Command-Redo", GetName());
}
std::string TQVCommand::GetName() const {
  return "Unknown Command";
}

void TQVCommander::Execute(std::unique_ptr<TQVCommand> Command) {
  Command->Commander = this;
  Command->Execute();
  UndoList.push_back(std::move(Command));
}

void TQVCommander::Undo() {
  if (UndoList.empty()) return;
  UndoList.back()->Undo();
  RedoList.push_back(std::move(UndoList.back()));
  UndoList.pop_back();
}

void TQVCommander::Redo() {
  if (RedoList.empty()) return;
  RedoList.back()->Redo();
  UndoList.push_back(std::move(RedoList.back()));
  RedoList.pop_back();
}

void TQVCommander::Clear() {
  UndoList.clear();
  RedoList.clear();
}

TQVParaCommand::TQVParaCommand(TQVBaseData* Item, std::string NewValue, std::string ParamName)
    : Item(Item), ItemID(Item->ID), ParamName(std::move(ParamName)), NewValue(std::move(NewValue)) {
}

void TQVParaCommand::Execute() {
  TQVCommand::Execute();
  TQVParameter* parameter = Item->GetParameter(ParamName);
  OldValue = parameter->Value;
  parameter->SetValue(NewValue);
}

void TQVParaCommand::Undo() {
  TQVCommand::Undo();
  if (TQVBaseData* item = AllData ? AllData->FindByID(ItemID) : nullptr)
    item->SetParameter(ParamName, OldValue);
}

void TQVParaCommand::Redo() {
  TQVCommand::Redo();
  if (TQVBaseData* item = AllData ? AllData->FindByID(ItemID) : nullptr)
    item->SetParameter(ParamName, NewValue);
}
