// Undo and redo of every tree change, with identifiers kept across deletes and moves.

#include "commands/uQVCommander.h"
#include "commands/uQVTreeCommands.h"
#include "core/uQVError.h"
#include "uTestGlobals.h"

#include <regex>

namespace {

TQVNotice* Note(std::int32_t ID) {
  return static_cast<TQVNotice*>(AllData->FindByID(ID));
}

// The XML of a note without its change dates, which every save of a modified note refreshes.
std::string Stable(const std::string& Xml) {
  return std::regex_replace(Xml, std::regex("ChangeDate=\"[^\"]*\""), "");
}

std::vector<std::string> Captions(TQVBaseItem* Parent) {
  std::vector<std::string> out;
  for (const auto& child : Parent->GetChildList()->Children)
    out.push_back(static_cast<TQVNotice*>(child.get())->Caption());
  return out;
}

class TCommandsTest : public TGlobalsTest {
protected:
  void SetUp() override {
    TGlobalsTest::SetUp();
    OpenTemplate();
    // Root: Welcome(3) [A, B, C], D
    for (const char* caption : {"A", "B", "C"})
      Named(Welcome(), caption);
    Named(Root(), "D");
  }
  TQVNotice* Named(TQVBaseItem* Parent, const char* Caption) {
    auto* note = static_cast<TQVNotice*>(Parent->CreateChild());
    note->GetParameter("Caption")->SetValue(Caption);
    return note;
  }
  TQVNotice* Child(TQVBaseItem* Parent, std::size_t Index) {
    return static_cast<TQVNotice*>(Parent->GetChildList()->Children[Index]);
  }
  void Run(std::unique_ptr<TQVCommand> Command) { Commander->Execute(std::move(Command)); }
};

} // namespace

TEST_F(TCommandsTest, EmptyStacksDoNothing) {
  Commander->Undo();
  Commander->Redo();
  EXPECT_FALSE(Commander->CanUndo());
  EXPECT_FALSE(Commander->CanRedo());
}

TEST_F(TCommandsTest, RenameUndoRedo) {
  TQVNotice* a = Child(Welcome(), 0);
  Run(std::make_unique<TQVParaCommand>(a, "A2", "Caption"));
  EXPECT_EQ(a->Caption(), "A2");
  Commander->Undo();
  EXPECT_EQ(a->Caption(), "A");
  Commander->Redo();
  EXPECT_EQ(a->Caption(), "A2");
  Commander->Undo();
  EXPECT_EQ(a->Caption(), "A");
  // The redo list survives a new command.
  Run(std::make_unique<TQVTreeCreateCmd>(Root()->ID));
  EXPECT_TRUE(Commander->CanRedo());
  Commander->Redo();
  EXPECT_EQ(a->Caption(), "A2");
}

TEST_F(TCommandsTest, CreateUndoRedoGivesANewNote) {
  const std::int32_t parent = Welcome()->ID;
  Run(std::make_unique<TQVTreeCreateCmd>(parent));
  auto* create = static_cast<TQVTreeCreateCmd*>(Commander->UndoList.back().get());
  const std::int32_t first = create->CreatedID;
  EXPECT_EQ(Note(first)->Caption(), "New Notice");
  Run(std::make_unique<TQVParaCommand>(Note(first), "Renamed", "Caption"));
  Commander->Undo(); // rename
  Commander->Undo(); // create
  EXPECT_EQ(Note(first), nullptr);
  Commander->Redo(); // create again: a different note
  EXPECT_GT(create->CreatedID, first);
  EXPECT_EQ(Note(create->CreatedID)->Caption(), "New Notice");
  Commander->Redo(); // the rename's note is gone: nothing changes
  EXPECT_EQ(Note(create->CreatedID)->Caption(), "New Notice");
  EXPECT_FALSE(Commander->CanRedo());
}

TEST_F(TCommandsTest, DeleteUndoRestoresEverythingInPlace) {
  TQVNotice* b = Child(Welcome(), 1);
  TQVNotice* sub = Named(b, "B.1");
  sub->GetParameter("Task")->SetAsBoolean(true);
  sub->GetParameter("TaskDT")->SetAsDateTime(45000.25);
  sub->GetParameter("Note")->SetValue("{\\rtf1 body}");
  sub->Layout.IconIndex = 9;
  sub->Layout.Font.Style.Italic = true;
  sub->Layout.Font.Color = 0xFF;
  sub->CreateDate = 40000.5;
  const std::int32_t bID = b->ID, subID = sub->ID, listID = sub->GetChildList()->ID;
  const std::string before = b->SaveToXmlString();
  Run(std::make_unique<TQVTreeDeleteCmd>(bID));
  EXPECT_EQ(Note(bID), nullptr);
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"A", "C"}));
  Listener.Events.clear();
  Commander->Undo();
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"A", "B", "C"}));
  ASSERT_EQ(Listener.Count(evItemAdded), 1u);
  TQVNotice* back = Note(subID);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetChildList()->ID, listID);
  EXPECT_EQ(back->Layout.IconIndex, 9);
  EXPECT_TRUE(back->Layout.Font.Style.Italic);
  EXPECT_EQ(back->Layout.Font.Color, 0xFF);
  EXPECT_DOUBLE_EQ(back->CreateDate, 40000.5);
  EXPECT_DOUBLE_EQ(back->FindParameter("TaskDT")->GetAsDateTime(), 45000.25);
  EXPECT_EQ(back->FindParameter("Note")->Value, "{\\rtf1 body}");
  EXPECT_EQ(Stable(Note(bID)->SaveToXmlString()), Stable(before));
  EXPECT_FALSE(Globals->Busy);
  Commander->Redo();
  EXPECT_EQ(Note(bID), nullptr);
}

TEST_F(TCommandsTest, DeleteOfTheLastNoteComesBackLast) {
  const std::int32_t c = Child(Welcome(), 2)->ID;
  Run(std::make_unique<TQVTreeDeleteCmd>(c));
  Commander->Undo();
  EXPECT_EQ(Child(Welcome(), 2)->ID, c);
}

TEST_F(TCommandsTest, RenameThenDeleteThenUndoBoth) {
  TQVNotice* a = Child(Welcome(), 0);
  const std::int32_t id = a->ID;
  Run(std::make_unique<TQVParaCommand>(a, "A2", "Caption"));
  Run(std::make_unique<TQVTreeDeleteCmd>(id));
  Commander->Undo();
  EXPECT_EQ(Note(id)->Caption(), "A2");
  Commander->Undo();
  EXPECT_EQ(Note(id)->Caption(), "A"); // applied to the re-created note
}

TEST_F(TCommandsTest, MoveToAnotherParentAndBack) {
  TQVNotice* b = Child(Welcome(), 1);
  TQVNotice* d = Child(Root(), 1);
  const std::int32_t bID = b->ID;
  Named(b, "B.1");
  Listener.Events.clear();
  Run(std::make_unique<TQVTreeMoveCmd>(*b, *d));
  EXPECT_EQ(Captions(d), (std::vector<std::string>{"B"}));
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(Note(bID)->Owner, d);
  EXPECT_EQ(Globals->MovingItemID, bID); // the notes tree resets it when it focuses the note
  ASSERT_EQ(Listener.Events.size(), 3u);
  EXPECT_EQ(Listener.Events[0].Kind, evStoreNote);
  EXPECT_EQ(Listener.Events[1].Kind, evItemRemoved);
  EXPECT_EQ(Listener.Events[2].Kind, evItemAdded);
  Globals->MovingItemID = 0;
  Commander->Undo();
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(CountNotices(*Note(bID)), 2u);
  // With the old next sibling deleted meanwhile, undo appends.
  Commander->Redo();
  Run(std::make_unique<TQVTreeDeleteCmd>(Child(Welcome(), 1)->ID)); // C
  Commander->UndoList.erase(Commander->UndoList.end() - 1);         // keep C deleted
  Commander->Undo();                                                // the move
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"A", "B"}));
}

TEST_F(TCommandsTest, MoveIntoItsOwnSubtreeIsRefused) {
  TQVNotice* b = Child(Welcome(), 1);
  TQVNotice* inner = Named(b, "inner");
  Run(std::make_unique<TQVTreeMoveCmd>(*Welcome(), *inner));
  Run(std::make_unique<TQVTreeMoveCmd>(*b, *b));
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(inner->Owner, b);
}

TEST_F(TCommandsTest, PasteTwiceGivesIndependentCopies) {
  TQVNotice* a = Child(Welcome(), 0);
  Named(a, "A.1");
  Globals->NoIDs = true;
  const std::string clip = a->SaveToXmlString();
  Globals->NoIDs = false;
  Run(std::make_unique<TQVTreeAddXmlCmd>(Root()->ID, clip));
  Run(std::make_unique<TQVTreeAddXmlCmd>(Root()->ID, clip));
  EXPECT_EQ(Captions(Root()), (std::vector<std::string>{"Welcome", "D", "A", "A"}));
  TQVNotice* first = Child(Root(), 2);
  TQVNotice* second = Child(Root(), 3);
  EXPECT_NE(first->ID, second->ID);
  EXPECT_NE(Child(first, 0)->ID, Child(second, 0)->ID);
  EXPECT_NE(Child(first, 0)->ID, Child(a, 0)->ID);
  Commander->Undo();
  EXPECT_EQ(Captions(Root()), (std::vector<std::string>{"Welcome", "D", "A"}));
  Commander->Redo();
  EXPECT_EQ(Captions(Root()).size(), 4u);
}

TEST_F(TCommandsTest, MoveUpAndDown) {
  TQVNotice* c = Child(Welcome(), 2);
  Run(std::make_unique<TQVTreeMoveUpDown>(c, 0));
  Run(std::make_unique<TQVTreeMoveUpDown>(c, 0));
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"C", "A", "B"}));
  Commander->Undo();
  Commander->Undo();
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"A", "B", "C"}));
  Commander->Redo();
  Commander->Redo();
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"C", "A", "B"}));
  // At the end of the list the move fails; the command stays in the list it was in.
  Commander->Undo();
  Commander->Undo();
  const std::size_t undoCount = Commander->UndoList.size();
  EXPECT_THROW(Run(std::make_unique<TQVTreeMoveUpDown>(c, 1)), EQVError);
  EXPECT_EQ(Commander->UndoList.size(), undoCount);
  TQVNotice* b = Child(Welcome(), 1);
  Run(std::make_unique<TQVTreeMoveUpDown>(b, 1)); // A C B
  Welcome()->GetChildList()->Move(b, -2);         // B A C, outside the commands
  EXPECT_THROW(Commander->Undo(), EQVError);
  EXPECT_EQ(Commander->UndoList.size(), undoCount + 1);
  EXPECT_EQ(Captions(Welcome()), (std::vector<std::string>{"B", "A", "C"}));
}

TEST_F(TCommandsTest, LoadingClearsBothStacks) {
  Run(std::make_unique<TQVTreeCreateCmd>(Root()->ID));
  Run(std::make_unique<TQVTreeCreateCmd>(Root()->ID));
  Commander->Undo();
  LoadDocument("");
  EXPECT_FALSE(Commander->CanUndo());
  EXPECT_FALSE(Commander->CanRedo());
}

// Stands in for the main window: on evStoreNote it writes the editor's pending text.
struct TPendingEditor : IEvent {
  std::int32_t NoteID = 0;
  std::string Pending;
  void HandleEvent(TQVEvent& Event) override {
    if (Event.Kind != evStoreNote || Pending.empty()) return;
    if (TQVNotice* note = Note(NoteID)) note->GetParameter("Note")->SetValue(Pending);
    Pending.clear();
  }
};

TEST_F(TCommandsTest, PendingEditorTextIsKeptByDeleteAndMove) {
  TPendingEditor editor;
  Dispatcher.Register(&editor);
  TQVNotice* b = Child(Welcome(), 1);
  const std::int32_t id = b->ID;
  editor.NoteID = id;
  editor.Pending = "typed before the delete";
  Run(std::make_unique<TQVTreeDeleteCmd>(id));
  Commander->Undo();
  EXPECT_EQ(Note(id)->FindParameter("Note")->Value, "typed before the delete");
  editor.Pending = "typed before the move";
  Run(std::make_unique<TQVTreeMoveCmd>(*Note(id), *Root()));
  EXPECT_EQ(Note(id)->FindParameter("Note")->Value, "typed before the move");
  editor.Pending = "typed before the move back";
  Commander->Undo();
  EXPECT_EQ(Note(id)->FindParameter("Note")->Value, "typed before the move back");
}
