// Document objects: identifiers, parameters, lists and their announcements, change flags.

#include "core/uQVError.h"
#include "model/uController.h"
#include "uTestGlobals.h"

TEST_F(TGlobalsTest, TemplateIdentifiersAndCounters) {
  OpenTemplate();
  EXPECT_EQ(AllData->ID, 0);
  EXPECT_EQ(Root()->ID, 2);
  EXPECT_EQ(Root()->GetChildList()->ID, -1);
  EXPECT_EQ(Welcome()->ID, 3);
  EXPECT_EQ(Welcome()->GetParameterList()->ID, -2);
  EXPECT_EQ(Welcome()->GetChildList()->ID, -5);
  EXPECT_EQ(Root()->GetParameterList()->ID, -6);
  EXPECT_EQ(Welcome()->GetParameter("Caption")->ID, 0);
  std::int32_t maxID = 0, minID = 0;
  AllData->CollectIdRange(maxID, minID);
  EXPECT_EQ(maxID, 3);
  EXPECT_EQ(minID, -6);
  EXPECT_EQ(Controller->Generator.NextPositive(), 4);
  EXPECT_EQ(Controller->Generator.NextNegative(), -7);
  EXPECT_EQ(AllData->FileName, "");
  EXPECT_FALSE(AllData->GetModified());
  EXPECT_EQ(Welcome()->Caption(), "Welcome");
}

TEST_F(TGlobalsTest, FindByIdSkipsParametersAndTheReceiver) {
  OpenTemplate();
  EXPECT_EQ(AllData->FindByID(3), Welcome());
  EXPECT_EQ(AllData->FindByID(-5), Welcome()->GetChildList());
  EXPECT_EQ(AllData->FindByID(-2), nullptr); // a parameter list
  EXPECT_EQ(AllData->FindByID(0), nullptr);  // the document object itself, and parameters
  EXPECT_EQ(Welcome()->FindByID(3), nullptr);
  EXPECT_EQ(AllData->FindByID(999), nullptr);
}

TEST_F(TGlobalsTest, GetParameterCreatesQuietlySetParameterAnnounces) {
  OpenTemplate();
  Listener.Events.clear();
  TQVNotice* note = Welcome();
  TQVParameter* task = note->GetParameter("Task");
  EXPECT_EQ(task->Value, "");
  EXPECT_EQ(note->GetParameter("Task"), task);
  EXPECT_EQ(note->GetParameter("task"), note->GetParameter("task")); // case-sensitive, new one
  EXPECT_NE(note->GetParameter("task"), task);
  EXPECT_FALSE(AllData->GetModified());
  EXPECT_TRUE(Listener.Events.empty());

  task->SetValue("-1");
  ASSERT_EQ(Listener.Events.size(), 1u);
  EXPECT_EQ(Listener.Events[0].Kind, evParameterChanged);
  EXPECT_EQ(Listener.Events[0].Data, task);
  EXPECT_TRUE(task->GetAsBoolean());
  EXPECT_TRUE(AllData->GetModified());

  // SetParameter marks the subtree and announces twice when not busy, once when busy.
  Listener.Events.clear();
  note->SetParameter("Caption", "Hello");
  EXPECT_EQ(Listener.Count(evParameterChanged), 2u);
  EXPECT_TRUE(note->GetChildList()->Modified);
  Listener.Events.clear();
  Globals->Busy = true;
  note->SetParameter("Caption", "Quiet");
  note->GetParameter("Caption")->SetValue("Quieter");
  Globals->Busy = false;
  EXPECT_EQ(Listener.Count(evParameterChanged), 1u);
  EXPECT_TRUE(note->GetParameter("Caption")->Modified);
}

TEST(Parameters, BooleanAndDateValues) {
  struct {
    const char* Text;
    bool Value;
  } cases[] = {{"", false},    {"-1", true},     {"0", false},   {"2", true},
               {"True", true}, {"fALSE", false}, {"yes", false}, {"1.5", true}};
  for (const auto& c : cases) {
    TQVParameter p;
    p.Value = c.Text;
    EXPECT_EQ(p.GetAsBoolean(), c.Value) << c.Text;
  }
  TQVParameter p;
  p.SetAsBoolean(true);
  EXPECT_EQ(p.Value, "-1");
  p.SetAsBoolean(false);
  EXPECT_EQ(p.Value, "0");
  p.SetAsDateTime(40000.5);
  EXPECT_EQ(p.Value, "2009-07-06T12:00:00.000Z");
  EXPECT_DOUBLE_EQ(p.GetAsDateTime(), 40000.5);
  p.Value = "garbage";
  EXPECT_EQ(p.GetAsDateTime(), 0);
}

TEST_F(TGlobalsTest, ListChangesAnnounceAndKeepOwners) {
  OpenTemplate();
  TQVNotice* parent = Welcome();
  TQVBaseItem* a = parent->CreateChild();
  TQVBaseItem* b = parent->CreateChild();
  EXPECT_EQ(a->Owner, parent);
  EXPECT_EQ(a->List, parent->GetChildList());
  EXPECT_EQ(a->NextSibling(), b);
  EXPECT_EQ(b->NextSiblingID(), 0);
  EXPECT_EQ(static_cast<TQVNotice*>(a)->Caption(), "New Notice");

  // Insert before an object that is not in the list appends.
  TQVNotice stranger;
  TQVBaseData* c = parent->GetChildList()->Insert(std::make_unique<TQVNotice>(), &stranger);
  EXPECT_EQ(c->IndexInList(), 2);
  TQVBaseData* d = parent->GetChildList()->Insert(std::make_unique<TQVNotice>(), a);
  EXPECT_EQ(d->IndexInList(), 0);

  // Removal is announced while the object is intact, then it is gone.
  struct TCheck : IEvent {
    std::string CaptionSeen;
    void HandleEvent(TQVEvent& e) override {
      if (e.Kind == evItemRemoved) CaptionSeen = static_cast<TQVNotice*>(e.Data)->Caption();
    }
  } check;
  Dispatcher.Register(&check);
  const std::int32_t bID = b->ID;
  parent->RemoveChild(b);
  EXPECT_EQ(check.CaptionSeen, "New Notice");
  EXPECT_EQ(AllData->FindByID(bID), nullptr);
  Listener.Events.clear();
  parent->RemoveChild(&stranger); // not in the list: nothing
  EXPECT_TRUE(Listener.Events.empty());

  // Move within bounds announces; outside raises and changes nothing.
  parent->GetChildList()->Move(d, 1);
  EXPECT_EQ(d->IndexInList(), 1);
  EXPECT_EQ(Listener.Count(evItemMoved), 1u);
  EXPECT_THROW(parent->GetChildList()->Move(d, 5), EQVError);
  EXPECT_THROW(parent->GetChildList()->Move(a, -1), EQVError);
  EXPECT_EQ(d->IndexInList(), 1);
  EXPECT_EQ(Listener.Count(evItemMoved), 1u);
}

TEST_F(TGlobalsTest, DeliveryOrderReentrancyAndSuppression) {
  std::vector<std::string> heard;
  struct TNamed : IEvent {
    std::string Name;
    std::vector<std::string>* Log;
    bool Repost = false;
    void HandleEvent(TQVEvent& e) override {
      Log->push_back(Name + ":" + std::to_string(e.Kind));
      if (Repost && e.Kind == evSearchText) {
        TQVEvent next(evSearchNext, nullptr);
        EventFIFO->Post(next);
      }
    }
  } first, second;
  first.Name = "first";
  first.Log = &heard;
  first.Repost = true;
  second.Name = "second";
  second.Log = &heard;
  TEventFIFO fifo;
  EventFIFO = &fifo;
  EXPECT_EQ(fifo.Register(&first), 0);
  EXPECT_EQ(fifo.Register(&second), 1);
  EXPECT_EQ(fifo.Register(&first), 0);
  EXPECT_THROW(fifo.Register(nullptr), EQVError);
  TQVEventSearch search(evSearchText, "x");
  fifo.Post(search);
  EXPECT_EQ(heard, (std::vector<std::string>{"first:9", "first:10", "second:10", "second:9"}));
  heard.clear();
  {
    TEventSuppression quiet;
    fifo.Post(TQVEvent(evStoreNote, nullptr));
  }
  EXPECT_TRUE(heard.empty());
  fifo.Post(TQVEvent(evStoreNote, nullptr));
  EXPECT_EQ(heard.size(), 2u);
  EventFIFO = &Dispatcher;
}

TEST_F(TGlobalsTest, InsertChildFromXmlAnnouncesOnlyTheTopItem) {
  OpenTemplate();
  TQVNotice* note = Welcome();
  TQVBaseItem* child = note->CreateChild();
  child->CreateChild();
  Globals->NoIDs = true;
  const std::string xml = child->SaveToXmlString();
  Globals->NoIDs = false;
  EXPECT_EQ(xml.find(" ID="), std::string::npos);
  Listener.Events.clear();
  TQVBaseItem* pasted = Root()->InsertChildFromXml(xml, nullptr);
  ASSERT_EQ(Listener.Events.size(), 1u);
  EXPECT_EQ(Listener.Events[0].Kind, evItemAdded);
  EXPECT_EQ(Listener.Events[0].Data, pasted);
  EXPECT_GT(pasted->ID, child->ID); // fresh identifiers
  EXPECT_EQ(CountNotices(*pasted), 2u);
  EXPECT_FALSE(Dispatcher.Suppressed);

  // Text that does not parse, or whose first object is no item, inserts nothing.
  const std::size_t before = CountNotices(*AllData);
  EXPECT_THROW(Root()->InsertChildFromXml("<Quillery><Notice", nullptr), EQVError);
  EXPECT_THROW(Root()->InsertChildFromXml("<Quillery><NoticeList/></Quillery>", nullptr), EQVError);
  EXPECT_THROW(Root()->InsertChildFromXml("<Quillery/>", nullptr), EQVError);
  EXPECT_EQ(CountNotices(*AllData), before);
  EXPECT_FALSE(Dispatcher.Suppressed);
}

TEST_F(TGlobalsTest, ReadingSkipsUnknownAndSettingsElements) {
  OpenTemplate();
  const char* xml = R"(<Quillery><Notice ID="50"><AddressList><Notice ID="51"/></AddressList>
      <Settings><Notice ID="52"/></Settings><Unknown/><ParameterList>
      <Parameter Name="Caption"/></ParameterList></Notice></Quillery>)";
  Globals->Busy = true;
  TQVBaseItem* note = Root()->InsertChildFromXml(xml, nullptr);
  Globals->Busy = false;
  EXPECT_EQ(note->ID, 50);
  EXPECT_EQ(CountNotices(*note), 1u);
  EXPECT_EQ(note->FindParameter("Caption")->Value, "");
}

TEST_F(TGlobalsTest, CaptionPath) {
  OpenTemplate();
  TQVNotice* a = Welcome();
  a->GetParameter("Caption")->SetValue("A");
  auto* b = static_cast<TQVNotice*>(a->CreateChild());
  b->GetParameter("Caption")->SetValue("B");
  TQVBaseItem* c = b->CreateChild();
  EXPECT_EQ(GetCaptionPath(*c), "A/B");
  EXPECT_EQ(GetCaptionPath(*a), "");
  EXPECT_EQ(Root()->FindParameter("Caption"), nullptr);
}

TEST_F(TGlobalsTest, ModifiedFlagsCoverLayoutsAndSubtrees) {
  OpenTemplate();
  EXPECT_FALSE(AllData->GetModified());
  Welcome()->Layout.Modified = true;
  EXPECT_TRUE(AllData->GetModified());
  AllData->SetModified(false);
  EXPECT_FALSE(Welcome()->Layout.Modified);
  EXPECT_FALSE(AllData->GetModified());
}

TEST_F(TGlobalsTest, NewDocumentAnnouncesNothing) {
  OpenTemplate();
  Welcome()->CreateChild();
  Listener.Events.clear();
  NewDocument();
  EXPECT_TRUE(Listener.Events.empty());
  EXPECT_EQ(AllData->GetNoticeRoot(), nullptr);
}

TEST(Globals, AllDataIsNilUntilTheFirstDocument) {
  CreateGlobals();
  EXPECT_EQ(AllData, nullptr);
  EXPECT_NE(Controller, nullptr);
  EXPECT_NE(Commander, nullptr);
  EXPECT_NE(Globals, nullptr);
  FreeGlobals();
  EXPECT_EQ(Controller, nullptr);
}
